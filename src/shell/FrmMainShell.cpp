#include "shell/FrmMainShell.h"

#include "controls/CommonDialogs.h"
#include "controls/LanguageApply.h"
#include "controls/SkinButton.h"
#include "core/DMComm.h"
#include "core/DataFolder.h"
#include "core/Globals.h"
#include "core/IniFile.h"
#include "core/Startup.h"
#include "lang/XMLLan.h"
#include "results/HistoryFile.h"
#include "settings/BaseClass.h"
#include "settings/FrmAllSetting.h"
#include "units/UnitManager.h"
#include "update/FrmUpdate.h"
#include "wizard/FrmActuatorSelection.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QScrollArea>
#include <QStackedWidget>
#include <QVBoxLayout>

TFrmMainShell* FrmMainShell = nullptr;

namespace {

constexpr QSize StartPictureSize{712, 592};
constexpr int ColumnWidth = 232;
constexpr int ButtonHeight = 40;
constexpr int ModeButtonHeight = 52;
constexpr int PageMargin = 20;

// The wizard's selection labels and the buttons they belong to.
const std::pair<const char*, const char*> SelectionLabels[] = {
    {"LblPTsel", "BtnPTsel"},
    {"LblTubesel", "BtnTubesel"},
    {"LblEJsel", "BtnEJsel"},
    {"LblGongyingVAsel", "BtnGongyingVAsel"},
    {"lblPohuaiVAsel", "BtnPohuaiVAsel"},
    {"lblQiehuanVAsel", "BtnQiehuanVAsel"},
    {"lbljieliuVAsel", "BtnjieliuVAsel"},
};

TSkinButton* pushButton(const char* name, const QString& caption, QWidget* parent, int height) {
    auto* button = new TSkinButton(parent);
    button->setObjectName(QLatin1String(name));
    button->SetSkinButtonStyle(sbsBtn);
    button->SetCaption(caption);
    button->setFixedHeight(height);
    button->setCursor(Qt::PointingHandCursor);
    QFont font;
    font.setPixelSize(15);
    button->setFont(font);
    return button;
}

QString helpTopic(const char* named, const char* numbered) {
    const bool useNamed = BaseClass && BaseClass->UsesNamedHelpTopics();
    return QLatin1String(useNamed ? named : numbered);
}

// The help of the start page.
void showMenuHelp() {
    if (BaseClass)
        BaseClass->HelpTopic = helpTopic("pantalla-de-menu.html", "4.htm");
}

// True for a wizard's selection label whose selection button is disabled: its hint
// would offer a choice the user cannot make.
bool isBlockedSelectionLabel(const QWidget* control) {
    for (const auto& [label, button] : SelectionLabels) {
        if (control->objectName() != QLatin1String(label))
            continue;
        const auto* pair = control->window()->findChild<QWidget*>(QLatin1String(button));
        return pair && !pair->isEnabled();
    }
    return false;
}

} // namespace

TFrmMainShell::TFrmMainShell(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint) {
    FrmMainShell = this;
    setObjectName(QStringLiteral("FrmMainShell"));
    setWindowTitle(QStringLiteral("ZAVK"));
    buildFrame();
    buildStartPage();
    createCaptionButtons();
    connectButtons();
    setMinimumSize(MinimumSize);
    setGeometry(QRect(QPoint(0, 0), DesignSize));
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

    auto* helpAct = new QAction(this);
    helpAct->setObjectName(QStringLiteral("HelpAct"));
    helpAct->setShortcut(QKeySequence(Qt::Key_F1));
    connect(helpAct, &QAction::triggered, this, [] {
        if (BaseClass)
            BaseClass->ShowCurrentHelp();
    });
    addAction(helpAct);
}

TFrmMainShell::~TFrmMainShell() {
    // The wizard goes first: its inputs still read the unit tables of the settings
    // object while the window closes around them.
    delete workForm_;
    StartPendingUpdateScript();
    SetHintHandler({});
    if (ownBaseClass_) {
        ownBaseClass_.reset();
        BaseClass = nullptr;
    }
    if (FrmMainShell == this)
        FrmMainShell = nullptr;
}

