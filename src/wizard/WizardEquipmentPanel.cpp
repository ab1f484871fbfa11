// The equipment panel of calculation mode: a model box and a choose button for
// every product of the circuit, the counts, the tubing by length or by volume,
// the throttle opening and the leakage. The circuit decides which of them count.

#include "wizard/FrmActuatorSelection.h"

#include "controls/CommonDialogs.h"
#include "controls/SkinButton.h"
#include "controls/SpeedButtonEx.h"
#include "wizard/FrmModelSel.h"
#include "wizard/WizardControls.h"

#include <QComboBox>

#include <QEvent>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>
#include <array>

namespace {

// The seven product kinds in the panel's order, with their hover code.
struct TKindRow {
    const char* Label;
    const char* Text;
    const char* Model;
    const char* Button;
    int Kind;
    const char* Hover;
};
const TKindRow KindRows[] = {
    {"LblPTsel", "Suction pad", "EdtPTsel", "BtnPTsel", 1, "PT"},
    {"LblTubesel", "Tubing", "EdtTubesel", "BtnTubesel", 2, "TU"},
    {"LblEJsel", "Ejector", "EdtEJsel", "BtnEJsel", 3, "EJ"},
    {"LblGongyingVAsel", "Supply valve V1", "EdtGongyingVAsel", "BtnGongyingVAsel", 4, "V1"},
    {"lblQiehuanVAsel", "Switching valve V3", "EdtQiehuanVAsel", "BtnQiehuanVAsel", 5, "V3"},
    {"lblPohuaiVAsel", "Release valve V2", "EdtPohuaiVAsel", "BtnPohuaiVAsel", 6, "V2"},
    {"lbljieliuVAsel", "Release throttle V4", "EdtjieliuVAsel", "BtnjieliuVAsel", 7, "V4"},
};

// Reports the mouse over the panel's parts, for the highlighted diagram.
class THoverWatcher : public QObject {
public:
    THoverWatcher(QObject* parent, std::function<void(const QString&, QWidget*)> hovered)
        : QObject(parent), hovered_(std::move(hovered)) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Enter || event->type() == QEvent::MouseMove) {
            auto* control = static_cast<QWidget*>(watched);
            hovered_(control->property("hoverPart").toString(), control);
        } else if (event->type() == QEvent::Leave) {
            hovered_(QString(), static_cast<QWidget*>(watched));
        }
        return false;
    }

private:
    std::function<void(const QString&, QWidget*)> hovered_;
};

} // namespace

QWidget* TFrmActuatorSelection::buildEquipmentPanel(QWidget* parent) {
    pljiqi = new QWidget(parent);
    pljiqi->setObjectName(QStringLiteral("pljiqi"));
    auto* grid = new QGridLayout(pljiqi);
    grid->setContentsMargins(8, 4, 8, 4);
    grid->setVerticalSpacing(4);
    for (const TKindRow& kind : KindRows) {
        const TModelRow row = AddModelRow(grid, kind.Label, QLatin1String(kind.Text), kind.Model,
                                          kind.Button, kind.Kind, pljiqi);
        row.Choose->setProperty("hoverPart", QLatin1String(kind.Hover));
    }
    AddValueRow(grid, "lblPTCount", "Number of pads", "cbPTCount", "btnPTCount", pljiqi);
    const TValueRow length = AddValueRow(grid, "lblTubeLength_calc", "", "CbTubeLength_calc",
                                         "btnTubeLength_calc", pljiqi);
    const TValueRow volume = AddValueRow(grid, "lblTubeRongji_calc", "", "CbTubeRongji_calc",
                                         "btnTubeRongji_calc", pljiqi);
    // The tubing is given by length or by volume: the radios take the labels' places.
    const std::pair<QLabel*, QRadioButton*> radios[] = {
        {length.Label, WizardRadio("RbTubeLen_calc", "Tubing length", pljiqi)},
        {volume.Label, WizardRadio("rbTubeRongji_calc", "Tubing volume", pljiqi)}};
    for (const auto& [label, radio] : radios) {
        grid->replaceWidget(label, radio);
        delete label;
        radio->setProperty("hoverPart", QStringLiteral("TU"));
    }
    radios[0].second->setChecked(true);
    AddValueRow(grid, "lblTubeYinSu_calc", "Tubing sonic conductance", "CbTubeYinSu_calc",
                "btnTubeYinSu_calc", pljiqi)
        .Label->setProperty("hoverPart", QStringLiteral("TU"));
    AddValueRow(grid, "lblEJCount", "Number of ejectors", "cbEJCount", "btnEJCount", pljiqi);
    AddValueRow(grid, "lbljieliuVAKaidu", "Throttle opening", "cbjieliuVAKaidu", "btnjieliuVAKaidu",
                pljiqi);
    AddValueRow(grid, "lblgongjianxielouliang_calc", "Leakage per pad",
                "Cbgongjianxielouliang_calc", "btngongjianxielouliang_calc", pljiqi);
    auto* reference = WizardButton("BtnCanKao2", QStringLiteral("Reference"), pljiqi);
    reference->setFixedSize(84, 26);
    grid->addWidget(reference, grid->rowCount(), 2);
    grid->setColumnStretch(1, 1);
    return pljiqi;
}

