#include "PictureTool.h"

#include <QGuiApplication>

#include <cstdio>

bool SavePicture(const QImage& image, const QDir& folder, const QString& name, const char* format) {
    const QByteArray kind(format);
    const QString extension = kind == "PNG"   ? QStringLiteral(".png")
                              : kind == "JPG" ? QStringLiteral(".JPG")
                                              : QStringLiteral(".bmp");
    const QString path = folder.filePath(name + extension);
    const bool saved = kind == "BMP"
                           ? image.convertToFormat(QImage::Format_RGB888).save(path, "BMP")
                           : image.save(path, format, kind == "JPG" ? 95 : -1);
    if (!saved)
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
    return saved;
}

int RunPictureTool(int argc, char* argv[], const std::function<bool(const QDir&)>& draw) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT_FOLDER\n", argv[0]);
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    if (!folder.mkpath(QStringLiteral("."))) {
        std::fprintf(stderr, "cannot create %s\n", argv[1]);
        return 1;
    }
    return draw(folder) ? 0 : 1;
}
