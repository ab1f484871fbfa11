#pragma once

#include <QPoint>
#include <QRect>

#include <optional>

class QEvent;
class QWidget;

// Moves or sizes a frameless window with the mouse held down on one of its grips:
// through the window system where it offers that, otherwise by following the
// mouse here (offscreen, or an X display without a window manager).
class TWindowDrag {
public:
    enum class Kind { Move, SizeFromBottomRight };

    // Handles a mouse press, move or release on a grip of window; true when used.
    bool Handle(QWidget* window, QEvent* event, Kind kind);

private:
    std::optional<QPoint> pressedAt_; // global mouse position of the press
    QRect startGeometry_;             // the window's position (frame included) and size then
};
