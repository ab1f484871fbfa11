// Page 5 of the wizard: the result. The chart and the circuit diagram above; the
// chosen products, the outputs with the working vacuum to recalculate with, and
// the evaluation below.

#include "wizard/FrmActuatorSelection.h"

#include "calc/CalcStatus.h"
#include "controls/CommonDialogs.h"
#include "controls/FrmDebugInfo.h"
#include "controls/ResultChart.h"
#include "controls/SkinButton.h"
#include "controls/SpeedButtonEx.h"
#include "core/DMComm.h"
#include "core/Globals.h"
#include "core/Helpers.h"
#include "lang/XMLLan.h"
#include "reports/FrmPrint.h"
#include "reports/FrmResultNote.h"
#include "results/ResultFigures.h"
#include "settings/BaseClass.h"
#include "units/UnitConversion.h"
#include "wizard/WizardControls.h"

#include <QApplication>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QVBoxLayout>

#include <cmath>

namespace {

const char* const ProductCaptions[] = {"Suction pad",     "Tubing",        "Ejector",
                                       "Supply valve",    "Release valve", "Switching valve",
                                       "Release throttle"};

// The English captions of the output labels, in the outputs' order.
const char* const OutputCaptions[] = {"Maximum vacuum",           "Adsorption response time",
                                      "Release response time",    "Safety factor",
                                      "Standard supply pressure", "Air consumption",
                                      "Required vacuum pump flow"};

QLineEdit* readOnlyField(const char* name, QWidget* parent) {
    auto* field = new QLineEdit(parent);
    field->setObjectName(QLatin1String(name));
    field->setReadOnly(true);
    field->setFixedHeight(21); // the page holds three lists of rows
    return field;
}

QGroupBox* productList(QWidget* parent) {
    auto* group = new QGroupBox(parent);
    group->setObjectName(QStringLiteral("GbSelectResult"));
    auto* grid = new QGridLayout(group);
    grid->setContentsMargins(6, 2, 6, 2);
    grid->setVerticalSpacing(1);
    for (int row = 0; row < 7; ++row) {
        grid->addWidget(WizardLabel(ResultProductRows[row][0], ProductCaptions[row], group), row,
                        0);
        grid->addWidget(readOnlyField(ResultProductRows[row][1], group), row, 1);
        Named<QLineEdit>(group, ResultProductRows[row][1])->setMinimumWidth(130);
        QLineEdit* count = readOnlyField(ResultProductRows[row][2], group);
        count->setFixedWidth(36);
        grid->addWidget(count, row, 2);
    }
    grid->setColumnStretch(1, 1);
    return group;
}

} // namespace

QGroupBox* TFrmActuatorSelection::outputList(QWidget* parent) {
    auto* group = new QGroupBox(parent);
    group->setObjectName(QStringLiteral("GbOutputs"));
    auto* grid = new QGridLayout(group);
    grid->setContentsMargins(6, 2, 6, 2);
    grid->setVerticalSpacing(1);
    const QList<TResultOutput> outputs = ResultOutputs({}, {});
    for (int row = 0; row < outputs.size(); ++row) {
        const TResultOutput& o = outputs[row];
        grid->addWidget(WizardLabel(o.Label, QLatin1String(OutputCaptions[row]), group), row, 0);
        QLineEdit* field = readOnlyField(o.Field, group);
        field->setFixedWidth(90);
        field->setAlignment(Qt::AlignRight);
        grid->addWidget(field, row, 1);
        auto* button = new TSpeedButtonEx(group);
        button->setObjectName(QLatin1String(o.Button));
        grid->addWidget(button, row, 2);
    }
    Named<QWidget>(group, "Btnanquanlv_out")->setVisible(false);
    const TValueRow working = AddValueRow(grid, "Lblzhenkongyl_out", "Working vacuum",
                                          "CBzhenkongyl_out", "Btnzhenkongyl_out", group);
    working.Box->setFixedSize(90, 22);
    auto* buttons = new QHBoxLayout;
    for (const auto& [name, caption] : {std::pair{"Btnzaijisuan", "Recalculate"},
                                        std::pair{"BtnqichuResult", "Initial result"}}) {
        TSkinButton* button = WizardButton(name, QLatin1String(caption), group);
        button->setFixedHeight(24);
        buttons->addWidget(button);
    }
    grid->addLayout(buttons, grid->rowCount(), 0, 1, 3);
    return group;
}

