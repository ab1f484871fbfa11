#include "calc/ChartData.h"

#include <cmath>

namespace {

// Rounds to the given number of decimals, halves to even (the default rounding mode).
double roundHalfEven(double value, int decimals) {
    const double scale = std::pow(10.0, decimals);
    return std::nearbyint(value * scale) / scale;
}

} // namespace

double BottomAxisIncrement(double maximum) {
    double increment = 0.01;
    // Accumulated, not multiplied: the rounding below depends on the exact sum.
    while (maximum / increment > 8)
        increment += 0.01;
    if (increment > 0.04 && increment != 0.05)
        increment = roundHalfEven(increment, 1);
    if (increment > 1)
        increment = roundHalfEven(increment, 0);
    return increment;
}
