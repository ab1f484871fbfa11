#include "reports/ReportHtml.h"

#include <QDir>
#include <QImage>
#include <QPainter>
#include <QSaveFile>
#include <QUrl>

namespace {

QString escaped(const QString& text) {
    return text.toHtmlEscaped();
}

QString lines(const QStringList& texts) {
    QStringList out;
    for (const QString& text : texts)
        out << escaped(text);
    return out.join(QStringLiteral("<br>"));
}

QString pairRows(const TReportPair* first, size_t count) {
    QString rows;
    for (size_t i = 0; i < count; ++i)
        rows += "<tr><td>" + escaped(first[i].Label) + "</td><td>" + escaped(first[i].Value) +
                "</td></tr>\n";
    return rows;
}

// The chart as a picture of print quality: 120 × 90 mm at 300 dpi.
QImage chartPicture(const TReportContent& c) {
    QImage picture(1417, 1063, QImage::Format_RGB32);
    picture.fill(Qt::white);
    QPainter painter(&picture);
    PaintChart(painter, picture.rect(), c.Chart, c.ChartTitles);
    return picture;
}

QString page(const TReportContent& c, const QString& chart, const QString& circuit) {
    QString products;
    for (const auto& p : c.Products)
        products += "<tr><td>" + escaped(p.Device) + "</td><td>" + escaped(p.Model) + "</td><td>" +
                    escaped(p.Count) + "</td></tr>\n";
    const QString note =
        c.CircuitNote.isEmpty() ? QString() : "<p>" + escaped(c.CircuitNote) + "</p>";
    return QStringLiteral("<!DOCTYPE html>\n<html><head><meta charset=\"utf-8\">\n<title>") +
           escaped(c.Title) +
           "</title>\n<style>\n"
           "body { font-family: sans-serif; font-size: 10pt; width: 190mm; margin: 10mm auto; }\n"
           "h1 { font-size: 16pt; text-align: center; border-bottom: 1px solid #000; }\n"
           "h2 { font-size: 11pt; margin: 1mm 0; }\n"
           "table { border-collapse: collapse; width: 100%; }\n"
           ".grid td, .grid th { border: 1px solid #000; padding: 1mm 2mm; text-align: left; }\n"
           ".box { border: 1px solid #000; padding: 2mm; vertical-align: top; width: 50%; }\n"
           ".head td { width: 33%; }\n"
           "img { max-width: 100%; }\n"
           "</style></head><body>\n<h1>" +
           escaped(c.Title) + "</h1>\n<table class=\"head\"><tr><td>" + escaped(c.PrintTitle) +
           "</td><td style=\"text-align:center\">" + escaped(c.Registrant) +
           "</td><td style=\"text-align:right\">" + escaped(c.DateLine) +
           "</td></tr></table>\n<hr>\n<h2>" + escaped(c.ProductsHeading) +
           "</h2>\n<table class=\"grid\"><tr><th style=\"width:25%\">" + escaped(c.DeviceColumn) +
           "</th><th style=\"width:50%\">" + escaped(c.ModelColumn) + "</th><th>" +
           escaped(c.CountColumn) + "</th></tr>\n" + products +
           "</table>\n<br>\n<table><tr><td class=\"box\"><h2>" + escaped(c.ChartHeading) +
           "</h2><img src=\"" + chart + "\" alt=\"\"></td><td class=\"box\"><h2>" +
           escaped(c.CircuitHeading) + "</h2><img src=\"" + circuit + "\" alt=\"\">" + note +
           "</td></tr>\n<tr><td class=\"box\"><table>" +
           pairRows(c.Outputs.data(), c.Outputs.size()) + "</table><p>" + lines(c.Evaluation) +
           "</p></td><td class=\"box\"><h2>" + escaped(c.InputsHeading) + "</h2><table>" +
           pairRows(c.Inputs.data(), c.Inputs.size()) +
           "</table></td></tr>\n<tr><td class=\"box\" colspan=\"2\" style=\"width:100%\"><h2>" +
           escaped(c.CommentHeading) + "</h2><p>" + lines(c.Comment) +
           "</p></td></tr></table>\n<p style=\"font-size:8pt\">" + escaped(c.Footer) +
           "</p>\n</body></html>\n";
}

bool fail(QString* error, const QString& reason) {
    if (error)
        *error = reason;
    return false;
}

} // namespace

QString ReportHtmlName(const QString& fileName) {
    return fileName + QStringLiteral(".html");
}

QString ReportPictureName(const QString& fileName, int picture) {
    return ReportHtmlName(fileName) + QStringLiteral("_QRImage%1.jpg").arg(picture);
}

bool WriteReportHtml(const QString& folder, const QString& fileName, const TReportContent& content,
                     QString* error) {
    const QDir dir(folder);
    if (!dir.mkpath(QStringLiteral(".")))
        return fail(error, QStringLiteral("cannot create the folder %1").arg(folder));
    QImage circuit = content.Circuit;
    if (circuit.isNull()) { // an empty picture rather than a broken reference
        circuit = QImage(16, 16, QImage::Format_RGB32);
        circuit.fill(Qt::white);
    }
    const QImage pictures[] = {chartPicture(content), circuit};
    for (int i = 0; i < 2; ++i) {
        const QString path = dir.filePath(ReportPictureName(fileName, i + 1));
        QSaveFile file(path);
        if (!file.open(QIODevice::WriteOnly) || !pictures[i].save(&file, "JPG", 92) ||
            !file.commit())
            return fail(error, QStringLiteral("cannot write %1").arg(path));
    }
    QSaveFile html(dir.filePath(ReportHtmlName(fileName)));
    if (!html.open(QIODevice::WriteOnly))
        return fail(error, html.errorString());
    auto reference = [&fileName](int picture) {
        return QString::fromLatin1(QUrl::toPercentEncoding(ReportPictureName(fileName, picture)));
    };
    html.write(page(content, reference(1), reference(2)).toUtf8());
    if (!html.commit())
        return fail(error, html.errorString());
    return true;
}