QWidget* TFrmActuatorSelection::buildResultPage() {
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("Result"));
    chart_ = new TResultChart(page);
    chart_->setMinimumSize(340, 200);
    auto* side = new QVBoxLayout;
    side->addWidget(WizardLabel("LblSelectResult", "Selection result", page, false));
    side->addWidget(productList(page));
    QPlainTextEdit* evaluation = SeriesNote("EdtCaclResultMsg", page);
    evaluation->setMinimumHeight(24);
    side->addWidget(evaluation, 1);
    auto* note = WizardLabel("LblCircuitNote", "The actual circuit depends on the models chosen.",
                             page, false);
    note->setWordWrap(true);
    side->addWidget(note);
    TSkinButton* explain =
        WizardButton("BtnCaclResultNote", QStringLiteral("About the result"), page);
    explain->setFixedHeight(26);
    side->addWidget(explain, 0, Qt::AlignRight);
    side->addStretch();
    auto* top = new QHBoxLayout;
    top->addWidget(chart_, 1);
    top->addLayout(side);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(outputList(page));
    bottom->addWidget(inputSummary(page), 1);

    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(top, 1);
    layout->addLayout(bottom);
    layout->addWidget(navigationRow(page, {"SkbCacl_Result", "SkbSave_Result", "SkbPrint_Result",
                                           "SkbReturn_Result", "SkbCancel_Result"}));
    return page;
}

void TFrmActuatorSelection::bindResultPage() {
    for (const TResultOutput& o : ResultOutputs({}, {}))
        BindEditButton(entry_, o.Parameter, Named<QLineEdit>(this, o.Field),
                       Named<TSpeedButtonEx>(this, o.Button));
    auto* working = Named<QComboBox>(this, "CBzhenkongyl_out");
    connect(working, &QComboBox::editTextChanged, this,
            &TFrmActuatorSelection::workingVacuumEdited);
    connect(Named<TSkinButton>(this, "Btnzaijisuan"), &TSkinButton::clicked, this,
            [this] { recalculate(false); });
    connect(Named<TSkinButton>(this, "BtnqichuResult"), &TSkinButton::clicked, this,
            [this] { recalculate(true); });
    connect(Named<TSkinButton>(this, "SkbSave_Result"), &TSkinButton::clicked, this,
            &TFrmActuatorSelection::saveHistory);
    connect(Named<TSkinButton>(this, "SkbCacl_Result"), &TSkinButton::clicked, this,
            &TFrmActuatorSelection::transferToCalculation);
    connect(Named<TSkinButton>(this, "SkbPrint_Result"), &TSkinButton::clicked, this, [this] {
        TFrmPrint report(ReportSource(), this);
        report.exec();
    });
    connect(Named<TSkinButton>(this, "BtnCaclResultNote"), &TSkinButton::clicked, this, [this] {
        TFrmResultNote note(this);
        note.ShowNote(Named<TSkinButton>(this, "BtnCaclResultNote")->Caption());
    });
    bindInputSummary();
    applyChartTitles();
}

