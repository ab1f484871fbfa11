#include "controls/SkinButton.h"

#include "core/Globals.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPixmapCache>
#include <QPointer>

#include <cmath>

namespace {

// Columns at the left end of a push-button face that keep their width when the
// face is stretched to the button's size.
constexpr int FixedEdgeColumns = 10;
// Size of a caption-bar button whose faces could not be loaded.
constexpr QSize FallbackCaptionSize(17, 17);
constexpr QSize FallbackPushSize(100, 34);
// Gap between the picture and the caption, and the left caption margin.
constexpr int PictureGap = 10;
constexpr int LeftCaptionX = 25;
constexpr int PictureTop = 4;

const char* const FaceNames[][3] = {
    {"fbMin", "fbMinMove", "fbMinDown"},          {"fbMax", "fbMaxMove", "fbMaxDown"},
    {"fbNormal", "fbNormalMove", "fbNormalDown"}, {"fbClose", "fbCloseMove", "fbCloseDown"},
    {"fbHelp", "fbHelpMove", "fbHelpDown"},       {"btnUp", "btnMove", "btnDown"},
};

QPixmap loadFace(const char* name) {
    return LoadSkinPicture(QLatin1String(name));
}

QPixmap withMagentaTransparent(const QPixmap& picture) {
    QImage image = picture.toImage().convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x)
            if ((line[x] & RGB_MASK) == (qRgb(255, 0, 255) & RGB_MASK))
                line[x] = qRgba(0, 0, 0, 0);
    }
    return QPixmap::fromImage(image);
}

// A plain face for a button whose pictures are missing.
void paintFallbackFace(QPainter& painter, const TSkinButtonLook& look) {
    const bool down = (look.pressed && look.hovering) || (look.downIn && look.style == sbsBtn);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(look.hovering ? QColor(0x14, 0x5d, 0x8c) : QColor(0xb5, 0xc4, 0xd3));
    painter.setBrush(down ? QColor(0xa9, 0xc8, 0xe3) : QColor(0xf3, 0xf6, 0xf9));
    painter.drawRoundedRect(QRectF(QPointF(0.5, 0.5), QSizeF(look.size) - QSizeF(1, 1)), 4, 4);
    painter.restore();
}

// The face's left columns keep their width; the rest is the face stretched to the
// button's size.
void drawStretchedFace(QPainter& painter, const QPixmap& face, QSize size) {
    const int width = size.width();
    const int height = size.height();
    painter.drawPixmap(QRect(0, 0, FixedEdgeColumns, height), face,
                       QRect(0, 0, FixedEdgeColumns, face.height()));
    const QPixmap scaled = face.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    const QRect rest(FixedEdgeColumns, 0, width - FixedEdgeColumns, height);
    painter.drawPixmap(rest, scaled, rest);
}

void paintCaptionFace(QPainter& painter, const TSkinButtonLook& look) {
    const QPixmap& face = look.hovering ? look.faces.hover : look.faces.normal;
    if (face.isNull()) {
        paintFallbackFace(painter, look);
        return;
    }
    painter.drawPixmap(0, 0, face);
    if (look.pressed && look.hovering)
        painter.drawPixmap(0, 0, look.faces.pressed);
}

void paintCaption(QPainter& painter, const TSkinButtonLook& look) {
    painter.setFont(look.font);
    const QFontMetrics metrics = painter.fontMetrics();
    const TSkinButtonLayout layout = LayoutSkinButton(look, metrics);
    if (!look.picture.isNull())
        painter.drawPixmap(layout.picture, look.picture);
    painter.setPen(look.enabled ? QColor(Qt::black) : QColor(128, 128, 128));
    painter.drawText(layout.caption + QPoint(0, metrics.ascent()), look.caption);
}

void paintPushFace(QPainter& painter, const TSkinButtonLook& look) {
    const QPixmap& face = look.hovering ? look.faces.hover : look.faces.normal;
    if (face.isNull()) {
        paintFallbackFace(painter, look);
    } else {
        drawStretchedFace(painter, face, look.size);
        if (((look.pressed && look.hovering) || look.downIn) && !look.faces.pressed.isNull())
            drawStretchedFace(painter, look.faces.pressed, look.size);
    }
    paintCaption(painter, look);
}

} // namespace

// Pictures are shared by every window of the process; the key holds the full path,
// so a program folder that changes (in tests) is read anew.
QPixmap LoadSkinPicture(const QString& name) {
    const QString path = AppPath + QStringLiteral("Img/Skin/") + name + QStringLiteral(".png");
    QPixmap picture;
    if (QPixmapCache::find(path, &picture))
        return picture;
    if (picture.load(path))
        QPixmapCache::insert(path, picture);
    return picture;
}

TSkinFaces LoadSkinFaces(TSkinButtonStyle style) {
    const auto& names = FaceNames[style];
    return {loadFace(names[0]), loadFace(names[1]), loadFace(names[2])};
}

