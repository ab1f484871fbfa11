// The wizard's inputs bound to their units, and what the circuit choice, the
// conditions and the navigation buttons do.

#include "wizard/FrmActuatorSelection.h"

#include "controls/CommonDialogs.h"
#include "controls/NumberKeyFilter.h"
#include "controls/SkinButton.h"
#include "controls/SpeedButtonEx.h"
#include "core/DMComm.h"
#include "core/Globals.h"
#include "lang/XMLLan.h"
#include "leakage/FrmXieLouLiang.h"
#include "settings/BaseClass.h"
#include "wizard/FlowStrip.h"
#include "wizard/WizardControls.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QRadioButton>
#include <QStackedWidget>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

// What a box shows after binding: a preset, the parameter's default, a fixed
// text, or whatever the binding left (no change handler then).
enum TStart { ParameterDefault = -1, TenthText = -2, AsBound = -3 };

struct TBinding {
    const char* Box;
    const char* Button;
    int Parameter;
    int Start; // a preset index or a TStart
    TKeyMode Keys;
};

// In the order the wizard binds them.
const TBinding Bindings[] = {
    {"Cbyingdashijian", "Btnyingdashijian", 100, ParameterDefault, TKeyMode::Decimal},
    {"CbGongYingYaLi", "BtnGongYingYaLi", 111, 2, TKeyMode::Decimal},
    {"CbZhenKongPengYaLi", "BtnZhenKongPengYaLi", 112, 2, TKeyMode::SignedDecimal},
    {"Cbgongjianzhiliang", "Btngongjianzhiliang", 113, 0, TKeyMode::Decimal},
    {"cbPTCount", "btnPTCount", 105, 0, TKeyMode::Digits},
    {"CbTubeLength_calc", "btnTubeLength_calc", 106, 1, TKeyMode::Decimal},
    {"CbTubeLength", "BtnTubeLength", 106, 1, TKeyMode::Decimal},
    {"CbTubeRongji_calc", "btnTubeRongji_calc", 107, 2, TKeyMode::Decimal},
    {"CbTubeYinSu_calc", "btnTubeYinSu_calc", 108, 0, TKeyMode::Decimal},
    {"cbEJCount", "btnEJCount", 109, 0, TKeyMode::Digits},
    {"cbjieliuVAKaidu", "btnjieliuVAKaidu", 110, 4, TKeyMode::Digits},
    {"CbZhenKongYaLi", "BtnZhenKongYaLi", 101, 0, TKeyMode::SignedDecimal},
    {"Cbgongjianxielouliang", "Btngongjianxielouliang", 102, TenthText, TKeyMode::Decimal},
    {"Cbgongjianxielouliang_calc", "btngongjianxielouliang_calc", 102, TenthText,
     TKeyMode::Decimal},
    {"CbAnquanlv", "BtnAnquanlv", 1000, AsBound, TKeyMode::Decimal},
    {"Cbxipanshuliang", "Btnxipanshuliang", 105, AsBound, TKeyMode::Digits},
    {"CBzhenkongyl_out", "Btnzhenkongyl_out", 118, AsBound, TKeyMode::SignedDecimal},
};

// The option radios of every option page.
const char* const OptionRadios[] = {
    "Rbpohuai_shiyoug1",  "Rbpohuai_bushiyoug1", "Rbpohuai_shiyoug2", "Rbpohuai_bushiyoug2",
    "Rbhuilu2_1",         "Rbhuilu2_2",          "Rbhuilu2_3",        "Rbjeliu_shiyoug1",
    "Rbjeliu_bushiyoug1", "Rbhuilu4_1",          "Rbhuilu4_2",        "Rbjeliu_shiyoug2",
    "Rbjeliu_bushiyoug2"};

// Rows shown only while selecting, and the equipment panel shown only while calculating.
const char* const SelectionRows[] = {"LblYingdashijian", "Cbyingdashijian", "Btnyingdashijian",
                                     "LblAnZhuangZiShi", "CbAnZhuangZiShi", "LblAnquanlv",
                                     "CbAnquanlv"};

} // namespace

