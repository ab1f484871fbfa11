#pragma once

#include "calc/CalcRecords.h"
#include "core/Globals.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

class TDMComm;

// What the result page, the report and zavk-cli show of a calculated circuit
// besides the calculation's own outputs, from one place.
struct TResultFigures {
    // Categories 1 and 2 show the ejector's standard supply pressure and the air
    // consumption; categories 3 and 4 the required vacuum pump flow instead.
    bool EjectorRows = false;
    double ShownAirFlow = 0;     // all ejectors' air consumption, dm³/min (ANR)
    double StandardPressure = 0; // Stand_Pressure of the ejector, MPa; 0 without one
    double NozzleDiameter = 0;   // of the ejector, mm; 0 without one
    double SupplyValveC = 0;     // C1to2 of the supply valve; 0 without one
};
TResultFigures ResultFiguresOf(TDMComm& db, const TCalcInput& input, const TCalcOutput& output);

// The first product the record names that the catalogue lacks, as a message
// naming the key, the ID and the table; empty when every one is there.
QString MissingProduct(TDMComm& db, const TCalcInput& input);

// One line of the result's evaluation: a message key of the language file and,
// for the supply-valve lines, the value its pattern takes.
struct TEvaluationLine {
    QString Key;
    double Value = 0;
    bool HasValue = false;
};
// The evaluation of a result: the safety factor as displayed against the lifting
// attitude (0 horizontal, 1 vertical) and the supply valve against the nozzle.
QList<TEvaluationLine> EvaluateResult(double displayedSafety, int attitude, TOperateType mode,
                                      const TCalcInput& input, const TResultFigures& figures);
// The lines as texts: each line's message by its key, the supply-valve value put
// into the pattern's one number (nothing else in a pattern is formatted).
QStringList EvaluationTexts(const QList<TEvaluationLine>& lines,
                            const std::function<QString(const QString& key)>& message);
// The circuit note (the actual circuit depends on the models) shows with the
// valves built in: categories 1 and 3.
inline bool ShowsCircuitNote(int systemCat) {
    return systemCat == 1 || systemCat == 3;
}

// One output of the result page: its label, field and unit button (the names the
// language file and the page use), the parameter of its units, the value in
// calculation units and whether the category shows it.
struct TResultOutput {
    const char* Label;
    const char* Field;
    const char* Button;
    const char* Name; // the field name zavk-cli prints
    int Parameter;
    double Value;
    bool Shown;
};
// The seven outputs in the page's order. The maximum vacuum is shown negative; a
// release time of -1 (no release) is shown empty.
QList<TResultOutput> ResultOutputs(const TCalcOutput& output, const TResultFigures& figures);
