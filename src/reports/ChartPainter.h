#pragma once

#include "calc/ChartData.h"

#include <QColor>
#include <QRectF>
#include <QString>

class QPainter;

// How each series of the pressure-time chart looks, wherever it is drawn.
struct TSeriesLook {
    const char* Name; // for the CSV blocks
    QColor Colour;
    Qt::PenStyle Style;
    bool Points;
};
const TSeriesLook& SeriesLook(int series);

// The desired label distance of the axis, or the first 1, 2 or 5 times a power of
// ten above it at which no more than the given number of labels fit.
double ChartLabelInterval(const TChartAxis& range, int labels);

// The chart's texts from the language file.
struct TChartTitles {
    QString Release, Adsorption, Time, Vacuum;
};

// Draws the chart into the rectangle with the painter alone: axes with their
// labels and titles, the grid, the six series and the legend of the two curves.
// Sizes follow the rectangle, so a printer draws it sharp at its resolution.
void PaintChart(QPainter& painter, const QRectF& area, const TChartData& chart,
                const TChartTitles& titles);
