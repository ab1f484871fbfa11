#pragma once

#include "core/Globals.h"

#include <QString>

#include <optional>

// The valve rules of the selection: how large each valve of the circuit must be,
// which switching valves qualify, and the statements of the lists and models.

// The smallest sonic conductance C1to2 (dm³/(s·bar)) each valve of the circuit
// needs; nothing for a valve the circuit does not use. From the ejector's nozzle
// (mm) with an ejector, from the required flow (dm³/min) with a vacuum pump.
struct TValveComparison {
    std::optional<double> Supply;   // V1
    std::optional<double> Release;  // V2
    std::optional<double> Throttle; // the release throttle
};
TValveComparison ValveComparisonValues(const QString& circuit, double nozzleDiameter,
                                       double tubeFlow);

// A row of the valve table as the switching valve rule reads it.
struct TValveRow {
    int Port = 0;
    int Use = 0;
    double C1to2 = 0;
    double C2to3 = 0;
};
// Whether the valve can be the circuit's switching valve V3.
bool SwitchingValveQualifies(const TValveRow& valve, const QString& circuit, TOperateType mode,
                             double tubeFlow, double nozzleDiameter);

// The series statements of the V1 and V2 lists (valves) and of the throttle list;
// nothing when the region is not a catalogue column.
std::optional<QString> ValveSeriesSql(double comparison, const QString& region);
std::optional<QString> ThrottleSeriesSql(double comparison, const QString& region);
