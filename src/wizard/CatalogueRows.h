#pragma once

#include <QList>
#include <QString>

#include <optional>

class TDMComm;

// One row of a list a selection page shows.
struct TListRow {
    QString Key;  // SERIESID of a series, ID of a product
    QString Id;   // the series' catalogue ID (its texts in the language file); the product's name
    QString Area; // a pad's area as the grid shows it
};

// The rows a statement returns, read from the named columns (area may be null);
// none when there is no statement or it fails.
QList<TListRow> CatalogueRows(TDMComm& db, const std::optional<QString>& sql, const char* key,
                              const char* id, const char* area = nullptr);
// The rows of a series statement: SERIESID and the series' ID.
QList<TListRow> SeriesRows(TDMComm& db, const std::optional<QString>& sql);

// Whether the series is the vacuum unit series treated apart (its pictures by
// category, no pump wording, a release supply pressure of at least 0.3 MPa).
bool IsSpecialUnitSeries(const QString& seriesId);
// The key of a series' texts in the language file: its catalogue ID, with "_2"
// for the vacuum unit wording (never for the special unit series).
QString SeriesTextKey(const QString& id, const QString& seriesId, bool unitVariant);
// The picture file of a series (in the program's Img/ folder) from its SERIES_PIC:
// "_B" for pads with buffer, "_2" for the vacuum unit variant, and for the special
// unit series the system category's own picture.
QString SeriesPictureFile(const QString& picture, const QString& seriesId, bool unitVariant,
                          bool buffer, int systemCat);
