#include "cli/UnitsCommand.h"

#include "core/DMComm.h"
#include "core/Globals.h"
#include "core/Languages.h"
#include "lang/XMLLan.h"
#include "units/UnitConversion.h"
#include "units/UnitManager.h"

namespace {

const char* const UnitsUsage = "usage: zavk-cli units [--db PATH] [--lang LANGUAGE] [PARAID...]\n";

struct UnitsOptions {
    QString databasePath = CataloguePath();
    QString language = QStringLiteral("English");
    QList<int> paraIds;
};

// Reads the arguments; an error text when they are not usable.
QString readOptions(const QStringList& arguments, UnitsOptions& options) {
    for (int i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments.at(i);
        const bool hasValue = i + 1 < arguments.size();
        bool isNumber = false;
        const int paraId = argument.toInt(&isNumber);
        if (argument == QLatin1String("--db") && hasValue)
            options.databasePath = arguments.at(++i);
        else if (argument == QLatin1String("--lang") && hasValue)
            options.language = arguments.at(++i);
        else if (isNumber)
            options.paraIds.append(paraId);
        else
            return QStringLiteral("unknown argument '%1'").arg(argument);
    }
    if (LanguageIndexOfName(options.language.trimmed()) < 0)
        return QStringLiteral("unknown language '%1'").arg(options.language);
    options.language = KnownLanguageOrEnglish(options.language); // the file name's spelling
    return QString();
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
    const QString problem = readOptions(arguments, options);
    if (!problem.isEmpty()) {
        err << "zavk-cli units: " << problem << '\n' << UnitsUsage;
        return 2;
    }
    TDMComm db;
    if (!db.ConnectDB(options.databasePath, TDMComm::TOpenMode::ReadOnly)) {
        err << "zavk-cli units: cannot open the catalogue " << options.databasePath << ": "
            << db.LastError() << '\n';
        return 1;
    }
    const TXMLLan lan(AppPath + QStringLiteral("Language/") + options.language +
                      QStringLiteral(".xml"));
    const TUnitManager units(db, 1033);
    QList<const TSinglePara*> chosen;
    if (options.paraIds.isEmpty()) {
        for (const auto& para : units.Paras())
            chosen.append(para.get());
    }
    QList<int> missing;
    for (int paraId : options.paraIds) {
        if (const TSinglePara* para = units.FindParameter(paraId))
            chosen.append(para);
        else
            missing.append(paraId);
    }
    for (const TSinglePara* para : chosen)
        writeParameter(*para, lan, out);
    out.flush();
    for (int paraId : missing)
        err << "zavk-cli units: the catalogue has no parameter " << paraId << '\n';
    return missing.isEmpty() ? 0 : 1;
}
