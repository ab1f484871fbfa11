// The pictures of the wizard's system rows: the kind of system, drawn as a small
// friendly illustration of its parts above the pads holding a plate.

#include "SystemPictures.h"

#include "SystemParts.h"

#include <QPainter>

namespace {

constexpr int Width = 220;
constexpr int Height = 150;
constexpr qreal BeamTop = 98;

QPainterPath curve(QPointF from, QPointF to) {
    QPainterPath path(from);
    const qreal bend = (to.y() - from.y()) * 0.6;
    path.cubicTo(from + QPointF(0, bend), to - QPointF(0, bend), to);
    return path;
}

// A round vacuum gauge with its needle.
void gauge(QPainter& painter, QPointF centre) {
    painter.setPen(QPen(Art::Navy, 1.5));
    painter.setBrush(Qt::white);
    painter.drawEllipse(centre, 6, 6);
    painter.setPen(QPen(QColor(0xd9, 0x43, 0x3b), 1.2, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(centre, centre + QPointF(-3.5, -3));
}

// One block: the ejector with both valves and its silencer built in.
void compactEjector(QPainter& painter) {
    const QPointF tube = Art::Gripper(painter, 132, BeamTop);
    Art::Tube(painter, curve({88, 64}, tube), Art::Vacuum, 5);
    Art::AirArrow(painter, {46, 49});
    Art::Metal(painter, QRectF(46, 45, 6, 8), 1);
    Art::Metal(painter, QRectF(52, 32, 72, 32), 4);
    Art::Coil(painter, QRectF(58, 18, 22, 14));
    Art::Coil(painter, QRectF(86, 18, 22, 14));
    Art::Silencer(painter, QRectF(124, 38, 16, 20));
    gauge(painter, {112, 48});
}

// An ejector fed by a supply valve, a release valve beside it, each its own block.
void ejectorWithValves(QPainter& painter) {
    const QPointF tube = Art::Gripper(painter, 140, BeamTop);
    Art::Tube(painter, curve({140, 62}, tube), Art::Vacuum, 5);
    QPainterPath drive(QPointF(78, 56));
    drive.cubicTo(QPointF(92, 56), QPointF(96, 50), QPointF(116, 50));
    Art::Tube(painter, drive, Art::Air, 3);
    QPainterPath release(QPointF(40, 62));
    release.cubicTo(QPointF(40, 86), QPointF(100, 80), QPointF(136, 80));
    Art::Tube(painter, release, Art::Air, 3);
    Art::Metal(painter, QRectF(134, 76, 12, 9), 2); // tee in the vacuum tube
    Art::AirArrow(painter, {24, 66});
    Art::Metal(painter, QRectF(22, 62, 66, 8), 2); // supply rail under the valves
    for (const qreal x : {28.0, 58.0}) {
        Art::Metal(painter, QRectF(x, 46, 24, 16), 2);
        Art::Coil(painter, QRectF(x + 2, 30, 20, 16));
    }
    Art::Metal(painter, QRectF(116, 40, 48, 22), 4);
    Art::Silencer(painter, QRectF(164, 43, 16, 16));
}

// A vacuum pump and the vacuum unit that switches the vacuum and the release air.
void pumpWithUnit(QPainter& painter) {
    const QPointF tube = Art::Gripper(painter, 100, BeamTop);
    Art::Tube(painter, curve({86, 62}, tube), Art::Vacuum, 5);
    QPainterPath line(QPointF(150, 58));
    line.cubicTo(QPointF(150, 74), QPointF(126, 74), QPointF(116, 52));
    Art::Tube(painter, line, Art::Vacuum, 5);
    Art::AirArrow(painter, {54, 46});
    Art::Pump(painter, QRectF(142, 24, 66, 30));
    Art::Metal(painter, QRectF(54, 30, 64, 32), 5);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0x14, 0x5d, 0x8c, 70)); // the unit's blue base plate
    painter.drawRoundedRect(QRectF(55, 52, 62, 9), 3, 3);
    Art::Coil(painter, QRectF(60, 17, 20, 13));
    Art::Coil(painter, QRectF(84, 17, 20, 13));
    gauge(painter, {106, 46});
}

// A vacuum pump and separate valves on a manifold in the vacuum line.
void pumpWithManifold(QPainter& painter) {
    const QPointF tube = Art::Gripper(painter, 100, BeamTop);
    Art::Tube(painter, curve({74, 66}, tube), Art::Vacuum, 5);
    QPainterPath line(QPointF(150, 58));
    line.cubicTo(QPointF(150, 72), QPointF(128, 62), QPointF(120, 62));
    Art::Tube(painter, line, Art::Vacuum, 5);
    Art::AirArrow(painter, {32, 62});
    Art::Pump(painter, QRectF(142, 24, 66, 30));
    Art::Metal(painter, QRectF(32, 56, 88, 12), 3);
    for (const qreal x : {40.0, 66.0, 92.0}) {
        Art::Metal(painter, QRectF(x, 40, 20, 16), 2);
        Art::Coil(painter, QRectF(x + 1, 24, 18, 16));
    }
}

} // namespace

QImage PaintSystemPicture(int row) {
    QImage image(Width, Height, QImage::Format_RGB32);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    Art::Background(painter, QRectF(0, 0, Width, Height));
    switch (row) {
    case 0:
        compactEjector(painter);
        break;
    case 1:
        ejectorWithValves(painter);
        break;
    case 2:
        pumpWithUnit(painter);
        break;
    default:
        pumpWithManifold(painter);
        break;
    }
    return image;
}
