#pragma once

#include "CircuitPlan.h"
#include "Symbols.h"

// The grid every diagram is laid out on.
namespace Grid {
constexpr qreal RailY = 30;
constexpr qreal ManifoldY = 236;
constexpr qreal PadSpread = 40;
constexpr qreal SourceX = 300; // the vacuum port of the ejector or the pump
// Ejector circuits: the valves hang from the rail above the ejector.
constexpr qreal HangTop = 56;
constexpr qreal EjectorY = 130;
constexpr qreal EjectorReleaseX = 110;
constexpr qreal DriveX = 220;
constexpr qreal ExhaustX = 356; // V3's exhaust goes round the right of the ejector
// Pump circuits: the release valve and V3 in a row below the pump.
constexpr qreal PumpY = 56;
constexpr qreal PumpReleaseX = 180;
constexpr qreal PumpValveTop = 112;
// A 3/2 V3 in the vacuum line, its port 3 under the source's vacuum port.
constexpr qreal SelectTop = 180;
constexpr qreal SelectLeft = SourceX - Sym::Square + Sym::PortInset;
constexpr qreal LabelGap = 13; // from a symbol's edge to its label's centre

} // namespace Grid

// Builds the diagram of one circuit plan: CircuitLayout.cpp places the source, the
// vacuum line and the pads, CircuitColumns.cpp the rail and the valve columns
// hanging from it.
class TLayout {
public:
    explicit TLayout(const TCircuitPlan& plan) : Plan(plan) {}
    TDiagram Build();

private:
    QRectF frameBox() const;
    qreal releaseX() const;
    qreal joinY() const;
    TPart inner() const;

    TSymbol& add(TShape shape, QPointF at, TPart part, bool flipped = false);
    void valve(const TSymbol& symbol);
    void throttle(QPointF at, bool labelRight);
    void label(TPart part, QPointF at);
    void wire(const QPolygonF& points, TPart part);
    void line(QPointF a, QPointF b, TPart outside);
    void junction(QPointF at, TPart part);

    qreal source();
    qreal vacuumLine(qreal portY);
    void pads(qreal x);
    void rail();
    void drive();
    void release();
    void exhaustRelease(QPointF port);

    const TCircuitPlan Plan;
    QRectF Frame; // the compact ejector's or the vacuum unit's frame, if any
    TDiagram D;
};
