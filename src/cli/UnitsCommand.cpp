#include "cli/UnitsCommand.h"

#include "cli/CliCommands.h"
#include "cli/CliOptions.h"
#include "core/DMComm.h"
#include "core/Globals.h"
#include "core/Languages.h"
#include "lang/XMLLan.h"
#include "units/UnitConversion.h"
#include "units/UnitManager.h"

namespace {

const CliSyntax UnitsSyntax{
    QStringLiteral("units"),
    QStringLiteral("units [--db PATH] [--lang LANGUAGE] [PARAID...]"),
    QStringLiteral(
        "Lists every parameter's units (or only those of the parameters given) in unit-index\n"
        "order: caption, a \"*\" on the default unit, decimals, input range, default value and\n"
        "preset values, with the locale's decimal separator.\n\n"
        "  --db PATH         the catalogue instead of Data/MORELDB.db in the program folder\n"
        "  --lang LANGUAGE   the language of the captions, in any letter case (English)\n\n"
        "Exit codes: 0 done; 1 the catalogue cannot be read; 2 wrong usage; 4 a parameter\n"
        "the catalogue lacks (then nothing is listed).\n"),
    {{QStringLiteral("--db"), true}, {QStringLiteral("--lang"), true}},
    true};

struct UnitsOptions {
    QString databasePath;
    QString language;
    QList<int> paraIds;
};

// Reads the arguments; no value when usable, else the exit code after --help or
// a usage error.
std::optional<int> readOptions(const QStringList& arguments, UnitsOptions& options,
                               QTextStream& out, QTextStream& err) {
    CliArguments parsed;
    if (const auto answered = ParseCliArguments(UnitsSyntax, arguments, parsed, out, err))
        return answered;
    options.databasePath = parsed.value(QStringLiteral("--db"), CataloguePath());
    const QString language = parsed.value(QStringLiteral("--lang"), QStringLiteral("English"));
    if (LanguageIndexOfName(language.trimmed()) < 0)
        return CliUsageError(UnitsSyntax, QStringLiteral("unknown language '%1'").arg(language),
                             err);
    options.language = KnownLanguageOrEnglish(language); // the file name's spelling
    for (const QString& argument : parsed.positionals) {
        bool isNumber = false;
        options.paraIds.append(argument.toInt(&isNumber));
        if (!isNumber)
            return CliUsageError(UnitsSyntax,
                                 QStringLiteral("'%1' is not a parameter ID").arg(argument), err);
    }
    return std::nullopt;
}

// The parameters asked for (all when none was given); false after naming on err
// every ID the catalogue lacks.
bool chooseParameters(const TUnitManager& units, const QList<int>& paraIds,
                      QList<const TSinglePara*>& chosen, QTextStream& err) {
    if (paraIds.isEmpty()) {
        for (const auto& para : units.Paras())
            chosen.append(para.get());
    }
    bool found = true;
    for (int paraId : paraIds) {
        if (const TSinglePara* para = units.FindParameter(paraId)) {
            chosen.append(para);
        } else {
            err << "zavk-cli units: no parameter " << paraId << " in the catalogue\n";
            found = false;
        }
    }
    return found;
}

QString presetTexts(const TSinglePop& unit) {
    QStringList texts;
    for (double preset : unit.NumPopData)
        texts.append(GeneralText(preset));
    return texts.isEmpty() ? QStringLiteral("-") : texts.join(' ');
}

void writeParameter(const TSinglePara& para, const TXMLLan& lan, QTextStream& out) {
    out << "Parameter " << para.ParaID << ", category " << para.UnitCategoryId << '\n';
    for (int index = 0; index < para.Count(); ++index) {
        const TSinglePop& unit = para.Pops.at(index);
        const QString range = RangeText(unit);
        out << "  " << index << "  " << qSetFieldWidth(14) << Qt::left
            << UnitCaption(&lan, para, index) << qSetFieldWidth(0)
            << (unit.IsDefaultUnit == 1 ? "* " : "  ") << "decimals " << unit.Avail_DecPoint
            << "  range " << (range.isEmpty() ? QStringLiteral("unchecked") : range) << "  default "
            << GeneralText(unit.DefNum) << "  presets " << presetTexts(unit) << '\n';
    }
}

} // namespace

int RunUnitsCommand(const QStringList& arguments, QTextStream& out, QTextStream& err) {
    UnitsOptions options;
    if (const auto answered = readOptions(arguments, options, out, err))
        return *answered;
    TDMComm db;
    if (!db.ConnectDB(options.databasePath, TDMComm::TOpenMode::ReadOnly)) {
        err << "zavk-cli units: cannot open the catalogue " << TerminalSafe(options.databasePath)
            << ": " << TerminalSafe(db.LastError()) << '\n';
        return CliExit::Failure;
    }
    const TUnitManager units(db, 1033);
    QList<const TSinglePara*> chosen;
    if (!chooseParameters(units, options.paraIds, chosen, err))
        return CliExit::UnknownId;
    const TXMLLan lan(LanguageFilePathOf(options.language));
    for (const TSinglePara* para : chosen)
        writeParameter(*para, lan, out);
    return CliExit::Success;
}
