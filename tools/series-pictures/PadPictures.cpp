// Suction pads seen from the side and a little from above: a rubber cup under a
// metal adapter, or under a buffer (a threaded body with a spring-loaded plunger)
// for the "_B" pictures. The cups are drawn around the top of their neck (0, 0),
// then the whole pad is scaled and centred on the canvas.

#include "SeriesPaint.h"
#include "SeriesPictures.h"

#include <QPainterPath>

namespace {

// A piece of the left half of a cup's outline, from the neck down to the lip.
struct TCurve {
    QPointF C1;
    QPointF C2;
    QPointF End;
};

struct TCup {
    QList<TCurve> Left; // starts at the neck (-Neck, 0)
    qreal Neck;
    qreal LipBottom; // the lip's front edge hangs down to LipBottom + LipRy
    qreal LipRy;
    qreal Corner; // > 0: an oblong lip with rounded ends of this length
    QColor Rubber;
};

QPointF mirrored(QPointF point) {
    return {-point.x(), point.y()};
}

qreal halfWidth(const TCup& cup) {
    return -cup.Left.last().End.x();
}

// The lower front half of an oval or oblong ring at height y.
void addFrontEdge(QPainterPath& path, qreal half, qreal y, qreal ry, qreal corner) {
    if (corner <= 0) {
        path.arcTo(QRectF(-half, y - ry, 2 * half, 2 * ry), 180, 180);
        return;
    }
    path.arcTo(QRectF(-half, y - ry, 2 * corner, 2 * ry), 180, 90);
    path.lineTo(half - corner, y + ry);
    path.arcTo(QRectF(half - 2 * corner, y - ry, 2 * corner, 2 * ry), 270, 90);
}

QPainterPath outline(const TCup& cup) {
    QPainterPath path(QPointF(-cup.Neck, 0));
    for (const TCurve& curve : cup.Left)
        path.cubicTo(curve.C1, curve.C2, curve.End);
    const qreal half = halfWidth(cup);
    path.lineTo(-half, cup.LipBottom);
    addFrontEdge(path, half, cup.LipBottom, cup.LipRy, cup.Corner);
    path.lineTo(mirrored(cup.Left.last().End));
    for (auto curve = cup.Left.crbegin(); curve != cup.Left.crend(); ++curve) {
        const QPointF start =
            std::next(curve) == cup.Left.crend() ? QPointF(-cup.Neck, 0) : std::next(curve)->End;
        path.cubicTo(mirrored(curve->C2), mirrored(curve->C1), mirrored(start));
    }
    path.closeSubpath();
    return path;
}

// A light or dark ring line across the front of the cup.
void ring(QPainter& painter, qreal half, qreal y, qreal ry, qreal corner, const QColor& colour,
          qreal width) {
    QPainterPath path;
    path.moveTo(-half, y);
    addFrontEdge(path, half, y, ry, corner);
    painter.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(path);
}

void paintCup(QPainter& painter, const TCup& cup) {
    const qreal half = halfWidth(cup);
    painter.setPen(Edge(cup.Rubber, 1.2));
    painter.setBrush(Rounded(QPointF(-half, 0), QPointF(half, 0), cup.Rubber));
    painter.drawPath(outline(cup));
    const qreal lipTop = cup.Left.last().End.y();
    ring(painter, half - 0.5, lipTop, cup.LipRy, cup.Corner, cup.Rubber.lighter(165), 1.4);
}

const QColor Nbr(0x30, 0x34, 0x39);
const QColor Urethane(0x7a, 0x52, 0x34);
const QColor Silicone(0xee, 0xeb, 0xe2);

TCup flatCup() {
    return {{{{-11, 16}, {-48, 20}, {-70, 30}}}, 11, 37, 10, 0, Nbr};
}

TCup bellowsCup() {
    return {{{{-24, 5}, {-30, 10}, {-28, 15}},
             {{-26, 20}, {-18, 21}, {-18, 25}},
             {{-18, 29}, {-35, 30}, {-35, 37}},
             {{-35, 42}, {-38, 45}, {-41, 49}}},
            10,
            54,
            7,
            0,
            Nbr};
}

TCup deepCup() {
    return {
        {{{-30, 6}, {-38, 16}, {-38, 30}}, {{-38, 44}, {-40, 54}, {-41, 60}}}, 12, 65, 8, 0, Nbr};
}

TCup ovalCup() {
    return {{{{-12, 14}, {-58, 16}, {-88, 24}}}, 12, 31, 13, 30, Urethane};
}

TCup softCup() {
    return {{{{-11, 15}, {-34, 18}, {-46, 23}}, {{-58, 28}, {-70, 32}, {-76, 38}}},
            11,
            40,
            11,
            0,
            Silicone};
}

TCup cupOf(TLook look) {
    switch (look) {
    case TLook::BellowsPad:
        return bellowsCup();
    case TLook::DeepPad:
        return deepCup();
    case TLook::OvalPad:
        return ovalCup();
    case TLook::SoftPad:
        return softCup();
    default:
        return flatCup();
    }
}

// The folds of a bellows and the ridges of a soft lip, drawn over the cup.
void paintDetails(QPainter& painter, TLook look, const TCup& cup) {
    if (look == TLook::BellowsPad) {
        ring(painter, 18, 25, 4, 0, cup.Rubber.darker(160), 1.6);
        ring(painter, 28, 15, 5, 0, cup.Rubber.lighter(190), 1.0);
        ring(painter, 35, 37, 6, 0, cup.Rubber.lighter(190), 1.0);
    } else if (look == TLook::SoftPad) {
        ring(painter, 46, 23, 7, 0, cup.Rubber.darker(125), 1.0);
        ring(painter, 62, 31, 9, 0, cup.Rubber.darker(112), 0.8);
    } else if (look == TLook::DeepPad) {
        ring(painter, 37, 24, 6, 0, cup.Rubber.lighter(170), 1.0);
    }
}

void threads(QPainter& painter, const QRectF& body) {
    painter.setPen(QPen(Tone::Nickel.darker(150), 0.8));
    for (qreal y = body.top() + 2.5; y < body.bottom() - 1; y += 2.6)
        painter.drawLine(QPointF(body.left() + 0.5, y + 1), QPointF(body.right() - 0.5, y - 0.6));
}

// A threaded stud and a hex above the neck, up to y = -43.
void paintAdapter(QPainter& painter) {
    const QRectF stud(-8, -40, 16, 18);
    PaintCylinderUp(painter, stud, Tone::Nickel);
    threads(painter, stud.adjusted(0, 2, 0, 0));
    PaintHex(painter, QRectF(-18, -22, 36, 14), Tone::Aluminium);
    PaintCylinderUp(painter, QRectF(-12, -8, 24, 8), Tone::Aluminium.darker(108));
}

void paintSpring(QPainter& painter, qreal top, qreal bottom, qreal half) {
    const int turns = 7;
    const qreal pitch = (bottom - top) / turns;
    painter.setBrush(Qt::NoBrush);
    for (int turn = 0; turn < turns; ++turn) {
        const qreal y = top + turn * pitch;
        QPainterPath back(QPointF(half, y + pitch / 2));
        back.quadTo(0, y + pitch / 2 - 3, -half, y + pitch);
        painter.setPen(QPen(QColor(0x7d, 0x86, 0x8f), 1.4, Qt::SolidLine, Qt::RoundCap));
        painter.drawPath(back);
        QPainterPath front(QPointF(-half, y));
        front.quadTo(0, y + pitch / 2 + 4, half, y + pitch / 2);
        painter.setPen(QPen(QColor(0x5c, 0x64, 0x6c), 2.6, Qt::SolidLine, Qt::RoundCap));
        painter.drawPath(front);
        painter.setPen(QPen(QColor(0xe4, 0xe9, 0xed), 1.0, Qt::SolidLine, Qt::RoundCap));
        painter.drawPath(front);
    }
}

// The buffer: a plunger rod through a threaded body with two lock nuts, and the
// spring between the body and the pad holder, up to y = -130.
void paintBuffer(QPainter& painter) {
    PaintCylinderUp(painter, QRectF(-4, -128, 8, 112), Tone::Nickel.lighter(104));
    PaintHex(painter, QRectF(-8, -126, 16, 7), Tone::Aluminium);
    const QRectF body(-12, -114, 24, 48);
    PaintCylinderUp(painter, body, Tone::Nickel);
    threads(painter, body.adjusted(0, 3, 0, 0));
    PaintHex(painter, QRectF(-19, -104, 38, 9), Tone::Aluminium);
    PaintHex(painter, QRectF(-19, -75, 38, 9), Tone::Aluminium);
    paintSpring(painter, -66, -18, 11);
    PaintHex(painter, QRectF(-18, -18, 36, 12), Tone::Aluminium);
    PaintCylinderUp(painter, QRectF(-12, -6, 24, 6), Tone::Aluminium.darker(108));
}

} // namespace

void PaintPad(QPainter& painter, TLook look, bool buffer) {
    const TCup cup = cupOf(look);
    const QPointF origin(120, 70);
    PaintShadow(painter, origin + QPointF(0, cup.LipBottom + cup.LipRy + 2), halfWidth(cup) * 1.15,
                8);
    painter.save();
    painter.translate(origin);
    if (buffer)
        paintBuffer(painter);
    else
        paintAdapter(painter);
    paintCup(painter, cup);
    paintDetails(painter, look, cup);
    painter.restore();
}
