#include "settings/PresetValues.h"

#include "core/DMComm.h"
#include "core/Helpers.h"
#include "lang/XMLLan.h"

namespace {

constexpr int HighestSortNo = 10000;

// An ID the program pastes into SQL: an integer, or "0" for anything else.
QString idText(const QString& text) {
    const QString id = text.trimmed();
    return IsIntegerText(id) ? id : QStringLiteral("0");
}

std::optional<double> number(const QString& text) {
    bool ok = false;
    const double value = text.trimmed().toDouble(&ok);
    return ok ? std::optional<double>(value) : std::nullopt;
}

std::optional<qint64> wholeNumber(const QString& text) {
    bool ok = false;
    const qint64 value = text.trimmed().toLongLong(&ok);
    return ok ? std::optional<qint64>(value) : std::nullopt;
}

bool sameNumber(const QString& a, const QString& b) {
    const auto x = wholeNumber(a);
    return x && x == wholeNumber(b);
}

} // namespace

QStringList ModelIds(TDMComm& db) {
    TDataTable rows;
    QStringList ids;
    if (!db.GetDataPacket(QStringLiteral("SELECT * FROM ModelMaster ORDER BY ModelID ASC"), rows))
        return ids;
    for (rows.First(); !rows.Eof(); rows.Next())
        ids.append(rows.AsString(QStringLiteral("ModelID")));
    return ids;
}

QList<TPresetItem> PresetItems(TDMComm& db, const TXMLLan& lan, const QString& modelId) {
    const QString model = idText(modelId);
    TDataTable rows;
    QList<TPresetItem> items;
    if (!db.GetDataPacket(QStringLiteral("SELECT * FROM ModelDetail WHERE ModelID =") + model +
                              QStringLiteral(" AND InputFlag=1 order by ItemID"),
                          rows))
        return items;
    for (rows.First(); !rows.Eof(); rows.Next()) {
        TPresetItem item;
        item.ItemID = rows.AsString(QStringLiteral("ItemID"));
        item.ItemName = lan.GetDataText(QStringLiteral("ModelDetail"), model + item.ItemID,
                                        QStringLiteral("ItemName"));
        item.ParaID = rows.AsString(QStringLiteral("ParaID"));
        items.append(item);
    }
    return items;
}

QList<TPresetUnit> PresetUnits(TDMComm& db, const TXMLLan& lan, const QString& paraId) {
    TDataTable rows;
    QList<TPresetUnit> units;
    const QString statement =
        QStringLiteral("SELECT A.UnitCategoryID, A.SubUnitCategoryID, A.InputMin, A.InputMax, "
                       "B.UnitName, B.UnitNameExt FROM ParaInfo A, UnitCategory B WHERE "
                       "(A.ParaID=") +
        idText(paraId) +
        QStringLiteral(") AND (A.UnitCategoryID=B.UnitCategoryID) AND "
                       "(A.SubUnitCategoryID=B.SubUnitCategoryID)");
    if (!db.GetDataPacket(statement, rows))
        return units;
    const QString table = QStringLiteral("UnitCategory");
    for (rows.First(); !rows.Eof(); rows.Next()) {
        TPresetUnit unit;
        unit.Category = rows.AsString(QStringLiteral("UnitCategoryID"));
        unit.Unit = rows.AsString(QStringLiteral("SubUnitCategoryID"));
        unit.InputMin = rows.AsString(QStringLiteral("InputMin"));
        unit.InputMax = rows.AsString(QStringLiteral("InputMax"));
        const QString key = unit.Category + unit.Unit;
        unit.Name = lan.GetDataText(table, key, QStringLiteral("UnitName"));
        unit.LongName = lan.GetDataText(table, key, QStringLiteral("UnitNameExt"));
        units.append(unit);
    }
    return units;
}

bool IsProtectedPreset(qint64 recNumber) {
    return (recNumber >= 104 && recNumber <= 109) || (recNumber >= 652 && recNumber <= 657);
}

QString PresetCheckMessage(const TXMLLan& lan, TPresetCheck check, const TPresetList& list) {
    switch (check) {
    case TPresetCheck::Accepted:
        return QString();
    case TPresetCheck::EmptyField:
        return lan.GetMessageText(QStringLiteral("MSG0020"));
    case TPresetCheck::OrderOutOfRange:
        return lan.GetMessageText(QStringLiteral("MSG0021")) + QStringLiteral("1-10000");
    case TPresetCheck::ValueOutOfRange:
        return lan.GetMessageText(QStringLiteral("MSG0017")) + list.Unit().Range();
    case TPresetCheck::OrderTaken:
        return lan.GetMessageText(QStringLiteral("MSG0019"));
    case TPresetCheck::WriteFailed:
        return lan.GetMessageText(QStringLiteral("MSGPRESETFAIL")) + list.LastError();
    }
    return QString();
}

void TPresetList::Load(const QString& paraId, const TPresetUnit& unit) {
    paraId_ = idText(paraId);
    unit_ = unit;
    unit_.Category = idText(unit.Category);
    unit_.Unit = idText(unit.Unit);
    reload();
}

