#include "settings/UnitSchemes.h"

#include "core/DMComm.h"
#include "core/Helpers.h"
#include "lang/XMLLan.h"
#include "units/UnitConversion.h"
#include "units/UnitManager.h"

#include <functional>

namespace {

const QString NoUnitChoice = QStringLiteral("99");

QString idText(const QString& text) {
    const QString id = text.trimmed();
    return IsIntegerText(id) ? id : QStringLiteral("0");
}

// Runs the statements of one change inside a savepoint: all of them or none.
bool inSavepoint(TDMComm& db, QString* error, const std::function<bool()>& statements) {
    TTransaction savepoint(db);
    const bool ok = savepoint.Active() && statements() && savepoint.Commit();
    if (!ok && error)
        *error = db.LastError();
    return ok;
}

} // namespace

bool ReadSchemes(TDMComm& db, QList<TSchemeRow>& schemes) {
    schemes.clear();
    TDataTable rows;
    if (!db.GetDataPacket(
            QStringLiteral("SELECT SchemeID, SchemeName, Memol FROM UnitSchemeMaster"), rows))
        return false;
    for (rows.First(); !rows.Eof(); rows.Next()) {
        if (rows.AsInteger(QStringLiteral("SchemeID")) == FixedSchemeId)
            continue;
        schemes.append({rows.AsString(QStringLiteral("SchemeID")),
                        rows.AsString(QStringLiteral("SchemeName")),
                        rows.AsString(QStringLiteral("Memol"))});
    }
    return true;
}

int SchemeRowOf(int defaultSchemeId, const QList<TSchemeRow>& listed) {
    for (int i = 0; i < listed.size(); ++i) {
        if (listed.at(i).SchemeID == QString::number(defaultSchemeId))
            return FirstListedRow + i;
    }
    return defaultSchemeId + 1;
}

QList<TSchemeDetailRow> SchemeDetails(TDMComm& db, const TXMLLan& lan, const QString& schemeId,
                                      const QString& modelId) {
    QList<TSchemeDetailRow> details;
    TDataTable rows;
    const QString statement = QStringLiteral("SELECT * FROM UnitSchemeDetail U WHERE U.SchemeID=") +
                              idText(schemeId) + QStringLiteral(" AND U.ModelID=") +
                              idText(modelId) + QStringLiteral(" ORDER BY ItemID ASC");
    if (!db.GetDataPacket(statement, rows))
        return details;
    for (rows.First(); !rows.Eof(); rows.Next()) {
        const int category = rows.AsInteger(QStringLiteral("UnitCategoryId"));
        const int unit = rows.AsInteger(QStringLiteral("SubUnitCategoryId"));
        const int item = rows.AsInteger(QStringLiteral("ItemID"));
        TSchemeDetailRow row;
        row.ItemName =
            lan.GetDataText(QStringLiteral("ModelDetail"),
                            QString::number(idText(modelId).toInt()) + QString::number(item),
                            QStringLiteral("ItemName"));
        row.UnitName = lan.GetDataText(QStringLiteral("UnitCategory"),
                                       UnitCaptionKey(category, unit), QStringLiteral("UnitName"));
        row.Category = QString::number(category);
        row.Unit = QString::number(unit);
        row.ItemID = QString::number(item);
        details.append(row);
    }
    return details;
}

QList<TUnitChoice> UnitChoices(const TUnitManager& units, const TXMLLan& lan,
                               const TSchemeDetailRow& row) {
    if (row.Category == NoUnitChoice)
        return {{row.UnitName, row.Unit}};
    QList<TUnitChoice> choices;
    const auto category = units.FindCategory(row.Category.toInt());
    if (!category)
        return {{row.UnitName, row.Unit}};
    for (const TUnitDef& unit : category->Units) {
        choices.append(
            {lan.GetDataText(QStringLiteral("UnitCategory"),
                             UnitCaptionKey(category->UnitCategoryId, unit.SubUnitCategoryId),
                             QStringLiteral("UnitName")),
             QString::number(unit.SubUnitCategoryId)});
    }
    return choices;
}

bool AddScheme(TDMComm& db, const QString& name, const QString& memo, QString* error) {
    return inSavepoint(db, error, [&] {
        if (!db.ExecSQL(QStringLiteral("INSERT INTO UnitSchemeMaster(SchemeName, Memol) "
                                       "VALUES (?, ?)"),
                        {name, memo}))
            return false;
        TDataTable newest;
        if (!db.GetDataPacket(QStringLiteral("SELECT SchemeID FROM UnitSchemeMaster ORDER BY "
                                             "SchemeID DESC"),
                              newest) ||
            newest.IsEmpty())
            return false;
        const QString scheme = QString::number(newest.AsInteger(QStringLiteral("SchemeID")));
        return db.ExecSQL(
            QStringLiteral("INSERT INTO UnitSchemeDetail (SchemeID, ModelID, ItemID, "
                           "UnitCategoryID, SubUnitCategoryID) SELECT ") +
            scheme +
            QStringLiteral(" AS SchemeID, ModelID AS ModelID, ItemID AS ItemID, "
                           "DefUnitCategoryID AS UnitCategoryID, DefSubUnitCategoryID AS "
                           "SubUnitCategoryID FROM ModelDetail"));
    });
}

bool RenameScheme(TDMComm& db, const QString& schemeId, const QString& name, const QString& memo,
                  QString* error) {
    return inSavepoint(db, error, [&] {
        return db.ExecSQL(QStringLiteral("UPDATE UnitSchemeMaster SET SchemeName=?, Memol=? "
                                         "WHERE SchemeID=") +
                              idText(schemeId),
                          {name, memo});
    });
}

bool DeleteScheme(TDMComm& db, const QString& schemeId, QString* error) {
    const QString scheme = idText(schemeId);
    return inSavepoint(db, error, [&] {
        return db.ExecSQL(QStringLiteral("DELETE FROM UnitSchemeDetail WHERE SchemeID=") +
                          scheme) &&
               db.ExecSQL(QStringLiteral("DELETE FROM UnitSchemeMaster WHERE SchemeID=") + scheme);
    });
}

bool SetSchemeUnit(TDMComm& db, const QString& schemeId, const QString& modelId,
                   const QString& itemId, const QString& unit) {
    return db.ExecSQL(QStringLiteral("UPDATE UnitSchemeDetail SET SubUnitCategoryID=") +
                      idText(unit) + QStringLiteral(" WHERE (SchemeID=") + idText(schemeId) +
                      QStringLiteral(") AND (ItemID=") + idText(itemId) +
                      QStringLiteral(") and (ModelID=") + idText(modelId) + QStringLiteral(")"));
}

int RegionOfChoice(int entries, int index) {
    if (entries == 1)
        return 1;
    if (entries == 3 && index == 2)
        return 3;
    return index;
}
