#pragma once

#include "Diagram.h"

#include <QImage>

// The area the diagram's elements cover, in its own coordinates.
QRectF DiagramBounds(const TDiagram& diagram);

// Where the diagram's coordinates start in its picture: centred across, a fixed
// distance down, so every circuit sits at the same height.
QPointF DiagramOffset(const TDiagram& diagram);

// The 420 x 300 picture of a diagram; highlight is the part drawn in the accent
// colour, TPart::None for the plain diagram.
QImage PaintDiagram(const TDiagram& diagram, TPart highlight);
