#pragma once

#include <QStringList>
#include <QTextStream>

// The commands of zavk-cli. Each takes its own arguments (after the command name),
// writes to out and err, and gives the process exit code.
int RunInfoCommand(const QStringList& arguments, QTextStream& out, QTextStream& err);

// Every table of the catalogue, in the order `zavk-cli info` lists them.
extern const QStringList CatalogueTables;
