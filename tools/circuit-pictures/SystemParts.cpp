#include "SystemParts.h"

#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>

namespace Art {

namespace {

const QColor Outline(0x5d, 0x6b, 0x79);

QLinearGradient shade(const QRectF& part, const QColor& light, const QColor& mid,
                      const QColor& dark) {
    QLinearGradient fill(part.topLeft(), part.bottomLeft());
    fill.setColorAt(0, light);
    fill.setColorAt(0.45, mid);
    fill.setColorAt(1, dark);
    return fill;
}

void pad(QPainter& painter, qreal x, qreal rim) {
    Metal(painter, QRectF(x - 3, rim - 16, 6, 8), 1);
    QPainterPath cup(QPointF(x - 12, rim));
    cup.cubicTo(QPointF(x - 9, rim - 4), QPointF(x - 5, rim - 8), QPointF(x - 4, rim - 9));
    cup.lineTo(QPointF(x + 4, rim - 9));
    cup.cubicTo(QPointF(x + 5, rim - 8), QPointF(x + 9, rim - 4), QPointF(x + 12, rim));
    cup.closeSubpath();
    QLinearGradient rubber(QPointF(x - 12, 0), QPointF(x + 12, 0));
    rubber.setColorAt(0, QColor(0x1c, 0x23, 0x2b));
    rubber.setColorAt(0.4, QColor(0x4a, 0x55, 0x61));
    rubber.setColorAt(1, QColor(0x1c, 0x23, 0x2b));
    painter.setPen(Qt::NoPen);
    painter.setBrush(rubber);
    painter.drawPath(cup);
}

} // namespace

void Background(QPainter& painter, const QRectF& area) {
    painter.fillRect(area, Qt::white);
    QLinearGradient fill(area.topLeft(), area.bottomLeft());
    fill.setColorAt(0, QColor(0xf5, 0xf9, 0xfc));
    fill.setColorAt(1, QColor(0xdb, 0xe7, 0xf2));
    painter.setBrush(fill);
    painter.setPen(QPen(QColor(0xc5, 0xd5, 0xe4), 1));
    painter.drawRoundedRect(area.adjusted(0.5, 0.5, -0.5, -0.5), 8, 8);
}

void Metal(QPainter& painter, const QRectF& part, qreal radius) {
    painter.setBrush(
        shade(part, QColor(0xf6, 0xf8, 0xfa), QColor(0xc2, 0xcb, 0xd4), QColor(0x8a, 0x97, 0xa4)));
    painter.setPen(QPen(Outline, 1));
    painter.drawRoundedRect(part, radius, radius);
}

void Coil(QPainter& painter, const QRectF& coil) {
    painter.setBrush(shade(coil, QColor(0x4f, 0x93, 0xc4), Blue, QColor(0x0d, 0x40, 0x63)));
    painter.setPen(QPen(Navy, 1));
    painter.drawRoundedRect(coil, 2, 2);
    const QRectF plug(coil.center().x() - 3, coil.top() - 4, 6, 4);
    painter.setBrush(Navy);
    painter.drawRoundedRect(plug, 1, 1);
    painter.setPen(QPen(QColor(255, 255, 255, 90), 1));
    painter.drawLine(QPointF(coil.left() + 2, coil.top() + 2.5),
                     QPointF(coil.right() - 2, coil.top() + 2.5));
}

void Silencer(QPainter& painter, const QRectF& silencer) {
    painter.setBrush(shade(silencer, QColor(0xee, 0xee, 0xea), QColor(0xcf, 0xcf, 0xc8),
                           QColor(0xa4, 0xa4, 0x9c)));
    painter.setPen(QPen(Outline, 1));
    painter.drawRoundedRect(silencer, 2, 2);
    painter.setPen(QPen(QColor(0x8a, 0x8a, 0x82), 1));
    for (qreal y = silencer.top() + 3; y < silencer.bottom() - 1; y += 3)
        painter.drawLine(QPointF(silencer.left() + 2, y), QPointF(silencer.right() - 2, y));
}

void Tube(QPainter& painter, const QPainterPath& path, const QColor& colour, qreal width) {
    painter.setBrush(Qt::NoBrush);
    painter.setPen(
        QPen(colour.darker(125), width + 1.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPath(path);
    painter.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPath(path);
    painter.setPen(
        QPen(colour.lighter(150), width / 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPath(path.translated(-width / 5, -width / 5));
}

void AirArrow(QPainter& painter, QPointF tip) {
    painter.setPen(QPen(Blue, 3, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(tip - QPointF(20, 0), tip - QPointF(6, 0));
    painter.setPen(Qt::NoPen);
    painter.setBrush(Blue);
    painter.drawPolygon(QPolygonF({tip, tip + QPointF(-8, -5), tip + QPointF(-8, 5)}));
}

QPointF Gripper(QPainter& painter, qreal centreX, qreal beamTop) {
    const qreal rim = beamTop + 24;
    const QRectF plate(centreX - 52, rim, 104, 9);
    painter.setPen(Qt::NoPen);
    QRadialGradient shadow(QPointF(centreX, rim + 14), 56);
    shadow.setColorAt(0, QColor(0x0b, 0x2a, 0x4a, 60));
    shadow.setColorAt(1, QColor(0x0b, 0x2a, 0x4a, 0));
    painter.setBrush(shadow);
    painter.drawEllipse(QPointF(centreX, rim + 14), 60, 6);
    for (const qreal side : {-30.0, 30.0})
        pad(painter, centreX + side, rim);
    Metal(painter, QRectF(centreX - 40, beamTop, 80, 8), 2);
    Metal(painter, plate, 1.5);
    return {centreX, beamTop};
}

void Pump(QPainter& painter, const QRectF& body) {
    const qreal head = body.width() * 0.3;
    const QRectF motor(body.left() + head, body.top(), body.width() - head, body.height());
    painter.setBrush(shade(motor, QColor(0x5f, 0x8f, 0xb8), Blue, QColor(0x0b, 0x2a, 0x4a)));
    painter.setPen(QPen(Navy, 1));
    painter.drawRoundedRect(motor, 5, 5);
    painter.setPen(QPen(QColor(0x0b, 0x2a, 0x4a, 150), 1));
    for (qreal x = motor.left() + 7; x < motor.right() - 4; x += 5)
        painter.drawLine(QPointF(x, motor.top() + 4), QPointF(x, motor.bottom() - 4));
    Metal(painter, QRectF(body.left(), body.top() + 3, head + 2, body.height() - 6), 4);
    const qreal footY = body.bottom();
    Metal(painter, QRectF(body.left() + 4, footY, body.width() - 8, 4), 1);
}

} // namespace Art
