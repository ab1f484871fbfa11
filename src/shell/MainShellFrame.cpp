// The main window's frame: caption bar, status bar, side borders and outline,
// and the rules by which the mouse moves and sizes the window.

#include "shell/FrmMainShell.h"

#include "controls/FrmShell.h"
#include "controls/SkinButton.h"
#include "settings/BaseClass.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QScreen>
#include <QScrollArea>
#include <QVBoxLayout>

namespace {

const QColor FrameColour(0x0e, 0x3b, 0x63);

// A piece of the skin from AppPath + "Img/Skin/"; where its file is missing the
// piece shows the frame colour instead.
QLabel* skinPiece(const char* name, const QString& file, QWidget* parent, bool stretched) {
    auto* piece = new QLabel(parent);
    piece->setObjectName(QLatin1String(name));
    const QPixmap picture = LoadSkinPicture(file);
    if (picture.isNull()) {
        QPalette palette = piece->palette();
        palette.setColor(QPalette::Window, FrameColour);
        piece->setPalette(palette);
        piece->setAutoFillBackground(true);
    } else {
        piece->setPixmap(picture);
        piece->setScaledContents(stretched);
        if (!stretched)
            piece->resize(picture.size());
    }
    return piece;
}

int pieceWidth(const QLabel* piece, int fallback) {
    return piece->pixmap().isNull() ? fallback : piece->pixmap().width();
}

QLabel* frameText(const char* name, QWidget* parent, const QColor& colour) {
    auto* label = new QLabel(parent);
    label->setObjectName(QLatin1String(name));
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, colour);
    label->setPalette(palette);
    return label;
}

bool isNormalState(const QWidget* window) {
    return !(window->windowState() &
             (Qt::WindowMaximized | Qt::WindowMinimized | Qt::WindowFullScreen));
}

} // namespace

void TFrmMainShell::buildFrame() {
    panTop = new QWidget(this);
    panTop->setObjectName(QStringLiteral("panTop"));
    panTop->setFixedHeight(CaptionHeight);
    imaTopL = skinPiece("imaTopL", QStringLiteral("TopL"), panTop, false);
    imaTopC = skinPiece("imaTopC", QStringLiteral("TopC"), panTop, true);
    imaTopR = skinPiece("imaTopR", QStringLiteral("TopR"), panTop, false);
    labMainTitle = frameText("labMainTitle", panTop, Qt::white);
    labMainTitle->setText(QStringLiteral("ZAVK"));
    QFont titleFont;
    titleFont.setPixelSize(17);
    titleFont.setBold(true);
    labMainTitle->setFont(titleFont);
    for (QWidget* grip : {static_cast<QWidget*>(imaTopL), static_cast<QWidget*>(imaTopC),
                          static_cast<QWidget*>(imaTopR), static_cast<QWidget*>(labMainTitle)})
        grip->installEventFilter(this);

    panDown = new QWidget(this);
    panDown->setObjectName(QStringLiteral("panDown"));
    panDown->setFixedHeight(StatusHeight);
    imaDownL = skinPiece("imaDownL", QStringLiteral("DownL"), panDown, false);
    imaDownC = skinPiece("imaDownC", QStringLiteral("DownC"), panDown, true);
    imaDownR = skinPiece("imaDownR", QStringLiteral("DownR"), panDown, false);
    imaDownR->setMouseTracking(true);
    imaDownR->installEventFilter(this);
    labHint = frameText("labHint", panDown, QColor(0xe4, 0xee, 0xf7));
    labVersion = frameText("labVersion", panDown, QColor(0xe4, 0xee, 0xf7));
    labVersion->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

    imaLeft = skinPiece("imaLeft", QStringLiteral("Side"), this, true);
    imaRight = skinPiece("imaRight", QStringLiteral("Side"), this, true);
    for (QLabel* side : {imaLeft, imaRight})
        side->setFixedWidth(SideWidth);
    scbMain = new QScrollArea(this);
    scbMain->setObjectName(QStringLiteral("scbMain"));
    scbMain->setFrameShape(QFrame::NoFrame);
    scbMain->setWidgetResizable(true);

    auto* middle = new QHBoxLayout;
    middle->setSpacing(0);
    middle->addWidget(imaLeft);
    middle->addWidget(scbMain, 1);
    middle->addWidget(imaRight);
    auto* root = new QVBoxLayout(this);
    root->setContentsMargins(0, 0, 0, 0);
    root->setSpacing(0);
    root->addWidget(panTop);
    root->addLayout(middle, 1);
    root->addWidget(panDown);
}

