#include "wizard/ValveSelection.h"

#include "calc/CircuitTable.h"
#include "core/Helpers.h"
#include "wizard/PadSelection.h"

TValveComparison ValveComparisonValues(const QString& circuit, double d, double q) {
    const TCircuit* c = FindCircuit(circuit);
    if (!c)
        return {};
    // With a vacuum pump the valves carry the required flow; with an ejector they
    // match its nozzle.
    const double size = c->SystemCat == 4 ? q / 30 : 0.471 * d * d;
    TValveComparison values;
    if (c->SupplyValve)
        values.Supply = 0.471 * d * d;
    if (c->ReleaseValve)
        values.Release = size;
    if (c->ThrottleModel)
        values.Throttle = size;
    return values;
}

bool SwitchingValveQualifies(const TSwitchingValveRow& v, const QString& circuit, TOperateType mode,
                             double q, double d) {
    const double c = mode == TOperateType::otCalc ? v.C1to2 : v.C2to3;
    const double flow = q / 30;
    if (v.Port == 3 && v.Use == 0 && IsOneOf(circuit, {"3b", "4b", "7b", "8b"}) && flow <= c)
        return true;
    if ((v.Port == 2 || v.Port == 3) && v.Use == 0 && IsOneOf(circuit, {"7", "8"}) &&
        v.C1to2 >= flow)
        return true;
    if (v.Port == 3 && v.Use == 0 && IsOneOf(circuit, {"9", "9b"}) && v.C1to2 >= 0.471 * d * d)
        return true;
    if (v.Port == 3 && v.Use == 1 && IsOneOf(circuit, {"3b", "7b"}) && flow <= c)
        return true;
    return v.Port == 3 && v.Use == 2 && IsOneOf(circuit, {"4b", "8b"}) && flow <= c;
}

std::optional<QString> ValveSeriesSql(double x, const QString& r) {
    if (!IsRegionColumn(r))
        return std::nullopt;
    return "SELECT DISTINCT(V.SERIESID) AS SERIESID,S.SERIES_NAME AS SERIES_NAME,S.ID AS ID,S." +
           r + " AS " + r + " FROM SERIES AS S,M_VA AS V WHERE S.SERIESID = V.SERIESID" +
           " AND (Port=2 OR Port=3) AND USE=0 AND C1to2>=" + SqlNumber(x) + " AND (V." + r +
           "<>0) ORDER BY S." + r + " ASC";
}

std::optional<QString> ThrottleSeriesSql(double x, const QString& r) {
    if (!IsRegionColumn(r))
        return std::nullopt;
    return "SELECT DISTINCT(V.SERIESID) AS SERIESID,S.SERIES_NAME AS SERIES_NAME,S.ID AS ID,S." +
           r + " AS " + r + " FROM SERIES AS S,M_SPECON AS V WHERE S.SERIESID = V.SERIESID" +
           " AND C1to2>=" + SqlNumber(x) + " AND (V." + r + "<>0) ORDER BY S." + r + " ASC";
}

std::optional<QString> SwitchingValveScanSql(const QString& r) {
    if (!IsRegionColumn(r))
        return std::nullopt;
    return "SELECT * FROM M_VA  WHERE " + r + "<>0" + " ORDER BY C1to2 ASC";
}

std::optional<QString> SwitchingSeriesSql(const QString& seriesId, const QString& r) {
    if (!IsCatalogueCode(seriesId) || !IsRegionColumn(r))
        return std::nullopt;
    return "SELECT ID,SERIESID,SERIES_NAME FROM SERIES WHERE SERIESID = '" + seriesId + "'" +
           " AND " + r + "<>0 ORDER BY " + r + " ASC";
}

std::optional<QString> ValveModelSql(TValveKind kind, double x, const QString& seriesId,
                                     const QString& r) {
    if (!IsCatalogueCode(seriesId) || !IsRegionColumn(r))
        return std::nullopt;
    const QString series = "'" + seriesId + "'";
    const QString tail = " AND " + r + "<>0" + " ORDER BY C1to2 ASC";
    switch (kind) {
    case TValveKind::Supply:
        return "SELECT * FROM M_VA WHERE USE=0 AND C1to2>=" + SqlNumber(x) +
               " AND (Port=2 OR Port=3)" + " AND SeriesID=" + series + tail;
    case TValveKind::Release:
        return "SELECT * FROM M_VA WHERE USE=0 AND C1to2>=" + SqlNumber(x) +
               " AND SeriesID=" + series + tail;
    case TValveKind::Switching:
        return "SELECT * FROM M_VA WHERE SERIESID= " + series + tail;
    case TValveKind::Throttle:
        return "SELECT * FROM M_SPECON WHERE C1to2>=" + SqlNumber(x) + " AND SeriesID=" + series +
               tail;
    }
    return std::nullopt;
}
