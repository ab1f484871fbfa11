#pragma once

#include <QStringList>
#include <QTextStream>

// zavk-cli update --check: which files the online update would download.
int RunUpdateCommand(const QStringList& arguments, QTextStream& out, QTextStream& err);
