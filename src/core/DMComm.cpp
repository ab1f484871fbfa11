#include "core/DMComm.h"

#include "core/Globals.h"
#include "core/Helpers.h"
#include "core/JetSql.h"

#include <QAtomicInt>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlResult>

#include <sqlite3.h>

TDMComm* DMComm = nullptr;

namespace {

QString newConnectionName() {
    static QAtomicInt counter;
    return QStringLiteral("zavk-catalogue-%1").arg(counter.fetchAndAddRelaxed(1));
}

// Tables that every catalogue has; a file without them is not a ZAVK catalogue.
const QStringList RequiredTables = {"SERIES",   "M_PT",         "M_EJ",
                                    "ParaInfo", "UnitCategory", "DBVersion"};

QString RequiredTablesQuery() {
    return QStringLiteral("SELECT count(*) AS N FROM sqlite_master WHERE type='table' AND "
                          "name COLLATE NOCASE IN ('%1')")
        .arg(RequiredTables.join(QStringLiteral("','")));
}

// Prepares statement on query and lets it run only when it reads rows without
// changing anything: SQLite's own judgement of the compiled statement, so no
// spelling (a WITH clause, RETURNING, comments) can slip a write past it.
bool prepareReading(QSqlQuery& query, const QString& statement, QString& error) {
    if (!query.prepare(TranslateJetSql(statement))) {
        error = query.lastError().text();
        return false;
    }
    const QVariant handle = query.result() ? query.result()->handle() : QVariant();
    auto* compiled = handle.isValid() && qstrcmp(handle.typeName(), "sqlite3_stmt*") == 0
                         ? *static_cast<sqlite3_stmt* const*>(handle.data())
                         : nullptr;
    if (!compiled) {
        error = QStringLiteral("the statement cannot be checked: %1").arg(statement);
        return false;
    }
    if (!sqlite3_stmt_readonly(compiled) || sqlite3_column_count(compiled) == 0) {
        error = QStringLiteral("the statement returns no rows");
        return false;
    }
    return true;
}

bool runReading(QSqlQuery& query, const QString& statement, QString& error) {
    if (!prepareReading(query, statement, error))
        return false;
    if (!query.exec()) {
        error = query.lastError().text();
        return false;
    }
    return true;
}

} // namespace

bool TQuery::Open(const QString& statement) {
    Close();
    QSqlDatabase db = QSqlDatabase::database(connectionName_, false);
    if (!db.isOpen()) {
        error_ = QStringLiteral("no database connection");
        return false;
    }
    query_.emplace(db);
    query_->setForwardOnly(false);
    if (!runReading(*query_, statement, error_)) {
        Close();
        return false;
    }
    record_ = query_->record();
    error_.clear();
    First();
    empty_ = eof_;
    return true;
}

void TQuery::Close() {
    query_.reset();
    record_ = QSqlRecord();
    empty_ = eof_ = true;
}

void TQuery::First() {
    eof_ = !query_ || !query_->first();
}

void TQuery::Next() {
    if (!eof_)
        eof_ = !query_->next();
}

int TQuery::FieldIndex(const QString& column) const {
    return record_.indexOf(column);
}

QVariant TQuery::Value(const QString& column) const {
    const int index = FieldIndex(column);
    if (index < 0 || eof_)
        return QVariant();
    return query_->value(index);
}

TDMComm::TDMComm() : TDMComm(newConnectionName()) {}

TDMComm::TDMComm(const QString& connectionName)
    : QComm(connectionName), QEJ(connectionName), connectionName_(connectionName) {}

TDMComm::~TDMComm() {
    CloseConnection();
    QSqlDatabase::removeDatabase(connectionName_);
}

bool TDMComm::ConnectDB() {
    return ConnectDB(CataloguePath());
}

bool TDMComm::ConnectDB(const QString& databasePath, TOpenMode mode) {
    CloseConnection();
    databasePath_ = databasePath;
    error_.clear();
    // SQLite would create a missing file; a missing catalogue must fail instead.
    if (!QFileInfo(databasePath).isFile()) {
        error_ = QStringLiteral("%1 does not exist").arg(databasePath);
        return false;
    }
    QSqlDatabase db = QSqlDatabase::contains(connectionName_)
                          ? QSqlDatabase::database(connectionName_, false)
                          : QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connectionName_);
    if (!db.isValid()) {
        error_ = QStringLiteral("the SQLite driver of Qt is not installed");
        return false;
    }
    db.setDatabaseName(databasePath);
    db.setConnectOptions(mode == TOpenMode::ReadOnly ? QStringLiteral("QSQLITE_OPEN_READONLY")
                                                     : QString());
    if (!db.open()) {
        error_ = db.lastError().text();
        return false;
    }
    const bool healthy = QComm.Open(QStringLiteral("PRAGMA quick_check")) && !QComm.IsEmpty() &&
                         QComm.AsString(QStringLiteral("quick_check")) == QLatin1String("ok") &&
                         QComm.Open(RequiredTablesQuery()) &&
                         QComm.AsInteger(QStringLiteral("N")) == RequiredTables.size();
    if (!healthy) {
        error_ = QComm.LastError().isEmpty()
                     ? QStringLiteral("%1 is not a ZAVK catalogue or is damaged").arg(databasePath)
                     : QComm.LastError();
        CloseConnection();
        return false;
    }
    QComm.Close();
    return true;
}

