#pragma once

#include <QStringList>
#include <QTextStream>

// zavk-cli report [--db PATH] [--lang LANGUAGE] [--title T] [--registrant R]
//                 [--comment C] (--pdf FILE.pdf | --html DIR/NAME) HISTORYFILE
// Opens the history file, calculates it as the result page shows it first, and
// writes the one-page result report as PDF or as HTML with its pictures.
int RunReportCommand(const QStringList& arguments, QTextStream& out, QTextStream& err);
