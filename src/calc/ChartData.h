#pragma once

#include <array>
#include <vector>

// The pressure-time chart as plain data: six series of points (time in s,
// vacuum in kPa gauge, drawn negative) and the ranges of the two axes.
struct TChartPoint {
    double X = 0;
    double Y = 0;
    bool operator==(const TChartPoint&) const = default;
};

struct TChartAxis {
    double Minimum = 0;
    double Maximum = 0;
    double Increment = 0; // desired distance between labels
};

enum TChartSeries {
    ReleaseCurve = 0,     // release curve, in recording order
    AdsorptionCurve = 1,  // adsorption curve up to 1.1 × the adsorption time
    WorkingMarker = 2,    // where the working vacuum is reached
    HorizontalGuide = 3,  // from the pressure axis to the marker
    VerticalGuide = 4,    // from the marker down to the bottom of the pressure axis
    TheoreticalCurve = 5, // full theoretical adsorption curve over the whole time axis
    ChartSeriesCount = 6
};

struct TChartData {
    std::array<std::vector<TChartPoint>, ChartSeriesCount> Series;
    TChartAxis Left;
    TChartAxis Bottom;
};

// Desired label distance of the time axis for its maximum: starting at 0.01 and
// adding 0.01 while more than 8 labels would fit, then rounded (halves to even)
// to one decimal when above 0.04 and not 0.05, and to a whole number when above 1.
double BottomAxisIncrement(double maximum);
