#include "wizard/TubeSelection.h"
#include "core/Helpers.h"

#include "calc/Formulas.h"
#include "core/DMComm.h"
#include "core/DataTable.h"
#include "wizard/PadSelection.h"

std::optional<QString> TubeSeriesSql(const QString& r) {
    if (!IsRegionColumn(r))
        return std::nullopt;
    return "SELECT DISTINCT(T.SERIESID) AS SERIESID,S.SERIES_NAME AS SERIES_NAME,S.ID AS ID,S." +
           r + " AS " + r + " FROM SERIES AS S,M_Tube AS T WHERE (S.SERIESID = T.SERIESID)" +
           " AND (T." + r + "<>0) ORDER BY S." + r + " ASC";
}

std::optional<QString> TubesOfSeriesSql(const QString& seriesId, const QString& r) {
    if (!IsRegionColumn(r) || !IsCatalogueCode(seriesId))
        return std::nullopt;
    return "SELECT * FROM M_Tube WHERE SERIESID='" + seriesId + "'" + " AND " + r + "<>0" +
           " ORDER BY DIAMETER_IN ASC";
}

QList<TListRow> TubeSeriesRows(TDMComm& db, const QString& region) {
    return SeriesRows(db, TubeSeriesSql(region));
}

QList<TTube> TubesOfSeries(TDMComm& db, const QString& seriesId, const QString& region) {
    const std::optional<QString> sql = TubesOfSeriesSql(seriesId, region);
    TDataTable table;
    if (!sql || !db.GetDataPacket(*sql, table))
        return {};
    QList<TTube> tubes;
    for (table.First(); !table.Eof(); table.Next())
        tubes.append(
            {table.AsString(QStringLiteral("ID")), table.AsFloat(QStringLiteral("DIAMETER_IN"))});
    return tubes;
}

TTubeChoice ChooseTube(const QList<TTube>& tubes, double length, double responseTime, int pads,
                       double leakage) {
    TTubeChoice choice;
    for (const TTube& tube : tubes) {
        choice.V = TubeVolume(length, tube.Diameter);
        choice.Se = TubeEffectiveArea(length, tube.Diameter);
        const double flow = RequiredTubeFlow(choice.V, responseTime, pads, leakage);
        if (0.5 * flow <= 12 * choice.Se) {
            choice.TubeId = tube.Id;
            choice.QMax = flow;
            break;
        }
    }
    return choice;
}