// The product list: each product's model and count; calculating, as named.
void TFrmActuatorSelection::fillProductList(const TValveModels& valves) {
    const TCalcInput& in = context_.Input;
    auto show = [this](int row, const QString& model, const QString& count) {
        Named<QLineEdit>(this, ResultProductRows[row][1])->setText(model);
        Named<QLineEdit>(this, ResultProductRows[row][2])
            ->setText(model.isEmpty() ? QString() : count);
    };
    const QString one = QStringLiteral("1");
    if (OperateType == TOperateType::otCalc) {
        const QString names[] = {in.PT_Name,          in.Tube_Name,      in.EJ_Name,
                                 in.VA_Gongying_Name, in.VA_Pohuai_Name, in.VA_QieHuan_Name,
                                 in.VA_Jieliu_Name};
        for (int row = 0; row < 7; ++row)
            show(row, names[row], one);
        show(0, in.PT_Name, Named<QComboBox>(this, "cbPTCount")->currentText());
        const bool counted = Named<QComboBox>(this, "cbEJCount")->isEnabled();
        show(2, in.EJ_Name,
             in.System_Cat == 3
                 ? one
                 : (counted ? Named<QComboBox>(this, "cbEJCount")->currentText() : QString()));
        return;
    }
    show(0, modelName("M_PT", "M_Name", in.PT_ID),
         Named<QComboBox>(this, "Cbxipanshuliang")->currentText());
    show(1, modelName("M_Tube", "M_Name", in.Tube_ID), one);
    show(2, modelName("M_EJ", context_.EjectorNameColumn(), in.EJ_ID),
         in.System_Cat == 3 ? one : QString::number(in.EJ_n));
    show(3, valves.Supply, one);
    show(4, valves.Release, one);
    show(5, valves.Switching, one);
    show(6, valves.Throttle, one);
}

QString TFrmActuatorSelection::modelName(const char* table, const char* column,
                                         const QString& id) const {
    return DMComm ? DMComm->ValueOfId(table, column, id).toString() : QString();
}

TResultPageSource TFrmActuatorSelection::ReportSource() const {
    TResultPageSource source;
    source.Text = [this](const QString& name) -> QString {
        const QWidget* control = findChild<QWidget*>(name);
        if (const auto* label = qobject_cast<const QLabel*>(control))
            return label->text();
        if (const auto* field = qobject_cast<const QLineEdit*>(control))
            return field->text();
        if (const auto* box = qobject_cast<const QComboBox*>(control))
            return box->currentText();
        if (const auto* memo = qobject_cast<const QPlainTextEdit*>(control))
            return memo->toPlainText();
        if (const auto* unit = qobject_cast<const TSpeedButtonEx*>(control))
            return unit->text();
        return languageText(name + ".Caption"); // the report's own headings
    };
    source.Shown = [this](const QString& name) {
        const QWidget* control = findChild<QWidget*>(name);
        return control && control->isVisibleTo(this);
    };
    source.Mode = OperateType;
    const auto* title = window()->findChild<QLabel*>(QStringLiteral("labMainTitle"));
    source.MainTitle = title ? title->text() : QStringLiteral("ZAVK");
    source.Chart = session_.Chart;
    source.ChartTitles = chartTitles();
    source.Circuit = Named<QLabel>(this, "Image1")->pixmap().toImage();
    return source;
}

// The chart's legend and axis titles from the language file.
TChartTitles TFrmActuatorSelection::chartTitles() const {
    return {languageText("ChartSeriesRelease.Caption"),
            languageText("ChartSeriesAdsorption.Caption"), languageText("ChartAxisTime.Caption"),
            languageText("ChartAxisVacuum.Caption")};
}

void TFrmActuatorSelection::applyChartTitles() {
    chart_->SetTitles(chartTitles());
}

