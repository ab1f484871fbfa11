#pragma once

#include <QString>

// The path along which a circuit's release air reaches the pads.
enum class TReleasePath {
    None,                 // the pads are released through the ejector only ("2", "5")
    EjectorValve,         // the ejector's or unit's own release valve, opened by the throttle
    ThrottleAndV2,        // the throttle in series with the release valve V2
    V2,                   // the release valve V2
    ThrottleAndV3,        // the throttle in series with the switching valve V3 (port 1 to 2)
    V3,                   // the switching valve V3 (port 1 to 2)
    ThrottleAndV3Exhaust, // the throttle in series with V3's port 2 to 3
    V3Exhaust,            // V3's port 2 to 3
};

// What stands in the vacuum line between the pads and the source, besides the tubing.
enum class TVacuumLine {
    Tube,          // nothing else
    TubeAndV3,     // the switching valve V3 (port 2 to 3)
    TubeAndV3Port, // V3 through the port its catalogue row names
    TubeAndUnit,   // the vacuum unit
};

// One circuit code and everything that depends on it alone: the system
// category, the ejector filters of the selection, the products and inputs the
// circuit uses, how the engine calculates it and the name of its diagram.
struct TCircuit {
    const char* Code;
    int SystemCat;
    const char* EjType;      // compared with column Type of M_EJ; empty: no filter
    const char* EjValveV2;   // condition on column Valve_V2 of M_EJ; empty: none
    bool EjectorOrUnit;      // an ejector (categories 1 and 2) or a vacuum unit (3)
    bool EjectorCount;       // the ejector count input
    bool SupplyValve;        // V1
    bool ReleaseValve;       // V2
    bool SwitchingValve;     // V3
    bool ThrottleModel;      // a release throttle product
    bool ThrottleOpening;    // the throttle opening input
    TReleasePath Release;    // release from the supply (C1)
    bool EjectorBackflow;    // release from the atmosphere back through the ejector (C2)
    bool ReadsV3Use;         // whether V3 is used at all is read from its catalogue row
    TVacuumLine Line;        // the vacuum line (C3)
    const char* PictureCode; // base name of the circuit diagram files
};

// Every circuit, in the order of its code's first appearance in the wizard.
inline constexpr int CircuitCount = 14;
const TCircuit* Circuits();

// The circuit of a code, or nullptr for a code outside the table.
const TCircuit* FindCircuit(const QString& code);