void TDMComm::CloseConnection() {
    QComm.Close();
    QEJ.Close();
    transactionLevel_ = 0;
    if (QSqlDatabase::contains(connectionName_))
        QSqlDatabase::database(connectionName_, false).close();
}

bool TDMComm::Connected() const {
    return QSqlDatabase::database(connectionName_, false).isOpen();
}

QSqlDatabase TDMComm::ADOConnection() const {
    return QSqlDatabase::database(connectionName_, false);
}

bool TDMComm::OpenSQL(const QString& statement) {
    const bool ok = QComm.Open(statement);
    error_ = QComm.LastError();
    return ok;
}

bool TDMComm::GetDataPacket(const QString& statement, TDataTable& packet) {
    packet = TDataTable();
    if (!Connected()) {
        error_ = QStringLiteral("no database connection");
        return false;
    }
    QSqlQuery reader(ADOConnection());
    reader.setForwardOnly(true);
    if (!runReading(reader, statement, error_))
        return false;
    const QSqlRecord record = reader.record();
    QStringList columns;
    for (int i = 0; i < record.count(); ++i)
        columns.append(record.fieldName(i));
    QList<TDataTable::Row> rows;
    while (reader.next()) {
        TDataTable::Row row;
        row.reserve(record.count());
        for (int i = 0; i < record.count(); ++i)
            row.append(reader.value(i));
        rows.append(std::move(row));
    }
    packet = TDataTable(std::move(columns), std::move(rows));
    return true;
}

void TDMComm::GetXMLDataPacket(const QString& statement, TDataTable& packet) {
    TDataTable result;
    if (GetDataPacket(statement, result))
        packet = std::move(result);
}

bool TDMComm::ExecSQL(const QString& statement, int* rowsAffected) {
    return ExecSQL(statement, QVariantList(), rowsAffected);
}

bool TDMComm::ExecSQL(const QString& statement, const QVariantList& values, int* rowsAffected) {
    if (!Connected()) {
        error_ = QStringLiteral("no database connection");
        return false;
    }
    QSqlQuery query(ADOConnection());
    bool ok = true;
    if (values.isEmpty()) {
        ok = query.exec(TranslateJetSql(statement));
    } else {
        ok = query.prepare(TranslateJetSql(statement));
        for (const QVariant& value : values)
            query.addBindValue(value);
        ok = ok && query.exec();
    }
    if (!ok) {
        error_ = query.lastError().text();
        return false;
    }
    if (rowsAffected)
        *rowsAffected = query.numRowsAffected();
    return true;
}

double TDMComm::GetPadArea(const QString& padId) {
    const QString id = padId.trimmed();
    if (!IsIntegerText(id))
        return 0.0;
    double area = 0.0;
    if (OpenSQL(QStringLiteral("SELECT PAD_S FROM M_PT WHERE ID =") + id) && !QComm.IsEmpty())
        area = QComm.AsFloat(QStringLiteral("PAD_S"));
    QComm.Close();
    return area;
}

bool TDMComm::BeginTrans() {
    const QString statement =
        transactionLevel_ == 0 ? QStringLiteral("BEGIN")
                               : QStringLiteral("SAVEPOINT zavk_level_%1").arg(transactionLevel_);
    if (!ExecSQL(statement))
        return false;
    ++transactionLevel_;
    return true;
}

bool TDMComm::CommitTrans() {
    if (transactionLevel_ == 0)
        return false;
    const int level = transactionLevel_ - 1;
    const QString statement =
        level == 0 ? QStringLiteral("COMMIT") : QStringLiteral("RELEASE zavk_level_%1").arg(level);
    if (!ExecSQL(statement))
        return false;
    transactionLevel_ = level;
    return true;
}

bool TDMComm::RollbackTrans() {
    if (transactionLevel_ == 0)
        return false;
    const int level = transactionLevel_ - 1;
    const bool ok = level == 0 ? ExecSQL(QStringLiteral("ROLLBACK"))
                               : ExecSQL(QStringLiteral("ROLLBACK TO zavk_level_%1").arg(level)) &&
                                     ExecSQL(QStringLiteral("RELEASE zavk_level_%1").arg(level));
    transactionLevel_ = level;
    return ok;
}

bool TDMComm::CanWrite() {
    TTransaction probe(*this);
    return probe.Active() && ExecSQL(QStringLiteral("CREATE TABLE zavk_write_probe (x)"));
}

QVariant TDMComm::ValueOfId(const char* table, const char* column, const QString& id) {
    QVariant value;
    const QString name = QLatin1String(column);
    if (IsIntegerText(id) &&
        OpenSQL("SELECT " + name + " FROM " + QLatin1String(table) + " WHERE ID=" + id) &&
        !QComm.IsEmpty())
        value = QComm.Value(name);
    QComm.Close();
    return value;
}