void TFrmMainShell::buildStartPage() {
    nbMainShell = new QStackedWidget;
    nbMainShell->setObjectName(QStringLiteral("nbMainShell"));
    scbMain->setWidget(nbMainShell);
    panCenter = new QWidget(nbMainShell);
    panCenter->setObjectName(QStringLiteral("panCenter"));
    QPalette white = panCenter->palette();
    white.setColor(QPalette::Window, Qt::white);
    panCenter->setPalette(white);
    panCenter->setAutoFillBackground(true);
    panWorkPage = new QWidget(nbMainShell);
    panWorkPage->setObjectName(QStringLiteral("panWorkPage"));
    auto* work = new QVBoxLayout(panWorkPage);
    work->setContentsMargins(0, 0, 0, 0);
    nbMainShell->addWidget(panCenter);
    nbMainShell->addWidget(panWorkPage);
    connect(nbMainShell, &QStackedWidget::currentChanged, this, [this](int page) {
        if (page == 0)
            ShowMainPage();
    });

    ImgMain = new QLabel(panCenter);
    ImgMain->setObjectName(QStringLiteral("ImgMain"));
    ImgMain->setFixedSize(StartPictureSize);
    Gue1 = new QProgressBar(panCenter);
    Gue1->setObjectName(QStringLiteral("Gue1"));
    Gue1->hide();

    auto* page = new QHBoxLayout(panCenter);
    page->setContentsMargins(PageMargin, PageMargin, PageMargin, PageMargin);
    page->setSpacing(PageMargin);
    page->addStretch();
    page->addWidget(ImgMain, 0, Qt::AlignVCenter);
    page->addWidget(buildButtonColumn(panCenter), 0, Qt::AlignVCenter);
    page->addStretch();
}

// The right-hand column: the mode, what to do in it, and the program's commands. It
// keeps one width in every language.
QWidget* TFrmMainShell::buildButtonColumn(QWidget* parent) {
    auto* column = new QWidget(parent);
    column->setObjectName(QStringLiteral("panButtons"));
    column->setFixedSize(ColumnWidth, StartPictureSize.height());
    skbActuatorSelect = pushButton("skbActuatorSelect", QStringLiteral("Equipment selection"),
                                   column, ModeButtonHeight);
    skbActuatorCalc = pushButton("skbActuatorCalc", QStringLiteral("Characteristic calculation"),
                                 column, ModeButtonHeight);
    skbActuatorSelect->SetDownIn(true);
    skbNew = pushButton("skbNew", QStringLiteral("New"), column, ButtonHeight);
    skbHistory = pushButton("skbHistory", QStringLiteral("Open history"), column, ButtonHeight);
    LblSelect = new QLabel(QStringLiteral("Equipment selection"), column);
    LblSelect->setObjectName(QStringLiteral("LblSelect"));
    LblCalculat = new QLabel(QStringLiteral("Characteristic calculation"), column);
    LblCalculat->setObjectName(QStringLiteral("LblCalculat"));
    LblSelect->hide();
    LblCalculat->hide();
    skbOtherSet = pushButton("skbOtherSet", QStringLiteral("Settings"), column, ButtonHeight);
    sbkHelp = pushButton("sbkHelp", QStringLiteral("Help"), column, ButtonHeight);
    skbUpdate = pushButton("skbUpdate", QStringLiteral("Data update"), column, ButtonHeight);
    sbExit = pushButton("sbExit", QStringLiteral("Exit"), column, ButtonHeight);

    auto* layout = new QVBoxLayout(column);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(10);
    layout->addWidget(skbActuatorSelect);
    layout->addWidget(skbActuatorCalc);
    layout->addSpacing(14);
    layout->addWidget(skbNew);
    layout->addWidget(skbHistory);
    layout->addStretch();
    for (TSkinButton* button : {skbOtherSet, sbkHelp, skbUpdate, sbExit})
        layout->addWidget(button);
    return column;
}

