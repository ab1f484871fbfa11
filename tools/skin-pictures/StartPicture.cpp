// The start page's picture: the program's name, a vacuum-against-time curve and a
// gripper with its ejector holding a plate. It carries no words of any language.

#include "Pictures.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include <cmath>

namespace {

constexpr int Width = 712;
constexpr int Height = 592;
const QColor Navy(0x0b, 0x2a, 0x4a);
const QColor Accent(0x14, 0x5d, 0x8c);

void paintBackground(QPainter& painter) {
    painter.fillRect(0, 0, Width, Height, Qt::white);
    QLinearGradient fill(0, 0, 0, Height);
    fill.setColorAt(0, QColor(0xf3, 0xf8, 0xfc));
    fill.setColorAt(1, QColor(0xd6, 0xe4, 0xf1));
    painter.setBrush(fill);
    painter.setPen(QPen(QColor(0xc5, 0xd5, 0xe4), 1));
    painter.drawRoundedRect(QRectF(0.5, 0.5, Width - 1, Height - 1), 14, 14);
}

void paintName(QPainter& painter) {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(58);
    font.setBold(true);
    font.setLetterSpacing(QFont::AbsoluteSpacing, 4);
    painter.setFont(font);
    painter.setPen(Navy);
    painter.drawText(QPointF(44, 104), QStringLiteral("ZAVK"));
    painter.fillRect(QRectF(48, 122, 86, 5), Accent);
}

// Vacuum rising while the pads adsorb, holding, then falling at release.
void paintCurve(QPainter& painter) {
    const QRectF box(392, 44, 276, 170);
    painter.setPen(QPen(QColor(0xb4, 0xc8, 0xdb), 1));
    for (int line = 1; line < 4; ++line) {
        const qreal y = box.top() + box.height() * line / 4;
        painter.drawLine(QPointF(box.left(), y), QPointF(box.right(), y));
    }
    painter.setPen(QPen(QColor(0x5d, 0x78, 0x92), 1.5));
    painter.drawLine(box.bottomLeft(), box.bottomRight());
    painter.drawLine(box.bottomLeft(), box.topLeft());

    QPainterPath curve(box.bottomLeft());
    for (int step = 0; step <= 200; ++step) {
        const qreal t = step / 200.0;
        const qreal rise = 1 - std::exp(-t / 0.12);
        const qreal fall = t < 0.72 ? 1 : std::exp(-(t - 0.72) / 0.05);
        const qreal level = 0.86 * rise * fall;
        curve.lineTo(box.left() + t * box.width(), box.bottom() - level * box.height());
    }
    QPainterPath area = curve;
    area.lineTo(box.bottomRight());
    area.closeSubpath();
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0x14, 0x5d, 0x8c, 40));
    painter.drawPath(area);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(Accent, 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPath(curve);
    painter.setPen(QPen(QColor(0xd9, 0x43, 0x3b), 1.5, Qt::DashLine));
    const qreal required = box.bottom() - 0.6 * box.height();
    painter.drawLine(QPointF(box.left(), required), QPointF(box.right(), required));
}

QLinearGradient metal(const QRectF& part) {
    QLinearGradient shade(part.topLeft(), part.bottomLeft());
    shade.setColorAt(0, QColor(0xf4, 0xf6, 0xf8));
    shade.setColorAt(0.5, QColor(0xb9, 0xc3, 0xcd));
    shade.setColorAt(1, QColor(0x8a, 0x97, 0xa4));
    return shade;
}

void paintPart(QPainter& painter, const QRectF& part, qreal radius) {
    painter.setBrush(metal(part));
    painter.setPen(QPen(QColor(0x5d, 0x6b, 0x79), 1.2));
    painter.drawRoundedRect(part, radius, radius);
}

void paintArrow(QPainter& painter, QPointF from, QPointF to) {
    painter.setPen(QPen(Accent, 4, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(from, to);
    const QPointF tip = to + QPointF(12, 0);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Accent);
    painter.drawPolygon(QPolygonF({tip, to + QPointF(-2, -8), to + QPointF(-2, 8)}));
}

void paintGripper(QPainter& painter) {
    const QPen tube(QColor(0x2f, 0x8f, 0x5b), 7, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(tube);
    QPainterPath hose(QPointF(190, 262));
    hose.cubicTo(QPointF(260, 262), QPointF(250, 318), QPointF(318, 318));
    painter.drawPath(hose);

    paintArrow(painter, QPointF(30, 262), QPointF(62, 262));
    paintPart(painter, QRectF(74, 232, 116, 60), 6);  // ejector
    paintPart(painter, QRectF(104, 292, 34, 30), 3);  // silencer
    paintPart(painter, QRectF(212, 312, 440, 24), 4); // manifold beam
    const qreal stems[] = {250, 360, 504, 614};
    for (const qreal x : stems) {
        paintPart(painter, QRectF(x - 6, 336, 12, 44), 2);
        QPainterPath cup(QPointF(x - 30, 404));
        cup.cubicTo(QPointF(x - 24, 380), QPointF(x + 24, 380), QPointF(x + 30, 404));
        cup.closeSubpath();
        painter.setBrush(QColor(0x26, 0x2f, 0x38));
        painter.setPen(Qt::NoPen);
        painter.drawPath(cup);
    }
    const QRectF plate(196, 404, 470, 20);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0x0b, 0x2a, 0x4a, 30));
    painter.drawEllipse(QRectF(186, 446, 490, 26));
    paintPart(painter, plate, 2);
}

} // namespace

bool SaveStartPicture(const QDir& imageFolder) {
    QImage image(Width, Height, QImage::Format_RGB32);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    paintBackground(painter);
    paintName(painter);
    painter.translate(0, 20);
    paintCurve(painter);
    painter.translate(0, 50);
    paintGripper(painter);
    painter.end();
    return SavePicture(image, imageFolder, QStringLiteral("Main"), "JPG");
}
