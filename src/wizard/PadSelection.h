#pragma once

#include "wizard/CatalogueRows.h"

#include <QList>
#include <QString>

#include <optional>

class TDMComm;

// The pad page's rules: which series and pads can hold the workpiece, by the
// area each pad needs (automatic method) or among all pads (specified method).
enum class TPadMethod { Automatic, Specified };

// Area in mm² each of n pads needs to hold mass kg with the safety factor at the
// vacuum magnitude kPa: mass × 9.8 × safety / (n × vacuum) × 1000.
double RequiredPadArea(double mass, double safety, double pads, double vacuum);

// The sales region columns of the catalogue, the only names pasted into SQL text.
bool IsRegionColumn(const QString& column);

// The statements of the series and model lists; nothing when a name that would
// be pasted into them is not one of the catalogue's.
std::optional<QString> PadSeriesSql(TPadMethod method, const QString& region, double area);
std::optional<QString> PadModelSql(TPadMethod method, const QString& seriesId, bool buffer,
                                   const QString& region, double area);

// The series that have a pad for the conditions, in the region's order.
QList<TListRow> PadSeriesRows(TDMComm& db, TPadMethod method, const QString& region, double area);
// The pads of a series, smallest first; in the automatic method only the smallest
// that suffices.
QList<TListRow> PadModelRows(TDMComm& db, TPadMethod method, const QString& seriesId, bool buffer,
                             const QString& region, double area);
