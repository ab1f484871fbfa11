#include "wizard/FrmActuatorSelection.h"

#include "calc/CalcCircuit.h"
#include "calc/CalcStatus.h"
#include "controls/CommonDialogs.h"
#include "controls/LanguageApply.h"
#include "controls/NumberKeyFilter.h"
#include "controls/SkinButton.h"
#include "controls/SpeedButtonEx.h"
#include "core/DMComm.h"
#include "core/Globals.h"
#include "core/Helpers.h"
#include "lang/XMLLan.h"
#include "settings/BaseClass.h"
#include "wizard/FlowStrip.h"
#include "wizard/RememberedUnits.h"
#include "wizard/WizardControls.h"

#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QStackedWidget>
#include <QTableWidget>
#include <QVBoxLayout>

TFrmActuatorSelection* FrmActuatorSelection = nullptr;

namespace {

const QString ScreenName = QStringLiteral("FrmActuatorSelection");

// The model boxes in the order the calculation-mode check reads them.
const char* const ModelBoxes[] = {"EdtPTsel",         "EdtTubesel",      "EdtEJsel",
                                  "EdtGongyingVAsel", "EdtQiehuanVAsel", "EdtPohuaiVAsel",
                                  "EdtjieliuVAsel"};

void warn(const QString& key) {
    ShowKeyedMessage(key, TMsgDlgType::mtWarning, mbOK);
}

} // namespace

// Whether a page may be left; the message that keeps it is shown (Yes kind).
bool TFrmActuatorSelection::passed(const TStepOutcome& outcome) {
    if (outcome.Proceed)
        return true;
    // A failed calculation and a pressure the unit lacks are told with OK alone.
    const bool okOnly = outcome.BackToStart || outcome.MessageKey == QLatin1String("MSGZK2MIN");
    if (!outcome.MessageKey.isEmpty())
        ShowKeyedMessage(outcome.MessageKey, TMsgDlgType::mtWarning, okOnly ? mbOK : mbYes);
    if (outcome.BackToStart)
        ShowPage(wpHuilu);
    return false;
}

TFrmActuatorSelection::TFrmActuatorSelection(QWidget* parent, TShellHooks hooks)
    : QWidget(parent), hooks_(std::move(hooks)), entry_(ProgramValueEntry()) {
    FrmActuatorSelection = this;
    setObjectName(ScreenName);
    auto progress = [this](int value) {
        if (hooks_.SetProgress)
            hooks_.SetProgress(value);
    };
    createPages();
    applyLanguage();
    LoadSystemGlobals();
    bindInputs();
    progress(30);
    for (const char* group : {"GblHuilu1", "GblHuilu2"})
        Named<QGroupBox>(this, group)->setTitle(Named<QLabel>(this, "LblHuilu")->text());
    progress(50);
    Notebook1->setCurrentIndex(wpHuilu);
    Notebook2->setCurrentIndex(0);
    Nbsetup->setCurrentIndex(1);
    LoadImageFile(Image1, QStringLiteral("Img\\"), QStringLiteral("00"), true);
    progress(55);
    context_.Input.System_Cat = 2;
    context_.EJ_Type = QStringLiteral("1");
    context_.EJ_Valve_V2 = QStringLiteral("Valve_V2=1");
    context_.HoverPart.clear();
    context_.LastHoverPart.clear();
    connectHandlers();
    connectPadPage();
    connectTubePage();
    connectEjectorPage();
    connectValvePage();
    bindResultPage();
    SelectCircuitRow(0);
    progress(65);
    CbAnZhuangZiShi->setCurrentIndex(0);
    for (const char* box : {"CbAnquanlv", "Cbxipanshuliang"})
        Named<QComboBox>(this, box)->setCurrentIndex(0);
    setTubeByLength(true);
    progress(70);
    context_.UpdateCircuitCode();
    enableModelSelectors();
    context_.ClearAllProducts();
    applyModeLayout();
    Nbsetup->CopyCaptions();
    Nbsetup->Highlight(1);
    progress(75);
    connectEquipmentPanel();
    setPageHints();
    progress(80);
    context_.SetRegion(BaseClass ? BaseClass->AreaProduct : 0);
    restoreRememberedUnits();
    onPageChanged(wpHuilu);
    progress(90);
}

TFrmActuatorSelection::~TFrmActuatorSelection() {
    if (FrmActuatorSelection == this)
        FrmActuatorSelection = nullptr;
}

