// A coil of tubing lying on the floor with its free end cut square. The material
// shows in the colour, the translucency and how tightly the tube may be coiled:
// polyurethane blue and supple, nylon opaque and stiff (wide loops, a straight
// end), soft polyolefin translucent and tightly coiled with a floppy end.

#include "SeriesPaint.h"
#include "SeriesPictures.h"

#include <QPainterPath>

#include <cmath>
#include <numbers>

namespace {

struct TTubing {
    int Loops;
    qreal Rx;
    qreal Ry;
    qreal Width;
    QColor Colour;
    QPointF EndControl1;
    QPointF EndControl2;
    QPointF End;
};

TTubing tubingOf(TLook look) {
    switch (look) {
    case TLook::NylonTube:
        return {3, 76, 32, 9, QColor(0xee, 0xe4, 0xc8), {178, 92}, {196, 66}, {216, 40}};
    case TLook::PolyolefinTube:
        return {7, 50, 22, 7, QColor(0x4f, 0xb3, 0x82, 170), {186, 100}, {166, 152}, {214, 146}};
    default:
        return {5, 64, 28, 8, QColor(0x22, 0x80, 0xd8, 175), {190, 112}, {194, 142}, {216, 150}};
    }
}

// A tube along path: its edges, its body and a highlight along its upper side.
void paintTubeAlong(QPainter& painter, const QPainterPath& path, const TTubing& tubing) {
    const qreal w = tubing.Width;
    QColor edge = tubing.Colour.darker(150);
    edge.setAlpha(std::min(255, tubing.Colour.alpha() + 40));
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(edge, w, Qt::SolidLine, Qt::FlatCap));
    painter.drawPath(path);
    painter.setPen(QPen(tubing.Colour, w - 2.2, Qt::SolidLine, Qt::FlatCap));
    painter.drawPath(path);
    QColor shine = tubing.Colour.lighter(150);
    shine.setAlpha(210);
    painter.setPen(QPen(shine, w * 0.2, Qt::SolidLine, Qt::RoundCap));
    painter.drawPath(path.translated(0, -w * 0.22));
}

// The cut end at to, facing along from -> to: the wall ring and the bore.
void paintCutEnd(QPainter& painter, QPointF from, QPointF to, const TTubing& tubing) {
    const qreal w = tubing.Width;
    painter.save();
    painter.translate(to);
    painter.rotate(std::atan2(to.y() - from.y(), to.x() - from.x()) * 180 / std::numbers::pi);
    QColor wall = tubing.Colour.lighter(115);
    wall.setAlpha(255);
    painter.setPen(QPen(tubing.Colour.darker(150), 0.8));
    painter.setBrush(wall);
    painter.drawEllipse(QPointF(0, 0), w * 0.26, w * 0.55);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0x2a, 0x30, 0x36, 200));
    painter.drawEllipse(QPointF(0, 0), w * 0.15, w * 0.32);
    painter.restore();
}

} // namespace

void PaintTube(QPainter& painter, TLook look) {
    const TTubing tubing = tubingOf(look);
    const QPointF centre(104, 100);
    const qreal stack = tubing.Width * 0.55;
    PaintShadow(painter, centre + QPointF(4, tubing.Ry + 8), tubing.Rx * 1.15, 11);
    for (int loop = 0; loop < tubing.Loops; ++loop) {
        QPainterPath path;
        const QPointF at = centre + QPointF(loop * 1.2, -loop * stack);
        path.addEllipse(at, tubing.Rx, tubing.Ry);
        paintTubeAlong(painter, path, tubing);
    }
    // The free end leaves the top loop at its front right.
    const QPointF top = centre + QPointF((tubing.Loops - 1) * 1.2, -(tubing.Loops - 1) * stack);
    const qreal angle = 0.45;
    const QPointF start = top + QPointF(tubing.Rx * std::cos(angle), tubing.Ry * std::sin(angle));
    QPainterPath end(start);
    end.cubicTo(tubing.EndControl1, tubing.EndControl2, tubing.End);
    paintTubeAlong(painter, end, tubing);
    paintCutEnd(painter, tubing.EndControl2, tubing.End, tubing);
}
