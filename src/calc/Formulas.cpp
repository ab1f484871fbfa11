#include "Formulas.h"

#include <cmath>

double SeriesConductance(double a, double b) {
    const double squares = a * a + b * b;
    return squares == 0 ? 0.0 : a * b / std::sqrt(squares);
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
