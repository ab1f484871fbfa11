#include "cli/CliOptions.h"

#include "cli/CliCommands.h"

namespace {

const QString EndOfOptions = QStringLiteral("--");

bool isHelp(const QString& argument) {
    return argument == QLatin1String("--help") || argument == QLatin1String("-h");
}

bool isOption(const QString& argument) {
    return argument.startsWith('-') && argument != QLatin1String("-");
}

const CliOption* findOption(const CliSyntax& syntax, const QString& name) {
    for (const CliOption& option : syntax.options) {
        if (option.name == name)
            return &option;
    }
    return nullptr;
}

// A forgotten value must not swallow the next option: "--db --json" lacks the path.
bool canBeValue(const CliSyntax& syntax, const QString& argument) {
    return argument != EndOfOptions && !findOption(syntax, argument);
}

bool asksForHelp(const QStringList& arguments) {
    for (const QString& argument : arguments) {
        if (argument == EndOfOptions)
            return false;
        if (isHelp(argument))
            return true;
    }
    return false;
}

// Fills parsed; an error text naming the argument at fault when they are not usable.
QString readArguments(const CliSyntax& syntax, const QStringList& arguments, CliArguments& parsed) {
    bool optionsEnded = false;
    for (int i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments.at(i);
        if (!optionsEnded && argument == EndOfOptions) {
            optionsEnded = true;
        } else if (optionsEnded || !isOption(argument)) {
            if (!syntax.positionals)
                return QStringLiteral("unexpected argument '%1'").arg(argument);
            parsed.positionals << argument;
        } else if (const CliOption* option = findOption(syntax, argument); !option) {
            return QStringLiteral("unknown option '%1'").arg(argument);
        } else if (!option->takesValue) {
            parsed.values.insert(option->name, QString());
        } else if (i + 1 < arguments.size() && canBeValue(syntax, arguments.at(i + 1))) {
            parsed.values.insert(option->name, arguments.at(++i));
        } else {
            return QStringLiteral("option %1 needs a value").arg(option->name);
        }
    }
    return QString();
}

} // namespace

std::optional<int> ParseCliArguments(const CliSyntax& syntax, const QStringList& arguments,
                                     CliArguments& parsed, QTextStream& out, QTextStream& err) {
    if (asksForHelp(arguments)) {
        out << "usage: zavk-cli " << syntax.usage << "\n\n" << syntax.help;
        return CliExit::Success;
    }
    parsed = CliArguments();
    const QString problem = readArguments(syntax, arguments, parsed);
    if (!problem.isEmpty())
        return CliUsageError(syntax, problem, err);
    return std::nullopt;
}

int CliUsageError(const CliSyntax& syntax, const QString& problem, QTextStream& err) {
    err << "zavk-cli " << syntax.command << ": " << TerminalSafe(problem) << '\n'
        << "usage: zavk-cli " << syntax.usage << '\n';
    return CliExit::Usage;
}
