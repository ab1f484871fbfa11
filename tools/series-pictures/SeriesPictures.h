#pragma once

#include "SeriesCatalogue.h"

#include <QImage>
#include <QPainter>

// The picture of one file of a series: its product drawn in the form the file
// stands for, scaled and centred to fill the frame alike for every product.
QImage PaintSeriesPicture(const TPictureFile& file);

// The products, drawn in canvas coordinates by a prepared painter; the caller
// moves and scales them into the frame.
void PaintPad(QPainter& painter, TLook look, bool buffer);
void PaintTube(QPainter& painter, TLook look);
void PaintEjector(QPainter& painter, TLook look, bool large);
// A vacuum unit; pumpPort marks the port towards the vacuum pump.
void PaintUnit(QPainter& painter, TLook look, bool pumpPort);
void PaintValve(QPainter& painter, TLook look, bool large);
void PaintThrottle(QPainter& painter, bool large);
// A plain block with two fittings, for a series of no known product table.
void PaintUnclassed(QPainter& painter);
