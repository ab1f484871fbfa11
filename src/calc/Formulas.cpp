#include "calc/Formulas.h"

#include <cmath>

double SeriesConductance(double a, double b) {
    if (a == 0 && b == 0)
        return 0.0;
    // Conductances of ordinary size take the direct form, so their figures stay
    // the same to the last bit.
    const double squares = a * a + b * b;
    const double product = a * b;
    if (std::isnormal(squares) && (product == 0 || std::isnormal(product)))
        return product / std::sqrt(squares);
    // Where a square or the product leaves the range of double, hypot forms the
    // root without the squares, and dividing the larger element by it (a ratio
    // between 0.7 and 1) keeps the product in range.
    const double root = std::hypot(a, b);
    return std::fabs(a) > std::fabs(b) ? a / root * b : a * (b / root);
}

double EjectorVacuumAtFlow(double pmax, double qmax, double p1, double q1, double q, int n) {
    if (n == 1)
        return qmax == 0 ? pmax : pmax - pmax / qmax * q;
    if (n != 2)
        return 0.0;
    if (q > q1)
        return qmax == q1 ? p1 : p1 - p1 / (qmax - q1) * (q - q1);
    return q1 == 0 ? pmax : pmax - (pmax - p1) / q1 * q;
}

double RequiredVacuum(double m, double g, double a, double sf, double count) {
    return m * g / a * (sf / count) * 1000;
}

double RequiredTubeFlow(double v, double t, double count, double q) {
    return (v * 60 / (t / 3) + count * q) * 2;
}

double TubeEffectiveArea(double l, double d) {
    return 0.785 * d * d / std::sqrt(1 + 19.7 * l / std::pow(d, 1.31));
}

double TubeVolume(double l, double d) {
    return 0.785 * d * d * l * 0.001;
}
