#pragma once

#include <QStringList>
#include <QTextStream>

// The commands of zavk-cli. Each takes its own arguments (after the command name),
// writes to out and err, and gives the process exit code.
int RunInfoCommand(const QStringList& arguments, QTextStream& out, QTextStream& err);

// Every table of the catalogue, in the order `zavk-cli info` lists them.
extern const QStringList CatalogueTables;

// C0 controls, DEL and the C1 range: characters a terminal may act on.
inline bool IsControlCharacter(QChar c) {
    return c.unicode() < 0x20 || (c.unicode() >= 0x7F && c.unicode() <= 0x9F);
}

// Text from a file, the catalogue or the command line made safe to print on a
// terminal: control characters (ESC, BEL, the C1 range, DEL) are shown as \xNN
// instead of being sent, so a file cannot drive the user's terminal.
QString TerminalSafe(const QString& text);

// A number for JSON: the shortest text that reads back as the same double; null
// for NaN and infinity, which JSON lacks.
QString JsonNumber(double value);
// A JSON string with quotes, backslashes and control characters escaped.
QString JsonString(const QString& text);
