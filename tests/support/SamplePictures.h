#pragma once

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QPixmap>

// A small document icon on the magenta that stands for "transparent", as a
// skinned button's picture; shared by the control tests and the screenshot tool.
inline QPixmap documentPicture() {
    QImage image(20, 22, QImage::Format_RGB32);
    image.fill(QColor(255, 0, 255));
    QPainter painter(&image);
    painter.fillRect(3, 1, 14, 20, QColor(0x14, 0x5d, 0x8c));
    painter.fillRect(4, 2, 12, 18, Qt::white);
    for (int y = 6; y <= 16; y += 3)
        painter.fillRect(6, y, 8, 1, QColor(0x14, 0x5d, 0x8c));
    return QPixmap::fromImage(image);
}
