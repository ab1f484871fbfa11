#include "wizard/EjectorSelection.h"

#include "calc/Formulas.h"
#include "core/DMComm.h"
#include "core/DataTable.h"
#include "core/Helpers.h"
#include "wizard/PadSelection.h"

#include <QRegularExpression>

#include <cmath>

double ReachedVacuum(const TEjectorCharacteristic& e, double leakage) {
    return EjectorVacuumAtFlow(std::fabs(e.MaxPressure), e.MaxFlow, std::fabs(e.P1), e.Q1, leakage,
                               e.N);
}

bool IsValveFilter(const QString& filter) {
    return filter.isEmpty() || filter == QLatin1String("Valve_V2=1") ||
           filter == QLatin1String("Valve_V2=2") ||
           filter == QLatin1String("(Valve_V2=1 or Valve_V2=2)");
}

std::optional<QString> EjectorCandidateSql(const QString& type, const QString& valveFilter,
                                           const QString& region) {
    const bool knownType = type == QLatin1String("1") || type == QLatin1String("2");
    if (!knownType || !IsValveFilter(valveFilter) || !IsRegionColumn(region))
        return std::nullopt;
    QString sql = "SELECT * FROM M_EJ WHERE System_Cat=1 AND Type=" + type;
    if (!valveFilter.isEmpty())
        sql += " AND " + valveFilter;
    return sql + " AND " + region + "<>0" + " AND SERIESID<>'' ORDER BY ID";
}

QString EjectorCandidateFilter(const QList<TEjectorCharacteristic>& ejectors, double leakage,
                               double padVacuum) {
    QString filter;
    for (const TEjectorCharacteristic& ejector : ejectors) {
        // Only integer IDs are pasted into the later statements.
        if (!IsIntegerText(ejector.Id) || !(ReachedVacuum(ejector, leakage) >= padVacuum))
            continue;
        filter +=
            (filter.isEmpty() ? QStringLiteral("ID=") : QStringLiteral(" OR ID=")) + ejector.Id;
    }
    return filter;
}

bool IsCandidateFilter(const QString& filter) {
    static const QRegularExpression form(QStringLiteral("^ID=-?\\d+( OR ID=-?\\d+)*$"));
    return form.match(filter).hasMatch();
}

namespace {

bool isFlowType(const QString& type) {
    return type == QLatin1String("S") || type == QLatin1String("L");
}

} // namespace

std::optional<QString> EjectorSeriesSql(const QString& filter, const QString& flowType,
                                        const QString& r) {
    if (!IsRegionColumn(r) ||
        (!filter.isEmpty() && (!IsCandidateFilter(filter) || !isFlowType(flowType))))
        return std::nullopt;
    const QString head =
        "SELECT DISTINCT(E.SERIESID) AS SERIESID,S.SERIES_NAME AS SERIES_NAME,S.ID AS ID,S." + r +
        " AS " + r + " FROM SERIES AS S,M_EJ AS E WHERE S.SERIESID = E.SERIESID ";
    if (filter.isEmpty())
        return head + " AND (E." + r + "<>0) AND System_Cat=2 ORDER BY S." + r + " ASC";
    QString qualified = filter;
    qualified.replace(QLatin1String("ID"), QLatin1String("E.ID"));
    return head + " AND (" + qualified + ")" + " AND E.Flow_Type=" + "'" + flowType + "'" +
           " AND (E." + r + "<>0) ORDER BY S." + r + " ASC";
}

std::optional<QString> EjectorOfSeriesSql(const QString& filter, const QString& seriesId,
                                          const QString& flowType, double pressure,
                                          std::optional<double> minFlow, const QString& r) {
    if (!IsCandidateFilter(filter) || !IsCatalogueCode(seriesId) || !isFlowType(flowType) ||
        !IsRegionColumn(r))
        return std::nullopt;
    const QString sql = "SELECT * FROM M_EJ WHERE (" + filter + ")" + " AND SeriesID=" + "'" +
                        seriesId + "'" + " AND Flow_Type=" + "'" + flowType + "'" +
                        "AND stand_pressure=" + SqlNumber(pressure);
    if (minFlow)
        return sql + " AND Max_flow>=" + SqlNumber(*minFlow) + " AND " + r + "<>0" +
               " ORDER BY Nozzle_Diameter ASC";
    return sql + " AND " + r + "<>0" + " ORDER BY Max_flow DESC";
}

std::optional<QString> UnitsOfSeriesSql(const QString& seriesId, const QString& r) {
    if (!IsCatalogueCode(seriesId) || !IsRegionColumn(r))
        return std::nullopt;
    return "SELECT * FROM M_EJ WHERE SeriesID='" + seriesId + "'" + " AND " + r + "<>0" +
           " AND System_Cat=2 ORDER BY Sup_C ASC";
}

int TStandardPressures::Lowest() const {
    for (int index = 0; index < 4; ++index) {
        if (Offered[index])
            return index;
    }
    return -1;
}

void TStandardPressures::Add(double pressure, const QString& flowType) {
    static const char* const pressures[] = {"0.35", "0.4", "0.45", "0.5"};
    const QString text = SqlNumber(pressure);
    for (int index = 0; index < 4; ++index)
        Offered[index] |= text == QLatin1String(pressures[index]);
    Standard |= flowType == QLatin1String("S");
    Large |= flowType == QLatin1String("L");
}

TStandardPressures StandardPressureChoices(TQuery& candidates, const QString& seriesId) {
    TStandardPressures choices;
    if (!candidates.Active())
        return choices;
    for (candidates.First(); !candidates.Eof(); candidates.Next()) {
        if (candidates.AsString(QStringLiteral("SeriesID")) != seriesId ||
            candidates.AsString(QStringLiteral("Stand_Pressure")).isEmpty())
            continue;
        choices.Add(candidates.AsFloat(QStringLiteral("Stand_Pressure")),
                    candidates.AsString(QStringLiteral("Flow_Type")));
    }
    return choices;
}

QList<TEjectorCharacteristic> EjectorRows(TDMComm& db, const QString& sql) {
    TDataTable table;
    if (!db.GetDataPacket(sql, table))
        return {};
    QList<TEjectorCharacteristic> rows;
    for (table.First(); !table.Eof(); table.Next()) {
        rows.append(
            {table.AsString(QStringLiteral("ID")), table.AsFloat(QStringLiteral("Max_pressure")),
             table.AsFloat(QStringLiteral("Max_flow")), table.AsInteger(QStringLiteral("N")),
             table.AsFloat(QStringLiteral("P1")), table.AsFloat(QStringLiteral("Q1"))});
    }
    return rows;
}

std::optional<int> EjectorCount(double flow, double maxFlow) {
    // A count past any real installation means a broken catalogue row.
    if (!(maxFlow > 0) || !std::isfinite(flow) || flow / maxFlow > 100000)
        return std::nullopt;
    int count = 1;
    for (double carried = maxFlow; carried < flow; carried += maxFlow)
        ++count;
    return count;
}
