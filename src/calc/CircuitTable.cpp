#include "calc/CircuitTable.h"

namespace {

using enum TReleasePath;
using enum TVacuumLine;
constexpr bool Y = true;
constexpr bool N = false;
constexpr const char* BothV2 = "(Valve_V2=1 or Valve_V2=2)";

// clang-format off
constexpr TCircuit Table[CircuitCount] = {
//   code cat type V2 filter    EJ n  V1 V2 V3 th op release (C1)          C2 V3 line (C3)      picture
    {"1",  1, "1", BothV2,       Y, Y, N, N, N, N, Y, EjectorValve,         Y, N, Tube,          "00"},
    {"2",  1, "1", "Valve_V2=1", Y, Y, N, N, N, N, N, None,                 Y, N, Tube,          "01"},
    {"3",  2, "2", "",           Y, Y, Y, Y, N, Y, Y, ThrottleAndV2,        Y, N, Tube,          "1000"},
    {"4",  2, "2", "",           Y, Y, Y, Y, N, N, N, V2,                   Y, N, Tube,          "1001"},
    {"3b", 2, "2", "",           Y, Y, Y, N, Y, Y, Y, ThrottleAndV3,        N, Y, TubeAndV3,     "1010"},
    {"4b", 2, "2", "",           Y, Y, Y, N, Y, N, N, V3,                   N, Y, TubeAndV3,     "1011"},
    {"9",  2, "2", "",           Y, Y, N, N, Y, Y, Y, ThrottleAndV3Exhaust, Y, Y, Tube,          "1020"},
    {"9b", 2, "2", "",           Y, Y, N, N, Y, N, N, V3Exhaust,            Y, Y, Tube,          "1021"},
    {"5",  2, "2", "",           Y, Y, Y, N, N, N, N, None,                 Y, N, Tube,          "11"},
    {"6",  3, "2", "",           Y, N, N, N, N, N, Y, EjectorValve,         N, N, TubeAndUnit,   "2"},
    {"7",  4, "",  "",           N, N, N, Y, Y, Y, Y, ThrottleAndV2,        N, N, TubeAndV3Port, "300"},
    {"8",  4, "",  "",           N, N, N, Y, Y, N, N, V2,                   N, N, TubeAndV3Port, "301"},
    {"7b", 4, "",  "",           N, N, N, N, Y, Y, Y, ThrottleAndV3,        N, Y, TubeAndV3,     "310"},
    {"8b", 4, "",  "",           N, N, N, N, Y, N, N, V3,                   N, Y, TubeAndV3,     "311"},
};
// clang-format on

} // namespace

const TCircuit* Circuits() {
    return Table;
}

const TCircuit* FindCircuit(const QString& code) {
    for (const TCircuit& circuit : Table) {
        if (code == QLatin1String(circuit.Code))
            return &circuit;
    }
    return nullptr;
}
