#include "controls/WindowDrag.h"

#include <QMouseEvent>
#include <QWidget>
#include <QWindow>

namespace {

bool startSystemDrag(QWidget* window, TWindowDrag::Kind kind) {
    QWindow* handle = window->windowHandle();
    if (!handle)
        return false;
    return kind == TWindowDrag::Kind::Move
               ? handle->startSystemMove()
               : handle->startSystemResize(Qt::RightEdge | Qt::BottomEdge);
}

} // namespace

bool TWindowDrag::Handle(QWidget* window, QEvent* event, Kind kind) {
    switch (event->type()) {
    case QEvent::MouseButtonPress: {
        auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() != Qt::LeftButton)
            return false;
        if (!startSystemDrag(window, kind)) {
            pressedAt_ = mouse->globalPosition().toPoint();
            startGeometry_ = QRect(window->pos(), window->size());
        }
        return true;
    }
    case QEvent::MouseMove: {
        if (!pressedAt_)
            return false;
        const QPoint moved =
            static_cast<QMouseEvent*>(event)->globalPosition().toPoint() - *pressedAt_;
        if (kind == Kind::Move)
            window->move(startGeometry_.topLeft() + moved);
        else
            window->resize(startGeometry_.size() + QSize(moved.x(), moved.y()));
        return true;
    }
    case QEvent::MouseButtonRelease:
        if (!pressedAt_)
            return false;
        pressedAt_.reset();
        return true;
    default:
        return false;
    }
}
