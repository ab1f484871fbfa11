#include "cli/CliCommands.h"

#include "core/DMComm.h"
#include "core/Globals.h"

const QStringList CatalogueTables = {"SERIES",
                                     "M_PT",
                                     "M_Tube",
                                     "M_EJ",
                                     "M_VA",
                                     "M_SPECON",
                                     "Material",
                                     "ParaInfo",
                                     "CommonValue",
                                     "UnitCategory",
                                     "ModelMaster",
                                     "ModelDetail",
                                     "UnitSchemeMaster",
                                     "UnitSchemeDetail",
                                     "DBVersion"};

QString TerminalSafe(const QString& text) {
    QString safe;
    safe.reserve(text.size());
    for (const QChar c : text) {
        if (IsControlCharacter(c))
            safe += QStringLiteral("\\x%1").arg(int(c.unicode()), 2, 16, QLatin1Char('0'));
        else
            safe += c;
    }
    return safe;
}

int RunInfoCommand(const QStringList& arguments, QTextStream& out, QTextStream& err) {
    QString databasePath = CataloguePath();
    for (int i = 0; i < arguments.size(); ++i) {
        if (arguments.at(i) == QLatin1String("--db") && i + 1 < arguments.size()) {
            databasePath = arguments.at(++i);
        } else {
            err << "zavk-cli info: unknown argument '" << TerminalSafe(arguments.at(i)) << "'\n"
                << "usage: zavk-cli info [--db PATH]\n";
            return 2;
        }
    }
    out << "Program folder: " << TerminalSafe(AppPath) << '\n'
        << "Database: " << TerminalSafe(databasePath) << '\n';
    TDMComm db;
    if (!db.ConnectDB(databasePath, TDMComm::TOpenMode::ReadOnly)) {
        out.flush();
        err << "zavk-cli info: cannot open the catalogue " << TerminalSafe(databasePath) << ": "
            << TerminalSafe(db.LastError()) << '\n';
        return 1;
    }
    QString version;
    if (db.OpenSQL(QStringLiteral("SELECT VersionID FROM DBVersion")) && !db.QComm.IsEmpty())
        version = db.QComm.AsString(QStringLiteral("VersionID"));
    db.QComm.Close();
    out << "DBVersion: " << (version.isEmpty() ? QStringLiteral("(none)") : TerminalSafe(version))
        << '\n'
        << "Rows per table:\n";
    int failures = 0;
    for (const QString& table : CatalogueTables) {
        out << "  " << qSetFieldWidth(18) << Qt::left << table << qSetFieldWidth(0);
        if (db.OpenSQL(QStringLiteral("SELECT COUNT(*) AS N FROM ") + table)) {
            out << db.QComm.AsInteger(QStringLiteral("N")) << '\n';
        } else {
            out << "missing\n";
            ++failures;
        }
        db.QComm.Close();
    }
    return failures == 0 ? 0 : 1;
}
