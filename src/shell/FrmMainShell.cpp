#include "shell/FrmMainShell.h"

#include "controls/CommonDialogs.h"
#include "controls/Emblem.h"
#include "controls/LanguageApply.h"
#include "core/DMComm.h"
#include "core/Globals.h"
#include "core/Startup.h"
#include "lang/XMLLan.h"
#include "settings/BaseClass.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QShortcut>
#include <QStackedWidget>
#include <QVBoxLayout>

TFrmMainShell* FrmMainShell = nullptr;

namespace {

// The start page's banner: a light panel with the emblem in its lower right part.
class BannerPanel : public QWidget {
public:
    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent* event) override {
        QWidget::paintEvent(event);
        QPainter painter(this);
        const qreal side = qMin(width() * 0.4, height() * 0.45);
        const QRectF box(width() - side - 40, height() - side * 0.8, side, side);
        PaintGripperEmblem(painter, box, QColor(0x14, 0x5d, 0x8c, 200),
                           QColor(0x0b, 0x2a, 0x4a, 170));
    }
};

const char* const StyleSheet = R"(
#panTop { background: qlineargradient(x1:0,y1:0,x2:1,y2:0, stop:0 #0b2a4a, stop:1 #145d8c); }
#labMainTitle { color: white; font-size: 18px; font-weight: 600; }
#panCenter { background: white; }
#panBanner { background: qlineargradient(x1:0,y1:0,x2:1,y2:1, stop:0 #e8f2fb, stop:1 #cfe3f5);
             border-radius: 10px; }