void TPresetList::reload() {
    editRow_ = -1;
    rows_.clear();
    TDataTable rows;
    const QString statement =
        QStringLiteral("SELECT * FROM CommonValue WHERE (ParaID=%1) AND (UnitCategoryID=%2) AND "
                       "(SubUnitCategoryID=%3) ORDER BY SortNo")
            .arg(paraId_, unit_.Category, unit_.Unit);
    if (paraId_ == QLatin1String("0") || !db_.GetDataPacket(statement, rows))
        return;
    for (rows.First(); !rows.Eof(); rows.Next()) {
        rows_.append({rows.Value(QStringLiteral("RecNumber")).toLongLong(),
                      rows.AsString(QStringLiteral("SortNo")),
                      rows.AsString(QStringLiteral("NumPopData"))});
    }
}

void TPresetList::BeginEdit(int row) {
    if (row < 0 || row >= rows_.size() || editRow_ == row)
        return;
    Cancel();
    editRow_ = row;
    savedSortNo_ = rows_.at(row).SortNo;
}

TPresetCheck TPresetList::check(const TPresetRow& typed) const {
    if (typed.SortNo.trimmed().isEmpty() || typed.Value.trimmed().isEmpty())
        return TPresetCheck::EmptyField;
    const auto order = wholeNumber(typed.SortNo);
    if (!order || *order < 0 || *order > HighestSortNo)
        return TPresetCheck::OrderOutOfRange;
    const auto value = number(typed.Value);
    const auto lower = number(unit_.InputMin);
    const auto upper = number(unit_.InputMax);
    if (!value || (lower && *value < *lower) || (upper && *value > *upper))
        return TPresetCheck::ValueOutOfRange;
    if (!typed.RecNumber || !sameNumber(typed.SortNo, savedSortNo_)) {
        TDataTable taken;
        const QString statement =
            QStringLiteral("select * from CommonValue where ParaID=%1 and UnitCategoryID=%2 and "
                           "SubUnitCategoryID=%3 and SortNo=%4")
                .arg(paraId_, unit_.Category, unit_.Unit, QString::number(*order));
        if (!db_.GetDataPacket(statement, taken) || !taken.IsEmpty())
            return TPresetCheck::OrderTaken;
    }
    return TPresetCheck::Accepted;
}

bool TPresetList::write(const TPresetRow& typed) {
    const QVariant order = *wholeNumber(typed.SortNo);
    const QVariant value = *number(typed.Value);
    const bool ok =
        typed.RecNumber
            ? db_.ExecSQL(QStringLiteral("UPDATE CommonValue SET SortNo=?, NumPopData=? "
                                         "WHERE RecNumber=?"),
                          {order, value, *typed.RecNumber})
            : db_.ExecSQL(QStringLiteral("INSERT INTO CommonValue (ParaID, UnitCategoryID, "
                                         "SubUnitCategoryID, LanId, SortNo, NumPopData, "
                                         "ParaDisName) VALUES (?, ?, ?, 1033, ?, ?, '')"),
                          {paraId_.toLongLong(), unit_.Category.toLongLong(),
                           unit_.Unit.toLongLong(), order, value});
    error_ = ok ? QString() : db_.LastError();
    return ok;
}

TPresetCheck TPresetList::Post(int row, const QString& sortNo, const QString& value) {
    if (row < 0 || row >= rows_.size())
        return TPresetCheck::Accepted;
    BeginEdit(row);
    TPresetRow& typed = rows_[row];
    typed.SortNo = sortNo;
    typed.Value = value;
    const TPresetCheck result = check(typed);
    if (result != TPresetCheck::Accepted)
        return result;
    if (!write(typed))
        return TPresetCheck::WriteFailed;
    reload();
    return result;
}

TPresetCheck TPresetList::Append() {
    Cancel();
    const qint64 next = rows_.isEmpty() ? 1 : wholeNumber(rows_.last().SortNo).value_or(0) + 1;
    rows_.append({std::nullopt, QString::number(next), unit_.InputMin});
    editRow_ = int(rows_.size()) - 1;
    savedSortNo_.clear();
    return Post(editRow_, rows_.last().SortNo, rows_.last().Value);
}

void TPresetList::Cancel() {
    if (editRow_ < 0)
        return;
    reload();
}

TPresetDelete TPresetList::Delete(int row) {
    if (row < 0 || row >= rows_.size())
        return TPresetDelete::Failed;
    const TPresetRow& target = rows_.at(row);
    if (!target.RecNumber) {
        Cancel();
        return TPresetDelete::Deleted;
    }
    if (IsProtectedPreset(*target.RecNumber))
        return TPresetDelete::Protected;
    if (rows_.size() <= 1)
        return TPresetDelete::LastRow;
    if (!db_.ExecSQL(QStringLiteral("DELETE FROM CommonValue WHERE RecNumber=?"),
                     {*target.RecNumber})) {
        error_ = db_.LastError();
        return TPresetDelete::Failed;
    }
    reload();
    return TPresetDelete::Deleted;
}
