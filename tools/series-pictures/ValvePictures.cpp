// Valves and speed controllers. Solenoid valves carry their coil on top: the
// compact 2-port valve between two fittings, the large-bore one on a brass body
// with threaded ports and a bonnet; the 3-port valve is a slim body with its coil
// at the end and its ports P, A, R; the switching valves connect the pad port
// below to the vacuum (left) or the release line (right), the second kind with
// a separate release port on top. Speed controllers are needle valves with a
// knurled knob and lock nut: an elbow on a threaded stud, or a large inline body.

#include "SeriesPaint.h"
#include "SeriesPictures.h"

namespace {

void paintTopCoil(QPainter& painter, const QRectF& body, qreal depth, qreal along, qreal width,
                  qreal height) {
    const QPointF foot = OnTop(body, along, depth * 0.25);
    PaintCoil(painter, QRectF(foot.x(), foot.y() - height, width, height), depth * 0.55);
}

void paintCompactTwoPort(QPainter& painter) {
    const QRectF body(88, 110, 62, 30);
    PaintShadow(painter, QPointF(124, 156), 88, 9);
    PaintFitting(painter, QPointF(body.left(), body.center().y()), TSide::Left, 15, Tone::Neutral);
    PaintBox(painter, body, 20, Tone::Aluminium);
    paintTopCoil(painter, body, 20, 8, 44, 44);
    PaintFitting(painter, OnSide(body, 15, 10), TSide::Right, 15, Tone::Neutral);
}

// A threaded port of the brass body: a boss with its bore.
void paintPortBoss(QPainter& painter, const QRectF& boss, bool left) {
    PaintCylinderAcross(painter, boss, Tone::Brass.lighter(108), left);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0x3a, 0x32, 0x20));
    painter.drawEllipse(QPointF(left ? boss.left() : boss.right(), boss.center().y()), 2.6, 7);
}

void paintLargeTwoPort(QPainter& painter) {
    const QRectF body(72, 112, 92, 36);
    const qreal depth = 24;
    PaintShadow(painter, QPointF(124, 162), 100, 10);
    paintPortBoss(painter, QRectF(44, 116, 30, 28), true);
    PaintBox(painter, body, depth, Tone::Brass);
    const QPointF side = OnSide(body, 18, 12);
    paintPortBoss(painter, QRectF(side.x() - 2, side.y() - 14, 30, 28), false);
    const QPointF foot = OnTop(body, 14, depth * 0.4);
    PaintCylinderUp(painter, QRectF(foot.x(), foot.y() - 14, 58, 14), Tone::Brass.lighter(112));
    PaintCoil(painter, QRectF(foot.x() + 6, foot.y() - 58, 46, 44), 14);
}

void paintThreePort(QPainter& painter) {
    const QRectF body(40, 104, 104, 28);
    const qreal depth = 22;
    const QColor grey(0x93, 0x9f, 0xab);
    PaintShadow(painter, QPointF(124, 164), 104, 10);
    PaintBox(painter, body, depth, grey);
    PaintFitting(painter, QPointF(body.left() + 22, body.bottom()), TSide::Down, 13, Tone::Supply);
    PaintFitting(painter, QPointF(body.left() + 70, body.bottom()), TSide::Down, 13, Tone::Neutral);
    PaintFitting(painter, OnTop(body, 40, depth * 0.5), TSide::Up, 13, Tone::Neutral);
    const QPointF coilFoot = body.bottomRight() + QPointF(0, -2);
    PaintCoil(painter, QRectF(coilFoot.x(), coilFoot.y() - 50, 40, 50), depth);
    // The manual override button on the front face.
    painter.setPen(Edge(QColor(0xf2, 0xc2, 0x2e)));
    painter.setBrush(QColor(0xf2, 0xc2, 0x2e));
    painter.drawEllipse(QPointF(body.right() - 12, body.center().y()), 4, 4);
}

