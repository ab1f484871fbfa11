// The symbols of sources, pads and frames, and the dispatch over all shapes.

#include "Symbols.h"
#include "SymbolPaint.h"

#include <QFont>
#include <QLineF>
#include <QPainter>
#include <QPainterPath>

namespace {

using Sym::SilencerLength;
constexpr qreal SilencerHalf = 9;
constexpr qreal MotorRadius = 11;
constexpr qreal MotorDistance = 43; // from the pump's centre to the motor's

// Circle with a dot: the compressed-air source.
void paintSupply(QPainter& painter, QPointF c, const TInk& ink) {
    painter.drawEllipse(c, Sym::SupplyRadius, Sym::SupplyRadius);
    painter.setBrush(ink.Colour);
    painter.drawEllipse(c, 2.2, 2.2);
    painter.setBrush(Qt::NoBrush);
}

// Square with the vacuum generator inside: the drive air from the left port leaves
// the nozzle triangle as a jet, crosses the suction chamber where the vacuum port
// enters from below, and goes out through the diverging diffuser to the right port.
void paintEjector(QPainter& painter, QPointF c, const TInk& ink) {
    const qreal w = Sym::EjectorHalfW;
    const qreal h = Sym::EjectorHalfH;
    painter.drawRect(QRectF(c.x() - w, c.y() - h, 2 * w, 2 * h));
    painter.drawLine(c - QPointF(w, 0), c - QPointF(w - 5, 0));
    painter.drawPolygon(
        QPolygonF({c + QPointF(-w + 5, -8), c + QPointF(-w + 5, 8), c + QPointF(-5, 0)}));
    for (const qreal side : {-1.0, 1.0})
        painter.drawLine(c + QPointF(4, side * 4), c + QPointF(w - 4, side * 12));
    PaintArrow(painter, c + QPointF(-5, 0), c + QPointF(14, 0), ink);
    painter.drawLine(c + QPointF(14, 0), c + QPointF(w, 0));
    PaintArrow(painter, c + QPointF(0, h), c + QPointF(0, 4), ink);
}

// A box across the end of the exhaust line, the sound baffles drawn inside.
void paintSilencer(QPainter& painter, QPointF end) {
    const QRectF box(end.x(), end.y() - SilencerHalf, SilencerLength, 2 * SilencerHalf);
    painter.drawRect(box);
    for (int line = 1; line < 4; ++line) {
        const qreal y = box.top() + line * box.height() / 4;
        painter.drawLine(QPointF(box.left() + 2, y), QPointF(box.right() - 2, y));
    }
}

// Circle with the filled triangle at its suction port below, pointing in; the
// motor drives it through the double line of its shaft.
void paintPump(QPainter& painter, QPointF c, const TInk& ink) {
    const qreal r = Sym::PumpRadius;
    painter.drawEllipse(c, r, r);
    painter.setBrush(ink.Colour);
    painter.drawPolygon(
        QPolygonF({c + QPointF(-6, r - 4), c + QPointF(6, r - 4), c + QPointF(0, 6)}));
    painter.setBrush(Qt::NoBrush);
    const QPointF motor = c + QPointF(MotorDistance, 0);
    for (const qreal side : {-2.0, 2.0})
        painter.drawLine(c + QPointF(r, side), motor + QPointF(-MotorRadius, side));
    painter.drawEllipse(motor, MotorRadius, MotorRadius);
    if (ink.Width > 3)
        return;
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(12);
    font.setBold(true);
    painter.setFont(font);
    painter.drawText(
        QRectF(motor.x() - MotorRadius, motor.y() - MotorRadius, 2 * MotorRadius, 2 * MotorRadius),
        Qt::AlignCenter, QStringLiteral("M"));
}

// The stem and the cup, its lip flaring out to the workpiece.
void paintPad(QPainter& painter, QPointF top) {
    const qreal rim = Sym::PadHeight;
    painter.drawLine(top, top + QPointF(0, 12));
    QPainterPath cup(top + QPointF(-17, rim));
    cup.cubicTo(top + QPointF(-11, rim - 2), top + QPointF(-7, rim - 7), top + QPointF(-7, 12));
    cup.lineTo(top + QPointF(7, 12));
    cup.cubicTo(top + QPointF(7, rim - 7), top + QPointF(11, rim - 2), top + QPointF(17, rim));
    painter.drawPath(cup);
}

void paintWorkpiece(QPainter& painter, const QRectF& box) {
    painter.setBrush(QColor(0xe6, 0xe9, 0xed));
    painter.drawRect(box);
    painter.setBrush(Qt::NoBrush);
}

void paintEnclosure(QPainter& painter, const QRectF& box, const TInk& ink) {
    if (ink.Width < 4) {
        QPen pen = painter.pen();
        pen.setWidthF(1.2);
        pen.setCapStyle(Qt::FlatCap);
        pen.setDashPattern({10, 3, 2, 3});
        painter.setPen(pen);
    }
    painter.drawRect(box);
}

} // namespace

