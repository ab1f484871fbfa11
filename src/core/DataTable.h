#pragma once

#include <QList>
#include <QStringList>
#include <QVariant>

#include <functional>
#include <utility>

// Reads named columns of the current row with the conversions of the old data
// layer: a missing column or NULL reads as 0 or the empty text, numbers read as
// text in their shortest form. Column names are matched without regard to case.
class TFieldReader {
public:
    virtual ~TFieldReader() = default;
    // Value of the column in the current row; invalid when there is no such column or row.
    virtual QVariant Value(const QString& column) const = 0;
    bool HasField(const QString& column) const;

    double AsFloat(const QString& column) const;
    int AsInteger(const QString& column) const;
    QString AsString(const QString& column) const;

protected:
    virtual int FieldIndex(const QString& column) const = 0;
};

// A detached copy of a query result: walked, filtered and read by column name
// after the database cursor that produced it has been closed.
class TDataTable : public TFieldReader {
public:
    using Row = QVariantList;

    TDataTable() = default;
    TDataTable(QStringList columns, QList<Row> rows);

    const QStringList& FieldNames() const { return columns_; }
    int FieldIndex(const QString& column) const override;

    // Rows that pass the filter; the cursor walks only these.
    int RecordCount() const { return int(visible_.size()); }
    bool IsEmpty() const { return visible_.isEmpty(); }
    const Row& RowAt(int visibleIndex) const { return rows_.at(visible_.at(visibleIndex)); }

    void First() { position_ = 0; }
    void Next() { ++position_; }
    bool Eof() const { return position_ >= RecordCount(); }
    int RecNo() const { return position_; }
    QVariant Value(const QString& column) const override;

    // Keeps the rows the predicate accepts and moves to the first of them.
    void SetFilter(const std::function<bool(const TDataTable&, const Row&)>& accept);
    // Keeps the rows whose columns equal the values (numbers compared as numbers,
    // texts without regard to case). An unknown column keeps no row.
    void FilterEquals(const QList<std::pair<QString, QVariant>>& conditions);
    void ClearFilter();
    bool Filtered() const { return visible_.size() != rows_.size(); }

private:
    QStringList columns_;
    QList<Row> rows_;
    QList<int> visible_;
    int position_ = 0;
};

// True when a cell holds the wanted value: as numbers when both read as numbers,
// otherwise as texts compared without regard to case.
bool CellEquals(const QVariant& cell, const QVariant& wanted);
