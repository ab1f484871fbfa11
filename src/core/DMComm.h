#pragma once

#include "core/DataTable.h"

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QSqlRecord>

#include <optional>

// A cursor on the catalogue connection: opened with one statement, walked from
// the first row to the end, read by column name, closed by its user.
class TQuery : public TFieldReader {
public:
    explicit TQuery(const QString& connectionName) : connectionName_(connectionName) {}

    // Closes any previous statement, then opens this one; false (and closed) on any
    // error, with the driver's text in LastError(). Only statements that read rows
    // run: any other is refused before it is executed.
    bool Open(const QString& statement);
    void Close();
    bool Active() const { return query_.has_value(); }

    bool IsEmpty() const { return empty_; }
    bool Eof() const { return eof_; }
    void First();
    void Next();
    QVariant Value(const QString& column) const override;
    QString LastError() const { return error_; }

protected:
    int FieldIndex(const QString& column) const override;

private:
    QString connectionName_;
    std::optional<QSqlQuery> query_;
    QSqlRecord record_;
    bool empty_ = true;
    bool eof_ = true;
    QString error_;
};

// The data module: the one connection to the product catalogue and its shared
// cursors. Every database error becomes a false result or an empty table.
class TDMComm {
public:
    TDMComm();
    ~TDMComm();
    TDMComm(const TDMComm&) = delete;
    TDMComm& operator=(const TDMComm&) = delete;

    enum class TOpenMode { ReadWrite, ReadOnly };

    // Connects to the catalogue of the program folder, CataloguePath().
    bool ConnectDB();
    // Connects to a catalogue file; false when it is missing, not a database or damaged.
    // The file is never created; ReadOnly lets SQLite itself refuse every write.
    bool ConnectDB(const QString& databasePath, TOpenMode mode = TOpenMode::ReadWrite);
    void CloseConnection();
    bool Connected() const;
    QString DatabasePath() const { return databasePath_; }
    QSqlDatabase ADOConnection() const;

    // Opens a statement into the shared cursor QComm. A statement that would
    // change anything (INSERT, DELETE, BEGIN, ...) is refused before it runs.
    bool OpenSQL(const QString& statement);
    // Copies the whole result into a detached table; false and an empty table on
    // error. Refuses what OpenSQL refuses, before it runs.
    bool GetDataPacket(const QString& statement, TDataTable& packet);
    // As GetDataPacket, but on error the table is left as it was.
    void GetXMLDataPacket(const QString& statement, TDataTable& packet);
    // Runs a statement that returns no rows (INSERT, UPDATE, DELETE).
    bool ExecSQL(const QString& statement, int* rowsAffected = nullptr);
    // As ExecSQL, with the values bound to the statement's "?" placeholders in
    // order: text typed by the user reaches the database only this way.
    bool ExecSQL(const QString& statement, const QVariantList& values, int* rowsAffected = nullptr);
    // A column of the table's row with the ID; null when the ID is not an integer
    // (it never reaches SQL) or no row has it. Table and column are the program's.
    QVariant ValueOfId(const char* table, const char* column, const QString& id);
    // PAD_S of the pad; 0 when the ID is not an integer or no pad has it.
    double GetPadArea(const QString& padId);

    // Transactions nest: the outer level is a transaction, inner levels are savepoints.
    bool BeginTrans();
    bool CommitTrans();
    bool RollbackTrans();
    int TransactionLevel() const { return transactionLevel_; }
    // True when a write would reach the catalogue file: one is tried inside a
    // savepoint and undone. A read-only file, folder or connection gives false.
    bool CanWrite();

    QString LastError() const { return error_; }

    TQuery QComm;
    TQuery QEJ;

private:
    explicit TDMComm(const QString& connectionName);

    QString connectionName_;
    QString databasePath_;
    int transactionLevel_ = 0;
    QString error_;
};

// Rolls back unless committed; the scope guard for every write to the catalogue.
class TTransaction {
public:
    explicit TTransaction(TDMComm& db) : db_(db), active_(db.BeginTrans()) {}
    ~TTransaction() {
        if (active_)
            db_.RollbackTrans();
    }
    TTransaction(const TTransaction&) = delete;
    TTransaction& operator=(const TTransaction&) = delete;

    bool Active() const { return active_; }
    bool Commit() {
        if (!active_)
            return false;
        active_ = false;
        return db_.CommitTrans();
    }

private:
    TDMComm& db_;
    bool active_;
};

// The program's data module, created once at start-up.
extern TDMComm* DMComm;
