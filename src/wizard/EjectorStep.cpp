// The ejector page's rules: its series list, the supply pressures a series
// offers, and leaving it with an ejector (categories 1 and 2) or with the first
// vacuum unit that is fast enough (category 3).

#include "wizard/WizardContext.h"

#include "calc/CalcCircuit.h"
#include "core/DMComm.h"
#include "core/DataTable.h"

namespace {

// A usable ejector is one whose flow is positive: anything else cannot carry the
// tubing's flow however many of it are taken.
const char* const NoUsableEjector = "MSGEJNONE";

QString flowType(bool standardFlow) {
    return standardFlow ? QStringLiteral("S") : QStringLiteral("L");
}

} // namespace

QList<TListRow> TWizardContext::BuildEJSeriesList(TDMComm& db, bool standardFlow) {
    const bool ejectors = Input.System_Cat != 3 && !EJCandidateFilter.isEmpty();
    QList<TListRow> rows = SeriesRows(db, EjectorSeriesSql(ejectors ? EJCandidateFilter : QString(),
                                                           flowType(standardFlow), RegionColumn));
    EJSeriesList.clear();
    for (TListRow& row : rows) {
        row.Id = SeriesTextKey(row.Id, row.Key, UnitVariant());
        EJSeriesList.append(row.Key);
    }
    // An empty list leaves no series of an earlier visit to be taken.
    if (!RestoredFromHistory)
        Input.EJ_Series_ID = EJSeriesList.value(0);
    return rows;
}

TStandardPressures TWizardContext::UpdateStandardPressureChoices(TDMComm& db) const {
    return StandardPressureChoices(db.QEJ, Input.EJ_Series_ID);
}

TStepOutcome TWizardContext::LeaveEjectorPage(TDMComm& db, const TEjectorStep& step,
                                              TCalcOutput& output, TCalcSession& session) {
    if (Input.System_Cat == 3)
        return searchVacuumUnit(db, step, output, session);
    Input.EJ_n = 1;
    if (EJCandidateFilter.isEmpty())
        return {};
    const QString type = flowType(step.StandardFlow);
    const std::optional<QString> carrying =
        EjectorOfSeriesSql(EJCandidateFilter, Input.EJ_Series_ID, type, step.StandardPressure,
                           Tube_QMax, RegionColumn);
    const std::optional<QString> largest =
        EjectorOfSeriesSql(EJCandidateFilter, Input.EJ_Series_ID, type, step.StandardPressure,
                           std::nullopt, RegionColumn);
    if (!carrying || !largest)
        return {false, QLatin1String(NoUsableEjector)}; // a series code of another form
    TDataTable found;
    db.GetDataPacket(*carrying, found);
    found.First();
    if (found.IsEmpty()) {
        if (!step.UseSeveral || !step.UseSeveral())
            return {};
        db.GetDataPacket(*largest, found);
        found.First();
        const std::optional<int> count =
            found.IsEmpty() ? std::nullopt
                            : EjectorCount(Tube_QMax, found.AsFloat(QStringLiteral("Max_flow")));
        if (!count)
            return {false, QLatin1String(NoUsableEjector)};
        Input.EJ_n = *count;
    }
    Input.EJ_ID = found.AsString(QStringLiteral("ID"));
    NozzleDiameter = found.AsFloat(QStringLiteral("Nozzle_Diameter"));
    return {true, {}};
}

TStepOutcome TWizardContext::searchVacuumUnit(TDMComm& db, const TEjectorStep& step,
                                              TCalcOutput& output, TCalcSession& session) {
    if (IsSpecialUnitSeries(Input.EJ_Series_ID) && step.Conditions.ReleaseSupply < 0.3)
        return {false, QStringLiteral("MSGZK2MIN")};
    const std::optional<QString> sql = UnitsOfSeriesSql(Input.EJ_Series_ID, RegionColumn);
    TDataTable units;
    if (sql)
        db.GetDataPacket(*sql, units);
    QStringList ids;
    for (units.First(); !units.Eof(); units.Next())
        ids.append(units.AsString(QStringLiteral("ID")));
    for (const QString& id : ids) {
        Input.EJ_ID = id;
        FillCalcInput(step.Conditions, TOperateType::otSelect, nullptr);
        const int status = Calculate(db, output, session, {true, true});
        if (status == CalcDone && output.xizhuoyingdashijian < step.ResponseTime)
            return {true, {}};
        // A unit slower than any chart is simply not fast enough; any other failure
        // says the conditions cannot be met and is shown on the first page.
        if (status != CalcDone && status != CalcAdsorptionTooLong)
            return {false, CalcStatusMessageKey(status), true};
    }
    return {false, QStringLiteral("MSG008")};
}
