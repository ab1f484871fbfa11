// Draws the workpiece material photos of the leakage reference:
//   zavk-material-pictures OUTPUT_FOLDER
// writes M_1.jpg to M_17.jpg.

#include "MaterialTextures.h"
#include "PictureTool.h"

#include <QDir>

#include <cstdio>

int main(int argc, char* argv[]) {
    return RunPictureTool(argc, argv, [](const QDir& folder) {
        bool saved = true;
        for (int number = 1; number <= MaterialCount; ++number) {
            const QString path = folder.filePath(QStringLiteral("M_%1.jpg").arg(number));
            if (!PaintMaterial(number).save(path, "JPG", 92)) {
                std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
                saved = false;
            }
        }
        return saved;
    });
}
