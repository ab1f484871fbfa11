#pragma once

#include <QList>
#include <QString>

#include <optional>

class TDMComm;
class TXMLLan;

// The preset values the input boxes offer (table CommonValue), as the settings
// dialog edits them: the input items of a module, the units of an item's
// parameter and the presets of one unit. Every write happens on the dialog's
// connection, inside its transaction.

struct TPresetItem {
    QString ItemID;
    QString ItemName;
    QString ParaID;
};

// The items of the module whose presets may be edited (InputFlag 1), by ItemID.
QList<TPresetItem> PresetItems(TDMComm& db, const TXMLLan& lan, const QString& modelId);

// The model numbers of the catalogue, ascending.
QStringList ModelIds(TDMComm& db);

struct TPresetUnit {
    QString Category;
    QString Unit;
    QString InputMin; // as the catalogue gives them, in their shortest form
    QString InputMax;
    QString Name;
    QString LongName;
    QString Range() const { return InputMin + QStringLiteral(" - ") + InputMax; }
};

// The units of a parameter with their input bounds and captions.
QList<TPresetUnit> PresetUnits(TDMComm& db, const TXMLLan& lan, const QString& paraId);

struct TPresetRow {
    std::optional<qint64> RecNumber; // none: a row not yet in the catalogue
    QString SortNo;
    QString Value;
};

// Why a preset row was refused, in the order the checks run.
enum class TPresetCheck {
    Accepted,
    EmptyField,
    OrderOutOfRange,
    ValueOutOfRange,
    OrderTaken,
    WriteFailed, // accepted, but the catalogue refused the write (LastError says why)
};

enum class TPresetDelete { Deleted, Protected, LastRow, Failed };

// The preset rows of one unit of one parameter, ordered by SortNo, with at most
// one row being edited. A refused row stays as typed until it is corrected or
// cancelled; nothing of it is written.
class TPresetList {
public:
    explicit TPresetList(TDMComm& db) : db_(db) {}

    // Reads the rows of the unit; an empty unit category or number counts as 0.
    void Load(const QString& paraId, const TPresetUnit& unit);
    const QList<TPresetRow>& Rows() const { return rows_; }
    const TPresetUnit& Unit() const { return unit_; }

    // Remembers the row's order number as it was before editing.
    void BeginEdit(int row);
    // Checks the row with the typed texts and writes it when accepted.
    TPresetCheck Post(int row, const QString& sortNo, const QString& value);
    // Appends a row numbered after the last one, holding the unit's lower bound, and posts it.
    TPresetCheck Append();
    // Drops the row being edited: a new row disappears, an edited one is read again.
    void Cancel();
    bool Editing() const { return editRow_ >= 0; }
    int EditRow() const { return editRow_; }
    TPresetDelete Delete(int row);

    QString LastError() const { return error_; }

private:
    TPresetCheck check(const TPresetRow& typed) const;
    bool write(const TPresetRow& typed);
    void reload();

    TDMComm& db_;
    QString paraId_;
    TPresetUnit unit_;
    QList<TPresetRow> rows_;
    int editRow_ = -1;
    QString savedSortNo_;
    QString error_;
};

// The catalogue's own presets that input boxes rely on: never deleted.
bool IsProtectedPreset(qint64 recNumber);

// The message of a refused row: its text from the language file, with the
// permitted range, or the database's reason, after it.
QString PresetCheckMessage(const TXMLLan& lan, TPresetCheck check, const TPresetList& list);
