#pragma once

#include "Symbols.h"

// Drawing pieces shared by the symbol files; the painter's pen is set by the caller.

// A line with a filled arrowhead at to.
void PaintArrow(QPainter& painter, QPointF from, QPointF to, const TInk& ink);

QRectF ValveBounds(const TSymbol& valve);
void PaintValve(QPainter& painter, const TSymbol& valve, const TInk& ink);
void PaintThrottle(QPainter& painter, const TSymbol& throttle, const TInk& ink);