void TFrmActuatorSelection::showCalcOutputs(bool reset) {
    const TCalcOutput& o = CalcOutput;
    const TResultFigures figures =
        DMComm ? ResultFiguresOf(*DMComm, context_.Input, o) : TResultFigures();
    for (const TResultOutput& out : ResultOutputs(o, figures)) {
        SetButtonValue(Named<TSpeedButtonEx>(this, out.Button), out.Value);
        for (const char* name : {out.Label, out.Field, out.Button})
            Named<QWidget>(this, name)->setVisible(out.Shown);
    }
    Named<QWidget>(this, "Btnanquanlv_out")->setVisible(false); // a factor has no unit
    // Without a release the time stays empty and its unit cannot be switched.
    const bool noRelease = o.pohuaiyingdashijian == -1;
    Named<TSpeedButtonEx>(this, "Btnpohuaiyingdashijian_out")->setEnabled(!noRelease);
    if (noRelease)
        Named<QLineEdit>(this, "Edtpohuaiyingdashijian_out")->clear();
    SetInputRange(entry_, 118, true, -0.99 * o.zuidazhenkongyali, 0, true);
    if (reset) {
        const QSignalBlocker quiet(Named<QComboBox>(this, "CBzhenkongyl_out"));
        Named<QComboBox>(this, "CBzhenkongyl_out")->setEditText(QString());
        Named<TSkinButton>(this, "Btnzaijisuan")->setEnabled(false);
    }
    chart_->SetData(session_.Chart);
    evaluateResult(figures);
    if (DebugMode && FrmDebugInfo) // the trace of the calculation shown
        FrmDebugInfo->ShowTrace(session_.Trace);
}

void TFrmActuatorSelection::evaluateResult(const TResultFigures& figures) {
    auto* memo = Named<QPlainTextEdit>(this, "EdtCaclResultMsg");
    const bool initial = Named<TSkinButton>(this, "BtnqichuResult")->DownIn();
    memo->clear();
    const std::optional<double> sf = ParseNumber(Named<QLineEdit>(this, "Edtanquanlv_out")->text());
    if ((OperateType == TOperateType::otCalc || !initial) && sf) {
        const QStringList texts = EvaluationTexts(
            EvaluateResult(*sf, CbAnZhuangZiShi->currentIndex(), OperateType, context_.Input,
                           figures),
            [](const QString& key) {
                return BaseClass && BaseClass->Lan ? BaseClass->Lan->GetMessageText(key) : key;
            });
        memo->setPlainText(texts.join('\n'));
    }
    memo->setVisible(!memo->toPlainText().isEmpty());
    Named<QLabel>(this, "LblCircuitNote")->setVisible(ShowsCircuitNote(context_.Input.System_Cat));
}

void TFrmActuatorSelection::workingVacuumEdited(const QString& text) {
    auto* box = Named<QComboBox>(this, "CBzhenkongyl_out");
    if (!text.trimmed().isEmpty())
        ValueChanged(entry_, box, this);
    for (const TResultOutput& o : ResultOutputs({}, {}))
        Named<QLineEdit>(this, o.Field)->clear();
    Named<TSkinButton>(this, "Btnzaijisuan")->setEnabled(true);
    enablePrintSave(false);
}

// Another working vacuum (the axes and the theoretical curve stay), or back to
// the initial result.
void TFrmActuatorSelection::recalculate(bool initial) {
    if (!DMComm)
        return;
    Named<TSkinButton>(this, "BtnqichuResult")->SetDownIn(initial);
    context_.Input.zhenkongyali =
        initial ? -1 : std::fabs(Named<TSpeedButtonEx>(this, "Btnzhenkongyl_out")->CurNum());
    const int status = context_.Calculate(*DMComm, CalcOutput, session_, {false, initial});
    if (!passed({status == CalcDone, CalcStatusMessageKey(status)}))
        return;
    showCalcOutputs(initial);
    enablePrintSave(true);
    setOutputHints(initial);
}

void TFrmActuatorSelection::enablePrintSave(bool on) {
    Named<TSkinButton>(this, "SkbSave_Result")->setEnabled(on);
    Named<TSkinButton>(this, "SkbPrint_Result")->setEnabled(on);
}

void TFrmActuatorSelection::setOutputHints(bool initial) {
    for (const char* label :
         {"Lblxizhuoyingdashijian_out", "Lblanquanlv_out", "Lblpohuaiyingdashijian_out"}) {
        const QString key = QLatin1String(label) + (initial ? "" : "2") + ".Hint";
        Named<QWidget>(this, label)->setToolTip(languageText(key));
    }
}
