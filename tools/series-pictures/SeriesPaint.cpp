#include "SeriesPaint.h"

#include <QPainterPath>
#include <QRadialGradient>

QPointF Depth(qreal depth) {
    return {depth * 0.75, -depth * 0.5};
}

QPointF OnTop(const QRectF& front, qreal along, qreal into) {
    return front.topLeft() + QPointF(along, 0) + Depth(into);
}

QPointF OnSide(const QRectF& front, qreal down, qreal into) {
    return front.topRight() + QPointF(0, down) + Depth(into);
}

QImage NewCanvas() {
    QImage image(PictureWidth, PictureHeight, QImage::Format_RGB32);
    QPainter painter(&image);
    QLinearGradient fill(0, 0, 0, PictureHeight);
    fill.setColorAt(0, QColor(0xfa, 0xfb, 0xfd));
    fill.setColorAt(0.65, QColor(0xee, 0xf2, 0xf6));
    fill.setColorAt(1, QColor(0xdf, 0xe6, 0xed));
    painter.fillRect(image.rect(), fill);
    return image;
}

void PreparePainter(QPainter& painter) {
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
}

QPen Edge(const QColor& fill, qreal width) {
    QPen pen(fill.darker(fill.lightness() < 80 ? 140 : 165), width);
    pen.setJoinStyle(Qt::RoundJoin);
    return pen;
}

void PaintShadow(QPainter& painter, QPointF centre, qreal rx, qreal ry) {
    painter.save();
    painter.translate(centre);
    painter.scale(1, ry / rx);
    QRadialGradient shade(QPointF(0, 0), rx);
    shade.setColorAt(0, QColor(40, 55, 70, 95));
    shade.setColorAt(0.6, QColor(40, 55, 70, 45));
    shade.setColorAt(1, QColor(40, 55, 70, 0));
    painter.setPen(Qt::NoPen);
    painter.setBrush(shade);
    painter.drawEllipse(QPointF(0, 0), rx, rx);
    painter.restore();
}

QLinearGradient Rounded(QPointF from, QPointF to, const QColor& base) {
    QLinearGradient shade(from, to);
    shade.setColorAt(0, base.darker(125));
    shade.setColorAt(0.28, base.lighter(135));
    shade.setColorAt(0.55, base);
    shade.setColorAt(1, base.darker(160));
    return shade;
}

void PaintBox(QPainter& painter, const QRectF& front, qreal depth, const QColor& colour) {
    const QPointF back = Depth(depth);
    painter.setPen(Edge(colour));
    const QPolygonF top(
        {front.topLeft(), front.topLeft() + back, front.topRight() + back, front.topRight()});
    painter.setBrush(colour.lighter(112));
    painter.drawPolygon(top);
    const QPolygonF side({front.topRight(), front.topRight() + back, front.bottomRight() + back,
                          front.bottomRight()});
    painter.setBrush(colour.darker(122));
    painter.drawPolygon(side);
    QLinearGradient face(front.topLeft(), front.bottomLeft());
    face.setColorAt(0, colour.lighter(104));
    face.setColorAt(1, colour.darker(108));
    painter.setBrush(face);
    painter.drawRect(front);
}

void PaintCylinderAcross(QPainter& painter, const QRectF& body, const QColor& colour,
                         bool capLeft) {
    const qreal r = body.height() / 2;
    painter.setPen(Edge(colour));
    painter.setBrush(Rounded(body.topLeft(), body.bottomLeft(), colour));
    painter.drawRect(body);
    painter.setBrush(colour.darker(112));
    painter.drawEllipse(QPointF(capLeft ? body.left() : body.right(), body.center().y()), r * 0.3,
                        r);
}

void PaintCylinderUp(QPainter& painter, const QRectF& body, const QColor& colour) {
    const qreal r = body.width() / 2;
    painter.setPen(Edge(colour));
    painter.setBrush(Rounded(body.topLeft(), body.topRight(), colour));
    painter.drawRect(body);
    painter.setBrush(colour.lighter(115));
    painter.drawEllipse(QPointF(body.center().x(), body.top()), r, r * 0.3);
}

