#pragma once

#include "calc/CalcCircuit.h"
#include "wizard/WizardContext.h"

#include <QHash>
#include <QString>
#include <QVariant>

#include <optional>

class TDMComm;
class TUnitManager;

// What `zavk-cli select` was asked, in calculation units; a value left out takes
// what the wizard starts with.
struct TSelectRequest {
    QString Circuit;
    std::optional<int> Region;
    std::optional<double> Mass, Pads, Safety, Time, ReleasePressure, Pump, Vacuum, Leakage, Length,
        Supply;
    bool Vertical = false;
    bool Automatic = true;
    bool Buffer = true;
    bool StandardFlow = true;
    std::optional<QString> PadSeries, Pad, TubeSeries, EjectorSeries, SupplyValveSeries,
        ReleaseValveSeries, SwitchingValveSeries, ThrottleSeries;
};

// One product the selection chose.
struct TChosenProduct {
    QString Kind; // pad, tubing, ejector, vacuum unit, supply valve, ...
    QString SeriesId;
    QString Id;
    QString Name;
    int Count = 1;
};

// How a selection ended: a usage problem (exit 1), a wizard message (exit 3), or
// the result.
struct TSelectOutcome {
    QString Problem;                // a value or choice the wizard would not take
    std::optional<QString> StopKey; // the message key where the wizard stopped ("" none)
    QString StopText;               // what the stop means when it has no key
    QList<TChosenProduct> Products;
    // The wizard's controls as the run left them, by the keys of the history file.
    QHash<QString, QVariant> Controls;
    TCalcOutput Output;
    TCalcSession Session;
    bool Calculated = false;
};

// Runs the wizard's selection steps from the first page to the result with the
// context alone: the same rules the pages call, the first row of every list
// unless the request names one of its rows.
TSelectOutcome RunSelection(TDMComm& db, const TUnitManager& units, const TSelectRequest& request,
                            TWizardContext& context);
