#include "cli/SelectRun.h"

#include "core/DMComm.h"
#include "core/Helpers.h"
#include "units/UnitConversion.h"
#include "units/UnitManager.h"
#include "wizard/PadSelection.h"
#include "wizard/TubeSelection.h"

#include <cmath>

namespace {

// An input as the wizard starts it: its parameter and either a preset of the
// default unit or the parameter's default value.
struct TInput {
    const char* Option;
    int Parameter;
    int Preset;             // -1: the parameter's default value
    bool Magnitude = false; // given as a magnitude, held as a negative pressure
};

const TInput TimeInput{"--time", 100, -1};
const TInput ReleaseInput{"--release-pressure", 111, 2};
const TInput PumpInput{"--pump", 112, 2, true};
const TInput MassInput{"--mass", 113, 0};
const TInput PadsInput{"--pads", 105, -1};
const TInput VacuumInput{"--vacuum", 101, 0, true};
const TInput LeakageInput{"--leakage", 102, -1};
const TInput LengthInput{"--length", 106, 1};
const TInput SafetyInput{"--safety", 1000, -1};

const double StandardPressures[] = {0.35, 0.4, 0.45, 0.5};

const TSinglePop* defaultUnit(const TSinglePara& para) {
    return para.Pop(para.DefaultIndex());
}

// The selection in progress: the request, the context and the first problem.
class TSelection {
public:
    TSelection(TDMComm& db, const TUnitManager& units, const TSelectRequest& request,
               TWizardContext& context, TSelectOutcome& outcome)
        : db_(db), units_(units), r_(request), c_(context), out_(outcome) {}

    void run();

private:
    bool conditions();
    bool value(const TInput& input, const std::optional<double>& given, double& held);
    bool padPage();
    bool tubePage();
    bool ejectorPage();
    bool valvePage();
    void result();
    // The row of a list the request names, or the first; false when it names none of them.
    bool choose(const QList<TListRow>& rows, const std::optional<QString>& named,
                const char* option, const char* list, const char* grid, QString& chosen);
    void control(const char* key, const QVariant& value) {
        out_.Controls.insert(QLatin1String(key), value);
    }
    void valueControls(const char* button, const char* box, double value);
    void circuitControls(const TCircuitOptions& options);
    void pressureControls();
    bool problem(const QString& text) {
        out_.Problem = text;
        return false;
    }
    bool stop(const TStepOutcome& step, const char* page) {
        if (!step.Proceed) {
            out_.StopKey = step.MessageKey;
            out_.StopText = QStringLiteral("the wizard stays on the %1 page").arg(page);
        }
        return step.Proceed;
    }
    void addProduct(const char* kind, const QString& series, const QString& id, const char* table,
                    int count = 1, const char* column = "M_Name");

