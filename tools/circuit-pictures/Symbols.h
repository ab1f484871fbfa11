#pragma once

#include "Diagram.h"

#include <QColor>

class QPainter;

// Sizes of the symbols, the same in every diagram.
namespace Sym {
constexpr qreal Square = 28;   // one position of a directional valve
constexpr qreal PortInset = 7; // a 3/2 valve's ports from the edges of its squares
constexpr qreal SolenoidWidth = 9;
constexpr qreal SpringLength = 13;
constexpr qreal EjectorHalfW = 24;
constexpr qreal EjectorHalfH = 20;
constexpr qreal PumpRadius = 18;
constexpr qreal SupplyRadius = 8;
constexpr qreal SilencerLength = 8;
constexpr qreal SilencerGap = 8;   // the exhaust line from the ejector to its silencer
constexpr qreal ThrottleHalf = 12; // half the length of line a throttle stands in
constexpr qreal PadHeight = 26;    // from the top of the stem to the rim of the cup
} // namespace Sym

// The colour and width one pass of the painter draws a symbol with.
struct TInk {
    QColor Colour;
    qreal Width;
};

// Where port 1, 2 or 3 of a valve symbol meets its connecting line.
QPointF ValvePort(const TSymbol& valve, int port);

// The area a symbol covers, for placing the diagram in its picture.
QRectF SymbolBounds(const TSymbol& symbol);

void PaintSymbol(QPainter& painter, const TSymbol& symbol, const TInk& ink);
