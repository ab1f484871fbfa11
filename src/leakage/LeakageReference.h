#pragma once

#include <QString>
#include <QStringList>

#include <array>
#include <optional>

class TDMComm;
class TDataTable;

// Typical leakage of workpiece materials under a suction pad: per pad size, pad
// shape and pad material the catalogue's table Material holds the vacuum reached
// and the leakage flow on seventeen workpieces, once with a weak and once with a
// strong vacuum source. The reference shows each as the range between the two.

// The workpiece rows, top to bottom.
constexpr int LeakageRowCount = 17;

// Which of a row's two readings a cell shows.
enum class TLeakageKind {
    Pressure, // vacuum reached, kPa, shown as stored
    Flow      // leakage, L/min (ANR), shown with two decimals
};

// Catalogue column of a row (0 to 16) and kind: "P_STEEL", "L_STEEL", ...
QString LeakageColumn(int row, TLeakageKind kind);

// The measuring conditions, as stored in column PRESSTURE.
enum class TLeakageCondition { Low, High };

// A chosen pad: the pad's product code (SK_PAD), its shape (0 flat, 1 bellows)
// and its lip material (0 NBR, 1 silicone, 2 fluororubber).
struct TLeakageChoice {
    QString Pad;
    int Shape = 0;
    int Material = 0;
};

// The statement that reads the row of one condition; nothing when the pad name
// is not a catalogue code.
std::optional<QString> LeakageSql(const TLeakageChoice& choice, TLeakageCondition condition);

// The cell text of a low and a high reading: for flows, a reading other than ""
// and "0" is written with two decimals in the process locale; then both joined
// by " to " when both are given and differ, the low one alone when they are equal
// or the high one is missing, otherwise the high one.
QString LeakageCellText(const QString& low, const QString& high, TLeakageKind kind);

// Columns 2 (pressure) and 3 (flow) of every row.
struct TLeakageCells {
    std::array<QString, LeakageRowCount> Pressure;
    std::array<QString, LeakageRowCount> Flow;
};

// The cells from the first row of each condition; every cell stays empty when
// either condition has no row (a combination measured only once is not shown as
// a range it does not have).
TLeakageCells LeakageCellsOf(const TDataTable& low, const TDataTable& high);

// Reads both conditions of the choice from the catalogue. Empty cells, and false
// with the reason in error, when the pad name is refused or a statement fails.
bool ReadLeakageCells(TDMComm& db, const TLeakageChoice& choice, TLeakageCells& cells,
                      QString& error);

// The pad codes the catalogue has readings for, smallest pad first (the number
// in the code is the pad diameter). Codes that could not be queried are left out.
QStringList LeakagePads(TDMComm& db);

// The title of a row's photo (row 0 to 16): its material, followed by " -- " and
// its surface condition when it has one. A row that continues the material above
// it (empty material text) takes the nearest material text above it.
QString LeakagePhotoTitle(const QStringList& materials, const QStringList& surfaces, int row);
