#include "wizard/EjectorSelection.h"

#include "calc/Formulas.h"
#include "core/DMComm.h"
#include "core/DataTable.h"
#include "wizard/PadSelection.h"

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
        if (!(ReachedVacuum(ejector, leakage) >= padVacuum))
            continue;
        filter +=
            (filter.isEmpty() ? QStringLiteral("ID=") : QStringLiteral(" OR ID=")) + ejector.Id;
    }
    return filter;
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
