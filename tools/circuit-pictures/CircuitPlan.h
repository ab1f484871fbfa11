#pragma once

#include "Diagram.h"

// Where the release air comes from.
enum class TReleaseFeed {
    None,      // released through the ejector only
    BuiltIn,   // the compact ejector's own release valve
    Unit,      // the vacuum unit's release valve
    V2,        // the release valve V2, into the vacuum line
    V3Port1,   // the supply into port 1 of V3 standing in the vacuum line
    V3Exhaust, // the ejector's drive line, let out through V3's port 2 to 3
};

// V3 standing in the vacuum line.
enum class TLineValve {
    None,
    Switch, // a 2/2 valve that opens and closes the line
    Select, // a 3/2 valve: pads to the source at rest, pads to the release air switched
};

// What a diagram shows, read from the circuit's row of the table.
struct TCircuitPlan {
    bool Pump = false;         // a vacuum pump, else an ejector
    bool Compact = false;      // the ejector's valves are built into it
    bool Unit = false;         // a vacuum unit stands in the vacuum line
    TPart Drive = TPart::None; // the valve on the ejector's drive air: V1, V3, or Source (built-in)
    TReleaseFeed Release = TReleaseFeed::None;
    TLineValve LineValve = TLineValve::None;
    TPart Throttle = TPart::None; // V4, Source (built-in), or None
};

TCircuitPlan PlanCircuit(const TCircuit& circuit);