    TDMComm& db_;
    const TUnitManager& units_;
    const TSelectRequest& r_;
    TWizardContext& c_;
    TSelectOutcome& out_;
    TConditionValues values_;
    double time_ = 0, safety_ = 0, vacuum_ = 0, pads_ = 0;
    bool standardFlow_ = true; // the flow type radio
};

bool TSelection::value(const TInput& input, const std::optional<double>& given, double& held) {
    const TSinglePara* para = units_.FindParameter(input.Parameter);
    const TSinglePop* unit = para ? defaultUnit(*para) : nullptr;
    if (!unit)
        return problem(QStringLiteral("the catalogue has no parameter %1 for %2")
                           .arg(input.Parameter)
                           .arg(QLatin1String(input.Option)));
    if (!given) {
        held =
            input.Preset >= 0 ? unit->NumPopData.value(input.Preset, unit->DefNum) : unit->DefNum;
        return true;
    }
    held = input.Magnitude ? -std::fabs(*given) : *given;
    if (std::isfinite(held) && ValueInRange(*unit, held))
        return true;
    return problem(QStringLiteral("%1 %2 is outside the input range %3")
                       .arg(QLatin1String(input.Option), GeneralText(*given), RangeText(*unit)));
}

bool TSelection::conditions() {
    if (!value(TimeInput, r_.Time, time_) ||
        !value(ReleaseInput, r_.ReleasePressure, values_.ReleaseSupply) ||
        !value(PumpInput, r_.Pump, values_.PumpLevel) || !value(MassInput, r_.Mass, values_.Mass) ||
        !value(PadsInput, r_.Pads, pads_) || !value(VacuumInput, r_.Vacuum, vacuum_) ||
        !value(LeakageInput, r_.Leakage, values_.Leakage) ||
        !value(LengthInput, r_.Length, values_.TubeLength))
        return false;
    if (pads_ != std::trunc(pads_))
        return problem(QStringLiteral("--pads %1 is not a whole number").arg(GeneralText(pads_)));
    // The attitude writes the safety factor the box starts with.
    safety_ = r_.Vertical ? 8 : 4;
    if (r_.Safety && !value(SafetyInput, r_.Safety, safety_))
        return false;
    values_.PadCountText = GeneralText(pads_);
    valueControls("Btnyingdashijian", "Cbyingdashijian", time_);
    valueControls("BtnGongYingYaLi", "CbGongYingYaLi", values_.ReleaseSupply);
    valueControls("BtnZhenKongPengYaLi", "CbZhenKongPengYaLi", values_.PumpLevel);
    valueControls("Btngongjianzhiliang", "Cbgongjianzhiliang", values_.Mass);
    valueControls("Btnxipanshuliang", "Cbxipanshuliang", pads_);
    valueControls("BtnZhenKongYaLi", "CbZhenKongYaLi", vacuum_);
    valueControls("Btngongjianxielouliang", "Cbgongjianxielouliang", values_.Leakage);
    valueControls("BtnTubeLength", "CbTubeLength", values_.TubeLength);
    valueControls("BtnAnquanlv", "CbAnquanlv", safety_);
    control("CbAnZhuangZiShi.ItemIndex", r_.Vertical ? 1 : 0);
    control("Rbhuangchong_yes.Checked", r_.Buffer);
    control("Rbhuangchong_no.Checked", !r_.Buffer);
    control("Rbzidong.Checked", r_.Automatic);
    control("Rbzhiding.Checked", !r_.Automatic);
    standardFlow_ = r_.StandardFlow;
    // The standard pressure radios start on 0.5 MPa; the ejector page may change them.
    values_.StandardPressure = 0.5;
    pressureControls();
    return true;
}

// A value button in its default unit and its box showing the value.
void TSelection::valueControls(const char* button, const char* box, double value) {
    out_.Controls.insert(QLatin1String(button) + QStringLiteral(".CurNum"), value);
    out_.Controls.insert(QLatin1String(box) + QStringLiteral(".Text"), GeneralText(value));
}

bool TSelection::choose(const QList<TListRow>& rows, const std::optional<QString>& named,
                        const char* option, const char* list, const char* grid, QString& chosen) {
    const QString gridKey = QLatin1String(grid);
    out_.Controls.insert(gridKey + QStringLiteral(".RowCount"), int(rows.size()));
    // An empty list chooses nothing; the page's step then says what is missing.
    if (rows.isEmpty() && !named)
        return true;
    for (int row = 0; row < rows.size(); ++row) {
        if (named ? rows[row].Key.compare(*named, Qt::CaseInsensitive) != 0 : row > 0)
            continue;
        chosen = rows[row].Key;
        out_.Controls.insert(gridKey + QStringLiteral(".Row"), row);
        return true;
    }
    QStringList offered;
    for (const TListRow& row : rows)
        offered << row.Key;
    return problem(QStringLiteral("%1 %2 is not in the %3 list (%4)")
                       .arg(QLatin1String(option), *named, QLatin1String(list),
                            offered.join(QStringLiteral(", "))));
}

void TSelection::addProduct(const char* kind, const QString& series, const QString& id,
                            const char* table, int count, const char* column) {
    out_.Products.append(
        {QLatin1String(kind), series, id, db_.ValueOfId(table, column, id).toString(), count});
}

bool TSelection::padPage() {
    const TPadMethod method = r_.Automatic ? TPadMethod::Automatic : TPadMethod::Specified;
    c_.EnteredVacuum = std::fabs(vacuum_);
    const double area = RequiredPadArea(values_.Mass, safety_, pads_, c_.EnteredVacuum);
    if (!choose(PadSeriesRows(db_, method, c_.RegionColumn, area), r_.PadSeries, "--pad-series",
                "pad series", "SgPTSeries", c_.Input.PT_Series_ID))
        return false;
    const QList<TListRow> pads =
        PadModelRows(db_, method, c_.Input.PT_Series_ID, r_.Buffer, c_.RegionColumn, area);
    TPadStep step{r_.Automatic, values_.Mass,      safety_,        int(pads_),
                  QString(),    values_.PumpLevel, values_.Leakage};
    // An empty model list goes on to the step, which refuses it with its message.
    if (!choose(pads, r_.Automatic ? std::nullopt : r_.Pad, "--pad", "pad", "SgPThinban",
                step.ModelId))
        return false;
    if (!stop(c_.LeavePadPage(db_, step), "pad"))
        return false;
    addProduct("pad", c_.Input.PT_Series_ID, c_.Input.PT_ID, "M_PT", int(pads_));
    return true;
}

bool TSelection::tubePage() {
    if (!choose(TubeSeriesRows(db_, c_.RegionColumn), r_.TubeSeries, "--tube-series",
                "tubing series", "SgTubeSeries", c_.Input.Tube_Series_ID))
        return false;
    if (!stop(c_.LeaveTubePage(db_, values_.TubeLength, time_, int(pads_), values_.Leakage),
              "tubing"))
        return false;
    addProduct("tubing", c_.Input.Tube_Series_ID, c_.Input.Tube_ID, "M_Tube");
    return true;
}

bool TSelection::ejectorPage() {
    if (!choose(c_.BuildEJSeriesList(db_, r_.StandardFlow), r_.EjectorSeries, "--ejector-series",
                "ejector series", "SgEJSeries", c_.Input.EJ_Series_ID))
        return false;
    TEjectorStep step;
    standardFlow_ = r_.StandardFlow;
    if (!c_.UnitVariant()) {
        // The radios a series offers; the lowest pressure is checked.
        const TStandardPressures offered = c_.UpdateStandardPressureChoices(db_);
        // A large flow the series lacks falls back to the standard flow, as its
        // radio does when it is disabled.
        standardFlow_ = r_.StandardFlow || !offered.Large;
        const int lowest = offered.Lowest();
        values_.StandardPressure = lowest < 0 ? 0.35 : StandardPressures[lowest];
        if (r_.Supply) {
            int index = 0;
            while (index < 4 && std::fabs(StandardPressures[index] - *r_.Supply) > 1e-9)
                ++index;
            if (index == 4 || !offered.Offered[index])
                return problem(QStringLiteral("--supply %1 is not offered by the series %2")
                                   .arg(GeneralText(*r_.Supply), c_.Input.EJ_Series_ID));
            values_.StandardPressure = StandardPressures[index];
        }
    }
    step.StandardFlow = standardFlow_;
    step.StandardPressure = values_.StandardPressure;
    pressureControls();
    step.UseSeveral = [] { return true; }; // the answer that goes on
    step.Conditions = values_;
    step.ResponseTime = time_;
    if (!stop(c_.LeaveEjectorPage(db_, step, out_.Output, out_.Session), "ejector"))
        return false;
    if (c_.UnitVariant())
        addProduct("vacuum unit", c_.Input.EJ_Series_ID, c_.Input.EJ_ID, "M_EJ");
    else
        addProduct("ejector", c_.Input.EJ_Series_ID, c_.Input.EJ_ID, "M_EJ", c_.Input.EJ_n,
                   c_.EjectorNameColumn());
    return true;
}

bool TSelection::valvePage() {
    TValveLists lists;
    if (!stop(c_.BuildValveLists(db_, lists), c_.Input.System_Cat == 2 ? "ejector" : "tubing"))
        return false;
    struct TList {
        const QList<TListRow>& Rows;
        const std::optional<QString>& Named;
        const char* Option;
        const char* Name;
        const char* Grid;
        QString& Series;
        bool Shown;
    };
    const TModelSelectors shown = c_.ModelSelectors();
    const TList pages[] = {
        {lists.Supply, r_.SupplyValveSeries, "--supply-valve-series", "supply valve series",
         "SGGongyingfa", c_.Input.VA_Gongying_Series_ID, shown.SupplyValve},
        {lists.Release, r_.ReleaseValveSeries, "--release-valve-series", "release valve series",
         "SGPohuaifa", c_.Input.VA_Pohuai_Series_ID, shown.ReleaseValve},
        {lists.Switching, r_.SwitchingValveSeries, "--switching-valve-series",
         "switching valve series", "SGQieHuanfa", c_.Input.VA_QieHuan_Series_ID,
         shown.SwitchingValve},
        {lists.Throttle, r_.ThrottleSeries, "--throttle-series", "throttle series", "SGJieliufa",
         c_.Input.VA_Jieliu_Series_ID, shown.Throttle},
    };
    for (const TList& list : pages) {
        if (list.Shown &&
            !choose(list.Rows, list.Named, list.Option, list.Name, list.Grid, list.Series))
            return false;
    }
    return true;
}

void TSelection::result() {
    TValveModels names;
    if (!stop(c_.CalculateSelection(db_, values_, out_.Output, out_.Session, &names), "result"))
        return;
    out_.Calculated = true;
    const struct {
        const char* Kind;
        const QString& Series;
        const QString& Id;
        const QString& Name;
    } valves[] = {
        {"supply valve", c_.Input.VA_Gongying_Series_ID, c_.Input.VA_Gongying_ID, names.Supply},
        {"release valve", c_.Input.VA_Pohuai_Series_ID, c_.Input.VA_Pohuai_ID, names.Release},
        {"switching valve", c_.Input.VA_QieHuan_Series_ID, c_.Input.VA_QieHuan_ID, names.Switching},
        {"throttle", c_.Input.VA_Jieliu_Series_ID, c_.Input.VA_Jieliu_ID, names.Throttle},
    };
    for (const auto& valve : valves) {
        if (!valve.Name.isEmpty())
            out_.Products.append(
                {QLatin1String(valve.Kind), valve.Series, valve.Id, valve.Name, 1});
    }
}

// The ejector page's radios: the standard supply pressure and the flow type.
void TSelection::pressureControls() {
    const char* radios[] = {"RbGyyldot35.Checked", "RbGyyldot4.Checked", "RbGyyldot45.Checked",
                            "RbGyyldot5.Checked"};
    for (int index = 0; index < 4; ++index)
        control(radios[index],
                std::fabs(values_.StandardPressure - StandardPressures[index]) < 1e-9);
    control("RbBiaoZhun.Checked", standardFlow_);
    control("RbDaLiuLiang.Checked", !standardFlow_);
}

// The system grid's row and the option radios as the circuit sets them.
void TSelection::circuitControls(const TCircuitOptions& o) {
    control("Sghuilu.Row", o.Row);
    control("Notebook2.PageIndex", o.Row);
    control("Rbpohuai_shiyoug1.Checked", o.ReleaseValveRow0);
    control("Rbpohuai_bushiyoug1.Checked", !o.ReleaseValveRow0);
    control("Rbpohuai_shiyoug2.Checked", o.ReleaseValveRow1);
    control("Rbpohuai_bushiyoug2.Checked", !o.ReleaseValveRow1);
    control("Rbhuilu2_1.Checked", o.CircuitRow1 == 0);
    control("Rbhuilu2_2.Checked", o.CircuitRow1 == 1);
    control("Rbhuilu2_3.Checked", o.CircuitRow1 == 2);
    control("Rbjeliu_shiyoug1.Checked", o.ThrottleRow1);
    control("Rbjeliu_bushiyoug1.Checked", !o.ThrottleRow1);
    control("Rbhuilu4_1.Checked", o.CircuitRow3 == 0);
    control("Rbhuilu4_2.Checked", o.CircuitRow3 == 1);
    control("Rbjeliu_shiyoug2.Checked", o.ThrottleRow3);
    control("Rbjeliu_bushiyoug2.Checked", !o.ThrottleRow3);
}

void TSelection::run() {
    const std::optional<TCircuitOptions> options = OptionsOfCircuit(r_.Circuit);
    if (!options) {
        problem(QStringLiteral("--circuit %1 is not a circuit code").arg(r_.Circuit));
        return;
    }
    c_.SetRegion(r_.Region.value_or(0));
    c_.SelectRow(options->Row);
    c_.ChangeOptions(*options);
    c_.UpdateSystemCategory();
    circuitControls(*options);
    if (!conditions() || !padPage() || !tubePage())
        return;
    const int category = c_.Input.System_Cat;
    if (category <= 3 && !ejectorPage())
        return;
    if ((category == 2 || category == 4) && !valvePage())
        return;
    result();
}

} // namespace

TSelectOutcome RunSelection(TDMComm& db, const TUnitManager& units, const TSelectRequest& request,
                            TWizardContext& context) {
    TSelectOutcome outcome;
    TSelection(db, units, request, context, outcome).run();
    return outcome;
}
