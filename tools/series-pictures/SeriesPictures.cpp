#include "SeriesPictures.h"

#include "SeriesPaint.h"

#include <algorithm>

namespace {

void paintProduct(QPainter& painter, const TPictureFile& file) {
    switch (file.Look) {
    case TLook::FlatPad:
    case TLook::BellowsPad:
    case TLook::DeepPad:
    case TLook::OvalPad:
    case TLook::SoftPad:
        PaintPad(painter, file.Look, file.Variant == TVariant::Buffer);
        return;
    case TLook::PolyurethaneTube:
    case TLook::NylonTube:
    case TLook::PolyolefinTube:
        PaintTube(painter, file.Look);
        return;
    case TLook::ValveEjector:
    case TLook::InlineEjector:
    case TLook::ManifoldEjector:
        PaintEjector(painter, file.Look, file.Large);
        return;
    case TLook::VacuumUnit:
    case TLook::PilotUnit:
        PaintUnit(painter, file.Look, file.Variant == TVariant::PumpPort);
        return;
    case TLook::TwoPortValve:
    case TLook::ThreePortValve:
    case TLook::SwitchingValve:
    case TLook::ReleasePortValve:
        PaintValve(painter, file.Look, file.Large);
        return;
    case TLook::SpeedController:
        PaintThrottle(painter, file.Large);
        return;
    case TLook::Unclassed:
        break;
    }
    PaintUnclassed(painter);
}

// Where the product's paint lands, found by drawing it once on a transparent
// layer twice the canvas size with the canvas in its middle.
QRectF productExtent(const TPictureFile& file) {
    QImage layer(2 * PictureWidth, 2 * PictureHeight, QImage::Format_ARGB32_Premultiplied);
    layer.fill(Qt::transparent);
    QPainter painter(&layer);
    PreparePainter(painter);
    painter.translate(PictureWidth / 2, PictureHeight / 2);
    paintProduct(painter, file);
    painter.end();
    int left = layer.width(), right = -1, top = layer.height(), bottom = -1;
    for (int y = 0; y < layer.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(layer.constScanLine(y));
        for (int x = 0; x < layer.width(); ++x) {
            if (qAlpha(line[x]) <= 8)
                continue;
            left = std::min(left, x);
            right = std::max(right, x);
            top = std::min(top, y);
            bottom = std::max(bottom, y);
        }
    }
    if (right < 0)
        return QRectF(0, 0, PictureWidth, PictureHeight);
    return QRectF(left, top, right - left + 1, bottom - top + 1)
        .translated(-PictureWidth / 2, -PictureHeight / 2);
}

// Scales the extent to fill the frame inside the margins, never more than a
// little above the drawn size, and centres it.
void fitExtent(QPainter& painter, const QRectF& extent) {
    const qreal margin = 12;
    const qreal scale = std::min({1.35, (PictureWidth - 2 * margin) / extent.width(),
                                  (PictureHeight - 2 * margin) / extent.height()});
    painter.translate(PictureWidth / 2.0, PictureHeight / 2.0);
    painter.scale(scale, scale);
    painter.translate(-extent.center());
}

QColor categoryColour(int category) {
    switch (category) {
    case 1:
        return QColor(0x2f, 0x7f, 0xc1);
    case 2:
        return QColor(0x1f, 0x9e, 0x8a);
    case 3:
        return QColor(0xe0, 0x7b, 0x1f);
    default:
        return QColor(0x7a, 0x55, 0xb8);
    }
}

} // namespace

QImage PaintSeriesPicture(const TPictureFile& file) {
    const QRectF extent = productExtent(file);
    QImage image = NewCanvas();
    QPainter painter(&image);
    PreparePainter(painter);
    painter.save();
    fitExtent(painter, extent);
    paintProduct(painter, file);
    painter.restore();
    // The system category the special unit's picture is shown in, as a corner mark.
    if (file.Variant == TVariant::Category)
        PaintBadge(painter, QPointF(PictureWidth - 16, 16), QString::number(file.Category),
                   categoryColour(file.Category));
    return image;
}

void PaintUnclassed(QPainter& painter) {
    PaintShadow(painter, QPointF(124, 132), 70, 10);
    PaintFitting(painter, QPointF(86, 106), TSide::Left, 16, Tone::Neutral);
    PaintBox(painter, QRectF(86, 78, 70, 50), 20, Tone::Resin);
    PaintFitting(painter, QPointF(156 + Depth(10).x(), 106 + Depth(10).y()), TSide::Right, 16,
                 Tone::Neutral);
}
