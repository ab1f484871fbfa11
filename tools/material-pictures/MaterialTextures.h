#pragma once

#include <QImage>

// The number of workpiece materials, and their photo size.
constexpr int MaterialCount = 17;
constexpr int MaterialWidth = 320;
constexpr int MaterialHeight = 240;

// The texture of workpiece material number (1 to 17, in the leakage reference's
// row order): steel, planed and sawn wood, smooth and rough concrete, circuit
// board, coated, thin and corrugated cardboard, newspaper, copy paper, vinyl,
// smooth and rough polystyrene foam, compact disc, polished and rough marble.
// Drawn from fixed seeds, so every build gives the same pictures.
QImage PaintMaterial(int number);
