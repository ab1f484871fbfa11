#pragma once

#include <QColor>
#include <QRectF>

class QPainter;

// The program's emblem: a suction pad on its stem holding a plate, drawn into box
// (kept square, centred) with the accent colour for the pad and base for the plate.
void PaintGripperEmblem(QPainter& painter, const QRectF& box, const QColor& accent,
                        const QColor& plate);
