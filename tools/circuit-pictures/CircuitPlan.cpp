#include "CircuitPlan.h"

#include "calc/CircuitTable.h"

namespace {

TReleaseFeed releaseFeed(const TCircuit& circuit) {
    switch (circuit.Release) {
    case TReleasePath::None:
        return TReleaseFeed::None;
    case TReleasePath::EjectorValve:
        return circuit.SystemCat == 1 ? TReleaseFeed::BuiltIn : TReleaseFeed::Unit;
    case TReleasePath::ThrottleAndV2:
    case TReleasePath::V2:
        return TReleaseFeed::V2;
    case TReleasePath::ThrottleAndV3:
    case TReleasePath::V3:
        return TReleaseFeed::V3Port1;
    case TReleasePath::ThrottleAndV3Exhaust:
    case TReleasePath::V3Exhaust:
        return TReleaseFeed::V3Exhaust;
    }
    return TReleaseFeed::None;
}

TLineValve lineValve(const TCircuit& circuit) {
    switch (circuit.Line) {
    case TVacuumLine::TubeAndV3:
        return TLineValve::Select;
    case TVacuumLine::TubeAndV3Port:
        return TLineValve::Switch;
    case TVacuumLine::Tube:
    case TVacuumLine::TubeAndUnit:
        break;
    }
    return TLineValve::None;
}

} // namespace

TCircuitPlan PlanCircuit(const TCircuit& circuit) {
    TCircuitPlan plan;
    plan.Pump = circuit.SystemCat >= 3;
    plan.Compact = circuit.SystemCat == 1;
    plan.Unit = circuit.Line == TVacuumLine::TubeAndUnit;
    plan.Release = releaseFeed(circuit);
    plan.LineValve = lineValve(circuit);
    if (plan.Compact)
        plan.Drive = TPart::Source;
    else if (circuit.SupplyValve)
        plan.Drive = TPart::V1;
    else if (plan.Release == TReleaseFeed::V3Exhaust)
        plan.Drive = TPart::V3;
    // A release through the ejector's or unit's own valve is set at its own throttle.
    if (circuit.ThrottleModel)
        plan.Throttle = TPart::V4;
    else if (circuit.ThrottleOpening && circuit.Release == TReleasePath::EjectorValve)
        plan.Throttle = TPart::Source;
    return plan;
}
