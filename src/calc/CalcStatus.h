#pragma once

#include <QString>

// Status codes of CalcCircuit. 0, 2 and 3 are those every caller knows; the
// others report inputs outside what the catalogue and the wizard supply: 14 to
// 19 an input outside its physical range, found before anything is calculated,
// 13 and 20 a result that is not a number or that physics rules out.
enum TCalcStatus : int {
    CalcDone = 0,                    // also when a product row was not found
    CalcSourceFlowTooSmall = 2,      // the suction flow does not exceed the leakage
    CalcNoVacuum = 3,                // the leakage is so large that no vacuum is reached
    CalcWorkingVacuumTooHigh = 4,    // working vacuum at or above the maximum vacuum
    CalcNoVolume = 5,                // the evacuated volume is not positive
    CalcNoLineConductance = 6,       // the vacuum line has no conductance
    CalcUnknownCharacteristic = 7,   // the ejector's characteristic type is not 1 or 2
    CalcNoReleasePath = 8,           // neither release path lets air in
    CalcReleaseTooLong = 9,          // the release takes longer than the integration bound
    CalcAdsorptionTooLong = 10,      // the adsorption takes longer than the chart bound
    CalcUnknownCircuit = 11,         // circuit code or system category unknown
    CalcNoMass = 12,                 // the workpiece mass is not positive
    CalcNotFinite = 13,              // the inputs lead to a result that is not a number
    CalcNoPads = 14,                 // the number of pads is not positive
    CalcNegativeLeakage = 15,        // the leakage at a pad is negative
    CalcThrottleOutOfRange = 16,     // the throttle opening is outside 0 (shut) to 1 (open)
    CalcNegativeTubeArea = 17,       // the effective area of the tubing is negative
    CalcPumpLevelOutOfRange = 18,    // the pump vacuum is negative or not below the atmosphere
    CalcNegativeSupplyPressure = 19, // the supply pressure of the release is negative
    CalcImpossibleResult = 20,       // a result physics rules out, e.g. from catalogue values
};

// Longest release or adsorption the calculation follows, in s of simulated time.
inline constexpr double CalcTimeBound = 600.0;

// Language message key the screens show for a status ("QLError1" for 2 ...);
// empty for CalcDone.
QString CalcStatusMessageKey(int status);
// English description, for the command line and for logs.
QString CalcStatusDescription(int status);
