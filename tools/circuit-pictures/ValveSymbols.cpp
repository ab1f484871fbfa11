// Directional valves and the throttle. A valve has two squares: on the left the
// switched position with the solenoid beside it, on the right the rest position
// with the spring; the lines connect to the rest square, as the standard draws it.

#include "SymbolPaint.h"
#include "Symbols.h"

#include <QPainter>
#include <QPainterPath>

namespace {

using Sym::PortInset;
using Sym::Square;

// The x of a port on the rest square, relative to its left edge.
qreal portOffset(const TSymbol& valve, int port) {
    if (valve.Shape == TShape::Valve22)
        return Square / 2;
    return port == 3 ? Square - PortInset : PortInset;
}

// Whether a port sits on the top edge: port 2 on top unless flipped.
bool portOnTop(const TSymbol& valve, int port) {
    return (port == 2) != valve.Flipped;
}

QPointF portIn(const TSymbol& valve, int port, qreal squareLeft) {
    const qreal y = portOnTop(valve, port) ? valve.At.y() : valve.At.y() + Square;
    return {squareLeft + portOffset(valve, port), y};
}

// A port closed inside the square: a short stub ending in a bar.
void paintBlocked(QPainter& painter, QPointF edge, bool top) {
    const QPointF end = edge + QPointF(0, top ? 7 : -7);
    painter.drawLine(edge, end);
    painter.drawLine(end - QPointF(4, 0), end + QPointF(4, 0));
}

void paintSolenoid(QPainter& painter, const TSymbol& valve) {
    const qreal left = valve.At.x() - Square;
    const QRectF coil(left - Sym::SolenoidWidth, valve.At.y() + 5, Sym::SolenoidWidth, Square - 10);
    painter.drawRect(coil);
    painter.drawLine(coil.bottomLeft(), coil.topRight());
}

void paintSpring(QPainter& painter, const TSymbol& valve) {
    const qreal x = valve.At.x() + Square;
    const qreal y = valve.At.y() + Square / 2;
    QPainterPath spring(QPointF(x, y));
    for (int step = 0; step < 4; ++step)
        spring.lineTo(x + 1.5 + step * 3, y + (step % 2 == 0 ? -5 : 5));
    spring.lineTo(x + Sym::SpringLength, y);
    painter.drawPath(spring);
}

void paintPositions(QPainter& painter, const TSymbol& valve, const TInk& ink) {
    const qreal rest = valve.At.x();
    const qreal switched = rest - Square;
    if (valve.Shape == TShape::Valve22) {
        paintBlocked(painter, portIn(valve, 1, rest), portOnTop(valve, 1));
        paintBlocked(painter, portIn(valve, 2, rest), portOnTop(valve, 2));
        PaintArrow(painter, portIn(valve, 1, switched), portIn(valve, 2, switched), ink);
        return;
    }
    PaintArrow(painter, portIn(valve, 2, rest), portIn(valve, 3, rest), ink);
    paintBlocked(painter, portIn(valve, 1, rest), portOnTop(valve, 1));
    PaintArrow(painter, portIn(valve, 1, switched), portIn(valve, 2, switched), ink);
    paintBlocked(painter, portIn(valve, 3, switched), portOnTop(valve, 3));
}

} // namespace

QPointF ValvePort(const TSymbol& valve, int port) {
    return portIn(valve, port, valve.At.x());
}

QRectF ValveBounds(const TSymbol& valve) {
    return {valve.At.x() - Square - Sym::SolenoidWidth, valve.At.y(),
            2 * Square + Sym::SolenoidWidth + Sym::SpringLength, Square};
}

void PaintValve(QPainter& painter, const TSymbol& valve, const TInk& ink) {
    painter.drawRect(QRectF(valve.At.x() - Square, valve.At.y(), Square, Square));
    painter.drawRect(QRectF(valve.At.x(), valve.At.y(), Square, Square));
    paintSolenoid(painter, valve);
    paintSpring(painter, valve);
    paintPositions(painter, valve, ink);
}

// Two arcs narrowing the line, crossed by the arrow of the adjustment.
void PaintThrottle(QPainter& painter, const TSymbol& throttle, const TInk& ink) {
    const QPointF c = throttle.At;
    const qreal half = Sym::ThrottleHalf;
    painter.drawLine(c - QPointF(0, half), c + QPointF(0, half));
    painter.drawArc(QRectF(c.x() - 9, c.y() - 8, 7, 16), -90 * 16, 180 * 16);
    painter.drawArc(QRectF(c.x() + 2, c.y() - 8, 7, 16), 90 * 16, 180 * 16);
    PaintArrow(painter, c + QPointF(-10, 10), c + QPointF(10, -10), ink);
}
