#pragma once

#include "calc/CalcRecords.h"
#include "calc/CalcStatus.h"
#include "calc/ChartData.h"
#include "calc/ProductLookup.h"

#include <QStringList>

struct TCalcOptions {
    // Stop right after the adsorption response time; chart and later outputs stay.
    bool AdsorptionOnly = false;
    // Rescale the axes and redraw the full theoretical curve; when false the
    // axes and series 5 of the previous call are kept.
    bool RescaleChart = true;
};

// Values the wizard holds that the trace shows.
struct TWizardValues {
    double PadVacuum = 0;      // vacuum the pads need, kPa
    double TubeQMax = 0;       // required tubing flow, dm³/min
    double NozzleDiameter = 0; // nozzle of the chosen ejector, mm
};

// Intermediate values of the last calculation, for the trace and zavk-cli.
struct TCalcDetails {
    double pp = 0; // absolute pressure at the source end of the vacuum line, kPa
    double C1 = 0; // release conductance from the supply, tubing included
    double C2 = 0; // release conductance from the atmosphere, tubing included
    double C3 = 0; // conductance of the vacuum line
    double T1 = 0; // adsorption time constant, s
    double Q = 0;  // effective suction flow, dm³/min
    double QL = 0; // leakage of all pads, dm³/min
};

// What a calculation draws and writes besides the output record. The chart keeps
// its axes and theoretical curve between calls that do not rescale.
struct TCalcSession {
    TChartData Chart;
    QStringList Trace;
    TCalcDetails Details;
    TWizardValues Wizard;
};

// Calculates the circuit of input, reading its products through products, into
// output and session. Returns its status; on a status other than 0 the outputs
// written before the failing step stay, later ones keep their previous values.
TCalcStatus CalcCircuit(const TCalcInput& input, TCalcOutput& output, TProductLookup& products,
                        TCalcSession& session, const TCalcOptions& options = {});
