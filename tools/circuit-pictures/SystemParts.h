#pragma once

#include <QColor>
#include <QPainterPath>
#include <QRectF>

class QPainter;

// The pieces the system illustrations are drawn from, in the program's colours:
// softly shaded metal, blue solenoid coils, the green vacuum tube, the light blue
// compressed-air tube.
namespace Art {

inline const QColor Navy(0x0b, 0x2a, 0x4a);
inline const QColor Blue(0x14, 0x5d, 0x8c);
inline const QColor Vacuum(0x2f, 0x8f, 0x5b);
inline const QColor Air(0x5b, 0x9b, 0xd0);

void Background(QPainter& painter, const QRectF& area);
void Metal(QPainter& painter, const QRectF& part, qreal radius);
void Coil(QPainter& painter, const QRectF& coil);
void Silencer(QPainter& painter, const QRectF& silencer);
void Tube(QPainter& painter, const QPainterPath& path, const QColor& colour, qreal width);
// The compressed air coming in: an arrow ending at tip.
void AirArrow(QPainter& painter, QPointF tip);
// Two pads under a short beam holding a plate; the vacuum tube connects at the top
// of the beam's middle, which is returned.
QPointF Gripper(QPainter& painter, qreal centreX, qreal beamTop);
// An electric motor with its pump head on the left, standing on feet.
void Pump(QPainter& painter, const QRectF& body);

} // namespace Art
