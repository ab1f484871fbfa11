// The splash window's picture: the program's name and emblem on the dark blue of
// the window frame. The version and the progress bar are drawn over it.

#include "Pictures.h"

#include "Emblem.h"

#include <QLinearGradient>
#include <QPainter>

bool SaveSplashPicture(const QDir& imageFolder) {
    constexpr int Width = 496;
    constexpr int Height = 320;
    QImage image(Width, Height, QImage::Format_RGB32);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    QLinearGradient background(0, 0, Width, Height);
    background.setColorAt(0, QColor(0x0b, 0x2a, 0x4a));
    background.setColorAt(1, QColor(0x14, 0x5d, 0x8c));
    painter.fillRect(image.rect(), background);

    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 255, 255, 30));
    painter.drawEllipse(QPointF(400, 70), 120, 120);
    PaintGripperEmblem(painter, QRectF(330, 20, 140, 140), QColor(0x7f, 0xd3, 0xff),
                       QColor(255, 255, 255, 200));

    QFont title(QStringLiteral("DejaVu Sans"));
    title.setPixelSize(64);
    title.setBold(true);
    painter.setFont(title);
    painter.setPen(Qt::white);
    painter.drawText(QRectF(32, 120, 440, 80), Qt::AlignLeft | Qt::AlignVCenter,
                     QStringLiteral("ZAVK"));
    QFont subtitle(QStringLiteral("DejaVu Sans"));
    subtitle.setPixelSize(17);
    painter.setFont(subtitle);
    painter.setPen(QColor(0xcf, 0xe3, 0xf5));
    painter.drawText(QRectF(34, 196, 440, 30), Qt::AlignLeft | Qt::AlignVCenter,
                     QStringLiteral("Vacuum gripping circuit design"));
    painter.end();
    return SavePicture(image, imageFolder, QStringLiteral("Splash"), "JPG");
}
