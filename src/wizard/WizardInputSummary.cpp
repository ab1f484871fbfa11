// The result page's summary of the inputs the result was calculated from: each
// value with its unit as the user entered it.

#include "wizard/FrmActuatorSelection.h"
#include "wizard/FrmModelSel.h"

#include "controls/CommonDialogs.h"
#include "controls/SpeedButtonEx.h"
#include "controls/ValueEntry.h"
#include "results/InputSummary.h"
#include "wizard/WizardControls.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

namespace {

// A summary row: label, field, unit button (none for a text), its parameter.
struct TSummaryRow {
    const char* Label;
    const char* Caption;
    const char* Field;
    const char* Button;
    int Parameter;
};

const TSummaryRow SummaryRows[] = {
    {"Lblyingdashijian_in", "Response time", "Edtyingdashijian_in", "Btnyingdashijian_in", 100},
    {"LblGongJianZhiLiang_in", "Workpiece mass", "EdtGongJianZhiLiang_in", "Btngongjianzhiliang_in",
     113},
    {"Lblzhenkongyali_in", "Required vacuum", "Edtzhenkongyali_in", "Btnzhenkongyali_in", 101},
    {"Lblxilouliang_in", "Leakage per pad", "Edtxilouliang_in", "Btnxilouliang_in", 102},
    {"Lbltubechangdu_in", "Tubing length", "Edttubechangdu_in", "Btntubechangdu_in", 106},
    {"LblTubeRongji_in", "Tubing volume", "EdtTubeRongji_in", "BtnTubeRongji_in", 107},
    {"LblTubeYinSu_in", "Tubing conductance", "EdtTubeYinSu_in", "BtnTubeYinSu_in", 108},
    {"Lblgongyingyali_in", "Release supply pressure", "Edtgongyingyali_in", "Btngongyingyali_in",
     111},
    {"Lblzhenkongpengyali_in", "Vacuum pump pressure", "Edtzhenkongpengyali_in",
     "Btnzhenkongpengyali_in", 112},
    {"Lblkaidu_in", "Throttle opening", "Edtkaidu_in", "Btnkaidu_in", 110},
    {"LblAnZhuangZiShi_in", "Lifting attitude", "EdtAnZhuangZiShi_in", nullptr, 0},
    {"Lblanquanlv_in", "Safety factor", "Edtanquanlv_in", nullptr, 0},
    {"Lblxdxingshi_in", "Selection method", "Edtxdxingshi_in", nullptr, 0},
};

} // namespace

QGroupBox* TFrmActuatorSelection::inputSummary(QWidget* parent) {
    auto* group = new QGroupBox(parent);
    group->setObjectName(QStringLiteral("GbInputSummary"));
    auto* grid = new QGridLayout(group);
    grid->setContentsMargins(6, 2, 6, 2);
    grid->setVerticalSpacing(1);
    const int rows = (std::size(SummaryRows) + 1) / 2;
    for (int i = 0; i < int(std::size(SummaryRows)); ++i) {
        const TSummaryRow& r = SummaryRows[i];
        const int row = i % rows, column = i / rows * 3;
        grid->addWidget(WizardLabel(r.Label, QLatin1String(r.Caption), group), row, column);
        auto* field = new QLineEdit(group);
        field->setObjectName(QLatin1String(r.Field));
        field->setReadOnly(true);
        field->setFixedHeight(21);
        if (r.Button)
            field->setFixedWidth(60);
        grid->addWidget(field, row, column + 1, 1,
                        r.Button ? 1 : 2); // a text takes the unit's place too
        if (r.Button) {
            auto* button = new TSpeedButtonEx(group);
            button->setObjectName(QLatin1String(r.Button));
            grid->addWidget(button, row, column + 2);
        }
    }
    return group;
}

void TFrmActuatorSelection::bindInputSummary() {
    for (const TSummaryRow& r : SummaryRows) {
        if (r.Button)
            BindEditButton(entry_, r.Parameter, Named<QLineEdit>(this, r.Field),
                           Named<TSpeedButtonEx>(this, r.Button));
    }
}

// A value as entered: the value, the unit chosen and the text as typed.
void TFrmActuatorSelection::copyToSummary(const char* field, const char* button, const char* box,
                                          const char* source, bool shown) {
    auto* from = Named<TSpeedButtonEx>(this, source);
    auto* to = Named<TSpeedButtonEx>(this, button);
    SetButtonValue(to, from->CurNum());
    to->SetItemIndex(from->ItemIndex());
    to->setText(from->text());
    Named<QLineEdit>(this, field)
        ->setText(shown ? Named<QComboBox>(this, box)->currentText() : QString());
}

