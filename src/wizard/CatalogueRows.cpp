#include "wizard/CatalogueRows.h"

#include "core/DMComm.h"
#include "core/DataTable.h"

QList<TListRow> CatalogueRows(TDMComm& db, const std::optional<QString>& sql, const char* key,
                              const char* id, const char* area) {
    TDataTable table;
    if (!sql || !db.GetDataPacket(*sql, table))
        return {};
    QList<TListRow> rows;
    for (table.First(); !table.Eof(); table.Next()) {
        rows.append({table.AsString(QLatin1String(key)), table.AsString(QLatin1String(id)),
                     area ? table.AsString(QLatin1String(area)) : QString()});
    }
    return rows;
}

QList<TListRow> SeriesRows(TDMComm& db, const std::optional<QString>& sql) {
    return CatalogueRows(db, sql, "SERIESID", "ID");
}
