#include "wizard/PadSelection.h"

#include "core/Helpers.h"

double RequiredPadArea(double mass, double safety, double pads, double vacuum) {
    return mass * 9.8 * safety / (pads * vacuum) * 1000;
}

bool IsRegionColumn(const QString& column) {
    for (int index = 0; index < 4; ++index) {
        QString name;
        if (RegionName(index, name) && name == column)
            return true;
    }
    return false;
}

std::optional<QString> PadSeriesSql(TPadMethod method, const QString& r, double area) {
    if (!IsRegionColumn(r))
        return std::nullopt;
    QString sql = "SELECT DISTINCT(P.SERIESID) AS SERIESID,S.SERIES_NAME AS SERIES_NAME,S.ID AS "
                  "ID,S." +
                  r + " AS " + r + " FROM SERIES AS S,M_PT AS P WHERE (S.SERIESID = P.SERIESID)";
    if (method == TPadMethod::Specified)
        return sql + " AND (P." + r + "<>0) ORDER BY S." + r + " ASC";
    return sql + " AND (P.PAD_S>=" + SqlNumber(area) + ")" + " AND (S." + r + "<>0) ORDER BY S." +
           r + " ASC";
}

std::optional<QString> PadModelSql(TPadMethod method, const QString& seriesId, bool buffer,
                                   const QString& r, double area) {
    if (!IsRegionColumn(r) || !IsCatalogueCode(seriesId))
        return std::nullopt;
    const QString sql = "SELECT ID,M_NAME,PAD_S FROM M_PT WHERE SERIESID ='" + seriesId + "'" +
                        " AND BUFFER=" + (buffer ? "1" : "0");
    const QString limit =
        method == TPadMethod::Automatic ? " AND PAD_S>=" + SqlNumber(area) : QString();
    return sql + limit + " AND " + r + "<>0" + " ORDER BY PAD_S ASC";
}

QList<TListRow> PadSeriesRows(TDMComm& db, TPadMethod method, const QString& region, double area) {
    return SeriesRows(db, PadSeriesSql(method, region, area));
}

QList<TListRow> PadModelRows(TDMComm& db, TPadMethod method, const QString& seriesId, bool buffer,
                             const QString& region, double area) {
    QList<TListRow> rows = CatalogueRows(db, PadModelSql(method, seriesId, buffer, region, area),
                                         "ID", "M_NAME", "PAD_S");
    if (method == TPadMethod::Automatic && rows.size() > 1)
        rows.resize(1); // the smallest pad that suffices
    return rows;
}
