// Draws the circuit diagrams and the system illustrations into the picture folder
// given as the only argument: for every circuit of the circuit table its diagram
// P.bmp and one picture per part the wizard points at, P_PT.bmp (pads), P_TU.bmp
// (tubing), P_EJ.bmp (ejector or vacuum unit), P_V1.bmp to P_V4.bmp (valves and
// throttle), the part drawn in the accent colour, or the plain diagram when the
// circuit has no such part; and C_row_language.bmp, the picture of each system
// row of the wizard, the same for every language as it carries no words.

#include "DiagramPainter.h"
#include "PictureTool.h"
#include "SystemPictures.h"

#include "calc/CircuitTable.h"

#include <QDir>
#include <QImage>

#include <cstdio>

namespace {

struct TVariant {
    const char* Suffix;
    TPart Part;
};

constexpr TVariant Variants[] = {
    {"", TPart::None},  {"_PT", TPart::Pads}, {"_TU", TPart::Tubing}, {"_EJ", TPart::Source},
    {"_V1", TPart::V1}, {"_V2", TPart::V2},   {"_V3", TPart::V3},     {"_V4", TPart::V4},
};

constexpr const char* Languages[] = {"Japanese", "Chinese", "Korean",  "English",    "Spanish",
                                     "French",   "German",  "Italian", "Portuguese", "Russian"};

// Whether the table says the circuit has the part; the diagram must agree.
bool tableHas(const TCircuit& circuit, TPart part) {
    switch (part) {
    case TPart::Source:
        return circuit.EjectorOrUnit;
    case TPart::V1:
        return circuit.SupplyValve;
    case TPart::V2:
        return circuit.ReleaseValve;
    case TPart::V3:
        return circuit.SwitchingValve;
    case TPart::V4:
        return circuit.ThrottleModel;
    case TPart::None:
    case TPart::Pads:
    case TPart::Tubing:
        break;
    }
    return true;
}

bool checked(const TCircuit& circuit, const TDiagram& diagram) {
    bool fits = true;
    for (const TVariant& variant : Variants) {
        if (variant.Part != TPart::None &&
            HasPart(diagram, variant.Part) != tableHas(circuit, variant.Part)) {
            std::fprintf(stderr, "circuit %s: part %s disagrees with the table\n", circuit.Code,
                         variant.Suffix);
            fits = false;
        }
    }
    const QRectF bounds = DiagramBounds(diagram).translated(DiagramOffset(diagram));
    if (!QRectF(10, 10, 400, 280).contains(bounds)) {
        std::fprintf(stderr, "circuit %s: the diagram leaves the margin\n", circuit.Code);
        fits = false;
    }
    return fits;
}

bool saveCircuit(const TCircuit& circuit, const QDir& folder) {
    const TDiagram diagram = DescribeCircuit(circuit);
    if (!checked(circuit, diagram))
        return false;
    const QImage plain = PaintDiagram(diagram, TPart::None);
    const QString base = QLatin1String(circuit.PictureCode);
    for (const TVariant& variant : Variants) {
        const bool shown = variant.Part != TPart::None && HasPart(diagram, variant.Part);
        const QImage image = shown ? PaintDiagram(diagram, variant.Part) : plain;
        if (!SavePicture(image, folder, base + QLatin1String(variant.Suffix), "BMP"))
            return false;
    }
    return true;
}

bool saveSystemPictures(const QDir& folder) {
    for (int row = 0; row < SystemRowCount; ++row) {
        const QImage image = PaintSystemPicture(row);
        for (const char* language : Languages)
            if (!SavePicture(image, folder,
                             QStringLiteral("C_%1_%2").arg(row).arg(QLatin1String(language)),
                             "BMP"))
                return false;
    }
    return true;
}

} // namespace

int main(int argc, char* argv[]) {
    return RunPictureTool(argc, argv, [](const QDir& folder) {
        for (int index = 0; index < CircuitCount; ++index)
            if (!saveCircuit(Circuits()[index], folder))
                return false;
        return saveSystemPictures(folder);
    });
}
