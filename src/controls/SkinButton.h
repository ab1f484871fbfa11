#pragma once

#include <QFont>
#include <QPixmap>
#include <QWidget>

class QFontMetrics;
class QPainter;

// Which faces a skinned button shows: the four caption-bar buttons, the help
// button, and the general push button that stretches its face to any size.
enum TSkinButtonStyle { sbsMin, sbsMax, sbsNormal, sbsClose, sbsHelp, sbsBtn };

// A picture of the skin, AppPath + "Img/Skin/" + name + ".png"; null when missing.
QPixmap LoadSkinPicture(const QString& name);

// The normal, hover and pressed faces of a style, read from AppPath + "Img/Skin/".
// A face whose file is missing or unreadable is a null pixmap.
struct TSkinFaces {
    QPixmap normal;
    QPixmap hover;
    QPixmap pressed;
};
TSkinFaces LoadSkinFaces(TSkinButtonStyle style);

// Everything the face of a skinned button depends on at one moment.
struct TSkinButtonLook {
    TSkinButtonStyle style = sbsClose;
    TSkinFaces faces;
    QSize size;
    bool hovering = false;
    bool pressed = false;
    bool downIn = false;
    bool enabled = true;
    QPixmap picture; // null when no picture is drawn
    QString caption;
    Qt::Alignment alignment = Qt::AlignCenter;
    QFont font;
};

// Where a push button's picture and caption go: the picture 4 pixels from the top,
// it and the caption centred together with a gap of 10; without a picture the
// caption is centred, or 25 pixels from the left edge when aligned left.
struct TSkinButtonLayout {
    QRect picture;  // empty without a picture
    QPoint caption; // top left corner of the caption text
};
TSkinButtonLayout LayoutSkinButton(const TSkinButtonLook& look, const QFontMetrics& metrics);

// Draws the button with its top left corner at the painter's origin.
void PaintSkinButton(QPainter& painter, const TSkinButtonLook& look);

// Rounds to the nearest integer, halves to the even neighbour.
int RoundHalfEven(double value);

// A button drawn entirely from face pictures. Caption-bar styles take the size of
// their hover face; the push-button style keeps any size and can carry a picture
// and a caption. A click first takes the keyboard focus, so a field that refuses
// to give up its focus also keeps the click from happening.
class TSkinButton : public QWidget {
    Q_OBJECT
    Q_PROPERTY(TSkinButtonStyle SkinButtonStyle READ SkinButtonStyle WRITE SetSkinButtonStyle)
    Q_PROPERTY(bool DownIn READ DownIn WRITE SetDownIn)
    Q_PROPERTY(QPixmap Picture READ Picture WRITE SetPicture)
    Q_PROPERTY(bool HavePicture READ HavePicture WRITE SetHavePicture)
    Q_PROPERTY(Qt::Alignment Alignment READ Alignment WRITE SetAlignment)
    Q_PROPERTY(QString Caption READ Caption WRITE SetCaption)

public:
    explicit TSkinButton(QWidget* parent = nullptr);

    TSkinButtonStyle SkinButtonStyle() const { return style_; }
    void SetSkinButtonStyle(TSkinButtonStyle style);
    bool DownIn() const { return downIn_; }
    void SetDownIn(bool downIn);
    // Magenta (255, 0, 255) pixels of the picture are drawn transparent.
    const QPixmap& Picture() const { return picture_; }
    void SetPicture(const QPixmap& picture);
    bool HavePicture() const { return havePicture_; }
    void SetHavePicture(bool havePicture);
    Qt::Alignment Alignment() const { return alignment_; }
    void SetAlignment(Qt::Alignment alignment);
    const QString& Caption() const { return caption_; }
    void SetCaption(const QString& caption);

    bool Hovering() const { return hovering_; }
    bool Pressed() const { return pressed_; }
    TSkinButtonLook Look() const;

    // Takes the keyboard focus and, when that succeeded, emits clicked(); true then.
    bool Click();

    QSize sizeHint() const override;

signals:
    void clicked();
    void mouseMoved();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void loadFaces();
    void setHovering(bool hovering);

    TSkinButtonStyle style_ = sbsClose;
    TSkinFaces faces_;
    bool downIn_ = false;
    QPixmap picture_;
    QPixmap transparentPicture_;
    bool havePicture_ = false;
    Qt::Alignment alignment_ = Qt::AlignCenter;
    QString caption_;
    bool hovering_ = false;
    bool pressed_ = false;
};
