#include "calc/CalcStatus.h"

namespace {

struct StatusText {
    int status;
    const char* key;
    const char* description;
};

const StatusText Texts[] = {
    {CalcDone, "", "calculation done"},
    {CalcSourceFlowTooSmall, "QLError1",
     "the suction flow of the vacuum source does not exceed the leakage"},
    {CalcNoVacuum, "QLError2", "the leakage is so large that no vacuum is reached at the pads"},
    {CalcWorkingVacuumTooHigh, "CalcError4",
     "the working vacuum is at or above the maximum vacuum the circuit reaches"},
    {CalcNoVolume, "CalcError5", "the volume to evacuate is not positive"},
    {CalcNoLineConductance, "CalcError6", "the vacuum line has no conductance"},
    {CalcUnknownCharacteristic, "CalcError7",
     "the ejector's characteristic type is neither 1 nor 2"},
    {CalcNoReleasePath, "CalcError8", "no release path lets air back to the pads"},
    {CalcReleaseTooLong, "CalcError9", "the release takes longer than 10 minutes"},
    {CalcAdsorptionTooLong, "CalcError10", "the adsorption takes longer than 10 minutes"},
    {CalcUnknownCircuit, "CalcError11", "the circuit code or system category is unknown"},
    {CalcNoMass, "CalcError12", "the workpiece mass is not positive"},
    {CalcNotFinite, "CalcError13", "the input values give no finite result"},
    {CalcNoPads, "CalcError14", "the number of pads is not positive"},
    {CalcNegativeLeakage, "CalcError15", "the leakage at a pad is negative"},
    {CalcThrottleOutOfRange, "CalcError16",
     "the throttle opening is not between 0 for shut and 1 for fully open"},
    {CalcNegativeTubeArea, "CalcError17", "the effective area of the tubing is negative"},
    {CalcPumpLevelOutOfRange, "CalcError18",
     "the vacuum pump pressure is negative or not below the atmospheric 101.13 kPa"},
    {CalcNegativeSupplyPressure, "CalcError19", "the supply pressure for the release is negative"},
    {CalcImpossibleResult, "CalcError20",
     "the input or catalogue values give a physically impossible result"},
};

const StatusText* find(int status) {
    for (const StatusText& text : Texts) {
        if (text.status == status)
            return &text;
    }
    return nullptr;
}

} // namespace

QString CalcStatusMessageKey(int status) {
    const StatusText* text = find(status);
    return text ? QLatin1String(text->key) : QStringLiteral("CalcError13");
}

QString CalcStatusDescription(int status) {
    const StatusText* text = find(status);
    return text ? QLatin1String(text->description) : QStringLiteral("unknown status");
}
