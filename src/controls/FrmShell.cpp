#include "controls/FrmShell.h"

#include "controls/SkinButton.h"
#include "settings/BaseClass.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QVBoxLayout>

namespace {

// Caption-bar buttons: distance of the close button's left edge from the right
// end of the caption bar, and the step to the help button. They are centred
// on the caption bar's height, in line with the title.
constexpr int CloseButtonFromRight = 28;
constexpr int CaptionButtonStep = 22;

const char* const CaptionStyle =
    "#panTop { background: qlineargradient(x1:0,y1:0,x2:1,y2:0, stop:0 #0b2a4a, stop:1 #145d8c); }"
    "#labTitle { color: white; font-size: 13px; font-weight: 600; }";
const char* const BorderStyle = "background: #e8edf2;";
const char* const ClientStyle = "#panClient { background: white; }";

QRectF outlineRect(const QRect& bounds) {
    return QRectF(bounds).adjusted(0.5, 0.5, -0.5, -0.5);
}

// A thin line along the rounded edge of the window, drawn over the frame so that
// the corners cut by the window mask look clean.
class TFrameOutline : public QWidget {
public:
    explicit TFrameOutline(QWidget* parent) : QWidget(parent) {
        setAttribute(Qt::WA_TransparentForMouseEvents);
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(QPen(QColor(0x0b, 0x2a, 0x4a, 150), 1));
        const qreal radius = TFrmShell::CornerRadius - 0.5;
        painter.drawRoundedRect(outlineRect(rect()), radius, radius);
    }
};

QWidget* styledPanel(const char* name, QWidget* parent, const char* style) {
    auto* panel = new QWidget(parent);
    panel->setObjectName(QLatin1String(name));
    panel->setAttribute(Qt::WA_StyledBackground);
    panel->setStyleSheet(QLatin1String(style));
    return panel;
}

QWidget* sideBorder(const char* name, QWidget* parent) {
    QWidget* border = styledPanel(name, parent, BorderStyle);
    border->setFixedWidth(TFrmShell::SideWidth);
    return border;
}

} // namespace

TFrmShell::TFrmShell(QWidget* parent) : QDialog(parent, Qt::FramelessWindowHint) {
    buildFrame();
    createCaptionButtons();
    outline_ = new TFrameOutline(this);
    renewOutline();
}

void TFrmShell::buildFrame() {
    panTop = styledPanel("panTop", this, CaptionStyle);
    panTop->setFixedHeight(CaptionHeight);
    panTop->installEventFilter(this);
    labTitle = new QLabel(windowTitle(), panTop);
    labTitle->setObjectName(QStringLiteral("labTitle"));
    labTitle->setAttribute(Qt::WA_TransparentForMouseEvents);
    auto* topLayout = new QHBoxLayout(panTop);
    topLayout->setContentsMargins(14, 0, 14 + CloseButtonFromRight, 0);
    topLayout->addWidget(labTitle);

    auto* panel3 = new QWidget(this);
    panel3->setObjectName(QStringLiteral("Panel3"));
    panClient = styledPanel("panClient", panel3, ClientStyle);
    auto* middle = new QHBoxLayout(panel3);
    middle->setContentsMargins(0, 0, 0, 0);
    middle->setSpacing(0);
    middle->addWidget(sideBorder("Image7", panel3));
    middle->addWidget(panClient, 1);
    middle->addWidget(sideBorder("Image8", panel3));

    QWidget* panel2 = styledPanel("Panel2", this, BorderStyle);
    panel2->setFixedHeight(BottomHeight);

    auto* root = new QVBoxLayout(this);
    root->setContentsMargins(0, 0, 0, 0);
    root->setSpacing(0);
    root->addWidget(panTop);
    root->addWidget(panel3, 1);
    root->addWidget(panel2);
}

void TFrmShell::createCaptionButtons() {
    sbClose = new TSkinButton(panTop);
    sbClose->setObjectName(QStringLiteral("sbClose"));
    sbClose->setToolTip(QStringLiteral("Close"));
    connect(sbClose, &TSkinButton::clicked, this, [this] {
        if (sbClose->SkinButtonStyle() == sbsClose)
            close();
    });
    connect(sbClose, &TSkinButton::mouseMoved, this, [this] { CloseButtonHovered(); });

    sbHelp = new TSkinButton(panTop);
    sbHelp->setObjectName(QStringLiteral("sbHelp"));
    sbHelp->SetSkinButtonStyle(sbsHelp);
    sbHelp->setToolTip(QStringLiteral("Help"));
    sbHelp->hide();
    connect(sbHelp, &TSkinButton::clicked, this, [this] { HelpButtonClicked(); });
    placeCaptionButtons();
}

void TFrmShell::placeCaptionButtons() {
    // The caption bar spans the window, though the layout may not have sized it yet.
    const int closeLeft = width() - CloseButtonFromRight;
    const int top = (CaptionHeight - sbClose->height()) / 2;
    sbClose->move(closeLeft, top);
    sbHelp->move(closeLeft - CaptionButtonStep, top);
}

void TFrmShell::SetHelpButtonVisible(bool visible) {
    sbHelp->setVisible(visible);
}

void TFrmShell::SetCloseHint(const QString& hint) {
    sbClose->setToolTip(hint);
}

void TFrmShell::HelpButtonClicked() {
    if (BaseClass)
        BaseClass->ShowCurrentHelp();
}

TSkinButton* DialogButton(const char* name, const QString& caption, QWidget* parent) {
    auto* button = new TSkinButton(parent);
    button->setObjectName(QLatin1String(name));
    button->SetSkinButtonStyle(sbsBtn);
    button->SetCaption(caption);
    button->setFixedSize(110, 34);
    return button;
}

QLabel* DialogLabel(const char* name, const char* caption, QWidget* parent) {
    auto* label = new QLabel(QLatin1String(caption), parent);
    label->setObjectName(QLatin1String(name));
    return label;
}

QRegion RoundedWindowRegion(QSize size, qreal radius) {
    QPainterPath outline;
    outline.addRoundedRect(QRectF(QPointF(0, 0), size), radius, radius);
    return QRegion(outline.toFillPolygon().toPolygon());
}

void TFrmShell::renewOutline() {
    setMask(RoundedWindowRegion(size(), CornerRadius));
    outline_->setGeometry(rect());
    outline_->raise();
}

void TFrmShell::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    placeCaptionButtons();
    renewOutline();
}

void TFrmShell::changeEvent(QEvent* event) {
    if (event->type() == QEvent::WindowTitleChange)
        labTitle->setText(windowTitle());
    QDialog::changeEvent(event);
}

bool TFrmShell::eventFilter(QObject* watched, QEvent* event) {
    if (watched == panTop && handleCaptionMouse(event))
        return true;
    return QDialog::eventFilter(watched, event);
}

bool TFrmShell::handleCaptionMouse(QEvent* event) {
    return drag_.Handle(this, event, TWindowDrag::Kind::Move);
}
