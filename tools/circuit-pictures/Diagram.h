#pragma once

#include <QList>
#include <QPointF>
#include <QPolygonF>
#include <QRectF>
#include <QString>

struct TCircuit;

// The parts of a circuit the program points at when the mouse is over its input;
// every element of a diagram belongs to one of them or to none.
enum class TPart { None, Pads, Tubing, Source, V1, V2, V3, V4 };

enum class TShape {
    Supply,    // compressed-air source; At: centre
    Ejector,   // vacuum generator; At: centre
    Silencer,  // At: where the exhaust line ends, the silencer lies to its right
    Pump,      // vacuum pump with its motor; At: centre of the pump circle
    Valve22,   // 2/2 solenoid valve, normally closed; At: top left of its rest square
    Valve32,   // 3/2 solenoid valve, normally closed; At: top left of its rest square
    Throttle,  // adjustable throttle in a vertical line; At: centre
    Pad,       // suction pad; At: top of its stem
    Workpiece, // Box
    Enclosure, // dash-dot frame of a unit; Box
};

struct TSymbol {
    TShape Shape;
    QPointF At;
    TPart Part = TPart::None;
    bool Flipped = false; // valves: port 1 on the top edge, port 2 on the bottom edge
    QRectF Box;
};

struct TWire {
    QPolygonF Points;
    TPart Part = TPart::None;
};

struct TJunction {
    QPointF At;
    TPart Part = TPart::None;
};

// A label is centred on At.
struct TLabel {
    QString Text;
    QPointF At;
    TPart Part = TPart::None;
};

// A circuit diagram: symbols, the lines between them, the dots where lines meet and
// the names of the valves, in the diagram's own coordinates.
struct TDiagram {
    QList<TSymbol> Symbols;
    QList<TWire> Wires;
    QList<TJunction> Junctions;
    QList<TLabel> Labels;
};

// The diagram of a circuit, built from its row of the circuit table.
TDiagram DescribeCircuit(const TCircuit& circuit);

// Whether the diagram has an element of part.
bool HasPart(const TDiagram& diagram, TPart part);
