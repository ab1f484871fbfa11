#pragma once

#include <QStringList>
#include <QTextStream>

// zavk-cli calc [--db PATH] [--json] [--chart-csv DIR] [--trace] FILE...
// Calculates the circuit of every history file against the catalogue and prints
// the status, the outputs and the figures the result page shows. A file that
// cannot be used is reported on err and the next one is calculated; the exit
// code is then 1. Wrong usage gives 2.
int RunCalcCommand(const QStringList& arguments, QTextStream& out, QTextStream& err);
