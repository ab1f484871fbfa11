#pragma once

#include <QList>
#include <QString>

class TDMComm;
class TXMLLan;
class TUnitManager;

// Unit schemes as the settings dialog edits them: the list of schemes, the unit
// a scheme uses for each item, and adding, renaming and deleting a scheme, each
// inside a savepoint of the dialog's transaction. Names and memos are bound as
// values, so any text the user types is stored as typed.

// Numbers of the two built-in choices: free choice of units and the fixed scheme.
constexpr int FreeChoiceSchemeId = 0;
constexpr int FixedSchemeId = 1;
// Grid rows of the built-in choices; the catalogue's schemes follow them.
constexpr int FreeChoiceRow = 1;
constexpr int FixedSchemeRow = 2;
constexpr int FirstListedRow = 3;

struct TSchemeRow {
    QString SchemeID;
    QString Name;
    QString Memo;
};

// The catalogue's schemes in database order. The fixed scheme's own row is left
// out: it is the built-in row, and is shown once. False when the table cannot
// be read.
bool ReadSchemes(TDMComm& db, QList<TSchemeRow>& schemes);

// The grid row that shows the scheme in force: a listed scheme's own row,
// otherwise the row of its number among the built-in rows.
int SchemeRowOf(int defaultSchemeId, const QList<TSchemeRow>& listed);

struct TSchemeDetailRow {
    QString ItemName;
    QString UnitName;
    QString Category;
    QString Unit;
    QString ItemID;
};

// The unit the scheme uses for each item of the model, by ItemID.
QList<TSchemeDetailRow> SchemeDetails(TDMComm& db, const TXMLLan& lan, const QString& schemeId,
                                      const QString& modelId);

struct TUnitChoice {
    QString Caption;
    QString Unit;
};

// The units a detail row may switch to: every unit of its category, or the row's
// own unit alone for category 99, whose items have no alternative.
QList<TUnitChoice> UnitChoices(const TUnitManager& units, const TXMLLan& lan,
                               const TSchemeDetailRow& row);

// Each gives false with the database's reason in *error, and then leaves the
// catalogue as it was.
bool AddScheme(TDMComm& db, const QString& name, const QString& memo, QString* error);
bool RenameScheme(TDMComm& db, const QString& schemeId, const QString& name, const QString& memo,
                  QString* error);
bool DeleteScheme(TDMComm& db, const QString& schemeId, QString* error);
// Only the unit number changes; the item keeps its category.
bool SetSchemeUnit(TDMComm& db, const QString& schemeId, const QString& modelId,
                   const QString& itemId, const QString& unit);

// The stored region from the region list's size and chosen entry: one entry is
// region 1, a third entry of three is region 3, otherwise the entry's index.
int RegionOfChoice(int entries, int index);