void TFrmMainShell::connectButtons() {
    connect(skbActuatorSelect, &TSkinButton::clicked, this, [this] { setOperateType(true); });
    connect(skbActuatorCalc, &TSkinButton::clicked, this, [this] { setOperateType(false); });
    connect(skbNew, &TSkinButton::clicked, this, &TFrmMainShell::startRun);
    connect(skbHistory, &TSkinButton::clicked, this, &TFrmMainShell::openHistory);
    connect(skbOtherSet, &TSkinButton::clicked, this, &TFrmMainShell::showSettings);
    connect(skbUpdate, &TSkinButton::clicked, this, &TFrmMainShell::RunUpdateWizard);
    connect(sbkHelp, &TSkinButton::clicked, this, [] {
        if (BaseClass)
            BaseClass->ShowHelp(helpTopic("acuerdo-de-licencia-del-programa.html", "1.htm"));
    });
    connect(sbExit, &TSkinButton::clicked, this, &QWidget::close);
}

void TFrmMainShell::applyLanguage() {
    const TXMLLan& lan = *BaseClass->Lan;
    ApplyToForm(lan, this, ShowHint);
    QStringList captions;
    for (const char* key : {"MSGYES", "MSGNO", "MSGOK", "MSGCANCEL"})
        captions.append(lan.GetMessageText(QLatin1String(key)));
    ButtonCaptions = captions.join(';');
    mainTitle_ = labMainTitle->text();
    setOperateType(OperateType == TOperateType::otSelect);
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
    skbActuatorSelect->SetDownIn(select);
    skbActuatorCalc->SetDownIn(!select);
    const QString key = select ? QStringLiteral("skbNew.Hint") : QStringLiteral("skbNew2.Hint");
    if (const auto hint = BaseClass->Lan->FindFormItem(objectName(), key))
        skbNew->setToolTip(*hint);
}

void TFrmMainShell::ShowMainPage() {
    nbMainShell->setCurrentIndex(0);
    labMainTitle->setText(mainTitle_);
    const bool select = OperateType == TOperateType::otSelect;
    skbActuatorSelect->SetDownIn(select);
    skbActuatorCalc->SetDownIn(!select);
    showMenuHelp();
}

void TFrmMainShell::ShowControlHint(const QString& hint, QWidget* control) {
    const bool silent = control && (!control->isEnabled() || isBlockedSelectionLabel(control));
    labHint->setText(silent ? QString() : hint);
}

TFrmActuatorSelection* TFrmMainShell::WorkForm() const {
    return workForm_;
}

// A new run: a fresh wizard on the work page, titled with the mode.
void TFrmMainShell::startRun() {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    Gue1->setValue(10);
    freeWizard();
    TFrmActuatorSelection::TShellHooks hooks;
    hooks.ShowMainPage = [this] { ShowMainPage(); };
    hooks.SetHint = [this](const QString& hint) { labHint->setText(hint); };
    hooks.SetProgress = [this](int value) { Gue1->setValue(value); };
    hooks.ModeChanged = [this] { showModeTitle(); };
    workForm_ = new TFrmActuatorSelection(panWorkPage, hooks);
    workForm_->SetRestoredFromHistory(false);
    panWorkPage->layout()->addWidget(workForm_);
    workForm_->show();
    nbMainShell->setCurrentIndex(1);
    workForm_->ShowPage(wpHuilu);
    showModeTitle();
    workForm_->Context().SyncingModelSel = false;
    const bool select = OperateType == TOperateType::otSelect;
    if (BaseClass)
        BaseClass->HelpTopic = select ? helpTopic("GettingStarted.html", "9-2-1.htm")
                                      : helpTopic("FileMenu.html", "10-2-1.htm");
    QApplication::restoreOverrideCursor();
}