#labBannerTitle { color: #0b2a4a; font-size: 30px; font-weight: 700; }
#labBannerText { color: #35506b; font-size: 14px; }
#panDown { background: #e9edf2; border-top: 1px solid #c9d2dc; }
#labHint, #labVersion { color: #35506b; }
QPushButton { min-height: 34px; padding: 0 14px; border: 1px solid #b5c4d3; border-radius: 6px;
              background: #f7f9fb; color: #0b2a4a; font-size: 14px; text-align: left; }
QPushButton:hover { background: #e3eef8; border-color: #145d8c; }
QPushButton:checked { background: #145d8c; color: white; border-color: #0b2a4a; }
QPushButton:disabled { color: #9aa8b6; background: #f1f3f5; border-color: #d9e0e7; }
)";

QPushButton* makeButton(const char* name, const QString& text, QWidget* parent) {
    auto* button = new QPushButton(text, parent);
    button->setObjectName(QLatin1String(name));
    button->setCursor(Qt::PointingHandCursor);
    return button;
}

} // namespace

TFrmMainShell::TFrmMainShell(QWidget* parent) : QWidget(parent) {
    FrmMainShell = this;
    setObjectName(QStringLiteral("FrmMainShell"));
    setWindowTitle(QStringLiteral("ZAVK"));
    buildLayout();
    resize(1024, 738);
    setMinimumSize(1015, 700);
    nbMainShell->setCurrentIndex(0);

    if (DMComm && !DMComm->ConnectDB())
        ShowPlainMessage(QStringLiteral("ConnectDB error!"));

    RemoveLeftoverUpdateFiles();
    SetHintHandler(
        [this](const QString& hint, QWidget* control) { ShowControlHint(hint, control); });
    if (!BaseClass) {
        ownBaseClass_ = std::make_unique<TBaseClass>();
        BaseClass = ownBaseClass_.get();
    }
    applyLanguage();
    labVersion->setText(QStringLiteral("Version: ") + VersionText);
    TBaseClass::RecordSysIniStamp(SystemIniPath());
    mainTitle_ = labMainTitle->text();

    auto* help = new QShortcut(QKeySequence::HelpContents, this);
    connect(help, &QShortcut::activated, this, [] {
        if (BaseClass)
            BaseClass->ShowCurrentHelp();
    });
}

TFrmMainShell::~TFrmMainShell() {
    StartPendingUpdateScript();
    SetHintHandler({});
    if (ownBaseClass_) {
        ownBaseClass_.reset();
        BaseClass = nullptr;
    }
    if (FrmMainShell == this)
        FrmMainShell = nullptr;
}

void TFrmMainShell::buildLayout() {
    setStyleSheet(QLatin1String(StyleSheet));
    auto* root = new QVBoxLayout(this);
    root->setContentsMargins(0, 0, 0, 0);
    root->setSpacing(0);

    panTop = new QWidget(this);
    panTop->setObjectName(QStringLiteral("panTop"));
    panTop->setAttribute(Qt::WA_StyledBackground);
    panTop->setFixedHeight(47);
    labMainTitle = new QLabel(QStringLiteral("ZAVK"), panTop);
    labMainTitle->setObjectName(QStringLiteral("labMainTitle"));
    auto* topLayout = new QHBoxLayout(panTop);
    topLayout->setContentsMargins(16, 0, 16, 0);
    topLayout->addWidget(labMainTitle);
    root->addWidget(panTop);

    nbMainShell = new QStackedWidget(this);
    nbMainShell->setObjectName(QStringLiteral("nbMainShell"));
    auto* panCenter = new QWidget(nbMainShell);
    panCenter->setObjectName(QStringLiteral("panCenter"));
    panCenter->setAttribute(Qt::WA_StyledBackground);
    auto* panWorkPage = new QWidget(nbMainShell);
    panWorkPage->setObjectName(QStringLiteral("panWorkPage"));
    nbMainShell->addWidget(panCenter);
    nbMainShell->addWidget(panWorkPage);
    root->addWidget(nbMainShell, 1);

    auto* banner = new BannerPanel(panCenter);
    banner->setObjectName(QStringLiteral("panBanner"));
    banner->setAttribute(Qt::WA_StyledBackground);
    auto* bannerTitle = new QLabel(QStringLiteral("ZAVK"), banner);
    bannerTitle->setObjectName(QStringLiteral("labBannerTitle"));
    auto* bannerText = new QLabel(
        QStringLiteral("Design vacuum gripping circuits: suction pads, tubing, ejectors or "
                       "vacuum units and valves, with their response times."),
        banner);
    bannerText->setObjectName(QStringLiteral("labBannerText"));
    bannerText->setWordWrap(true);
    auto* bannerLayout = new QVBoxLayout(banner);
    bannerLayout->setContentsMargins(40, 40, 40, 40);
    bannerLayout->addStretch();
    bannerLayout->addWidget(bannerTitle);
    bannerLayout->addWidget(bannerText);
    bannerLayout->addStretch(2);

    skbActuatorSelect =
        makeButton("skbActuatorSelect", QStringLiteral("Equipment selection"), panCenter);
    skbActuatorCalc =
        makeButton("skbActuatorCalc", QStringLiteral("Characteristic calculation"), panCenter);
    for (QPushButton* mode : {skbActuatorSelect, skbActuatorCalc})
        mode->setCheckable(true);
    skbActuatorSelect->setChecked(true);
    connect(skbActuatorSelect, &QPushButton::clicked, this, [this] { setOperateType(true); });
    connect(skbActuatorCalc, &QPushButton::clicked, this, [this] { setOperateType(false); });
    skbNew = makeButton("skbNew", QStringLiteral("New"), panCenter);
    skbHistory = makeButton("skbHistory", QStringLiteral("Open history"), panCenter);
    skbOtherSet = makeButton("skbOtherSet", QStringLiteral("Settings"), panCenter);
    sbkHelp = makeButton("sbkHelp", QStringLiteral("Help"), panCenter);
    skbUpdate = makeButton("skbUpdate", QStringLiteral("Data update"), panCenter);
    sbExit = makeButton("sbExit", QStringLiteral("Exit"), panCenter);
    // The wizard, the history files and the settings dialog are not part of this build yet.
    for (QPushButton* later : {skbNew, skbHistory, skbOtherSet})
        later->setEnabled(false);
    connect(sbkHelp, &QPushButton::clicked, this, [] {
        if (BaseClass)
            BaseClass->ShowHelp(BaseClass->UsesNamedHelpTopics()
                                    ? QStringLiteral("acuerdo-de-licencia-del-programa.html")
                                    : QStringLiteral("1.htm"));
    });
    connect(sbExit, &QPushButton::clicked, this, &QWidget::close);
    LblSelect = new QLabel(QStringLiteral("Equipment selection"), panCenter);
    LblSelect->setObjectName(QStringLiteral("LblSelect"));
    LblCalculat = new QLabel(QStringLiteral("Characteristic calculation"), panCenter);
    LblCalculat->setObjectName(QStringLiteral("LblCalculat"));
    LblSelect->hide();
    LblCalculat->hide();

    auto* column = new QVBoxLayout;
    column->setSpacing(10);
    for (QPushButton* button : {skbActuatorSelect, skbActuatorCalc})
        column->addWidget(button);
    column->addSpacing(24);
    for (QPushButton* button : {skbNew, skbHistory})
        column->addWidget(button);
    column->addStretch();
    for (QPushButton* button : {skbOtherSet, sbkHelp, skbUpdate, sbExit})
        column->addWidget(button);
    auto* centerLayout = new QHBoxLayout(panCenter);
    centerLayout->setContentsMargins(24, 24, 24, 24);
    centerLayout->setSpacing(24);
    centerLayout->addWidget(banner, 1);
    centerLayout->addLayout(column);

    auto* panDown = new QWidget(this);
    panDown->setObjectName(QStringLiteral("panDown"));
    panDown->setAttribute(Qt::WA_StyledBackground);
    panDown->setFixedHeight(21);
    labHint = new QLabel(panDown);
    labHint->setObjectName(QStringLiteral("labHint"));
    labVersion = new QLabel(panDown);
    labVersion->setObjectName(QStringLiteral("labVersion"));
    auto* downLayout = new QHBoxLayout(panDown);
    downLayout->setContentsMargins(8, 0, 12, 0);
    downLayout->addWidget(labHint, 1);
    downLayout->addWidget(labVersion);
    root->addWidget(panDown);
}

void TFrmMainShell::applyLanguage() {
    const TXMLLan& lan = *BaseClass->Lan;
    ApplyToForm(lan, this, ShowHint);
    QStringList captions;
    for (const char* key : {"MSGYES", "MSGNO", "MSGOK", "MSGCANCEL"})
        captions.append(lan.GetMessageText(QLatin1String(key)));
    ButtonCaptions = captions.join(';');
    if (lan.LoadError().isEmpty())
        return;
    const QString outcome = lan.FallbackUsed()
                                ? QStringLiteral("The language file could not be read; English is "
                                                 "used instead.\n")
                                : QStringLiteral("No language file could be read; captions are "
                                                 "shown as built in.\n");
    ShowPlainMessage(outcome + lan.LoadError());
}

void TFrmMainShell::setOperateType(bool select) {
    OperateType = select ? TOperateType::otSelect : TOperateType::otCalc;
    skbActuatorSelect->setChecked(select);
    skbActuatorCalc->setChecked(!select);
}

void TFrmMainShell::ShowControlHint(const QString& hint, QWidget*) {
    labHint->setText(hint);
}

void TFrmMainShell::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (BaseClass)
        BaseClass->HelpTopic = BaseClass->UsesNamedHelpTopics()
                                   ? QStringLiteral("pantalla-de-menu.html")
                                   : QStringLiteral("4.htm");
    sbkHelp->setEnabled(true);
    skbUpdate->setEnabled(false);
    emit shown();
}

void TFrmMainShell::closeEvent(QCloseEvent* event) {
    if (!closeConfirmed_) {
        if (ShowKeyedMessage(QStringLiteral("MSG006"), TMsgDlgType::mtWarning, mbYes | mbNo) !=
            mrYes) {
            event->ignore();
            return;
        }
        closeConfirmed_ = true;
    }
    event->accept();
}
