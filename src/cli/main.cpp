#include "cli/CalcCommand.h"
#include "cli/CliCommands.h"
#include "cli/CliOptions.h"
#include "cli/ReportCommand.h"
#include "cli/SelectCommand.h"
#include "cli/UnitsCommand.h"
#include "cli/UpdateCommand.h"
#include "core/Globals.h"
#include "core/Helpers.h"

#include <QCoreApplication>
#include <QGuiApplication>

#include <cstring>
#include <initializer_list>
#include <memory>

namespace {

struct Command {
    const char* name;
    int (*run)(const QStringList& arguments, QTextStream& out, QTextStream& err);
    const char* usage; // one line, after "zavk-cli "
};

const Command Commands[] = {
    {"info", RunInfoCommand, "info [--db PATH]"},
    {"calc", RunCalcCommand, "calc [--db PATH] [--json] [--chart-csv DIR] [--trace] FILE..."},
    {"units", RunUnitsCommand, "units [--db PATH] [--lang LANGUAGE] [PARAID...]"},
    {"select", RunSelectCommand,
     "select [--db PATH] [--json] [--save FILE.SEL] --circuit CODE --mass KG ..."},
    {"report", RunReportCommand,
     "report [--db PATH] [--lang L] [--title T] ... (--pdf FILE | --html DIR/NAME) FILE"},
    {"update", RunUpdateCommand, "update --check [--url URL] [--folder DIR]"},
};

void writeUsage(QTextStream& stream) {
    stream << "usage: zavk-cli COMMAND [ARGUMENTS]\n"
              "       zavk-cli --help | --version\n\n"
              "ZAVK on the command line: the vacuum gripping circuit tool without windows.\n\n"
              "Commands:\n";
    for (const Command& command : Commands)
        stream << "  " << command.usage << '\n';
    stream << "\n`zavk-cli COMMAND --help` describes a command, its options and exit codes.\n";
}

} // namespace

int main(int argc, char* argv[]) {
    // The report draws text, which needs the fonts of a GUI application; offscreen,
    // it needs no display.
    std::unique_ptr<QCoreApplication> app;
    if (argc > 1 && std::strcmp(argv[1], "report") == 0) {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        app = std::make_unique<QGuiApplication>(argc, argv);
    } else {
        app = std::make_unique<QCoreApplication>(argc, argv);
    }
    AppPath = QCoreApplication::applicationDirPath() + '/';
    QTextStream out(stdout);
    QTextStream err(stderr);
    QStringList arguments = QCoreApplication::arguments().mid(1);
    if (arguments.isEmpty()) {
        writeUsage(err);
        return CliExit::Usage;
    }
    const QString name = arguments.takeFirst();
    if (IsOneOf(name, {"--help", "-h", "help"})) {
        writeUsage(out);
        return CliExit::Success;
    }
    if (name == QLatin1String("--version")) {
        out << "zavk-cli " << ProgramVersionText() << '\n';
        return CliExit::Success;
    }
    for (const Command& command : Commands) {
        if (name == QLatin1String(command.name))
            return command.run(arguments, out, err);
    }
    err << "zavk-cli: unknown command '" << TerminalSafe(name) << "'\n\n";
    writeUsage(err);
    return CliExit::Usage;
}
