#pragma once

#include <QStringList>
#include <QTextStream>

// zavk-cli units [--db PATH] [--lang LANGUAGE] [PARAID...]: every parameter's
// units as the value boxes show them.
int RunUnitsCommand(const QStringList& arguments, QTextStream& out, QTextStream& err);