void PaintArrow(QPainter& painter, QPointF from, QPointF to, const TInk& ink) {
    const QLineF line(to, from);
    const QLineF unit = line.unitVector();
    const QPointF back(unit.dx() * 7, unit.dy() * 7);
    const QPointF side(-unit.dy() * 3, unit.dx() * 3);
    painter.drawLine(from, to + back * 0.5);
    const QPen pen = painter.pen();
    painter.setPen(QPen(ink.Colour, 0.8));
    painter.setBrush(ink.Colour);
    painter.drawPolygon(QPolygonF({to, to + back + side, to + back - side}));
    painter.setBrush(Qt::NoBrush);
    painter.setPen(pen);
}

QRectF SymbolBounds(const TSymbol& symbol) {
    const QPointF c = symbol.At;
    switch (symbol.Shape) {
    case TShape::Supply:
        return {c.x() - Sym::SupplyRadius, c.y() - Sym::SupplyRadius, 2 * Sym::SupplyRadius,
                2 * Sym::SupplyRadius};
    case TShape::Ejector:
        return {c.x() - Sym::EjectorHalfW, c.y() - Sym::EjectorHalfH, 2 * Sym::EjectorHalfW,
                2 * Sym::EjectorHalfH};
    case TShape::Silencer:
        return {c.x(), c.y() - SilencerHalf, SilencerLength, 2 * SilencerHalf};
    case TShape::Pump:
        return {c.x() - Sym::PumpRadius, c.y() - Sym::PumpRadius,
                Sym::PumpRadius + MotorDistance + MotorRadius, 2 * Sym::PumpRadius};
    case TShape::Valve22:
    case TShape::Valve32:
        return ValveBounds(symbol);
    case TShape::Throttle:
        return {c.x() - 10, c.y() - Sym::ThrottleHalf, 20, 2 * Sym::ThrottleHalf};
    case TShape::Pad:
        return {c.x() - 17, c.y(), 34, Sym::PadHeight};
    case TShape::Workpiece:
    case TShape::Enclosure:
        break;
    }
    return symbol.Box;
}

void PaintSymbol(QPainter& painter, const TSymbol& symbol, const TInk& ink) {
    painter.setPen(QPen(ink.Colour, ink.Width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Qt::NoBrush);
    switch (symbol.Shape) {
    case TShape::Supply:
        return paintSupply(painter, symbol.At, ink);
    case TShape::Ejector:
        return paintEjector(painter, symbol.At, ink);
    case TShape::Silencer:
        return paintSilencer(painter, symbol.At);
    case TShape::Pump:
        return paintPump(painter, symbol.At, ink);
    case TShape::Valve22:
    case TShape::Valve32:
        return PaintValve(painter, symbol, ink);
    case TShape::Throttle:
        return PaintThrottle(painter, symbol, ink);
    case TShape::Pad:
        return paintPad(painter, symbol.At);
    case TShape::Workpiece:
        return paintWorkpiece(painter, symbol.Box);
    case TShape::Enclosure:
        return paintEnclosure(painter, symbol.Box, ink);
    }
}
