// The pieces of the main window's frame. Every piece is shaded from top to bottom
// only, so that the middle pieces can be stretched sideways (and the side borders
// lengthwise) without a seam.

#include "Pictures.h"

#include "Emblem.h"

#include <QLinearGradient>
#include <QPainter>

namespace {

constexpr int CaptionHeight = 47;
constexpr int StatusHeight = 21;
constexpr int SideWidth = 4;

QImage captionPiece(int width) {
    QImage image(width, CaptionHeight, QImage::Format_RGB32);
    QPainter painter(&image);
    QLinearGradient shade(0, 0, 0, CaptionHeight);
    shade.setColorAt(0, QColor(0x1f, 0x72, 0xa8));
    shade.setColorAt(0.55, QColor(0x12, 0x4f, 0x7e));
    shade.setColorAt(1, QColor(0x0b, 0x2f, 0x52));
    painter.fillRect(image.rect(), shade);
    painter.setPen(QColor(255, 255, 255, 55));
    painter.drawLine(0, 0, width, 0);
    painter.setPen(QColor(0x07, 0x1e, 0x36));
    painter.drawLine(0, CaptionHeight - 1, width, CaptionHeight - 1);
    return image;
}

// The left end carries the emblem on a light disc, left of the title.
QImage captionLeft() {
    QImage image = captionPiece(60);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 255, 255, 235));
    painter.drawEllipse(QRectF(12, 8, 30, 30));
    PaintGripperEmblem(painter, QRectF(14, 9, 26, 26), QColor(0x14, 0x5d, 0x8c),
                       QColor(0x0b, 0x2a, 0x4a));
    return image;
}

QImage statusPiece(int width) {
    QImage image(width, StatusHeight, QImage::Format_RGB32);
    QPainter painter(&image);
    QLinearGradient shade(0, 0, 0, StatusHeight);
    shade.setColorAt(0, QColor(0x12, 0x4a, 0x75));
    shade.setColorAt(1, QColor(0x0b, 0x2f, 0x52));
    painter.fillRect(image.rect(), shade);
    painter.setPen(QColor(0x07, 0x1e, 0x36));
    painter.drawLine(0, 0, width, 0);
    return image;
}

// The size grip: three rows of dots rising to the lower right corner.
QImage statusGrip() {
    QImage image = statusPiece(16);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 255, 255, 170));
    for (int row = 0; row < 3; ++row) {
        for (int column = 2 - row; column < 3; ++column)
            painter.drawEllipse(QPointF(4.5 + column * 4, 8.5 + row * 4), 1.1, 1.1);
    }
    return image;
}

QImage sidePiece() {
    QImage image(SideWidth, 16, QImage::Format_RGB32);
    image.fill(QColor(0x0e, 0x3b, 0x63));
    return image;
}

} // namespace

bool SaveFramePictures(const QDir& skinFolder) {
    return SavePicture(captionLeft(), skinFolder, QStringLiteral("TopL")) &&
           SavePicture(captionPiece(16), skinFolder, QStringLiteral("TopC")) &&
           SavePicture(captionPiece(100), skinFolder, QStringLiteral("TopR")) &&
           SavePicture(statusPiece(12), skinFolder, QStringLiteral("DownL")) &&
           SavePicture(statusPiece(16), skinFolder, QStringLiteral("DownC")) &&
           SavePicture(statusGrip(), skinFolder, QStringLiteral("DownR")) &&
           SavePicture(sidePiece(), skinFolder, QStringLiteral("Side"));
}