void TFrmActuatorSelection::createPages() {
    Nbsetup = new TFlowStrip(this);
    LblTitle = new QLabel(this);
    LblTitle->setObjectName(QStringLiteral("LblTitle"));
    QFont title;
    title.setPixelSize(18);
    title.setBold(true);
    LblTitle->setFont(title);
    Notebook1 = new QStackedWidget(this);
    Notebook1->setObjectName(QStringLiteral("Notebook1"));
    Notebook1->addWidget(buildHuiluPage());
    Notebook1->addWidget(buildPadPage());
    Notebook1->addWidget(buildTubePage());
    Notebook1->addWidget(buildEjectorPage());
    Notebook1->addWidget(buildValvePage());
    Notebook1->addWidget(buildResultPage());
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(12, 8, 12, 8);
    layout->addWidget(Nbsetup);
    layout->addWidget(LblTitle);
    layout->addWidget(Notebook1, 1);
    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    setPalette(white);
    setAutoFillBackground(true);
}

QWidget* TFrmActuatorSelection::navigationRow(QWidget* page, const QStringList& names) {
    auto* row = new QWidget(page);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 6, 0, 0);
    layout->addStretch();
    for (const QString& name : names) {
        const QString caption = name.section('_', 0, 0).mid(3); // "SkbNext_PT" → "Next"
        layout->addWidget(WizardButton(qPrintable(name), caption, row));
    }
    return row;
}

void TFrmActuatorSelection::layOutSeriesPage(QWidget* page, QVBoxLayout* left, const char* diagram,
                                             const char* picture, const QStringList& buttons) {
    auto* right = new QVBoxLayout;
    right->addWidget(WizardPicture(diagram, DiagramSize, page));
    right->addWidget(WizardPicture(picture, SeriesPictureSize, page, false));
    right->addStretch();
    auto* columns = new QHBoxLayout;
    columns->addLayout(left, 1);
    columns->addLayout(right);
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(columns, 1);
    layout->addWidget(navigationRow(page, buttons));
}

void TFrmActuatorSelection::applyLanguage() {
    if (BaseClass && BaseClass->Lan)
        ApplyToWizard(*BaseClass->Lan, this, ShowHint);
}

QString TFrmActuatorSelection::languageText(const QString& item) const {
    if (!BaseClass || !BaseClass->Lan)
        return QString();
    return BaseClass->Lan->FindFormItem(ScreenName, item).value_or(QString());
}

void TFrmActuatorSelection::ShowPage(int page) {
    Notebook1->setCurrentIndex(page);
}

void TFrmActuatorSelection::onPageChanged(int page) {
    if (page != wpResult)
        Nbsetup->Highlight(context_.FlowStep(page));
    if (BaseClass && page != wpResult)
        BaseClass->HelpTopic =
            context_.HelpTopic(page, OperateType, BaseClass->UsesNamedHelpTopics());
    LblTitle->setText(languageText(context_.TitleKey(page)));
    emit pageChanged(page);
}

void TFrmActuatorSelection::SelectCircuitRow(int row) {
    Sghuilu->selectRow(row);
    onRowSelected(row);
}

void TFrmActuatorSelection::updateCircuitPictures() {
    const QString code = context_.PictureCode();
    if (code.isEmpty())
        return;
    auto load = [](QWidget* owner, const char* picture, const QString& name) {
        if (auto* label = Named<QLabel>(owner, picture))
            LoadImageFile(label, QStringLiteral("Img\\"), name, true);
    };
    if (OperateType == TOperateType::otCalc) {
        load(this, "Image14", code);
        load(this, "Image1", context_.HoverPart.isEmpty() ? code : code + '_' + context_.HoverPart);
        return;
    }
    load(this, "Image1", code);
    load(this, "Image11", code + QStringLiteral("_TU"));
    for (const char* picture : {"Image12", "Image13", "Image14", "Image15"})
        load(this, picture, code);
}

void TFrmActuatorSelection::nextFromHuilu() {
    if (OperateType == TOperateType::otSelect) {
        context_.UpdateCircuitCode();
        enableModelSelectors();
        context_.UpdateSystemCategory();
        rebuildPadLists();
        ShowPage(wpPT);
        return;
    }
    for (const char* name : ModelBoxes) {
        const auto* box = Named<QLineEdit>(this, name);
        if (box->isEnabled() && box->text().isEmpty()) {
            warn(QStringLiteral("MSGPLEASEINPUTMODELNO"));
            return;
        }
    }
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const TStepOutcome outcome =
        context_.LeaveEquipmentPanel(*DMComm, ConditionValues(), CalcOutput, session_);
    QApplication::restoreOverrideCursor();
    if (outcome.MessageKey == QLatin1String("MSGZK2MIN"))
        Named<QLineEdit>(this, "EdtEJsel")->clear();
    if (!passed(outcome))
        return;
    showResult(QStringLiteral("LblCaclResult.Caption"), TValveModels());
}

