#pragma once

#include "wizard/CatalogueRows.h"

#include <QList>
#include <QString>

#include <optional>

class TDMComm;

// The tubing rules of the selection: the thinnest tube of the series that passes
// the flow the response time and the leakage need.

struct TTube {
    QString Id;
    double Diameter = 0; // inner diameter, mm
};

struct TTubeChoice {
    QString TubeId;  // empty when no tube passes
    double QMax = 0; // the flow the chosen tube must pass, dm³/min (ANR)
    double V = 0;    // volume and effective area of the last tube examined
    double Se = 0;
};

// The statements of the tubing series list and of the tubes of a series, thinnest
// first; nothing when a name that would be pasted is not one of the catalogue's.
std::optional<QString> TubeSeriesSql(const QString& region);
std::optional<QString> TubesOfSeriesSql(const QString& seriesId, const QString& region);

// The tubing series of the region, in its order.
QList<TListRow> TubeSeriesRows(TDMComm& db, const QString& region);
// The tubes of a series, thinnest first.
QList<TTube> TubesOfSeries(TDMComm& db, const QString& seriesId, const QString& region);

// Walks the tubes from the thinnest: length m, response time s, pads, leakage per
// pad dm³/min. A tube passes when half the required flow is at most 12 times its
// effective area.
TTubeChoice ChooseTube(const QList<TTube>& tubes, double length, double responseTime, int pads,
                       double leakage);