void TFrmActuatorSelection::bindInputs() {
    for (const TBinding& b : Bindings) {
        auto* box = Named<QComboBox>(this, b.Box);
        auto* button = Named<TSpeedButtonEx>(this, b.Button);
        BindComboButton(entry_, b.Parameter, box, button);
        ConnectValuePair(entry_, box, button, this);
        TNumberKeyFilter::Install(box, b.Keys);
        connect(box, &QComboBox::editTextChanged, this,
                [this] { context_.RestoredFromHistory = false; });
        if (b.Start == AsBound)
            continue;
        if (b.Start == TenthText)
            box->setEditText("0" + QLocale().decimalPoint() + "1");
        else if (b.Start >= 0 && b.Start < box->count())
            box->setCurrentIndex(b.Start);
        ValueChanged(entry_, box, this);
    }
    TNumberKeyFilter::Install(CbAnZhuangZiShi, TKeyMode::Digits);
}

void TFrmActuatorSelection::connectHandlers() {
    connect(Notebook1, &QStackedWidget::currentChanged, this,
            &TFrmActuatorSelection::onPageChanged);
    connect(Notebook2, &QStackedWidget::currentChanged, this,
            &TFrmActuatorSelection::updateCircuitPictures);
    connect(Notebook2, &QStackedWidget::currentChanged, this,
            &TFrmActuatorSelection::fitOptionPages);
    fitOptionPages();
    connect(Nbsetup, &QStackedWidget::currentChanged, this, [this] { Nbsetup->Highlight(1); });
    connect(Sghuilu, &QTableWidget::cellClicked, this, [this](int row) { onRowSelected(row); });
    for (const char* name : OptionRadios)
        connect(Named<QRadioButton>(this, name), &QRadioButton::clicked, this,
                &TFrmActuatorSelection::onOptionClicked);
    connect(CbAnZhuangZiShi, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (index < 0)
            return;
        Named<QComboBox>(this, "CbAnquanlv")->setEditText(index == 0 ? "4" : "8");
        context_.RestoredFromHistory = false;
    });

    const std::pair<const char*, std::function<void()>> moves[] = {
        {"SkbNext_huilu", [this] { nextFromHuilu(); }},
        {"SkbReturn_PT", [this] { ShowPage(wpHuilu); }},
        {"SkbReturn_Tube", [this] { ShowPage(wpPT); }},
        {"SkbReturn_EJ",
         [this] {
             if (DMComm)
                 context_.ReopenCandidates(*DMComm);
             ShowPage(wpTube);
         }},
        {"SkbReturn_VA", [this] { ShowPage(context_.PageBeforeValves()); }},
        {"SkbReturn_Result", [this] { ShowPage(wpHuilu); }},
    };
    for (const auto& [name, move] : moves)
        connect(Named<TSkinButton>(this, name), &TSkinButton::clicked, this, move);
    for (const char* name : {"SkbCancel_huilu", "SkbCancel_PT", "SkbCancel_Tube", "SkbCancel_EJ",
                             "SkbCancel_VA", "SkbCancel_Result"})
        connect(Named<TSkinButton>(this, name), &TSkinButton::clicked, this,
                &TFrmActuatorSelection::cancel);
    // The leakage reference is for reading: the user types the value he chose.
    for (const char* name : {"BtnCanKao", "BtnCanKao2"})
        connect(Named<TSkinButton>(this, name), &TSkinButton::clicked, this, [this] {
            TFrmXieLouLiang reference(this);
            reference.exec();
        });
}

// The option pages take the height of the one shown, not of the tallest.
void TFrmActuatorSelection::fitOptionPages() {
    for (int page = 0; page < Notebook2->count(); ++page) {
        const bool shown = page == Notebook2->currentIndex();
        Notebook2->widget(page)->setSizePolicy(
            QSizePolicy::Preferred, shown ? QSizePolicy::Preferred : QSizePolicy::Ignored);
    }
    Notebook2->updateGeometry();
}

