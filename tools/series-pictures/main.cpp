// Draws the picture of every product series of a catalogue into a picture folder:
//   zavk-series-pictures CATALOGUE OUTPUT_FOLDER
// For each series with a picture name P the plain picture P.jpg; for pad series
// also P_B.jpg (the pad on a buffer); for vacuum unit series P_2.jpg (the pump
// port marked); for the special unit series P_1.jpg to P_4.jpg, one per system
// category. The shape follows the product table and rows of the series, so a new
// series gets a picture without a change here. The pictures carry no words.

#include "PictureTool.h"
#include "SeriesCatalogue.h"
#include "SeriesPictures.h"

#include <QDir>
#include <QImage>

#include <cstdio>

namespace {

// The selection pages load "P.jpg" with a lower-case extension.
bool saveJpeg(const QImage& image, const QDir& folder, const QString& name) {
    const QString path = folder.filePath(name + QLatin1String(".jpg"));
    if (image.save(path, "JPG", 95))
        return true;
    std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
    return false;
}

bool drawSeries(const QString& catalogue, const QDir& folder) {
    QList<TPictureFile> files;
    QString error;
    const bool read = ReadSeriesPictures(catalogue, files, error);
    if (!error.isEmpty())
        std::fprintf(stderr, "%s: %s\n", qPrintable(catalogue), qPrintable(error));
    bool saved = true;
    for (const TPictureFile& file : files) {
        if (file.Look == TLook::Unclassed && file.Variant == TVariant::Plain)
            std::fprintf(stderr, "%s: no product table holds its series; drawn as a plain part\n",
                         qPrintable(file.Name));
        saved = saveJpeg(PaintSeriesPicture(file), folder, file.Name) && saved;
    }
    return read && saved && !files.isEmpty();
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s CATALOGUE OUTPUT_FOLDER\n", argv[0]);
        return 2;
    }
    const QString catalogue = QString::fromLocal8Bit(argv[1]);
    char* toolArguments[] = {argv[0], argv[2], nullptr};
    return RunPictureTool(2, toolArguments, [&catalogue](const QDir& folder) {
        return drawSeries(catalogue, folder);
    });
}
