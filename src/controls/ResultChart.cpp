#include "controls/ResultChart.h"

#include "controls/CommonDialogs.h"
#include "core/FileAccess.h"
#include "reports/ChartPainter.h"

#include <QChart>
#include <QContextMenuEvent>
#include <QFileDialog>
#include <QLegend>
#include <QLegendMarker>
#include <QLineSeries>
#include <QMenu>
#include <QScatterSeries>
#include <QToolTip>
#include <QValueAxis>

#include <cmath>

namespace {

QList<QPointF> pointsOf(const std::vector<TChartPoint>& points) {
    QList<QPointF> list;
    list.reserve(qsizetype(points.size()));
    for (const TChartPoint& p : points)
        list.append(QPointF(p.X, p.Y));
    return list;
}

void setAxis(QValueAxis* axis, const TChartAxis& range, int labels) {
    axis->setRange(range.Minimum, range.Maximum);
    axis->setTickType(QValueAxis::TicksDynamic);
    axis->setTickAnchor(0);
    axis->setTickInterval(ChartLabelInterval(range, labels));
}

} // namespace

TResultChart::TResultChart(QWidget* parent)
    : QChartView(parent), time_(new QValueAxis), vacuum_(new QValueAxis) {
    setObjectName(QStringLiteral("Chart"));
    setRenderHint(QPainter::Antialiasing);
    setMouseTracking(true);
    QChart* c = chart();
    c->setMargins(QMargins(4, 4, 4, 4));
    c->legend()->setAlignment(Qt::AlignBottom);
    c->addAxis(time_, Qt::AlignBottom);
    c->addAxis(vacuum_, Qt::AlignLeft);
    time_->setLabelFormat(QStringLiteral("%.2f"));
    vacuum_->setLabelFormat(QStringLiteral("%.0f"));
    for (int i = 0; i < ChartSeriesCount; ++i) {
        const TSeriesLook& look = SeriesLook(i);
        QXYSeries* s = look.Points ? static_cast<QXYSeries*>(new QScatterSeries)
                                   : static_cast<QXYSeries*>(new QLineSeries);
        QPen pen(look.Colour, i <= AdsorptionCurve ? 2 : 1, look.Style);
        s->setPen(pen);
        s->setColor(look.Colour);
        if (auto* scatter = qobject_cast<QScatterSeries*>(s))
            scatter->setMarkerSize(8);
        c->addSeries(s);
        s->attachAxis(time_);
        s->attachAxis(vacuum_);
        series_[size_t(i)] = s;
    }
    // Only the two curves are named in the legend.
    for (int i = WorkingMarker; i < ChartSeriesCount; ++i)
        c->legend()->markers(series_[size_t(i)]).first()->setVisible(false);
}

void TResultChart::SetData(const TChartData& data) {
    data_ = data;
    setAxis(time_, data.Bottom, 10);
    setAxis(vacuum_, data.Left, 6);
    for (int i = 0; i < ChartSeriesCount; ++i)
        series_[size_t(i)]->replace(pointsOf(data.Series[size_t(i)]));
}

void TResultChart::SetTitles(const TChartTitles& titles) {
    series_[ReleaseCurve]->setName(titles.Release);
    series_[AdsorptionCurve]->setName(titles.Adsorption);
    time_->setTitleText(titles.Time);
    vacuum_->setTitleText(titles.Vacuum);
}

QByteArray TResultChart::CsvText() const {
    QByteArray text;
    for (int i = 0; i < ChartSeriesCount; ++i) {
        text += QByteArray("series,") + SeriesLook(i).Name + "\ntime (s),vacuum (kPa)\n";
        for (const TChartPoint& p : data_.Series[size_t(i)])
            text +=
                QByteArray::number(p.X, 'g', 15) + ',' + QByteArray::number(p.Y, 'g', 15) + '\n';
        text += '\n';
    }
    return text;
}

void TResultChart::mouseMoveEvent(QMouseEvent* event) {
    QChartView::mouseMoveEvent(event);
    const QPointF at = chart()->mapToValue(event->position());
    if (!chart()->plotArea().contains(event->position()) || !std::isfinite(at.x())) {
        QToolTip::hideText();
        return;
    }
    QToolTip::showText(
        event->globalPosition().toPoint(),
        QStringLiteral("%1 s, %2 kPa")
            .arg(QLocale().toString(at.x(), 'f', 3), QLocale().toString(at.y(), 'f', 1)),
        this);
}

void TResultChart::contextMenuEvent(QContextMenuEvent* event) {
    QMenu menu(this);
    menu.addAction(tr("Save chart as PNG..."), this, &TResultChart::saveImage);
    menu.addAction(tr("Save chart data as CSV..."), this, &TResultChart::saveCsv);
    menu.exec(event->globalPos());
}

void TResultChart::saveImage() {
    const QString path = QFileDialog::getSaveFileName(this, QString(), QStringLiteral("chart.png"),
                                                      QStringLiteral("PNG (*.png)"));
    if (!path.isEmpty() && !grab().save(path, "PNG"))
        ShowPlainMessage(tr("The chart could not be saved as %1.").arg(path));
}

void TResultChart::saveCsv() {
    const QString path = QFileDialog::getSaveFileName(this, QString(), QStringLiteral("chart.csv"),
                                                      QStringLiteral("CSV (*.csv)"));
    QString reason;
    if (!path.isEmpty() && !WriteFileAtomically(path, CsvText(), reason))
        ShowPlainMessage(reason);
}
