#pragma once

#include "calc/CalcCircuit.h"
#include "results/HistoryFile.h"
#include "results/ResultFigures.h"

#include <QStringList>
#include <QTextStream>

// zavk-cli calc [--db PATH] [--json] [--chart-csv DIR] [--trace] FILE...
// Calculates the circuit of every history file against the catalogue and prints
// the status, the outputs and the figures the result page shows. A file that
// cannot be used is reported on err and the next one is calculated; the exit
// code is then 1. Wrong usage gives 2.
int RunCalcCommand(const QStringList& arguments, QTextStream& out, QTextStream& err);

class TDMComm;

// One calculated circuit with the figures the result page shows.
struct TCalcReport {
    QString File; // the history file; empty for a circuit that has none
    THistoryCalc History;
    int Status = CalcDone;
    TCalcOutput Output;
    TCalcSession Session;
    TResultFigures Figures; // what the result page shows besides the outputs
};

// Calculates report.History after checking that every product it names exists;
// false with a message otherwise.
bool CalculateHistory(TDMComm& db, TCalcReport& report, QString& error);
class TResultText;
// The report as `calc --json` prints it, the fields without the enclosing braces;
// words adds the result page's display values and evaluation.
void WriteCalcJsonFields(const TCalcReport& report, bool trace, const TResultText& words,
                         QTextStream& out);
// The report as `calc` prints it: the result page's outputs and evaluation in
// words, then the calculation's own figures.
void WriteCalcText(const TCalcReport& report, bool trace, const TResultText& words,
                   QTextStream& out);
