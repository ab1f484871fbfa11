#pragma once

#include <QStringList>
#include <QTextStream>

// zavk-cli select: the wizard's selection from the circuit to the result with no
// window. Exit 0 with the result, 1 for a value or choice the wizard would not
// take, 2 for wrong usage, 3 where the wizard stops with a message.
int RunSelectCommand(const QStringList& arguments, QTextStream& out, QTextStream& err);
