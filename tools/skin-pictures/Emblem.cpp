#include "Emblem.h"

#include <QPainter>
#include <QPainterPath>

void PaintGripperEmblem(QPainter& painter, const QRectF& box, const QColor& accent,
                        const QColor& plate) {
    const qreal side = qMin(box.width(), box.height());
    const QRectF square(box.center() - QPointF(side, side) / 2, QSizeF(side, side));
    auto at = [&square, side](qreal x, qreal y) {
        return square.topLeft() + QPointF(x * side, y * side);
    };
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(accent);
    painter.drawRect(QRectF(at(0.45, 0.12), at(0.55, 0.45)));
    QPainterPath cup;
    cup.moveTo(at(0.22, 0.62));
    cup.cubicTo(at(0.28, 0.40), at(0.72, 0.40), at(0.78, 0.62));
    cup.closeSubpath();
    painter.drawPath(cup);
    painter.setBrush(plate);
    painter.drawRoundedRect(QRectF(at(0.08, 0.64), at(0.92, 0.72)), side * 0.015, side * 0.015);
    painter.restore();
}
