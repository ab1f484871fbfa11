#include "settings/LanguageFlags.h"

#include <QPainter>
#include <QPainterPath>
#include <QtMath>

namespace {

using Bands = std::initializer_list<QColor>;

void horizontalBands(QPainter& p, const QRectF& r, Bands colours) {
    const qreal h = r.height() / qreal(colours.size());
    qreal top = r.top();
    for (const QColor& colour : colours) {
        p.fillRect(QRectF(r.left(), top, r.width(), h + 0.5), colour);
        top += h;
    }
}

void verticalBands(QPainter& p, const QRectF& r, Bands colours) {
    const qreal w = r.width() / qreal(colours.size());
    qreal left = r.left();
    for (const QColor& colour : colours) {
        p.fillRect(QRectF(left, r.top(), w + 0.5, r.height()), colour);
        left += w;
    }
}

QPainterPath star(QPointF centre, qreal radius) {
    QPainterPath path;
    for (int i = 0; i < 10; ++i) {
        const qreal angle = qDegreesToRadians(-90.0 + 36.0 * i);
        const qreal reach = i % 2 ? radius * 0.4 : radius;
        const QPointF point(centre.x() + reach * qCos(angle), centre.y() + reach * qSin(angle));
        i ? path.lineTo(point) : path.moveTo(point);
    }
    path.closeSubpath();
    return path;
}

void disc(QPainter& p, QPointF centre, qreal radius, const QColor& colour) {
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawEllipse(centre, radius, radius);
}

void cross(QPainter& p, const QRectF& r, qreal width, const QColor& colour) {
    p.fillRect(QRectF(r.center().x() - width / 2, r.top(), width, r.height()), colour);
    p.fillRect(QRectF(r.left(), r.center().y() - width / 2, r.width(), width), colour);
}

void paintFlag(QPainter& p, int language, const QRectF& r) {
    const QColor red(206, 17, 38);
    const QColor white(Qt::white);
    const qreal h = r.height();
    switch (language) {
    case 0: // Japanese
        p.fillRect(r, white);
        disc(p, r.center(), h * 0.3, QColor(188, 0, 45));
        break;
    case 1: // Chinese
        p.fillRect(r, QColor(222, 41, 16));
        p.fillPath(star(r.topLeft() + QPointF(h * 0.3, h * 0.3), h * 0.2), QColor(255, 222, 0));
        break;
    case 2: { // Korean
        p.fillRect(r, white);
        const QRectF circle(r.center() - QPointF(h * 0.25, h * 0.25), QSizeF(h * 0.5, h * 0.5));
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(205, 46, 58));
        p.drawPie(circle, 0, 180 * 16);
        p.setBrush(QColor(0, 71, 160));
        p.drawPie(circle, 180 * 16, 180 * 16);
        break;
    }
    case 3: { // English
        p.fillRect(r, QColor(1, 33, 105));
        p.setPen(QPen(white, h * 0.2));
        p.drawLine(r.topLeft(), r.bottomRight());
        p.drawLine(r.bottomLeft(), r.topRight());
        p.setPen(QPen(red, h * 0.07));
        p.drawLine(r.topLeft(), r.bottomRight());
        p.drawLine(r.bottomLeft(), r.topRight());
        cross(p, r, h * 0.33, white);
        cross(p, r, h * 0.2, QColor(200, 16, 46));
        break;
    }
    case 4: // Spanish
        horizontalBands(
            p, r,
            {QColor(170, 21, 27), QColor(241, 191, 0), QColor(241, 191, 0), QColor(170, 21, 27)});
        break;
    case 5: // French
        verticalBands(p, r, {QColor(0, 35, 149), white, QColor(237, 41, 57)});
        break;
    case 6: // German
        horizontalBands(p, r, {Qt::black, QColor(221, 0, 0), QColor(255, 206, 0)});
        break;
    case 7: // Italian
        verticalBands(p, r, {QColor(0, 146, 70), white, QColor(206, 43, 55)});
        break;
    case 8: { // Portuguese
        p.fillRect(r, QColor(0, 156, 59));
        QPolygonF diamond;
        diamond << QPointF(r.center().x(), r.top() + h * 0.12)
                << QPointF(r.right() - h * 0.15, r.center().y())
                << QPointF(r.center().x(), r.bottom() - h * 0.12)
                << QPointF(r.left() + h * 0.15, r.center().y());
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 223, 0));
        p.drawPolygon(diamond);
        disc(p, r.center(), h * 0.2, QColor(0, 39, 118));
        break;
    }
    case 9: // Russian
        horizontalBands(p, r, {white, QColor(0, 57, 166), QColor(213, 43, 30)});
        break;
    default:
        p.fillRect(r, Qt::lightGray);
    }
}

} // namespace

QPixmap LanguageFlag(int language, QSize size) {
    QPixmap flag(size);
    flag.fill(Qt::transparent);
    QPainter p(&flag);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF area(0.5, 0.5, size.width() - 1.0, size.height() - 1.0);
    p.setClipRect(area);
    paintFlag(p, language, area);
    p.setClipping(false);
    p.setPen(QPen(QColor(120, 120, 120), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(area);
    return flag;
}
