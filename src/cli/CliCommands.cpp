#include "cli/CliCommands.h"

#include "cli/CliOptions.h"
#include "core/DMComm.h"
#include "core/Globals.h"

#include <QFile>
#include <QFileInfo>
#include <QLocale>

#include <QSqlDatabase>
#include <QSqlQuery>
#include <cmath>

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

namespace {

const CliSyntax InfoSyntax{
    QStringLiteral("info"),
    QStringLiteral("info [--db PATH]"),
    QStringLiteral(
        "Prints the program folder, the catalogue's path, its DBVersion and the row count of\n"
        "every catalogue table (\"missing\" for a table it lacks).\n\n"
        "  --db PATH   the catalogue to read instead of Data/MORELDB.db in the program folder\n\n"
        "Exit codes: 0 done; 1 the catalogue cannot be read, is not a ZAVK catalogue or lacks\n"
        "a table; 2 wrong usage.\n"),
    {{QStringLiteral("--db"), true}},
    false};

bool hasSqliteHeader(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) && file.read(16) == QByteArray("SQLite format 3", 16);
}

// How many catalogue tables the SQLite file at path holds; -1 when it cannot be read.
int catalogueTableCount(const QString& path) {
    const QString connection = QStringLiteral("zavk-cli-catalogue-probe");
    int count = -1;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection);
        db.setDatabaseName(path);
        db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY"));
        if (db.open()) {
            QSqlQuery query(db);
            if (query.exec(QStringLiteral("SELECT name FROM sqlite_master WHERE type='table'")))
                count = 0;
            while (query.next())
                count += CatalogueTables.contains(query.value(0).toString(), Qt::CaseInsensitive);
        }
    }
    QSqlDatabase::removeDatabase(connection);
    return count;
}

// Why the catalogue at path could not be opened: a file that is no SQLite database,
// or one without any catalogue table, is plainly not a catalogue; anything else
// (a missing file, damage, some tables missing) keeps the reason the database gave.
QString openingError(const QString& path, const TDMComm& db) {
    if (QFileInfo(path).isFile() && (!hasSqliteHeader(path) || catalogueTableCount(path) == 0))
        return QStringLiteral("%1 is not a ZAVK catalogue").arg(path);
    return QStringLiteral("cannot open the catalogue %1: %2").arg(path, db.LastError());
}

QString catalogueVersion(TDMComm& db) {
    QString version;
    if (db.OpenSQL(QStringLiteral("SELECT VersionID FROM DBVersion")) && !db.QComm.IsEmpty())
        version = db.QComm.AsString(QStringLiteral("VersionID"));
    db.QComm.Close();
    return version.isEmpty() ? QStringLiteral("(none)") : TerminalSafe(version);
}

// One line per catalogue table; the number of tables missing.
int writeRowCounts(TDMComm& db, QTextStream& out) {
    int missing = 0;
    for (const QString& table : CatalogueTables) {
        out << "  " << qSetFieldWidth(18) << Qt::left << table << qSetFieldWidth(0);
        if (db.OpenSQL(QStringLiteral("SELECT COUNT(*) AS N FROM ") + table)) {
            out << db.QComm.AsInteger(QStringLiteral("N")) << '\n';
        } else {
            out << "missing\n";
            ++missing;
        }
        db.QComm.Close();
    }
    return missing;
}

} // namespace

int RunInfoCommand(const QStringList& arguments, QTextStream& out, QTextStream& err) {
    CliArguments parsed;
    if (const auto answered = ParseCliArguments(InfoSyntax, arguments, parsed, out, err))
        return *answered;
    const QString databasePath = parsed.value(QStringLiteral("--db"), CataloguePath());
    TDMComm db;
    if (!db.ConnectDB(databasePath, TDMComm::TOpenMode::ReadOnly)) {
        err << "zavk-cli info: " << TerminalSafe(openingError(databasePath, db)) << '\n';
        return CliExit::Failure;
    }
    out << "Program folder: " << TerminalSafe(AppPath) << '\n'
        << "Database: " << TerminalSafe(databasePath) << '\n'
        << "DBVersion: " << catalogueVersion(db) << '\n'
        << "Rows per table:\n";
    return writeRowCounts(db, out) == 0 ? CliExit::Success : CliExit::Failure;
}

QString JsonNumber(double value) {
    if (!std::isfinite(value))
        return QStringLiteral("null");
    return QString::number(value, 'g', QLocale::FloatingPointShortest);
}

QString JsonString(const QString& text) {
    QString quoted = QStringLiteral("\"");
    for (const QChar c : text) {
        if (c == '"' || c == '\\')
            quoted += '\\' + QString(c);
        else if (IsControlCharacter(c))
            quoted += QStringLiteral("\\u%1").arg(c.unicode(), 4, 16, QLatin1Char('0'));
        else
            quoted += c;
    }
    return quoted + '"';
}
