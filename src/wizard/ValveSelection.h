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
struct TSwitchingValveRow {
    int Port = 0;
    int Use = 0;
    double C1to2 = 0;
    double C2to3 = 0;
};
// Whether the valve can be the circuit's switching valve V3.
bool SwitchingValveQualifies(const TSwitchingValveRow& valve, const QString& circuit,
                             TOperateType mode, double tubeFlow, double nozzleDiameter);

// The series statements of the V1 and V2 lists (valves) and of the throttle list;
// nothing when the region is not a catalogue column.
std::optional<QString> ValveSeriesSql(double comparison, const QString& region);
std::optional<QString> ThrottleSeriesSql(double comparison, const QString& region);

// The statement of the valve table that the switching valve list walks.
std::optional<QString> SwitchingValveScanSql(const QString& region);
// The SERIES row of a switching valve series for its name.
std::optional<QString> SwitchingSeriesSql(const QString& seriesId, const QString& region);

// The valves of the circuit, in the order the valve page lists them.
enum class TValveKind { Supply, Release, Switching, Throttle };
// The statement of the model choice of a valve series, smallest C1to2 first;
// comparison is ignored for the switching valve, whose rule is applied row by row.
std::optional<QString> ValveModelSql(TValveKind kind, double comparison, const QString& seriesId,
                                     const QString& region);
