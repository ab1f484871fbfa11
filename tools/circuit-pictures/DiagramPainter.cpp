// Paints a circuit diagram in black on white, centred in its picture. The part the
// program points at is drawn last, thicker and in the accent colour, over a soft
// halo that follows its shape.

#include "DiagramPainter.h"

#include "Symbols.h"

#include <QFont>
#include <QPainter>

#include <cmath>

namespace {

constexpr int Width = 420;
constexpr int Height = 300;
constexpr qreal TopShift = 6; // the grid's rows sit a little low in the picture
const TInk Black{QColor(0x10, 0x10, 0x10), 1.6};
const TInk Accent{QColor(0xe0, 0x7b, 0x00), 2.6};
const TInk Halo{QColor(0xff, 0xdc, 0xb0), 10};
const QColor HaloFill(0xff, 0xf2, 0xe2);
const QSizeF LabelSize(30, 16);

QRectF labelBox(const TLabel& label) {
    return {label.At - QPointF(LabelSize.width() / 2, LabelSize.height() / 2), LabelSize};
}

void paintWires(QPainter& painter, const TDiagram& diagram, TPart part, const TInk& ink) {
    painter.setPen(QPen(ink.Colour, ink.Width, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
    painter.setBrush(Qt::NoBrush);
    for (const TWire& wire : diagram.Wires)
        if (wire.Part == part)
            painter.drawPolyline(wire.Points);
}

void paintJunctions(QPainter& painter, const TDiagram& diagram, TPart part, const TInk& ink) {
    painter.setPen(Qt::NoPen);
    painter.setBrush(ink.Colour);
    const qreal radius = ink.Width > 4 ? 6 : 1.3 + ink.Width;
    for (const TJunction& junction : diagram.Junctions)
        if (junction.Part == part)
            painter.drawEllipse(junction.At, radius, radius);
}

void paintLabels(QPainter& painter, const TDiagram& diagram, TPart part, const TInk& ink) {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(12);
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(ink.Colour);
    for (const TLabel& label : diagram.Labels)
        if (label.Part == part)
            painter.drawText(labelBox(label), Qt::AlignCenter, label.Text);
}

// Every element of one part in one ink; the halo fills a unit's frame as well.
void paintPart(QPainter& painter, const TDiagram& diagram, TPart part, const TInk& ink) {
    const bool halo = ink.Width > 4;
    for (const TSymbol& symbol : diagram.Symbols) {
        if (symbol.Part == part && symbol.Shape == TShape::Enclosure) {
            if (halo)
                painter.fillRect(symbol.Box, HaloFill);
            PaintSymbol(painter, symbol, ink);
        }
    }
    paintWires(painter, diagram, part, ink);
    for (const TSymbol& symbol : diagram.Symbols)
        if (symbol.Part == part && symbol.Shape != TShape::Enclosure)
            PaintSymbol(painter, symbol, ink);
    paintJunctions(painter, diagram, part, ink);
    if (!halo)
        paintLabels(painter, diagram, part, ink);
}

constexpr TPart AllParts[] = {TPart::None, TPart::Pads, TPart::Tubing, TPart::Source,
                              TPart::V1,   TPart::V2,   TPart::V3,     TPart::V4};

} // namespace

QRectF DiagramBounds(const TDiagram& diagram) {
    QRectF bounds;
    for (const TSymbol& symbol : diagram.Symbols)
        bounds |= SymbolBounds(symbol);
    for (const TWire& wire : diagram.Wires)
        bounds |= wire.Points.boundingRect();
    for (const TLabel& label : diagram.Labels)
        bounds |= labelBox(label);
    return bounds;
}

QPointF DiagramOffset(const TDiagram& diagram) {
    const QRectF bounds = DiagramBounds(diagram);
    return {std::round((Width - bounds.width()) / 2 - bounds.left()), TopShift};
}

QImage PaintDiagram(const TDiagram& diagram, TPart highlight) {
    QImage image(Width, Height, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.translate(DiagramOffset(diagram));
    if (highlight != TPart::None)
        paintPart(painter, diagram, highlight, Halo);
    for (const TPart part : AllParts)
        if (part != highlight || part == TPart::None)
            paintPart(painter, diagram, part, Black);
    if (highlight != TPart::None)
        paintPart(painter, diagram, highlight, Accent);
    return image;
}