void TFrmActuatorSelection::showResultPage() {
    if (!DMComm)
        return;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    TValveModels valves;
    const TStepOutcome outcome =
        context_.CalculateSelection(*DMComm, ConditionValues(), CalcOutput, session_, &valves);
    QApplication::restoreOverrideCursor();
    if (!passed(outcome))
        return;
    showResult(QStringLiteral("LblSelectResult.Caption"), valves);
}

// The calculated result on the result page, in either mode.
void TFrmActuatorSelection::showResult(const QString& caption, const TValveModels& valves) {
    const bool select = OperateType == TOperateType::otSelect;
    Named<QLabel>(this, "LblSelectResult")->setText(languageText(caption));
    fillProductList(valves);
    fillInputSummary();
    Named<TSkinButton>(this, "BtnqichuResult")->SetDownIn(true);
    showCalcOutputs(true);
    setOutputHints(true);
    Nbsetup->Highlight(context_.ResultFlowStep());
    ShowPage(wpResult);
    if (BaseClass) {
        const bool named = BaseClass->UsesNamedHelpTopics();
        BaseClass->HelpTopic = select ? (named ? "resultados-de-la-seleccion.html" : "9-2-7.htm")
                                      : (named ? "EditMenu.html" : "10-2-2.htm");
    }
    enablePrintSave(true);
}

// The units the user chose in the last wizard of this mode. Without a memory yet
// the wizard goes on with the units of the scheme.
void TFrmActuatorSelection::restoreRememberedUnits() {
    if (!BaseClass || !BaseClass->UnitFreedom || !LoadRememberedUnits(*this, OperateType))
        return;
    for (const char* button :
         {"Btnyingdashijian", "Btngongjianzhiliang", "BtnZhenKongPengYaLi", "BtnGongYingYaLi",
          "btngongjianxielouliang_calc", "btnTubeLength_calc", "btnTubeRongji_calc",
          "btnTubeYinSu_calc", "BtnZhenKongYaLi", "Btngongjianxielouliang", "BtnTubeLength",
          "Btnzhenkongyl_out"})
        RefreshUnitButton(entry_, Named<TSpeedButtonEx>(this, button));
}

void TFrmActuatorSelection::SaveUnits() const {
    if (BaseClass && BaseClass->UnitFreedom)
        SaveRememberedUnits(*this, OperateType);
}

void TFrmActuatorSelection::cancel() {
    SaveUnits();
    hide();
    if (hooks_.ShowMainPage)
        hooks_.ShowMainPage();
}

TConditionValues TFrmActuatorSelection::ConditionValues() const {
    auto value = [this](const char* button) {
        return Named<TSpeedButtonEx>(this, button)->CurNum();
    };
    const bool select = OperateType == TOperateType::otSelect;
    TConditionValues v;
    v.ReleaseSupply = value("BtnGongYingYaLi");
    v.PumpLevel = value("BtnZhenKongPengYaLi");
    v.Mass = value("Btngongjianzhiliang");
    v.StandardPressure = CheckedStandardPressure(this);
    v.TubeLength = value(select ? "BtnTubeLength" : "btnTubeLength_calc");
    v.Leakage = value(select ? "Btngongjianxielouliang" : "btngongjianxielouliang_calc");
    v.PadCountText = Named<QComboBox>(this, "Cbxipanshuliang")->currentText();
    v.PadCount = value("btnPTCount");
    v.EjectorCount = value("btnEJCount");
    v.ThrottleOpening = value("btnjieliuVAKaidu");
    v.TubeByLength = Named<QRadioButton>(this, "RbTubeLen_calc")->isChecked();
    v.TubeVolumeText = Named<QComboBox>(this, "CbTubeRongji_calc")->currentText();
    v.TubeVolumeUnit = Named<TSpeedButtonEx>(this, "btnTubeRongji_calc")->ItemIndex();
    v.TubeConductance = value("btnTubeYinSu_calc");
    return v;
}