void paintSwitching(QPainter& painter, bool releasePort) {
    const QRectF body = releasePort ? QRectF(64, 100, 92, 42) : QRectF(80, 100, 64, 42);
    const qreal depth = 22;
    const QColor teal(0xb9, 0xd8, 0xd2);
    PaintShadow(painter, QPointF(126, 166), 96, 10);
    PaintFitting(painter, QPointF(body.left(), body.center().y()), TSide::Left, 15, Tone::Vacuum);
    PaintBox(painter, body, depth, teal);
    PaintFitting(painter, QPointF(body.left() + 26, body.bottom()), TSide::Down, 14, Tone::Neutral);
    paintTopCoil(painter, body, depth, 8, 38, 38);
    PaintFitting(painter, OnSide(body, 21, 11), TSide::Right, 15, Tone::Supply);
    if (releasePort)
        PaintFitting(painter, OnTop(body, 68, depth * 0.5), TSide::Up, 12, Tone::Supply);
}

// A knurled knob over a brass lock nut, standing on top at foot.
void paintNeedle(QPainter& painter, QPointF foot, qreal knob) {
    PaintHex(painter, QRectF(foot.x() - knob * 0.36, foot.y() - 9, knob * 0.72, 9), Tone::Brass);
    const QRectF grip(foot.x() - knob / 2, foot.y() - 9 - knob * 0.8, knob, knob * 0.8);
    PaintCylinderUp(painter, grip, QColor(0x3a, 0x4f, 0x66));
    painter.setPen(QPen(QColor(0x22, 0x30, 0x3e), 0.8));
    for (qreal x = grip.left() + 2.5; x < grip.right() - 1; x += 2.5)
        painter.drawLine(QPointF(x, grip.top() + 3), QPointF(x, grip.bottom() - 1));
}

void paintElbowThrottle(QPainter& painter) {
    const QColor ivory(0xee, 0xec, 0xe4);
    PaintShadow(painter, QPointF(126, 164), 70, 9);
    const QRectF stud(110, 134, 18, 24);
    PaintCylinderUp(painter, stud, Tone::Nickel);
    painter.setPen(QPen(Tone::Nickel.darker(150), 0.8));
    for (qreal y = stud.top() + 5; y < stud.bottom() - 1; y += 3)
        painter.drawLine(QPointF(stud.left() + 0.5, y + 1), QPointF(stud.right() - 0.5, y - 0.6));
    PaintHex(painter, QRectF(100, 122, 38, 13), Tone::Aluminium);
    const QRectF body(102, 84, 34, 38);
    PaintCylinderUp(painter, body, ivory);
    PaintFitting(painter, QPointF(body.right() - 2, body.center().y() + 2), TSide::Right, 17,
                 Tone::Neutral);
    paintNeedle(painter, QPointF(body.center().x(), body.top()), 30);
}

void paintInlineThrottle(QPainter& painter) {
    const QRectF body(80, 108, 76, 34);
    const qreal depth = 22;
    PaintShadow(painter, QPointF(124, 164), 104, 10);
    PaintFitting(painter, QPointF(body.left(), body.center().y()), TSide::Left, 19, Tone::Neutral);
    PaintBox(painter, body, depth, QColor(0xee, 0xec, 0xe4));
    PaintFitting(painter, OnSide(body, 17, 11), TSide::Right, 19, Tone::Neutral);
    paintNeedle(painter, OnTop(body, body.width() / 2, depth * 0.5), 38);
}

} // namespace

void PaintValve(QPainter& painter, TLook look, bool large) {
    switch (look) {
    case TLook::ThreePortValve:
        paintThreePort(painter);
        return;
    case TLook::SwitchingValve:
    case TLook::ReleasePortValve:
        paintSwitching(painter, look == TLook::ReleasePortValve);
        return;
    default:
        if (large)
            paintLargeTwoPort(painter);
        else
            paintCompactTwoPort(painter);
    }
}

void PaintThrottle(QPainter& painter, bool large) {
    if (large)
        paintInlineThrottle(painter);
    else
        paintElbowThrottle(painter);
}
