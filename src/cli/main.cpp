#include "cli/CalcCommand.h"
#include "cli/CliCommands.h"
#include "cli/UnitsCommand.h"
#include "core/Globals.h"

#include <QCoreApplication>

#include <cstdio>

namespace {

const char* const Usage = R"(usage: zavk-cli COMMAND [ARGUMENTS]

ZAVK on the command line: the vacuum gripping circuit tool without windows.

Commands:
  info [--db PATH]   program folder, catalogue path, DBVersion and the row count
                     of every catalogue table
  calc [--db PATH] [--json] [--chart-csv DIR] [--trace] FILE...
                     calculate the circuit of each history file (.CAL, .SEL): the
                     status, every output and the figures the result page shows;
                     --json one JSON object per file and line, --chart-csv the six
                     chart series as DIR/<name>.series<i>.csv, --trace the trace
  units [--db PATH] [--lang LANGUAGE] [PARAID...]
                     every parameter's units in unit-index order (or only the
                     parameters given): caption, a "*" on the default unit,
                     decimals, input range, default value and preset values
  help, --help       this text
)";

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    AppPath = QCoreApplication::applicationDirPath() + '/';
    QTextStream out(stdout);
    QTextStream err(stderr);
    QStringList arguments = QCoreApplication::arguments().mid(1);
    if (arguments.isEmpty()) {
        err << Usage;
        return 2;
    }
    const QString command = arguments.takeFirst();
    if (command == QLatin1String("--help") || command == QLatin1String("-h") ||
        command == QLatin1String("help")) {
        out << Usage;
        return 0;
    }
    if (command == QLatin1String("info"))
        return RunInfoCommand(arguments, out, err);
    if (command == QLatin1String("calc"))
        return RunCalcCommand(arguments, out, err);
    if (command == QLatin1String("units"))
        return RunUnitsCommand(arguments, out, err);
    err << "zavk-cli: unknown command '" << command << "'\n\n" << Usage;
    return 2;
}