void PaintHex(QPainter& painter, const QRectF& body, const QColor& colour) {
    painter.setPen(Edge(colour));
    painter.setBrush(Rounded(body.topLeft(), body.topRight(), colour));
    painter.drawRect(body);
    const qreal third = body.width() / 4;
    painter.setPen(Edge(colour, 0.8));
    painter.drawLine(QPointF(body.left() + third, body.top()),
                     QPointF(body.left() + third, body.bottom()));
    painter.drawLine(QPointF(body.right() - third, body.top()),
                     QPointF(body.right() - third, body.bottom()));
}

namespace {

qreal angleOf(TSide side) {
    switch (side) {
    case TSide::Right:
        return 0;
    case TSide::Down:
        return 90;
    case TSide::Left:
        return 180;
    case TSide::Up:
        return 270;
    }
    return 0;
}

// One round section of a fitting along local x, shaded across local y.
void fittingSection(QPainter& painter, qreal x, qreal length, qreal half, const QColor& colour) {
    painter.setPen(Edge(colour, 0.8));
    painter.setBrush(Rounded(QPointF(0, -half), QPointF(0, half), colour));
    painter.drawRoundedRect(QRectF(x, -half, length, 2 * half), 1, 1);
}

} // namespace

void PaintFitting(QPainter& painter, QPointF at, TSide side, qreal size, const QColor& ring) {
    painter.save();
    painter.translate(at);
    painter.rotate(angleOf(side));
    const qreal s = size;
    fittingSection(painter, 0, s * 0.3, s * 0.32, Tone::Aluminium.darker(115));
    fittingSection(painter, s * 0.3, s * 0.42, s * 0.56, Tone::Nickel);
    fittingSection(painter, s * 0.72, s * 0.62, s * 0.48, Tone::Nickel.lighter(106));
    fittingSection(painter, s * 1.34, s * 0.34, s * 0.45, ring);
    painter.setPen(Edge(ring, 0.8));
    painter.setBrush(ring.lighter(118));
    painter.drawEllipse(QPointF(s * 1.68, 0), s * 0.11, s * 0.45);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0x22, 0x26, 0x2b));
    painter.drawEllipse(QPointF(s * 1.7, 0), s * 0.06, s * 0.24);
    painter.restore();
}

void PaintCoil(QPainter& painter, const QRectF& front, qreal depth) {
    PaintBox(painter, front, depth, Tone::Coil);
    // A recessed plate on the face, and the connector with its lamp on top.
    painter.setPen(Qt::NoPen);
    painter.setBrush(Tone::Coil.lighter(135));
    painter.drawRoundedRect(front.adjusted(front.width() * 0.18, front.height() * 0.22,
                                           -front.width() * 0.18, -front.height() * 0.3),
                            1.5, 1.5);
    const QRectF plug(front.left() + front.width() * 0.22, front.top() - front.height() * 0.22,
                      front.width() * 0.5, front.height() * 0.22);
    PaintBox(painter, plug.translated(Depth(depth * 0.4)), depth * 0.4, QColor(0x4a, 0x50, 0x58));
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0xff, 0x9a, 0x2e));
    painter.drawEllipse(front.center() + QPointF(0, front.height() * 0.3), 1.6, 1.6);
}

void PaintSilencer(QPainter& painter, const QRectF& body, bool capLeft) {
    const QColor white(0xf2, 0xf2, 0xee);
    PaintCylinderAcross(painter, body, white, capLeft);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0x9a, 0xa0, 0xa6, 150));
    const qreal step = 3.2;
    int row = 0;
    for (qreal y = body.top() + step; y < body.bottom() - 1; y += step, ++row)
        for (qreal x = body.left() + 2.5 + (row % 2) * step / 2; x < body.right() - 1; x += step)
            painter.drawEllipse(QPointF(x, y), 0.6, 0.6);
}

void PaintBadge(QPainter& painter, QPointF centre, const QString& text, const QColor& colour) {
    painter.setPen(QPen(colour.darker(130), 1));
    painter.setBrush(colour);
    painter.drawEllipse(centre, 10, 10);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(12);
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(Qt::white);
    painter.drawText(QRectF(centre.x() - 10, centre.y() - 10, 20, 20), Qt::AlignCenter, text);
}
