#pragma once

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>
#include <QTextStream>

#include <optional>

// Exit codes shared by every zavk-cli command.
namespace CliExit {
constexpr int Success = 0;
constexpr int Failure = 1;   // the catalogue or a file could not be read or used
constexpr int Usage = 2;     // wrong arguments
constexpr int UnknownId = 4; // an ID given on the command line that the catalogue lacks
} // namespace CliExit

// One option a command knows, e.g. {"--db", true} or {"--json", false}.
struct CliOption {
    QString name;
    bool takesValue = false; // "--name value": the next argument is the value
};

// The command-line syntax of one command.
//   command     its name, as messages start with "zavk-cli <command>: "
//   usage       one line without "usage: zavk-cli ", e.g. "units [--db PATH] [PARAID...]"
//   help        what `zavk-cli <command> --help` prints below the usage line and a
//               blank line
//   options     every option it knows; --help and -h are known to every command
//   positionals whether arguments that are not options are allowed
struct CliSyntax {
    QString command;
    QString usage;
    QString help;
    QList<CliOption> options;
    bool positionals = false;
};

// What the command line gave.
struct CliArguments {
    QHash<QString, QString> values; // option name -> value ("" for one without); the last wins
    QStringList positionals;        // in the order given

    bool has(const QString& option) const { return values.contains(option); }
    QString value(const QString& option, const QString& fallback = QString()) const {
        return values.value(option, fallback);
    }
};

// Reads a command's arguments (those after its name). Options may stand anywhere
// among the positional arguments; "--" ends the options, and "-" alone is a
// positional argument. An option's value is the argument after it unless that is
// "--" or one of the command's options (then the value is missing).
//
// Returns no value when the command should run with `parsed`. Otherwise the
// command is answered and the result is its exit code: --help or -h (anywhere
// before "--") printed the usage and help on out (CliExit::Success), or a usage
// error naming the argument at fault was printed on err with the usage line
// (CliExit::Usage). In a command:
//   CliArguments parsed;
//   if (const auto answered = ParseCliArguments(Syntax, arguments, parsed, out, err))
//       return *answered;
//   const QString database = parsed.value(QStringLiteral("--db"), CataloguePath());
std::optional<int> ParseCliArguments(const CliSyntax& syntax, const QStringList& arguments,
                                     CliArguments& parsed, QTextStream& out, QTextStream& err);

// Prints "zavk-cli <command>: <problem>" and the usage line on err; CliExit::Usage.
// For usage errors the command finds itself (a bad value, a missing argument).
int CliUsageError(const CliSyntax& syntax, const QString& problem, QTextStream& err);