void TFrmActuatorSelection::connectEquipmentPanel() {
    auto* watcher = new THoverWatcher(this, [this](const QString& part, QWidget* control) {
        if (OperateType != TOperateType::otCalc)
            return;
        context_.HoverPart = part;
        if (context_.HoverPart != context_.LastHoverPart)
            updateCircuitPictures();
        context_.LastHoverPart = context_.HoverPart;
        if (hooks_.SetHint && !part.isEmpty())
            hooks_.SetHint(control->toolTip());
    });
    for (QWidget* control : pljiqi->findChildren<QWidget*>()) {
        if (control->property("hoverPart").isValid())
            control->installEventFilter(watcher);
    }
    for (const TKindRow& kind : KindRows) {
        auto* button = Named<TSkinButton>(pljiqi, kind.Button);
        connect(button, &TSkinButton::clicked, this, [this, kind] {
            context_.UpdateCircuitCode();
            context_.UpdateSystemCategory();
            chooseModel(kind.Kind, kind.Label, kind.Model);
        });
    }
    connect(Named<QRadioButton>(pljiqi, "RbTubeLen_calc"), &QRadioButton::clicked, this,
            [this] { setTubeByLength(true); });
    connect(Named<QRadioButton>(pljiqi, "rbTubeRongji_calc"), &QRadioButton::clicked, this,
            [this] { setTubeByLength(false); });
}

// The model dialog for a kind of product; its choice into the record and the box.
void TFrmActuatorSelection::chooseModel(int kind, const char* label, const char* box) {
    if (!FrmModelSel)
        return;
    if (!FrmModelSel->Choose(context_.ModelChoiceRequest(kind),
                             Named<QLabel>(pljiqi, label)->text()))
        return;
    context_.TakeModelChoice(kind, FrmModelSel->SeriesId(), FrmModelSel->ModelId(),
                             FrmModelSel->ModelText());
    Named<QLineEdit>(pljiqi, box)->setText(FrmModelSel->ModelText());
}

void TFrmActuatorSelection::setTubeByLength(bool byLength) {
    for (const char* input :
         {"CbTubeYinSu_calc", "btnTubeYinSu_calc", "CbTubeRongji_calc", "btnTubeRongji_calc"})
        SetInputEnabled(Named<QWidget>(pljiqi, input), !byLength);
    for (const char* input :
         {"CbTubeLength_calc", "btnTubeLength_calc", "EdtTubesel", "BtnTubesel"})
        SetInputEnabled(Named<QWidget>(pljiqi, input), byLength);
    if (byLength)
        return;
    Named<QLineEdit>(pljiqi, "EdtTubesel")->clear();
    context_.TakeModelChoice(mkTube, {}, {}, {});
}

// The seven choose buttons share the caption of the first; each takes the hint of
// its label.
void TFrmActuatorSelection::copyModelButtonTexts() {
    const QString caption = Named<TSkinButton>(pljiqi, KindRows[0].Button)->Caption();
    for (const TKindRow& kind : KindRows) {
        auto* choose = Named<TSkinButton>(pljiqi, kind.Button);
        choose->SetCaption(caption);
        choose->setToolTip(Named<QLabel>(pljiqi, kind.Label)->toolTip());
    }
}

// A changed circuit: its inputs, and no ejector or valve chosen for the old one
// (the pad and the tubing stay).
void TFrmActuatorSelection::refreshEquipmentPanel() {
    enableModelSelectors();
    for (const TKindRow& kind : KindRows) {
        if (kind.Kind >= 3)
            Named<QLineEdit>(pljiqi, kind.Model)->clear();
    }
}

// Which products and inputs count follows the circuit; pad and tubing always count.
void TFrmActuatorSelection::enableModelSelectors() {
    const TModelSelectors used = context_.ModelSelectors();
    const std::pair<bool, std::array<const char*, 2>> groups[] = {
        {used.Ejector, std::array{"BtnEJsel", "EdtEJsel"}},
        {used.EjectorCount, std::array{"cbEJCount", "btnEJCount"}},
        {used.SupplyValve, std::array{"BtnGongyingVAsel", "EdtGongyingVAsel"}},
        {used.ReleaseValve, std::array{"BtnPohuaiVAsel", "EdtPohuaiVAsel"}},
        {used.SwitchingValve, std::array{"BtnQiehuanVAsel", "EdtQiehuanVAsel"}},
        {used.Throttle, std::array{"BtnjieliuVAsel", "EdtjieliuVAsel"}},
        {used.ThrottleOpening, std::array{"cbjieliuVAKaidu", "btnjieliuVAKaidu"}},
    };
    for (const auto& [enabled, names] : groups) {
        for (const char* name : names)
            SetInputEnabled(Named<QWidget>(pljiqi, name), enabled);
    }
}
