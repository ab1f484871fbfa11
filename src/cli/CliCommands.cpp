#include "CliCommands.h"

#include "DMComm.h"
#include "Globals.h"

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

int RunInfoCommand(const QStringList& arguments, QTextStream& out, QTextStream& err) {
    QString databasePath = AppPath + QStringLiteral("Data/MORELDB.db");
    for (int i = 0; i < arguments.size(); ++i) {
        if (arguments.at(i) == QLatin1String("--db") && i + 1 < arguments.size()) {
            databasePath = arguments.at(++i);
        } else {
            err << "zavk-cli info: unknown argument '" << arguments.at(i) << "'\n"
                << "usage: zavk-cli info [--db PATH]\n";
            return 2;
        }
    }
    out << "Program folder: " << AppPath << '\n' << "Database: " << databasePath << '\n';
    TDMComm db;
    if (!db.ConnectDB(databasePath)) {
        out.flush();
        err << "zavk-cli info: cannot open the catalogue " << databasePath << ": " << db.LastError()
            << '\n';
        return 1;
    }
    QString version;
    if (db.OpenSQL(QStringLiteral("SELECT VersionID FROM DBVersion")) && !db.QComm.IsEmpty())
        version = db.QComm.AsString(QStringLiteral("VersionID"));
    db.QComm.Close();
    out << "DBVersion: " << (version.isEmpty() ? QStringLiteral("(none)") : version) << '\n'
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
