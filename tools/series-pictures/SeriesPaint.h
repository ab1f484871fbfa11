#pragma once

#include <QColor>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QRectF>

// Drawing pieces shared by the series pictures: a light background, bodies
// shaded as if lit from the upper left, and the parts many products carry
// (push-in fittings, solenoid coils, silencers).

inline constexpr int PictureWidth = 240;
inline constexpr int PictureHeight = 180;

// Colours of materials and of the fittings' release rings: supply air orange,
// vacuum green, anything else blue-grey.
namespace Tone {
inline const QColor Resin(0xd9, 0xdf, 0xe5);
inline const QColor Aluminium(0xb9, 0xc3, 0xcc);
inline const QColor Nickel(0xcf, 0xd4, 0xd8);
inline const QColor Brass(0xc9, 0xa6, 0x52);
inline const QColor Coil(0x33, 0x37, 0x3d);
inline const QColor Rubber(0x34, 0x38, 0x3d);
inline const QColor Supply(0xef, 0x8a, 0x25);
inline const QColor Vacuum(0x3a, 0xa6, 0x5b);
inline const QColor Neutral(0x6f, 0x8b, 0xa6);
inline const QColor Accent(0x14, 0x5d, 0x8c);
} // namespace Tone

// The offset of a box's back face: up and to the right.
QPointF Depth(qreal depth);

// Points on the faces of a box of PaintBox: on its top face, along from the front
// left corner and into its depth; on its right side face, down from the top and
// into its depth.
QPointF OnTop(const QRectF& front, qreal along, qreal into);
QPointF OnSide(const QRectF& front, qreal down, qreal into);

// A canvas of the picture size, background painted, and a painter ready on it.
QImage NewCanvas();
void PreparePainter(QPainter& painter);

// A soft shadow on the floor.
void PaintShadow(QPainter& painter, QPointF centre, qreal rx, qreal ry);

// Shading across a round part from edge from to edge to: dark edges, a highlight
// near from.
QLinearGradient Rounded(QPointF from, QPointF to, const QColor& base);

// A box seen from the front, a little from above and from the right.
void PaintBox(QPainter& painter, const QRectF& front, qreal depth, const QColor& colour);

// A cylinder lying along x (horizontal) or standing along y, with its visible end:
// the right one, or the left one when capLeft.
void PaintCylinderAcross(QPainter& painter, const QRectF& body, const QColor& colour,
                         bool capLeft = false);
void PaintCylinderUp(QPainter& painter, const QRectF& body, const QColor& colour);

// A hexagon nut or boss standing along y, seen from the side.
void PaintHex(QPainter& painter, const QRectF& body, const QColor& colour);

enum class TSide { Left, Right, Up, Down };

// A push-in fitting leaving a body at at towards side; size is its diameter.
void PaintFitting(QPainter& painter, QPointF at, TSide side, qreal size, const QColor& ring);

// A solenoid coil with its connector and lamp, standing on a body.
void PaintCoil(QPainter& painter, const QRectF& front, qreal depth);

// A porous silencer lying along x, its free end to the right or, capLeft, left.
void PaintSilencer(QPainter& painter, const QRectF& body, bool capLeft = false);

// A small round badge with a short text, for the variants' marks.
void PaintBadge(QPainter& painter, QPointF centre, const QString& text, const QColor& colour);

// An outline pen for a fill colour.
QPen Edge(const QColor& fill, qreal width = 1);
