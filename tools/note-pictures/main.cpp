// Draws the result note's picture for every language file of a folder:
//   zavk-note-pictures LANGUAGE_FOLDER OUTPUT_FOLDER
// For each LANGUAGE.xml the picture ResultNotePic_LANGUAGE.jpg: a vacuum-against-
// time chart that names, in that language, the maximum vacuum, the working vacuum
// and the adsorption and release response times where they are read off.

#include "PictureTool.h"
#include "lang/XMLLan.h"

#include <QDir>
#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>

#include <cmath>
#include <cstdio>

namespace {

constexpr QSize PictureSize(640, 400);

struct TNoteTexts {
    QString Maximum, Working, Adsorption, Release, Time, Vacuum;
};

TNoteTexts textsOf(const TXMLLan& lan) {
    auto item = [&lan](const char* name) {
        return lan.GetFormItemText(QStringLiteral("FrmActuatorSelection"), QLatin1String(name));
    };
    return {item("Lblzuidazhenkongyali_out.Caption"),
            item("Lblzhenkongyl_out.Caption"),
            item("Lblxizhuoyingdashijian_out.Caption"),
            item("Lblpohuaiyingdashijian_out.Caption"),
            item("ChartAxisTime.Caption"),
            item("ChartAxisVacuum.Caption")};
}

// A double-headed arrow between two points with its text below the middle.
void span(QPainter& p, QPointF from, QPointF to, const QString& text, const QColor& colour) {
    p.setPen(QPen(colour, 2));
    p.drawLine(from, to);
    for (const auto& [tip, direction] : {std::pair{from, 1.0}, std::pair{to, -1.0}}) {
        QPainterPath head(tip);
        head.lineTo(tip + QPointF(8 * direction, -5));
        head.lineTo(tip + QPointF(8 * direction, 5));
        head.closeSubpath();
        p.fillPath(head, colour);
    }
    p.drawText(QRectF(from.x() - 80, from.y() + 6, to.x() - from.x() + 160, 20),
               Qt::AlignHCenter | Qt::AlignTop, text);
}

QImage notePicture(const TXMLLan& lan) {
    const TNoteTexts t = textsOf(lan);
    QImage image(PictureSize, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QFont font;
    font.setFamilies(
        {lan.FontName(), QStringLiteral("Noto Sans CJK JP"), QStringLiteral("Noto Sans")});
    font.setPixelSize(13);
    p.setFont(font);
    // The plot: time to the right, vacuum downwards (0 at the top, as the chart shows it).
    const QRectF plot(60, 30, 540, 280);
    const double maximum = plot.top() + 0.86 * plot.height();
    const double working = plot.top() + 0.62 * plot.height();
    const double releaseAt = plot.left() + 0.58 * plot.width();
    auto adsorption = [&](double x) {
        return plot.top() + (maximum - plot.top()) * (1 - std::exp(-(x - plot.left()) / 70));
    };
    // The release valve switches after a short delay, then air floods back.
    const double delay = 25, fall = 45;
    auto release = [&](double x) {
        const double after = std::max(0.0, x - releaseAt - delay);
        return maximum - (maximum - plot.top()) * (1 - std::exp(-after / fall));
    };
    p.setPen(QPen(Qt::black, 1.5));
    p.drawLine(plot.topLeft(), plot.bottomLeft());
    p.drawLine(plot.topLeft(), plot.topRight());
    p.drawText(QRectF(plot.left(), plot.bottom() + 58, plot.width(), 20), Qt::AlignCenter, t.Time);
    p.save();
    p.translate(20, plot.center().y());
    p.rotate(-90);
    p.drawText(QRectF(-plot.height() / 2, -10, plot.height(), 20), Qt::AlignCenter, t.Vacuum);
    p.restore();
    // The two guides.
    p.setPen(QPen(QColor(0x1d, 0x5f, 0xa8), 1.2, Qt::DashLine));
    p.drawLine(QPointF(plot.left(), maximum), QPointF(plot.right(), maximum));
    p.drawLine(QPointF(plot.left(), working), QPointF(plot.right(), working));
    p.setPen(QColor(0x1d, 0x5f, 0xa8));
    p.drawText(QRectF(plot.right() - 300, maximum + 2, 296, 18), Qt::AlignRight, t.Maximum);
    p.drawText(QRectF(plot.right() - 300, working - 20, 296, 18), Qt::AlignRight, t.Working);
    // Adsorption, then release from the held vacuum.
    QPainterPath curve(QPointF(plot.left(), plot.top()));
    for (double x = plot.left(); x <= releaseAt; x += 2)
        curve.lineTo(x, adsorption(x));
    p.setPen(QPen(Qt::red, 2.5));
    p.drawPath(curve);
    QPainterPath back(QPointF(releaseAt, adsorption(releaseAt)));
    for (double x = releaseAt; x <= plot.right(); x += 2)
        back.lineTo(x, release(x));
    p.setPen(QPen(Qt::black, 2.5));
    p.drawPath(back);
    // Where the times are read off: the working vacuum reached, and left again.
    const double reached =
        plot.left() - 70 * std::log(1 - (working - plot.top()) / (maximum - plot.top()));
    const double freed =
        releaseAt + delay - fall * std::log(1 - (maximum - working) / (maximum - plot.top()));
    p.setPen(QPen(Qt::gray, 1, Qt::DotLine));
    for (double x : {reached, releaseAt, freed})
        p.drawLine(QPointF(x, plot.top()), QPointF(x, plot.bottom()));
    const double arrows = plot.bottom() + 16;
    span(p, QPointF(plot.left(), arrows), QPointF(reached, arrows), t.Adsorption,
         QColor(0xc0, 0x10, 0x10));
    span(p, QPointF(releaseAt, arrows), QPointF(freed, arrows), t.Release, Qt::black);
    return image;
}

bool drawNotes(const QDir& languages, const QDir& folder) {
    bool saved = true;
    int drawn = 0;
    for (const QString& file : languages.entryList({QStringLiteral("*.xml")}, QDir::Files)) {
        const TXMLLan lan(languages.filePath(file));
        if (!lan.Loaded()) {
            std::fprintf(stderr, "%s: %s\n", qPrintable(file), qPrintable(lan.LoadError()));
            saved = false;
            continue;
        }
        const QString name = QStringLiteral("ResultNotePic_") + QFileInfo(file).completeBaseName();
        saved = notePicture(lan).save(folder.filePath(name + QStringLiteral(".jpg")), "JPG", 92) &&
                saved;
        ++drawn;
    }
    return saved && drawn > 0;
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s LANGUAGE_FOLDER OUTPUT_FOLDER\n", argv[0]);
        return 2;
    }
    const QDir languages(QString::fromLocal8Bit(argv[1]));
    char* toolArguments[] = {argv[0], argv[2], nullptr};
    return RunPictureTool(2, toolArguments, [&languages](const QDir& folder) {
        return drawNotes(languages, folder);
    });
}