// The radios' states as circuit options.
static TCircuitOptions optionsOf(const QWidget* owner, int row) {
    auto checked = [owner](const char* name) {
        return Named<QRadioButton>(owner, name)->isChecked();
    };
    TCircuitOptions o;
    o.Row = row;
    o.ReleaseValveRow0 = checked("Rbpohuai_shiyoug1");
    o.ReleaseValveRow1 = checked("Rbpohuai_shiyoug2");
    o.CircuitRow1 = checked("Rbhuilu2_1") ? 0 : checked("Rbhuilu2_2") ? 1 : 2;
    o.ThrottleRow1 = checked("Rbjeliu_shiyoug1");
    o.CircuitRow3 = checked("Rbhuilu4_1") ? 0 : 1;
    o.ThrottleRow3 = checked("Rbjeliu_shiyoug2");
    return o;
}

void TFrmActuatorSelection::onRowSelected(int row) {
    context_.Options = optionsOf(this, row);
    context_.SelectRow(row);
    Notebook2->setCurrentIndex(row);
    for (const char* label : {"LblEJsel", "LblSelectET"}) {
        const QString key = context_.EjectorLabelKey(label);
        auto* control = Named<QLabel>(this, label);
        control->setText(languageText(key + ".Caption"));
        control->setToolTip(languageText(key + ".Hint"));
    }
    const bool pressures = context_.PressureInputsEnabled();
    for (const char* input :
         {"CbGongYingYaLi", "BtnGongYingYaLi", "CbZhenKongPengYaLi", "BtnZhenKongPengYaLi"})
        SetInputEnabled(Named<QWidget>(this, input), pressures);
    refreshEquipmentPanel();
    const QString language = BaseClass ? BaseClass->DefaultLanguage : QStringLiteral("English");
    LoadImageFile(ImgPhoto, QStringLiteral("Img\\"), context_.SystemPhotoName(language), true);
    Nbsetup->setCurrentIndex(row);
    updateCircuitPictures();
    setPageHints();
}

void TFrmActuatorSelection::onOptionClicked() {
    const TCircuitOptions options = optionsOf(this, context_.Options.Row);
    Named<QWidget>(this, "panHuilu2")->setVisible(options.ReleaseValveRow1);
    context_.ChangeOptions(options);
    refreshEquipmentPanel();
    updateCircuitPictures();
}

void TFrmActuatorSelection::applyModeLayout() {
    const bool select = OperateType == TOperateType::otSelect;
    for (const char* name : SelectionRows)
        Named<QWidget>(this, name)->setVisible(select);
    // Calculating, the equipment panel takes the room below the options that the
    // system photo has while selecting.
    leftSlot_->removeWidget(ImgPhoto);
    leftSlot_->removeWidget(sbjiqi);
    if (select)
        leftSlot_->addWidget(ImgPhoto, 0, Qt::AlignLeft | Qt::AlignTop);
    else
        leftSlot_->addWidget(sbjiqi, 1);
    ImgPhoto->setVisible(select);
    sbjiqi->setVisible(!select);
    Nbsetup->setVisible(select);
}

// Hints that depend on the mode and on the category.
void TFrmActuatorSelection::setPageHints() {
    const bool calc = OperateType == TOperateType::otCalc;
    auto hint = [this](const char* button, const QString& key) {
        if (!key.isEmpty())
            Named<QWidget>(this, button)->setToolTip(languageText(key));
    };
    hint("SkbNext_huilu", calc ? "SkbNext_huilu2.Hint" : "SkbNext_huilu.Hint");
    hint("SkbCancel_huilu", calc ? "SkbCancel_huilu2.Hint" : "SkbCancel_huilu.Hint");
    hint("SkbNext_Tube", context_.NextTubeHintKey());
    hint("SkbNext_EJ", context_.NextEjectorHintKey());
    hint("SkbReturn_VA", context_.ReturnValvesHintKey());
    copyModelButtonTexts();
    auto* reference = Named<TSkinButton>(this, "BtnCanKao");
    auto* reference2 = Named<TSkinButton>(this, "BtnCanKao2");
    reference2->SetCaption(reference->Caption());
    reference2->setToolTip(reference->toolTip());
}
