// Vacuum units: the block between the vacuum pump and the pads with its suction
// and release valves on top, the pump port on the right face, the pad port below
// and the small release supply port. The plain unit carries a filter bowl; the
// pilot-operated unit has large main valves under round bonnets, each with its
// small pilot coil. The pump picture marks the pump port and the pump beyond it.

#include "SeriesPaint.h"
#include "SeriesPictures.h"

#include <QPainterPath>
#include <QRadialGradient>

namespace {

const QColor UnitBlue(0x9c, 0xb9, 0xd8);
const QColor PilotBlue(0x6f, 0x97, 0xc2);

struct TPorts {
    QPointF Pump;
    QPointF Pad;
    QPointF Release;
};

void paintFilter(QPainter& painter, const QRectF& bowl) {
    painter.setPen(Edge(QColor(0xa8, 0xc0, 0xd0)));
    painter.setBrush(QColor(0xd8, 0xec, 0xf6, 150));
    painter.drawRoundedRect(bowl, bowl.width() / 2.5, bowl.width() / 2.5);
    const QRectF element = bowl.adjusted(7, 8, -7, -12);
    painter.setPen(QPen(QColor(0xc9, 0xcc, 0xc4), 0.8));
    painter.setBrush(QColor(0xf7, 0xf6, 0xf0));
    painter.drawRect(element);
    for (qreal x = element.left() + 2.5; x < element.right(); x += 2.5)
        painter.drawLine(QPointF(x, element.top() + 1), QPointF(x, element.bottom() - 1));
    PaintCylinderUp(painter, QRectF(bowl.left() - 3, bowl.top() - 6, bowl.width() + 6, 10),
                    Tone::Aluminium);
}

TPorts paintPlainUnit(QPainter& painter) {
    const QRectF body(50, 84, 96, 44);
    const qreal depth = 22;
    PaintShadow(painter, QPointF(112, 160), 96, 10);
    paintFilter(painter, QRectF(18, 80, 32, 58));
    PaintBox(painter, body, depth, UnitBlue);
    for (int index = 0; index < 2; ++index) {
        const QPointF foot = OnTop(body, 8 + index * 40, depth * 0.3);
        PaintCoil(painter, QRectF(foot.x(), foot.y() - 28, 32, 28), depth * 0.5);
    }
    return {OnSide(body, 14, 12), QPointF(body.center().x() + 8, body.bottom()),
            OnSide(body, 34, 8)};
}

TPorts paintPilotUnit(QPainter& painter) {
    const QRectF body(34, 86, 114, 46);
    const qreal depth = 24;
    PaintShadow(painter, QPointF(106, 162), 100, 10);
    PaintFitting(painter, QPointF(body.left(), body.top() + 14), TSide::Left, 12, Tone::Supply);
    PaintBox(painter, body, depth, PilotBlue);
    for (int index = 0; index < 2; ++index) {
        const QPointF foot = OnTop(body, 10 + index * 52, depth * 0.45);
        PaintCylinderUp(painter, QRectF(foot.x(), foot.y() - 14, 40, 14), Tone::Aluminium);
        PaintCoil(painter, QRectF(foot.x() + 9, foot.y() - 38, 22, 22), 10);
    }
    return {OnSide(body, 16, 12), QPointF(body.left() + 40, body.bottom()), QPointF()};
}

// A glow behind the pump port's end, and an arrow from it to the vacuum pump.
void paintPumpHalo(QPainter& painter, QPointF end) {
    QRadialGradient glow(end, 20);
    glow.setColorAt(0, QColor(0xff, 0xb3, 0x3b, 170));
    glow.setColorAt(1, QColor(0xff, 0xb3, 0x3b, 0));
    painter.setPen(Qt::NoPen);
    painter.setBrush(glow);
    painter.drawEllipse(end, 20, 20);
}

void paintPump(QPainter& painter, QPointF end) {
    const QPointF pump(end.x() + 28, end.y());
    const QColor ink = Tone::Accent;
    painter.setPen(QPen(ink, 2, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(end + QPointF(3, 0), pump - QPointF(17, 0));
    painter.setBrush(ink);
    painter.drawPolygon(
        QPolygonF({pump - QPointF(13, 0), pump - QPointF(19, 4), pump - QPointF(19, -4)}));
    painter.setBrush(Qt::white);
    painter.drawEllipse(pump, 12, 12);
    painter.setPen(Qt::NoPen);
    painter.setBrush(ink);
    painter.drawPolygon(
        QPolygonF({pump + QPointF(9, 0), pump + QPointF(-3, -7), pump + QPointF(-3, 7)}));
}

} // namespace

void PaintUnit(QPainter& painter, TLook look, bool pumpPort) {
    const TPorts ports =
        look == TLook::PilotUnit ? paintPilotUnit(painter) : paintPlainUnit(painter);
    const qreal size = look == TLook::PilotUnit ? 20 : 18;
    const QPointF end = ports.Pump + QPointF(size * 1.7, 0);
    if (pumpPort)
        paintPumpHalo(painter, end);
    PaintFitting(painter, ports.Pump, TSide::Right, size,
                 pumpPort ? QColor(0xff, 0xa2, 0x1f) : Tone::Neutral);
    PaintFitting(painter, ports.Pad, TSide::Down, look == TLook::PilotUnit ? 16 : 14, Tone::Vacuum);
    if (!ports.Release.isNull())
        PaintFitting(painter, ports.Release, TSide::Right, 11, Tone::Supply);
    if (pumpPort)
        paintPump(painter, end);
}
