// Lays a circuit out from its plan: the compressed-air rail along the top with the
// valves hanging from it, the vacuum source, the vacuum line down to the two pads
// on their workpiece at the bottom. Every diagram uses the same grid, so the same
// symbol sits at the same place in all pictures that have it.

#include "CircuitLayout.h"

#include "Symbols.h"

#include <algorithm>

using namespace Grid;
using Sym::Square;

namespace {

constexpr qreal FrameMargin = 10;

// The left end of a valve with its ports at x: the outer edge of its solenoid.
qreal valveLeft(qreal x) {
    return x - Square / 2 - Square - Sym::SolenoidWidth;
}

} // namespace

// The compact ejector's frame runs round its valves, the ejector and the silencer,
// with the rail inside it; the unit's round its two valves and the release line.
QRectF TLayout::frameBox() const {
    if (Plan.Compact) {
        const bool release = Plan.Release == TReleaseFeed::BuiltIn;
        const qreal left = valveLeft(release ? EjectorReleaseX : DriveX) - FrameMargin;
        const qreal right =
            SourceX + Sym::EjectorHalfW + Sym::SilencerGap + Sym::SilencerLength + FrameMargin;
        const qreal bottom = release ? joinY() + FrameMargin : EjectorY + Sym::EjectorHalfH + 12;
        const qreal top = RailY - 14;
        return {left, top, right - left, bottom - top};
    }
    if (Plan.Unit) {
        const qreal left = valveLeft(PumpReleaseX) - FrameMargin;
        const qreal right = SourceX + Square / 2 + Sym::SpringLength + FrameMargin;
        const qreal top = PumpValveTop - 12;
        return {left, top, right - left, joinY() + FrameMargin - top};
    }
    return {};
}

qreal TLayout::releaseX() const {
    return Plan.Pump ? PumpReleaseX : EjectorReleaseX;
}

qreal TLayout::joinY() const {
    return Plan.Compact ? 166 : Plan.Pump ? 196 : 190;
}

TPart TLayout::inner() const {
    return Frame.isNull() ? TPart::None : TPart::Source;
}

TDiagram TLayout::Build() {
    Frame = frameBox();
    if (!Frame.isNull())
        add(TShape::Enclosure, {}, TPart::Source).Box = Frame;
    const qreal padsX = vacuumLine(source());
    pads(padsX);
    rail();
    drive();
    release();
    return D;
}

TSymbol& TLayout::add(TShape shape, QPointF at, TPart part, bool flipped) {
    D.Symbols.append({shape, at, part, flipped, {}});
    return D.Symbols.last();
}

// A valve labelled left of its solenoid, unless it is built into a unit.
void TLayout::valve(const TSymbol& symbol) {
    D.Symbols.append(symbol);
    const QPointF at = symbol.At;
    if (symbol.Part != TPart::Source)
        label(symbol.Part, {at.x() - Square - Sym::SolenoidWidth - LabelGap, at.y() + Square / 2});
}

void TLayout::throttle(QPointF at, bool labelRight) {
    add(TShape::Throttle, at, Plan.Throttle);
    const qreal dx = 10 + LabelGap;
    if (Plan.Throttle == TPart::V4)
        label(TPart::V4, at + QPointF(labelRight ? dx : -dx, 0));
}

void TLayout::label(TPart part, QPointF at) {
    const char* name = part == TPart::V1   ? "V1"
                       : part == TPart::V2 ? "V2"
                       : part == TPart::V3 ? "V3"
                                           : "V4";
    D.Labels.append({QString::fromLatin1(name), at, part});
}

void TLayout::wire(const QPolygonF& points, TPart part) {
    D.Wires.append({points, part});
}

// A straight line that may cross the unit's frame: the piece inside belongs to it.
void TLayout::line(QPointF a, QPointF b, TPart outside) {
    const bool aIn = Frame.contains(a);
    const bool bIn = Frame.contains(b);
    if (aIn == bIn)
        return wire({a, b}, aIn ? TPart::Source : outside);
    QPointF cut = a;
    if (a.y() == b.y())
        cut.setX(std::clamp(aIn ? b.x() : a.x(), Frame.left(), Frame.right()));
    else
        cut.setY(std::clamp(aIn ? b.y() : a.y(), Frame.top(), Frame.bottom()));
    wire({a, cut}, aIn ? TPart::Source : outside);
    wire({cut, b}, bIn ? TPart::Source : outside);
}

void TLayout::junction(QPointF at, TPart part) {
    D.Junctions.append({at, part});
}

// The ejector with its silencer, or the pump; returns the y of the vacuum port.
qreal TLayout::source() {
    if (Plan.Pump) {
        add(TShape::Pump, {SourceX, PumpY}, TPart::None);
        return PumpY + Sym::PumpRadius;
    }
    const QPointF centre(SourceX, EjectorY);
    add(TShape::Ejector, centre, TPart::Source);
    const QPointF exhaust = centre + QPointF(Sym::EjectorHalfW, 0);
    const QPointF silencer = exhaust + QPointF(Sym::SilencerGap, 0);
    wire({exhaust, silencer}, TPart::Source);
    add(TShape::Silencer, silencer, TPart::Source);
    return EjectorY + Sym::EjectorHalfH;
}

// From the source's vacuum port down to the pads; returns the x of the pads' line.
qreal TLayout::vacuumLine(qreal portY) {
    if (Plan.LineValve == TLineValve::Select) {
        const TSymbol v3{TShape::Valve32, {SelectLeft, SelectTop}, TPart::V3, true, {}};
        valve(v3);
        line({SourceX, portY}, ValvePort(v3, 3), TPart::Tubing);
        const QPointF pads = ValvePort(v3, 2);
        line(pads, {pads.x(), ManifoldY}, TPart::Tubing);
        return pads.x();
    }
    if (Plan.LineValve == TLineValve::Switch || Plan.Unit) {
        const TPart part = Plan.Unit ? TPart::Source : TPart::V3;
        const TSymbol v3{TShape::Valve22, {SourceX - Square / 2, PumpValveTop}, part, false, {}};
        valve(v3);
        line({SourceX, portY}, ValvePort(v3, 2), TPart::Tubing);
        line(ValvePort(v3, 1), {SourceX, ManifoldY}, TPart::Tubing);
        return SourceX;
    }
    line({SourceX, portY}, {SourceX, ManifoldY}, TPart::Tubing);
    return SourceX;
}

void TLayout::pads(qreal x) {
    wire({{x - PadSpread, ManifoldY}, {x + PadSpread, ManifoldY}}, TPart::Tubing);
    junction({x, ManifoldY}, TPart::Tubing);
    for (const qreal side : {-PadSpread, PadSpread})
        add(TShape::Pad, {x + side, ManifoldY}, TPart::Pads);
    const qreal top = ManifoldY + Sym::PadHeight;
    add(TShape::Workpiece, {}, TPart::None).Box = QRectF(x - 74, top, 148, 14);
}
