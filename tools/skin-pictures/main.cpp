// Draws the program's pictures into the picture folder given as the only argument:
// into its Skin/ folder the faces of the skinned buttons as PNG files, the
// caption-bar buttons (light glyphs for the dark blue caption bar) and the general
// push button, each in its normal, hover ("Move") and pressed ("Down") state (a
// button draws its pressed face over its hover face), and the main window's frame;
// into the folder itself the start page's and the splash window's pictures.

#include "Pictures.h"

#include <QDir>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace {

enum class State { Normal, Hover, Pressed };

constexpr int CaptionSide = 17;
constexpr int PushWidth = 232;
constexpr int PushHeight = 40;
constexpr qreal PushRadius = 6;

using Glyph = void (*)(QPainter&);

void drawMinGlyph(QPainter& painter) {
    painter.drawLine(QPointF(4.5, 8.5), QPointF(12.5, 8.5));
}

void drawMaxGlyph(QPainter& painter) {
    painter.drawRoundedRect(QRectF(4.5, 4.5, 8, 8), 1, 1);
}

void drawNormalGlyph(QPainter& painter) {
    painter.drawRoundedRect(QRectF(4.5, 6.5, 6, 6), 1, 1);
    QPainterPath back;
    back.moveTo(6.5, 4.5);
    back.lineTo(12.5, 4.5);
    back.lineTo(12.5, 10.5);
    painter.drawPath(back);
}

void drawCloseGlyph(QPainter& painter) {
    painter.drawLine(QPointF(4.8, 4.8), QPointF(12.2, 12.2));
    painter.drawLine(QPointF(12.2, 4.8), QPointF(4.8, 12.2));
}

void drawHelpGlyph(QPainter& painter) {
    QPainterPath hook;
    hook.moveTo(6.1, 6.2);
    hook.arcTo(QRectF(6.1, 3.7, 4.8, 4.8), 180, -225);
    hook.quadTo(8.5, 8.8, 8.5, 10.2);
    painter.drawPath(hook);
    painter.setBrush(painter.pen().color());
    painter.setPen(Qt::NoPen);
    painter.drawEllipse(QPointF(8.5, 12.7), 0.95, 0.95);
}

QImage transparentImage(int width, int height) {
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

// The close button turns red under the mouse; the others show a light veil.
QColor captionBackground(State state, bool closes) {
    switch (state) {
    case State::Hover:
        return closes ? QColor(0xd9, 0x43, 0x3b) : QColor(255, 255, 255, 52);
    case State::Pressed:
        return closes ? QColor(0xa8, 0x2e, 0x28) : QColor(0, 0, 0, 70);
    case State::Normal:
        break;
    }
    return Qt::transparent;
}

QImage captionFace(Glyph glyph, State state, bool closes) {
    QImage image = transparentImage(CaptionSide, CaptionSide);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(captionBackground(state, closes));
    painter.drawRoundedRect(QRectF(0, 0, CaptionSide, CaptionSide), 3.5, 3.5);
    const QColor ink(255, 255, 255, state == State::Normal ? 215 : 255);
    painter.setPen(QPen(ink, 1.25, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Qt::NoBrush);
    glyph(painter);
    return image;
}

struct PushColours {
    QColor top;
    QColor bottom;
    QColor border;
};

PushColours pushColours(State state) {
    switch (state) {
    case State::Hover:
        return {QColor(0xf6, 0xfa, 0xfe), QColor(0xdc, 0xe9, 0xf5), QColor(0x14, 0x5d, 0x8c)};
    case State::Pressed:
        return {QColor(0xd2, 0xe5, 0xf6), QColor(0xa4, 0xc8, 0xe8), QColor(0x14, 0x5d, 0x8c)};
    case State::Normal:
        break;
    }
    return {QColor(0xff, 0xff, 0xff), QColor(0xe9, 0xee, 0xf3), QColor(0xb5, 0xc4, 0xd3)};
}

QImage pushFace(State state) {
    const PushColours colours = pushColours(state);
    QImage image = transparentImage(PushWidth, PushHeight);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    QLinearGradient fill(0, 0, 0, PushHeight);
    fill.setColorAt(0, colours.top);
    fill.setColorAt(1, colours.bottom);
    painter.setBrush(fill);
    painter.setPen(QPen(colours.border, 1));
    const QRectF outline(0.5, 0.5, PushWidth - 1, PushHeight - 1);
    painter.drawRoundedRect(outline, PushRadius, PushRadius);
    // A pressed face is lit from below: a thin shade under its top edge.
    if (state == State::Pressed) {
        painter.setPen(QPen(QColor(0, 0, 0, 45), 1));
        painter.drawLine(QPointF(PushRadius, 1.5), QPointF(PushWidth - PushRadius, 1.5));
    }
    return image;
}

bool saveCaptionFaces(const QDir& folder, const QString& name, Glyph glyph, bool closes) {
    return SavePicture(captionFace(glyph, State::Normal, closes), folder, name) &&
           SavePicture(captionFace(glyph, State::Hover, closes), folder,
                       name + QStringLiteral("Move")) &&
           SavePicture(captionFace(glyph, State::Pressed, closes), folder,
                       name + QStringLiteral("Down"));
}

} // namespace

int main(int argc, char* argv[]) {
    return RunPictureTool(argc, argv, [](const QDir& pictures) {
        const QDir folder(pictures.filePath(QStringLiteral("Skin")));
        return folder.mkpath(QStringLiteral(".")) &&
               saveCaptionFaces(folder, QStringLiteral("fbMin"), drawMinGlyph, false) &&
               saveCaptionFaces(folder, QStringLiteral("fbMax"), drawMaxGlyph, false) &&
               saveCaptionFaces(folder, QStringLiteral("fbNormal"), drawNormalGlyph, false) &&
               saveCaptionFaces(folder, QStringLiteral("fbClose"), drawCloseGlyph, true) &&
               saveCaptionFaces(folder, QStringLiteral("fbHelp"), drawHelpGlyph, false) &&
               SavePicture(pushFace(State::Normal), folder, QStringLiteral("btnUp")) &&
               SavePicture(pushFace(State::Hover), folder, QStringLiteral("btnMove")) &&
               SavePicture(pushFace(State::Pressed), folder, QStringLiteral("btnDown")) &&
               SaveFramePictures(folder) && SaveStartPicture(pictures) &&
               SaveSplashPicture(pictures);
    });
}
