// The valve page's rules: the series lists of the valves the circuit uses, and
// the smallest sufficient model of each chosen series when the result shows.

#include "wizard/WizardContext.h"

#include "calc/CalcCircuit.h"
#include "calc/CircuitTable.h"
#include "core/DMComm.h"
#include "core/DataTable.h"
#include "wizard/ValveSelection.h"

namespace {

TSwitchingValveRow valveRow(const TFieldReader& row) {
    return {row.AsInteger(QStringLiteral("Port")), row.AsInteger(QStringLiteral("use")),
            row.AsFloat(QStringLiteral("C1to2")), row.AsFloat(QStringLiteral("C2to3"))};
}

} // namespace

TStepOutcome TWizardContext::BuildValveLists(TDMComm& db, TValveLists& lists) {
    Input.VA_Gongying_Series_ID.clear();
    Input.VA_Pohuai_Series_ID.clear();
    Input.VA_QieHuan_Series_ID.clear();
    Input.VA_Jieliu_Series_ID.clear();
    const TCircuit* circuit = FindCircuit(Input.CircuitNum);
    if (!circuit)
        return {};
    const TValveComparison sizes =
        ValveComparisonValues(Input.CircuitNum, NozzleDiameter, Tube_QMax);
    // Each list: its rows, its SERIESIDs, and the first series into the record.
    auto fill = [this](QList<TListRow> rows, QStringList& keys, QString& seriesId) {
        keys.clear();
        for (const TListRow& row : rows)
            keys.append(row.Key);
        if (!RestoredFromHistory && !keys.isEmpty())
            seriesId = keys.first();
        return rows;
    };
    if (sizes.Supply) {
        VA_Gongying_BiJiaoVaule = *sizes.Supply;
        lists.Supply = fill(SeriesRows(db, ValveSeriesSql(*sizes.Supply, RegionColumn)),
                            GongyingSeriesList, Input.VA_Gongying_Series_ID);
        if (lists.Supply.isEmpty())
            return {false, QStringLiteral("MSG0076")};
    }
    if (sizes.Release) {
        VA_Pohuai_BiJiaoVaule = *sizes.Release;
        lists.Release = fill(SeriesRows(db, ValveSeriesSql(*sizes.Release, RegionColumn)),
                             PohuaiSeriesList, Input.VA_Pohuai_Series_ID);
        if (lists.Release.isEmpty())
            return {false, QStringLiteral("MSG0077")};
    }
    if (circuit->SwitchingValve) {
        std::optional<QList<TListRow>> rows = switchingValveRows(db);
        if (!rows)
            return {false, QStringLiteral("MSG0078")};
        lists.Switching = fill(*rows, QieHuanSeriesList, Input.VA_QieHuan_Series_ID);
    }
    if (sizes.Throttle) {
        VA_Jieliu_BiJiaoVaule = *sizes.Throttle;
        lists.Throttle = fill(SeriesRows(db, ThrottleSeriesSql(*sizes.Throttle, RegionColumn)),
                              JieliuSeriesList, Input.VA_Jieliu_Series_ID);
        if (lists.Throttle.isEmpty())
            return {false, QStringLiteral("MSG0079")};
    }
    return {true, {}};
}

// The switching valve series in the order of their smallest qualifying valve;
// nothing when the region has no valve at all. A series without a SERIES row of
// the region keeps its place with an empty name.
std::optional<QList<TListRow>> TWizardContext::switchingValveRows(TDMComm& db) const {
    TDataTable valves;
    const std::optional<QString> scan = SwitchingValveScanSql(RegionColumn);
    if (!scan || !db.GetDataPacket(*scan, valves) || valves.IsEmpty())
        return std::nullopt;
    QStringList series;
    for (valves.First(); !valves.Eof(); valves.Next()) {
        const QString id = valves.AsString(QStringLiteral("SERIESID"));
        if (!series.contains(id) &&
            SwitchingValveQualifies(valveRow(valves), Input.CircuitNum, TOperateType::otSelect,
                                    Tube_QMax, NozzleDiameter))
            series.append(id);
    }
    QList<TListRow> rows;
    for (const QString& id : series) {
        const QList<TListRow> named = SeriesRows(db, SwitchingSeriesSql(id, RegionColumn));
        rows.append({id, named.isEmpty() ? QString() : named.first().Id, {}});
    }
    return rows;
}

TValveModels TWizardContext::ChooseValveModels(TDMComm& db) {
    TValveModels names;
    // The first row of the statement that passes, its ID into the record.
    auto choose = [&](TValveKind kind, double comparison, const QString& seriesId, QString& id,
                      QString& name) {
        if (seriesId.isEmpty())
            return;
        TDataTable models;
        const std::optional<QString> sql = ValveModelSql(kind, comparison, seriesId, RegionColumn);
        if (!sql || !db.GetDataPacket(*sql, models))
            return;
        for (models.First(); !models.Eof(); models.Next()) {
            if (kind == TValveKind::Switching &&
                !SwitchingValveQualifies(valveRow(models), Input.CircuitNum, TOperateType::otSelect,
                                         Tube_QMax, NozzleDiameter))
                continue;
            id = models.AsString(QStringLiteral("ID"));
            name = models.AsString(QStringLiteral("M_Name"));
            return;
        }
    };
    choose(TValveKind::Supply, VA_Gongying_BiJiaoVaule, Input.VA_Gongying_Series_ID,
           Input.VA_Gongying_ID, names.Supply);
    choose(TValveKind::Release, VA_Pohuai_BiJiaoVaule, Input.VA_Pohuai_Series_ID,
           Input.VA_Pohuai_ID, names.Release);
    choose(TValveKind::Switching, 0, Input.VA_QieHuan_Series_ID, Input.VA_QieHuan_ID,
           names.Switching);
    choose(TValveKind::Throttle, VA_Jieliu_BiJiaoVaule, Input.VA_Jieliu_Series_ID,
           Input.VA_Jieliu_ID, names.Throttle);
    return names;
}

TStepOutcome TWizardContext::CalculateSelection(TDMComm& db, const TConditionValues& values,
                                                TCalcOutput& output, TCalcSession& session,
                                                TValveModels* models) {
    const TValveModels chosen = ChooseValveModels(db);
    if (models)
        *models = chosen;
    FillCalcInput(values, TOperateType::otSelect, nullptr);
    const int status = Calculate(db, output, session, {false, true});
    if (status != CalcDone)
        return {false, CalcStatusMessageKey(status), true};
    return {true, {}};
}
