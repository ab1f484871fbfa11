#pragma once

// Formulas shared by the calculation and the selection wizard. Units: kPa,
// dm³/min (ANR), dm³/(s·bar), mm², mm, m, dm³, s, kg.

// Conductance of two elements in series, a·b/√(a²+b²), finite for any finite
// a and b however large or small; 0 when both are 0.
double SeriesConductance(double a, double b);

// Vacuum (kPa magnitude) an ejector holds while it draws flow q. Characteristic
// type n = 1 is a straight line from (0, pmax) to (qmax, 0); n = 2 has a knee
// at (q1, p1), and a flow of exactly q1 lies on the first segment. A segment of
// zero width gives its upper end. Any other type gives 0.
double EjectorVacuumAtFlow(double pmax, double qmax, double p1, double q1, double q, int n);

// m·g/A·(sf/count)·1000: with A a pad area (mm²) the vacuum (kPa) the pads need
// to hold mass m with safety factor sf; with A a vacuum (kPa) the area each pad needs.
double RequiredVacuum(double m, double g, double a, double sf, double count);

// Flow (dm³/min) that evacuates volume v within response time t (three time
// constants) while count pads each leak q, doubled.
double RequiredTubeFlow(double v, double t, double count, double q);

// Effective area (mm²) of tubing with inner diameter d (mm) and length l (m).
double TubeEffectiveArea(double l, double d);

// Volume (dm³) of tubing with inner diameter d (mm) and length l (m).
double TubeVolume(double l, double d);