void TFrmMainShell::showModeTitle() {
    const bool select = OperateType == TOperateType::otSelect;
    labMainTitle->setText(mainTitle_ + '-' + (select ? LblSelect : LblCalculat)->text());
}

void TFrmMainShell::openHistory() {
    const bool select = OperateType == TOperateType::otSelect;
    const QString pattern = select ? QStringLiteral("*.SEL") : QStringLiteral("*.CAL");
    const std::optional<QString> chosen = ChooseFileToOpen(
        this, pattern + QStringLiteral(" (") + pattern + ' ' + pattern.toLower() + ')');
    if (!chosen)
        return;
    if (chosen->trimmed().isEmpty()) {
        ShowKeyedMessage(QStringLiteral("MSG0031"), TMsgDlgType::mtWarning, mbOK);
        return;
    }
    if (!IsHistoryFile(*chosen)) {
        ShowKeyedMessage(QStringLiteral("MSG0032"), TMsgDlgType::mtWarning, mbOK);
        return;
    }
    // Read and checked whole before the wizard is touched: a file that cannot be
    // used leaves the start page as it was.
    THistoryRun run;
    THistoryError error;
    if (!ReadHistoryRun(*chosen, run, error)) {
        ShowPlainMessage(error.Text);
        return;
    }
    OperateType = run.Calc.OperateType;
    startRun();
    workForm_->LoadHistory(run);
    workForm_->ShowResult();
}

void TFrmMainShell::RunUpdateWizard() {
    freeWizard();
    ShowMainPage();
    {
        TFrmUpdate wizard(this);
        wizard.exec();
    }
    if (!UpdatePending)
        return;
    // The downloaded program takes over when this one has ended: now, or at the
    // user's next exit.
    const bool restart = ShowKeyedMessage(QStringLiteral("MSG0075"), TMsgDlgType::mtInformation,
                                          mbYes | mbNo) == mrYes;
    AppendUpdateScriptEnd(AppPath + QLatin1String(UpdateScriptName),
                          AppPath + QLatin1String(ProgramFileName), restart);
    if (restart)
        close();
}

void TFrmMainShell::freeWizard() {
    if (workForm_ && workForm_->isVisible())
        workForm_->SaveUnits();
    delete workForm_;
}

// The settings dialog, then what its answers change: the language of this window
// (the wizard, built in the old language, is dropped), the unit schemes and the
// preset values every new wizard reads.
void TFrmMainShell::showSettings() {
    std::optional<TDMComm> unconnected;
    {
        TFrmAllSetting dialog(DMComm ? *DMComm : unconnected.emplace(), this);
        dialog.exec();
        if (dialog.SettingsAccepted()) {
            freeWizard();
            ShowMainPage();
            BaseClass->Lan = std::make_unique<TXMLLan>(BaseClass->LanguageFilePath());
            applyLanguage();
        }
        if (dialog.UnitSettingsChanged()) {
            BaseClass->UnitManager->LoadSchemeDetail();
            IniFile settings(SystemIniPath());
            if (!settings.writeStrings(
                    QStringLiteral("System"),
                    {{QStringLiteral("UnitFreedom"), QString::number(int(BaseClass->UnitFreedom))},
                     {QStringLiteral("DefaultSchemeID"),
                      QString::number(BaseClass->DefaultSchemeID)}}))
                ReportWriteFailure(settings.errorString());
        }
        if (dialog.PresetsChanged())
            BaseClass->UnitManager->LoadParameters();
    }
    LoadSystemGlobals();
    showMenuHelp();
}

void TFrmMainShell::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    // Coming back from the task bar is not a new show: the help topic stays.
    if (event->spontaneous())
        return;
    placeFrame();
    LoadImageFile(ImgMain, QStringLiteral("img\\"), QStringLiteral("Main"), true);
    showMenuHelp();
    sbkHelp->setEnabled(true);
    skbHistory->setEnabled(true);
    // The online update is not offered from this window.
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
    if (workForm_ && workForm_->isVisible())
        workForm_->SaveUnits();
    event->accept();
}
