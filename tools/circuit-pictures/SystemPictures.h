#pragma once

#include <QImage>

// The wizard's system rows: 0 a compact ejector with built-in valves, 1 an ejector
// with separate valves, 2 a vacuum pump with a vacuum unit, 3 a vacuum pump with a
// separate valve manifold.
inline constexpr int SystemRowCount = 4;

// The 220 x 150 illustration of a system row, without any words.
QImage PaintSystemPicture(int row);