TSkinButtonLayout LayoutSkinButton(const TSkinButtonLook& look, const QFontMetrics& metrics) {
    const int width = look.size.width();
    const int textWidth = metrics.horizontalAdvance(look.caption);
    TSkinButtonLayout layout;
    int x = 0;
    if (!look.picture.isNull()) {
        const int pictureWidth = look.picture.width();
        const int pictureX = RoundHalfEven((width - textWidth - pictureWidth - PictureGap) / 2.0);
        layout.picture = QRect(pictureX, PictureTop, pictureWidth, look.picture.height());
        x = pictureX + pictureWidth + PictureGap;
    } else if (look.alignment & Qt::AlignLeft) {
        x = LeftCaptionX;
    } else {
        x = RoundHalfEven((width - textWidth) / 2.0);
    }
    layout.caption = QPoint(x, RoundHalfEven((look.size.height() - metrics.height()) / 2.0));
    return layout;
}

void PaintSkinButton(QPainter& painter, const TSkinButtonLook& look) {
    painter.save();
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    if (look.style == sbsBtn)
        paintPushFace(painter, look);
    else
        paintCaptionFace(painter, look);
    painter.restore();
}

int RoundHalfEven(double value) {
    return static_cast<int>(std::nearbyint(value));
}

TSkinButton::TSkinButton(QWidget* parent) : QWidget(parent) {
    setMouseTracking(true);
    setFocusPolicy(Qt::NoFocus);
    loadFaces();
}

void TSkinButton::loadFaces() {
    faces_ = LoadSkinFaces(style_);
    if (style_ != sbsBtn)
        resize(faces_.hover.isNull() ? FallbackCaptionSize : faces_.hover.size());
    updateGeometry();
    update();
}

void TSkinButton::SetSkinButtonStyle(TSkinButtonStyle style) {
    if (style == style_)
        return;
    style_ = style;
    loadFaces();
}

void TSkinButton::SetDownIn(bool downIn) {
    if (downIn == downIn_)
        return;
    downIn_ = downIn;
    update();
}

void TSkinButton::SetPicture(const QPixmap& picture) {
    picture_ = picture;
    transparentPicture_ = picture.isNull() ? QPixmap() : withMagentaTransparent(picture);
    updateGeometry();
    update();
}

void TSkinButton::SetHavePicture(bool havePicture) {
    if (havePicture == havePicture_)
        return;
    havePicture_ = havePicture;
    updateGeometry();
    update();
}

void TSkinButton::SetAlignment(Qt::Alignment alignment) {
    if (alignment == alignment_)
        return;
    alignment_ = alignment;
    update();
}

void TSkinButton::SetCaption(const QString& caption) {
    if (caption == caption_)
        return;
    caption_ = caption;
    updateGeometry();
    update();
}

TSkinButtonLook TSkinButton::Look() const {
    TSkinButtonLook look;
    look.style = style_;
    look.faces = faces_;
    look.size = size();
    look.hovering = hovering_;
    look.pressed = pressed_;
    look.downIn = downIn_;
    look.enabled = isEnabled();
    if (havePicture_)
        look.picture = transparentPicture_;
    look.caption = caption_;
    look.alignment = alignment_;
    look.font = font();
    return look;
}

bool TSkinButton::Click() {
    setFocus(Qt::MouseFocusReason);
    if (!hasFocus())
        return false;
    emit clicked();
    return true;
}

QSize TSkinButton::sizeHint() const {
    if (style_ != sbsBtn)
        return faces_.hover.isNull() ? FallbackCaptionSize : faces_.hover.size();
    const QSize face = faces_.normal.isNull() ? FallbackPushSize : faces_.normal.size();
    int content = fontMetrics().horizontalAdvance(caption_) + 2 * LeftCaptionX;
    if (havePicture_ && !picture_.isNull())
        content += picture_.width() + PictureGap;
    return {qMax(face.width(), content), face.height()};
}

void TSkinButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    PaintSkinButton(painter, Look());
}

void TSkinButton::setHovering(bool hovering) {
    if (hovering == hovering_)
        return;
    hovering_ = hovering;
    update();
}

void TSkinButton::mouseMoveEvent(QMouseEvent* event) {
    setHovering(rect().contains(event->position().toPoint()));
    emit mouseMoved();
}

void TSkinButton::leaveEvent(QEvent*) {
    setHovering(false);
}

void TSkinButton::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton)
        return;
    pressed_ = true;
    update();
}

// The click comes before the maximize / restore swap, so its handler sees the
// style the user clicked. A press released away from the button, or a click that
// could not take the focus, leaves the style as it is: the window did not change.
void TSkinButton::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || !pressed_)
        return;
    const QPointer<TSkinButton> alive(this);
    const bool clicked = rect().contains(event->position().toPoint()) && Click();
    if (!alive)
        return;
    pressed_ = false;
    if (clicked && style_ == sbsMax)
        SetSkinButtonStyle(sbsNormal);
    else if (clicked && style_ == sbsNormal)
        SetSkinButtonStyle(sbsMax);
    update();
}
