#include "CliCommands.h"
#include "Globals.h"

#include <QCoreApplication>

#include <cstdio>

namespace {

const char* const Usage = R"(usage: zavk-cli COMMAND [ARGUMENTS]

ZAVK on the command line: the vacuum gripping circuit tool without windows.

Commands:
  info [--db PATH]   program folder, catalogue path, DBVersion and the row count
                     of every catalogue table
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
    err << "zavk-cli: unknown command '" << command << "'\n\n" << Usage;
    return 2;
}