void TFrmActuatorSelection::fillInputSummary() {
    TSummaryConditions conditions;
    conditions.Mode = OperateType;
    conditions.Pump = context_.PressureInputsEnabled();
    conditions.TubeByLength = Named<QRadioButton>(this, "RbTubeLen_calc")->isChecked();
    conditions.Automatic = Named<QRadioButton>(this, "Rbzidong")->isChecked();
    conditions.Throttle = Named<QComboBox>(this, "cbjieliuVAKaidu")->isEnabled();
    for (const TSummarySource& s : InputSummarySources(conditions))
        copyToSummary(s.Field, s.Button, s.Box, s.Source, s.Shown);
    const bool byLength = OperateType == TOperateType::otSelect || conditions.TubeByLength;
    for (const char* name : {"Edttubechangdu_in", "Btntubechangdu_in"})
        Named<QWidget>(this, name)->setEnabled(byLength);
    for (const char* name :
         {"EdtTubeRongji_in", "BtnTubeRongji_in", "EdtTubeYinSu_in", "BtnTubeYinSu_in"})
        Named<QWidget>(this, name)->setEnabled(!byLength);
    for (const char* name : {"Edtkaidu_in", "Btnkaidu_in"})
        Named<QWidget>(this, name)->setEnabled(conditions.Throttle);
    Named<QLineEdit>(this, "EdtAnZhuangZiShi_in")->setText(CbAnZhuangZiShi->currentText());
    Named<QLineEdit>(this, "Edtanquanlv_in")
        ->setText(Named<QComboBox>(this, "CbAnquanlv")->currentText());
    Named<QLineEdit>(this, "Edtxdxingshi_in")
        ->setText(
            Named<QRadioButton>(this, conditions.Automatic ? "Rbzidong" : "Rbzhiding")->text());
}

void TFrmActuatorSelection::transferToCalculation() {
    if (ShowKeyedMessage(QStringLiteral("MSGGOTOCACLINFO"), TMsgDlgType::mtInformation,
                         mbYes | mbNo) != mrYes)
        return;
    OperateType = TOperateType::otCalc;
    context_.SyncingModelSel = true;
    applyModeLayout();
    // The values the summary holds go to the calculation's inputs.
    const struct {
        const char* Field;
        const char* Source;
        const char* Button;
        const char* Box;
        bool Unit;
    } values[] = {
        {"Edtgongyingyali_in", "Btngongyingyali_in", "BtnGongYingYaLi", "CbGongYingYaLi", false},
        {"Edtzhenkongpengyali_in", "Btnzhenkongpengyali_in", "BtnZhenKongPengYaLi",
         "CbZhenKongPengYaLi", false},
        {"EdtGongJianZhiLiang_in", "Btngongjianzhiliang_in", "Btngongjianzhiliang",
         "Cbgongjianzhiliang", false},
        {"Edtxilouliang_in", "Btnxilouliang_in", "btngongjianxielouliang_calc",
         "Cbgongjianxielouliang_calc", true},
        {"Edttubechangdu_in", "Btntubechangdu_in", "btnTubeLength_calc", "CbTubeLength_calc", true},
    };
    for (const auto& v : values) {
        const QString text = Named<QLineEdit>(this, v.Field)->text();
        if (text.isEmpty())
            continue;
        auto* from = Named<TSpeedButtonEx>(this, v.Source);
        auto* to = Named<TSpeedButtonEx>(this, v.Button);
        to->SetCurNum(from->CurNum());
        if (v.Unit) {
            to->SetItemIndex(from->ItemIndex());
            to->setText(from->text());
        }
        auto* box = Named<QComboBox>(this, v.Box);
        const QSignalBlocker quiet(box);
        box->setEditText(text);
    }
    // The products by their model names, in the record and in the model boxes.
    QString* names[] = {&context_.Input.PT_Name,        &context_.Input.Tube_Name,
                        &context_.Input.EJ_Name,        &context_.Input.VA_Gongying_Name,
                        &context_.Input.VA_Pohuai_Name, &context_.Input.VA_QieHuan_Name,
                        &context_.Input.VA_Jieliu_Name};
    const char* const products[][2] = {{"EdtSelectPT", "EdtPTsel"},
                                       {"EdtSelectTube", "EdtTubesel"},
                                       {"EdtSelectET", "EdtEJsel"},
                                       {"EdtSelectVAGongYing", "EdtGongyingVAsel"},
                                       {"EdtSelectVAPoHuai", "EdtPohuaiVAsel"},
                                       {"EdtSelectVAQieHuan", "EdtQiehuanVAsel"},
                                       {"EdtSelectVAJieLiu", "EdtjieliuVAsel"}};
    for (int i = 0; i < 7; ++i) {
        *names[i] = Named<QLineEdit>(this, products[i][0])->text();
        Named<QLineEdit>(this, products[i][1])->setText(*names[i]);
    }
    // Counts (1 for none given) and the throttle fully open.
    const std::pair<const char*, std::pair<const char*, const char*>> counts[] = {
        {"EdtSelectPTCount", {"btnPTCount", "cbPTCount"}},
        {"EdtSelectETCount", {"btnEJCount", "cbEJCount"}}};
    for (const auto& [field, target] : counts) {
        const QString text = Named<QLineEdit>(this, field)->text();
        Named<TSpeedButtonEx>(this, target.first)->SetCurNum(text.isEmpty() ? 1 : text.toInt());
        Named<QComboBox>(this, target.second)->setEditText(text);
    }
    Named<TSpeedButtonEx>(this, "btnjieliuVAKaidu")->SetCurNum(100);
    Named<QComboBox>(this, "cbjieliuVAKaidu")->setEditText(QStringLiteral("100"));
    // The model dialog lists ejectors of the flow type and pressure selected here.
    if (FrmModelSel)
        FrmModelSel->CopyEjectorRadios(this);
    context_.SyncingModelSel = false;
    ShowPage(wpHuilu);
    if (hooks_.ModeChanged)
        hooks_.ModeChanged();
}
