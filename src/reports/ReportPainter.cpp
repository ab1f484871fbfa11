#include "reports/ReportPainter.h"

#include <QFontMetricsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>

namespace {

constexpr double PaperWidth = 210; // mm
constexpr double Margin = 10;      // mm
constexpr double ContentWidth = PaperWidth - 2 * Margin;

// Draws in millimetres from the top left corner of the printable area.
class TPagePen {
public:
    TPagePen(QPainter& painter, const QRectF& paper, const QStringList& families)
        : p_(painter), k_(paper.width() / PaperWidth),
          origin_(paper.topLeft() + QPointF(Margin * k_, Margin * k_)), families_(families) {}

    QRectF rect(double x, double y, double w, double h) const {
        return {origin_.x() + x * k_, origin_.y() + y * k_, w * k_, h * k_};
    }
    // Text of the size (mm) in the box; returns the height it took (mm).
    double text(double x, double y, double w, double h, const QString& s, double size,
                int flags = Qt::AlignLeft | Qt::AlignVCenter, bool bold = false) {
        QFont font;
        if (!families_.isEmpty())
            font.setFamilies(families_);
        font.setPixelSize(std::max(1, int(size * k_)));
        font.setBold(bold);
        p_.setFont(font);
        p_.setPen(Qt::black);
        QRectF used;
        p_.drawText(rect(x, y, w, h), flags, s, &used);
        return used.height() / k_;
    }
    void line(double x1, double y1, double x2, double y2, double width = 0.25) {
        p_.setPen(QPen(Qt::black, width * k_));
        p_.drawLine(QPointF(origin_.x() + x1 * k_, origin_.y() + y1 * k_),
                    QPointF(origin_.x() + x2 * k_, origin_.y() + y2 * k_));
    }
    void frame(double x, double y, double w, double h) {
        p_.setPen(QPen(Qt::black, 0.25 * k_));
        p_.setBrush(Qt::NoBrush);
        p_.drawRect(rect(x, y, w, h));
    }
    QPainter& painter() { return p_; }

private:
    QPainter& p_;
    double k_;
    QPointF origin_;
    QStringList families_;
};

constexpr double Small = 3.0; // mm, the body text
constexpr int Wrapped = Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap;

double header(TPagePen& pen, const TReportContent& c) {
    pen.text(0, 0, ContentWidth, 9, c.Title, 5.5, Qt::AlignCenter, true);
    pen.line(0, 10, ContentWidth, 10, 0.4);
    const double third = ContentWidth / 3;
    pen.text(0, 11, third, 6, c.PrintTitle, Small);
    pen.text(third, 11, third, 6, c.Registrant, Small, Qt::AlignCenter);
    pen.text(2 * third, 11, third, 6, c.DateLine, Small, Qt::AlignRight | Qt::AlignVCenter);
    pen.line(0, 18, ContentWidth, 18, 0.4);
    return 21;
}

double products(TPagePen& pen, const TReportContent& c, double y) {
    pen.text(0, y, ContentWidth, 6, c.ProductsHeading, 3.6, Qt::AlignLeft | Qt::AlignVCenter, true);
    y += 7;
    const double widths[] = {ContentWidth / 4, ContentWidth / 2, ContentWidth / 4};
    const double row = 5.6;
    auto cells = [&](double top, const QString(&texts)[3], bool bold) {
        double x = 0;
        for (int i = 0; i < 3; ++i) {
            pen.frame(x, top, widths[i], row);
            pen.text(x + 1.5, top, widths[i] - 3, row, texts[i], Small,
                     Qt::AlignLeft | Qt::AlignVCenter, bold);
            x += widths[i];
        }
    };
    cells(y, {c.DeviceColumn, c.ModelColumn, c.CountColumn}, true);
    y += row;
    for (const auto& product : c.Products) {
        cells(y, {product.Device, product.Model, product.Count}, false);
        y += row;
    }
    return y + 4;
}

double pictures(TPagePen& pen, const TReportContent& c, double y) {
    const double half = ContentWidth / 2, height = 82;
    pen.frame(0, y, half - 1.5, height);
    pen.frame(half + 1.5, y, half - 1.5, height);
    pen.text(2, y + 1, half - 5, 6, c.ChartHeading, 3.4, Qt::AlignLeft | Qt::AlignVCenter, true);
    PaintChart(pen.painter(), pen.rect(2, y + 8, half - 6, height - 10), c.Chart, c.ChartTitles);
    pen.text(half + 3.5, y + 1, half - 6, 6, c.CircuitHeading, 3.4,
             Qt::AlignLeft | Qt::AlignVCenter, true);
    if (!c.Circuit.isNull()) {
        QRectF box = pen.rect(half + 3.5, y + 8, half - 8, height - 24);
        const QSizeF fitted = QSizeF(c.Circuit.size()).scaled(box.size(), Qt::KeepAspectRatio);
        box = QRectF(box.center() - QPointF(fitted.width(), fitted.height()) / 2, fitted);
        pen.painter().setRenderHint(QPainter::SmoothPixmapTransform);
        pen.painter().drawImage(box, c.Circuit);
    }
    pen.text(half + 3.5, y + height - 15, half - 8, 14, c.CircuitNote, Small, Wrapped);
    return y + height + 4;
}

double pairs(TPagePen& pen, double x, double y, double w, const TReportPair* first, size_t count) {
    for (size_t i = 0; i < count; ++i) {
        pen.text(x, y, w * 0.55, 5, first[i].Label, Small);
        pen.text(x + w * 0.55, y, w * 0.45, 5, first[i].Value, Small);
        y += 5;
    }
    return y;
}

double figures(TPagePen& pen, const TReportContent& c, double y) {
    const double half = ContentWidth / 2, height = 78;
    pen.frame(0, y, half - 1.5, height);
    pen.frame(half + 1.5, y, half - 1.5, height);
    const double below = pairs(pen, 2, y + 2, half - 5, c.Outputs.data(), c.Outputs.size());
    pen.text(2, below + 1, half - 5, y + height - below - 2, c.Evaluation.join('\n'), Small,
             Wrapped);
    pen.text(half + 3.5, y + 1, half - 6, 6, c.InputsHeading, 3.4, Qt::AlignLeft | Qt::AlignVCenter,
             true);
    pairs(pen, half + 3.5, y + 8, half - 6, c.Inputs.data(), c.Inputs.size());
    return y + height + 4;
}

void comment(TPagePen& pen, const TReportContent& c, double y) {
    const double height = 277 - 8 - y;
    pen.frame(0, y, ContentWidth, height);
    pen.text(2, y + 1, ContentWidth - 4, 6, c.CommentHeading, 3.4, Qt::AlignLeft | Qt::AlignVCenter,
             true);
    pen.text(2, y + 8, ContentWidth - 4, height - 9, c.Comment.join('\n'), Small, Wrapped);
    pen.text(0, 277 - 6, ContentWidth, 6, c.Footer, 2.6, Qt::AlignLeft | Qt::AlignBottom);
}

} // namespace

void PaintReport(QPainter& painter, const QRectF& paper, const TReportContent& content) {
    painter.save();
    painter.fillRect(paper, Qt::white);
    TPagePen pen(painter, paper, content.FontFamilies);
    double y = header(pen, content);
    y = products(pen, content, y);
    y = pictures(pen, content, y);
    y = figures(pen, content, y);
    comment(pen, content, y);
    painter.restore();
}

bool WriteReportPdf(const QString& path, const TReportContent& content, QString* error) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        if (error)
            *error = file.errorString();
        return false;
    }
    {
        QPdfWriter writer(&file);
        writer.setResolution(300);
        writer.setPageLayout(
            QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF()));
        writer.setTitle(content.Title);
        writer.setCreator(QStringLiteral("ZAVK"));
        QPainter painter(&writer);
        PaintReport(painter, QRectF(QPointF(), QSizeF(writer.width(), writer.height())), content);
    }
    if (!file.commit()) {
        if (error)
            *error = file.errorString();
        return false;
    }
    return true;
}
