// Ejectors: the compact body with its supply and release valve coils, a silencer
// and the supply and vacuum ports; the inline ejector, a slim tube between its
// supply fitting and silencer with the vacuum port in the middle; and ejector
// modules side by side on a manifold.

#include "SeriesPaint.h"
#include "SeriesPictures.h"

namespace {

// The coils stand on the body's top face, the vacuum port leaves its bottom, the
// supply port its left face and the exhaust its right face through the silencer.
void paintValveEjector(QPainter& painter, bool large) {
    const QRectF body = large ? QRectF(50, 84, 116, 48) : QRectF(64, 86, 96, 42);
    const qreal depth = large ? 24 : 20;
    const qreal coil = large ? 34 : 30;
    PaintShadow(painter, QPointF(body.center().x() + 14, body.bottom() + 30), 96, 10);
    PaintFitting(painter, QPointF(body.left(), body.center().y()), TSide::Left, large ? 17 : 15,
                 Tone::Supply);
    PaintBox(painter, body, depth, Tone::Resin);
    PaintFitting(painter, QPointF(body.left() + body.width() * 0.3, body.bottom()), TSide::Down,
                 large ? 17 : 15, Tone::Vacuum);
    for (int index = 0; index < 2; ++index) {
        const QPointF foot = OnTop(body, 6 + index * (coil + 8), depth * 0.3);
        PaintCoil(painter, QRectF(foot.x(), foot.y() - 28, coil, 28), depth * 0.5);
    }
    const QPointF exhaust = OnSide(body, body.height() * 0.5, depth * 0.5);
    const qreal radius = large ? 15 : 11;
    PaintSilencer(painter,
                  QRectF(exhaust.x() - 2, exhaust.y() - radius, large ? 48 : 40, 2 * radius));
    if (large) {
        // The vacuum switch: a small display and its keys on the front face.
        painter.setPen(QPen(QColor(0x1e, 0x22, 0x27), 1));
        painter.setBrush(QColor(0x26, 0x2b, 0x31));
        painter.drawRoundedRect(QRectF(body.right() - 46, body.top() + 10, 38, 20), 2, 2);
        painter.setBrush(QColor(0x5f, 0xe0, 0x7a));
        painter.setPen(Qt::NoPen);
        painter.drawRect(QRectF(body.right() - 42, body.top() + 15, 22, 10));
        painter.setBrush(QColor(0xe0, 0x4a, 0x3a));
        painter.drawEllipse(QPointF(body.right() - 13, body.top() + 20), 2.4, 2.4);
    }
}

void paintInlineEjector(QPainter& painter) {
    const QRectF body(60, 84, 104, 24);
    const QColor anodised(0x6c, 0x9c, 0xcf);
    PaintShadow(painter, QPointF(118, 146), 96, 9);
    PaintFitting(painter, QPointF(body.left(), body.center().y()), TSide::Left, 18, Tone::Supply);
    PaintFitting(painter, QPointF(body.center().x(), body.bottom()), TSide::Down, 18, Tone::Vacuum);
    PaintCylinderAcross(painter, body, anodised);
    PaintHex(painter, QRectF(body.center().x() - 13, body.top() - 4, 26, body.height() + 8),
             Tone::Aluminium);
    PaintSilencer(painter, QRectF(body.right(), body.top() + 1, 42, body.height() - 2));
}

// Four modules on the manifold's top face, each with its vacuum port on top; the
// common supply enters at the right end, the exhaust leaves through the left end.
void paintManifoldEjector(QPainter& painter) {
    const QRectF base(40, 114, 146, 22);
    const qreal depth = 30;
    PaintShadow(painter, QPointF(120, 146), 104, 10);
    PaintSilencer(painter, QRectF(12, OnSide(base, 11, 15).y() - 9, 30, 18), true);
    PaintBox(painter, base, depth, Tone::Aluminium);
    PaintFitting(painter, OnSide(base, 11, 15), TSide::Right, 15, Tone::Supply);
    for (int module = 0; module < 4; ++module) {
        const QPointF foot = OnTop(base, 8 + module * 34, 6);
        const QRectF front(foot.x(), foot.y() - 40, 26, 40);
        PaintBox(painter, front, 18, Tone::Resin);
        PaintFitting(painter, OnTop(front, 13, 9), TSide::Up, 12, Tone::Vacuum);
    }
}

} // namespace

void PaintEjector(QPainter& painter, TLook look, bool large) {
    if (look == TLook::InlineEjector)
        paintInlineEjector(painter);
    else if (look == TLook::ManifoldEjector)
        paintManifoldEjector(painter);
    else
        paintValveEjector(painter, large);
}
