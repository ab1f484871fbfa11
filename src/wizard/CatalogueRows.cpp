#include "wizard/CatalogueRows.h"

#include "core/CatalogueConstants.h"
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

bool IsSpecialUnitSeries(const QString& seriesId) {
    return seriesId.compare(QLatin1String(SpecialUnitSeries), Qt::CaseInsensitive) == 0;
}

QString SeriesTextKey(const QString& id, const QString& seriesId, bool unitVariant) {
    return unitVariant && !IsSpecialUnitSeries(seriesId) ? id + QStringLiteral("_2") : id;
}

QString SeriesPictureFile(const QString& picture, const QString& seriesId, bool unitVariant,
                          bool buffer, int systemCat) {
    if (IsSpecialUnitSeries(seriesId))
        return picture + '_' + QString::number(systemCat) + QStringLiteral(".jpg");
    const QString base = buffer ? picture + QStringLiteral("_B") : picture;
    return base + (unitVariant ? QStringLiteral("_2.jpg") : QStringLiteral(".jpg"));
}
