#pragma once

#include "calc/ChartData.h"
#include "reports/ChartPainter.h"

#include <QChartView>

#include <array>

class QLineSeries;
class QScatterSeries;
class QValueAxis;
class QXYSeries;

// The vacuum-against-time chart of the result page: the six series of a
// calculation, its axes as the calculation set them (never scaled automatically),
// the time and vacuum under the mouse, and a context menu that saves the chart as
// a picture and its data as CSV.
class TResultChart : public QChartView {
    Q_OBJECT
public:
    explicit TResultChart(QWidget* parent = nullptr);

    // Shows the chart; every series is replaced as a whole, so long curves draw
    // in one pass.
    void SetData(const TChartData& data);
    // Legend and axis titles: release and adsorption curves, time and vacuum axes.
    void SetTitles(const TChartTitles& titles);
    const TChartData& Data() const { return data_; }

    // The data as CSV: one block per series with its name and units.
    QByteArray CsvText() const;

protected:
    void mouseMoveEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    void saveImage();
    void saveCsv();

    TChartData data_;
    std::array<QXYSeries*, ChartSeriesCount> series_{};
    QValueAxis* time_;
    QValueAxis* vacuum_;
};
