#include "core/DataTable.h"

#include <QLocale>
#include <QtMath>
#include <limits>

namespace {

bool isNumeric(const QVariant& value) {
    switch (value.typeId()) {
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Double:
        return true;
    default:
        return false;
    }
}

int toIntRounded(double value) {
    if (!qIsFinite(value))
        return 0;
    const double clamped = qBound(double(std::numeric_limits<int>::min()), value,
                                  double(std::numeric_limits<int>::max()));
    return int(qRound64(clamped));
}

} // namespace

bool TFieldReader::HasField(const QString& column) const {
    return FieldIndex(column) >= 0;
}

double TFieldReader::AsFloat(const QString& column) const {
    const QVariant value = Value(column);
    if (value.isNull())
        return 0.0;
    bool ok = false;
    const double number =
        isNumeric(value) ? value.toDouble(&ok) : value.toString().trimmed().toDouble(&ok);
    return ok ? number : 0.0;
}

int TFieldReader::AsInteger(const QString& column) const {
    const QVariant value = Value(column);
    if (value.isNull())
        return 0;
    if (value.typeId() == QMetaType::Double)
        return toIntRounded(value.toDouble());
    bool ok = false;
    const qlonglong number = value.toString().trimmed().toLongLong(&ok);
    if (ok)
        return int(qBound(qlonglong(std::numeric_limits<int>::min()), number,
                          qlonglong(std::numeric_limits<int>::max())));
    const double fallback = value.toString().trimmed().toDouble(&ok);
    return ok ? toIntRounded(fallback) : 0;
}

QString TFieldReader::AsString(const QString& column) const {
    const QVariant value = Value(column);
    if (value.isNull())
        return QString();
    if (value.typeId() == QMetaType::Double)
        return QString::number(value.toDouble(), 'g', QLocale::FloatingPointShortest);
    return value.toString();
}

bool CellEquals(const QVariant& cell, const QVariant& wanted) {
    if (cell.isNull() || wanted.isNull())
        return cell.isNull() && wanted.isNull();
    bool cellIsNumber = isNumeric(cell);
    bool wantedIsNumber = isNumeric(wanted);
    double a = 0, b = 0;
    if (!cellIsNumber)
        a = cell.toString().trimmed().toDouble(&cellIsNumber);
    else
        a = cell.toDouble();
    if (!wantedIsNumber)
        b = wanted.toString().trimmed().toDouble(&wantedIsNumber);
    else
        b = wanted.toDouble();
    if (cellIsNumber && wantedIsNumber)
        return a == b;
    return cell.toString().compare(wanted.toString(), Qt::CaseInsensitive) == 0;
}

TDataTable::TDataTable(QStringList columns, QList<Row> rows)
    : columns_(std::move(columns)), rows_(std::move(rows)) {
    ClearFilter();
}

int TDataTable::FieldIndex(const QString& column) const {
    for (int i = 0; i < columns_.size(); ++i) {
        if (columns_.at(i).compare(column, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

QVariant TDataTable::Value(const QString& column) const {
    const int index = FieldIndex(column);
    if (index < 0 || Eof())
        return QVariant();
    return RowAt(position_).value(index);
}

void TDataTable::SetFilter(const std::function<bool(const TDataTable&, const Row&)>& accept) {
    visible_.clear();
    for (int i = 0; i < rows_.size(); ++i) {
        if (accept(*this, rows_.at(i)))
            visible_.append(i);
    }
    position_ = 0;
}

void TDataTable::FilterEquals(const QList<std::pair<QString, QVariant>>& conditions) {
    QList<std::pair<int, QVariant>> byIndex;
    for (const auto& [column, value] : conditions)
        byIndex.append({FieldIndex(column), value});
    SetFilter([&byIndex](const TDataTable&, const Row& row) {
        for (const auto& [index, value] : byIndex) {
            if (index < 0 || !CellEquals(row.value(index), value))
                return false;
        }
        return true;
    });
}

void TDataTable::ClearFilter() {
    visible_.resize(rows_.size());
    for (int i = 0; i < rows_.size(); ++i)
        visible_[i] = i;
    position_ = 0;
}
