#include "reports/ChartPainter.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>

#include <cmath>

namespace {

// Release black, adsorption red, the marker green, the guides dotted blue, the
// theoretical curve pink, as the calculation numbers the series.
const TSeriesLook Looks[ChartSeriesCount] = {
    {"release", Qt::black, Qt::SolidLine, false},
    {"adsorption", Qt::red, Qt::SolidLine, false},
    {"working vacuum", QColor(0, 160, 0), Qt::SolidLine, true},
    {"horizontal guide", Qt::blue, Qt::DotLine, false},
    {"vertical guide", Qt::blue, Qt::DotLine, false},
    {"theoretical adsorption", QColor(255, 127, 128), Qt::SolidLine, false},
};

// The tick values of the axis: multiples of the interval within its range.
std::vector<double> ticksOf(const TChartAxis& axis, double interval) {
    std::vector<double> ticks;
    if (!(interval > 0) || !(axis.Maximum > axis.Minimum))
        return ticks;
    for (double k = std::ceil(axis.Minimum / interval - 1e-9);
         k * interval <= axis.Maximum + interval * 1e-9 && ticks.size() < 100; ++k)
        ticks.push_back(k * interval);
    return ticks;
}

// Enough decimals to tell the ticks apart, no more.
QString tickText(double value, double interval) {
    const int decimals = std::max(0, int(std::ceil(-std::log10(interval) - 1e-9)));
    return QString::number(std::fabs(value) < interval * 1e-9 ? 0.0 : value, 'f', decimals);
}

} // namespace

const TSeriesLook& SeriesLook(int series) {
    return Looks[series];
}

double ChartLabelInterval(const TChartAxis& range, int labels) {
    const double span = range.Maximum - range.Minimum;
    const double desired = range.Increment;
    if (!(desired > 0) || !(span > 0))
        return span > 0 ? span / 5 : 1;
    if (span / desired <= labels)
        return desired;
    for (double power = std::pow(10.0, std::floor(std::log10(desired)));; power *= 10) {
        for (double factor : {1.0, 2.0, 5.0}) {
            if (factor * power >= desired && span / (factor * power) <= labels)
                return factor * power;
        }
    }
}

void PaintChart(QPainter& painter, const QRectF& area, const TChartData& chart,
                const TChartTitles& titles) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    QFont font = painter.font();
    font.setBold(false); // whatever the caller drew last
    font.setPixelSize(std::max(6, int(area.height() / 22)));
    painter.setFont(font);
    const QFontMetricsF metrics(font);
    const double line = metrics.height();
    const QRectF plot = area.adjusted(line * 4.2, line * 0.6, -line * 0.8, -line * 4.2);
    const TChartAxis& x = chart.Bottom;
    const TChartAxis& y = chart.Left;
    const bool usable = x.Maximum > x.Minimum && y.Maximum > y.Minimum;
    auto at = [&](double tx, double ty) {
        return QPointF(plot.left() + (tx - x.Minimum) / (x.Maximum - x.Minimum) * plot.width(),
                       plot.bottom() - (ty - y.Minimum) / (y.Maximum - y.Minimum) * plot.height());
    };
    const double thin = std::max(1.0, line / 14);
    painter.setPen(QPen(QColor(0xd0, 0xd0, 0xd0), thin));
    if (usable) {
        const double dx = ChartLabelInterval(x, 10), dy = ChartLabelInterval(y, 6);
        for (double t : ticksOf(x, dx)) {
            painter.setPen(QPen(QColor(0xd0, 0xd0, 0xd0), thin));
            painter.drawLine(at(t, y.Minimum), at(t, y.Maximum));
            painter.setPen(Qt::black);
            painter.drawText(
                QRectF(at(t, y.Minimum).x() - line * 3, plot.bottom() + line * 0.2, line * 6, line),
                Qt::AlignHCenter | Qt::AlignTop, tickText(t, dx));
        }
        for (double v : ticksOf(y, dy)) {
            painter.setPen(QPen(QColor(0xd0, 0xd0, 0xd0), thin));
            painter.drawLine(at(x.Minimum, v), at(x.Maximum, v));
            painter.setPen(Qt::black);
            painter.drawText(
                QRectF(plot.left() - line * 3.4, at(x.Minimum, v).y() - line / 2, line * 3.1, line),
                Qt::AlignRight | Qt::AlignVCenter, tickText(v, dy));
        }
    }
    painter.setPen(QPen(Qt::black, thin));
    painter.drawRect(plot);
    painter.drawText(QRectF(plot.left(), plot.bottom() + line * 1.3, plot.width(), line),
                     Qt::AlignHCenter, titles.Time);
    painter.save();
    painter.translate(area.left() + line * 0.2, plot.center().y());
    painter.rotate(-90);
    painter.drawText(QRectF(-plot.height() / 2, 0, plot.height(), line), Qt::AlignHCenter,
                     titles.Vacuum);
    painter.restore();

    if (usable) {
        painter.setClipRect(plot);
        // Drawn from the back: the theoretical curve under the measured ones.
        for (int s : {TheoreticalCurve, HorizontalGuide, VerticalGuide, ReleaseCurve,
                      AdsorptionCurve, WorkingMarker}) {
            const auto& points = chart.Series[size_t(s)];
            if (points.empty())
                continue;
            const TSeriesLook& look = Looks[s];
            painter.setPen(QPen(look.Colour, thin * 2, look.Style));
            if (look.Points) {
                painter.setBrush(look.Colour);
                for (const TChartPoint& p : points)
                    painter.drawEllipse(at(p.X, p.Y), line / 4, line / 4);
                painter.setBrush(Qt::NoBrush);
                continue;
            }
            QPainterPath path(at(points[0].X, points[0].Y));
            for (size_t i = 1; i < points.size(); ++i)
                path.lineTo(at(points[i].X, points[i].Y));
            painter.drawPath(path);
        }
        painter.setClipping(false);
    }
    // The legend of the two curves, centred below the time axis title.
    const QString names[] = {titles.Release, titles.Adsorption};
    const int curves[] = {ReleaseCurve, AdsorptionCurve};
    double width = 0;
    for (const QString& name : names)
        width += line * 1.6 + metrics.horizontalAdvance(name);
    double left = plot.center().x() - width / 2;
    const double top = plot.bottom() + line * 2.7;
    for (int i = 0; i < 2; ++i) {
        painter.fillRect(QRectF(left, top + line * 0.25, line * 0.6, line * 0.6),
                         Looks[curves[i]].Colour);
        painter.setPen(Qt::black);
        painter.drawText(QPointF(left + line * 0.9, top + metrics.ascent()), names[i]);
        left += line * 1.6 + metrics.horizontalAdvance(names[i]);
    }
    painter.restore();
}
