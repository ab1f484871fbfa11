// The compressed-air side of a diagram: the supply with its rail along the top, the
// drive valve of the ejector and the release column, each hanging from the rail.

#include "CircuitLayout.h"

#include <algorithm>

using namespace Grid;
using Sym::Square;

void TLayout::rail() {
    QList<qreal> drops;
    if (Plan.Release != TReleaseFeed::None && Plan.Release != TReleaseFeed::V3Exhaust)
        drops.append(releaseX());
    if (Plan.Drive != TPart::None)
        drops.append(DriveX);
    if (drops.isEmpty())
        return;
    const QPointF supply(drops.first() - 82, RailY);
    add(TShape::Supply, supply, TPart::None);
    line(supply + QPointF(Sym::SupplyRadius, 0), {drops.last(), RailY}, TPart::None);
    for (qsizetype drop = 0; drop + 1 < drops.size(); ++drop)
        junction({drops.at(drop), RailY}, inner());
}

// The valve that switches the ejector's drive air: V1, a built-in one, or V3
// whose exhaust carries the drive line's air on into the vacuum line.
void TLayout::drive() {
    if (Plan.Drive == TPart::None)
        return;
    const bool selects = Plan.Drive == TPart::V3;
    const TShape shape = selects ? TShape::Valve32 : TShape::Valve22;
    const qreal left = DriveX - (selects ? Sym::PortInset : Square / 2);
    const TSymbol drive{shape, {left, HangTop}, Plan.Drive, true, {}};
    valve(drive);
    line({DriveX, RailY}, ValvePort(drive, 1), inner());
    const QPointF out = ValvePort(drive, 2);
    const QPointF inlet(SourceX - Sym::EjectorHalfW, EjectorY);
    wire({out, {out.x(), inlet.y()}, inlet}, inner());
    if (selects)
        exhaustRelease(ValvePort(drive, 3));
}

// From V3's port 3 over the top and down the right of the ejector into the vacuum line.
void TLayout::exhaustRelease(QPointF port) {
    const qreal over = port.y() - 12;
    const QPointF join(SourceX, joinY());
    if (Plan.Throttle == TPart::None) {
        wire({port, {port.x(), over}, {ExhaustX, over}, {ExhaustX, join.y()}, join}, TPart::None);
    } else {
        const QPointF at(ExhaustX, 100);
        const QPointF half(0, Sym::ThrottleHalf);
        wire({port, {port.x(), over}, {ExhaustX, over}, at - half}, TPart::None);
        throttle(at, true);
        wire({at + half, {ExhaustX, join.y()}, join}, TPart::None);
    }
    junction(join, TPart::Tubing);
}

// The release column: its valve (unless the air goes to V3's port 1), the
// throttle, and the line into the vacuum line or to V3.
void TLayout::release() {
    const TReleaseFeed feed = Plan.Release;
    if (feed == TReleaseFeed::None || feed == TReleaseFeed::V3Exhaust)
        return;
    const qreal x = releaseX();
    QPointF at(x, RailY);
    if (feed != TReleaseFeed::V3Port1) {
        const TPart part = feed == TReleaseFeed::V2 ? TPart::V2 : TPart::Source;
        const qreal top = Plan.Pump ? PumpValveTop : HangTop;
        const TSymbol valveAt{TShape::Valve22, {x - Square / 2, top}, part, true, {}};
        valve(valveAt);
        line(at, ValvePort(valveAt, 1), TPart::None);
        at = ValvePort(valveAt, 2);
    }
    if (Plan.Throttle != TPart::None) {
        const QPointF centre(x, std::max<qreal>(118, at.y() + 24));
        const QPointF half(0, Sym::ThrottleHalf);
        line(at, centre - half, inner());
        throttle(centre, false);
        at = centre + half;
    }
    if (feed == TReleaseFeed::V3Port1) {
        const QPointF port(SelectLeft + Sym::PortInset, SelectTop);
        wire({at, {x, port.y() - 16}, {port.x(), port.y() - 16}, port}, TPart::None);
        return;
    }
    const QPointF join(SourceX, joinY());
    wire({at, {x, join.y()}, join}, inner());
    junction(join, Frame.isNull() ? TPart::Tubing : TPart::Source);
}

TDiagram DescribeCircuit(const TCircuit& circuit) {
    return TLayout(PlanCircuit(circuit)).Build();
}

bool HasPart(const TDiagram& diagram, TPart part) {
    const auto in = [part](const auto& element) { return element.Part == part; };
    return std::any_of(diagram.Symbols.begin(), diagram.Symbols.end(), in) ||
           std::any_of(diagram.Wires.begin(), diagram.Wires.end(), in);
}