void TFrmMainShell::createCaptionButtons() {
    const std::pair<TSkinButton**, const char*> buttons[] = {
        {&sbClose, "sbClose"}, {&sbMax, "sbMax"}, {&sbMin, "sbMin"}, {&sbHelp, "sbHelp"}};
    for (const auto& [button, name] : buttons) {
        *button = new TSkinButton(panTop);
        (*button)->setObjectName(QLatin1String(name));
    }
    sbClose->SetSkinButtonStyle(sbsClose);
    sbMax->SetSkinButtonStyle(isMaximized() ? sbsNormal : sbsMax);
    sbMin->SetSkinButtonStyle(sbsMin);
    sbHelp->SetSkinButtonStyle(sbsHelp);
    connect(sbClose, &TSkinButton::clicked, this, &QWidget::close);
    connect(sbMax, &TSkinButton::clicked, this, [this] {
        if (sbMax->SkinButtonStyle() == sbsMax)
            showMaximized();
        else
            showNormal();
    });
    connect(sbMin, &TSkinButton::clicked, this, &QWidget::showMinimized);
    connect(sbHelp, &TSkinButton::clicked, this, [] {
        if (BaseClass)
            BaseClass->ShowCurrentHelp();
    });
}

// Places what the layouts do not: the pieces and buttons of the caption bar and
// of the status bar, which follow the window's width.
void TFrmMainShell::placeFrame() {
    const int width = this->width();
    const int leftWidth = pieceWidth(imaTopL, 60);
    const int rightWidth = pieceWidth(imaTopR, 100);
    imaTopL->setGeometry(0, 0, leftWidth, CaptionHeight);
    imaTopR->setGeometry(width - rightWidth, 0, rightWidth, CaptionHeight);
    imaTopC->setGeometry(leftWidth, 0, width - leftWidth - rightWidth, CaptionHeight);
    const int helpLeft = width - HelpFromRight;
    labMainTitle->setGeometry(leftWidth, 0, helpLeft - leftWidth - 12, CaptionHeight);
    const std::pair<TSkinButton*, int> buttons[] = {{sbClose, CloseFromRight},
                                                    {sbMax, MaxFromRight},
                                                    {sbMin, MinFromRight},
                                                    {sbHelp, HelpFromRight}};
    for (const auto& [button, fromRight] : buttons)
        button->move(width - fromRight, CaptionButtonTop);

    const int gripWidth = pieceWidth(imaDownR, 16);
    const int downLeftWidth = pieceWidth(imaDownL, 12);
    imaDownL->setGeometry(0, 0, downLeftWidth, StatusHeight);
    imaDownR->setGeometry(width - gripWidth, 0, gripWidth, StatusHeight);
    imaDownC->setGeometry(downLeftWidth, 0, width - downLeftWidth - gripWidth, StatusHeight);
    const int versionLeft = imaDownR->x() - VersionFromGrip;
    labVersion->setGeometry(versionLeft, 0, VersionFromGrip - 6, StatusHeight);
    labHint->setGeometry(downLeftWidth, 0, versionLeft - downLeftWidth - 8, StatusHeight);
}

void TFrmMainShell::renewOutline() {
    setMask(RoundedWindowRegion(size(), CornerEllipse / 2.0));
}

// The size limits: at most the screen's work area, at least the minimum size,
// which wins on a screen smaller than that.
void TFrmMainShell::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    renewOutline();
    placeFrame();
    if (const QScreen* screen = this->screen())
        setMaximumSize(screen->availableGeometry().size().expandedTo(MinimumSize));
}

// The maximize button shows what a click will do, whoever changed the window's
// state. The check waits until the button's own click has swapped its style (the
// state may change inside that click), so that the two do not undo each other.
void TFrmMainShell::changeEvent(QEvent* event) {
    if (event->type() == QEvent::WindowStateChange) {
        QMetaObject::invokeMethod(
            this,
            [this] {
                if (!isMinimized())
                    sbMax->SetSkinButtonStyle(isMaximized() ? sbsNormal : sbsMax);
            },
            Qt::QueuedConnection);
    }
    QWidget::changeEvent(event);
}

bool TFrmMainShell::eventFilter(QObject* watched, QEvent* event) {
    if (watched == imaDownR)
        return handleGripMouse(event) || QWidget::eventFilter(watched, event);
    if (watched == imaTopL || watched == imaTopC || watched == imaTopR || watched == labMainTitle) {
        // The caption bar moves the window unless it is maximized.
        if (sbMax->SkinButtonStyle() == sbsMax &&
            drag_.Handle(this, event, TWindowDrag::Kind::Move))
            return true;
    }
    return QWidget::eventFilter(watched, event);
}

// The size grip sizes the window in its normal state only, and shows so by its cursor.
bool TFrmMainShell::handleGripMouse(QEvent* event) {
    const bool normal = isNormalState(this);
    if (event->type() == QEvent::MouseMove || event->type() == QEvent::Enter)
        imaDownR->setCursor(normal ? Qt::SizeFDiagCursor : Qt::ArrowCursor);
    if (!normal && event->type() == QEvent::MouseButtonPress)
        return true;
    return drag_.Handle(this, event, TWindowDrag::Kind::SizeFromBottomRight);
}
