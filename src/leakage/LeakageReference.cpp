#include "leakage/LeakageReference.h"

#include "core/DMComm.h"
#include "core/DataTable.h"
#include "core/Helpers.h"

#include <QLocale>
#include <QRegularExpression>

#include <algorithm>

namespace {

// Column stems of the workpiece rows, top to bottom; "P_" and "L_" prefix them.
constexpr std::array<const char*, LeakageRowCount> Stems = {
    "STEEL",        "S_WOOD",      "C_WOOD",    "S_CONCRETE", "C_CONCRETE", "CIRCUIT",
    "ST_CARDBOARD", "T_CARDBOARD", "CARDBOARD", "NEWS",       "COPY",       "VINYL",
    "S_STYROFOAM",  "C_STYROFOAM", "CD",        "S_MARBLE",   "C_MARBLE"};

// A flow reading with two decimals; "0" and texts that are no number stay as they are.
QString flowText(const QString& text) {
    if (text.isEmpty() || text == QLatin1String("0"))
        return text;
    bool ok = false;
    const double value = text.trimmed().toDouble(&ok); // stored with "." whatever the locale
    if (!ok)
        return text;
    QLocale locale;
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    return locale.toString(value, 'f', 2);
}

// The last number in a pad code, its diameter; -1 when it has none.
int padSize(const QString& code) {
    static const QRegularExpression digits(QStringLiteral("(\\d+)(?!.*\\d)"));
    const QRegularExpressionMatch match = digits.match(code);
    return match.hasMatch() ? match.captured(1).toInt() : -1;
}

} // namespace

QString LeakageColumn(int row, TLeakageKind kind) {
    if (row < 0 || row >= LeakageRowCount)
        return {};
    return QLatin1String(kind == TLeakageKind::Pressure ? "P_" : "L_") + QLatin1String(Stems[row]);
}

std::optional<QString> LeakageSql(const TLeakageChoice& choice, TLeakageCondition condition) {
    if (!IsCatalogueCode(choice.Pad))
        return std::nullopt;
    return QStringLiteral("SELECT * FROM Material WHERE SK_PAD='") + choice.Pad +
           QStringLiteral("' AND SHAPE_Type=") + QString::number(choice.Shape) +
           QStringLiteral(" AND MATERIA_Type=") + QString::number(choice.Material) +
           QStringLiteral(" AND PRESSTURE='") +
           QLatin1String(condition == TLeakageCondition::Low ? "LOW" : "HIGH") + QLatin1Char('\'');
}

QString LeakageCellText(const QString& low, const QString& high, TLeakageKind kind) {
    const QString a = kind == TLeakageKind::Flow ? flowText(low) : low;
    const QString b = kind == TLeakageKind::Flow ? flowText(high) : high;
    if (!a.isEmpty() && !b.isEmpty() && a != b)
        return a + QStringLiteral(" to ") + b;
    if (a == b || b.isEmpty())
        return a;
    return b;
}

TLeakageCells LeakageCellsOf(const TDataTable& low, const TDataTable& high) {
    TLeakageCells cells;
    if (low.IsEmpty() || high.IsEmpty())
        return cells;
    auto first = [](const TDataTable& table, const QString& column) {
        const int index = table.FieldIndex(column);
        return index < 0 ? QString() : table.RowAt(0).value(index).toString();
    };
    for (int row = 0; row < LeakageRowCount; ++row) {
        for (const TLeakageKind kind : {TLeakageKind::Pressure, TLeakageKind::Flow}) {
            const QString column = LeakageColumn(row, kind);
            const QString text = LeakageCellText(first(low, column), first(high, column), kind);
            (kind == TLeakageKind::Pressure ? cells.Pressure : cells.Flow)[row] = text;
        }
    }
    return cells;
}

bool ReadLeakageCells(TDMComm& db, const TLeakageChoice& choice, TLeakageCells& cells,
                      QString& error) {
    cells = {};
    const auto lowSql = LeakageSql(choice, TLeakageCondition::Low);
    const auto highSql = LeakageSql(choice, TLeakageCondition::High);
    if (!lowSql || !highSql) {
        error = QStringLiteral("not a pad code: ") + choice.Pad;
        return false;
    }
    TDataTable low;
    TDataTable high;
    if (!db.GetDataPacket(*lowSql, low) || !db.GetDataPacket(*highSql, high)) {
        error = db.LastError();
        return false;
    }
    cells = LeakageCellsOf(low, high);
    error.clear();
    return true;
}

QStringList LeakagePads(TDMComm& db) {
    TDataTable table;
    if (!db.GetDataPacket(QStringLiteral("SELECT DISTINCT(SK_PAD) AS SK_PAD FROM Material"), table))
        return {};
    QStringList pads;
    for (table.First(); !table.Eof(); table.Next()) {
        const QString pad = table.AsString(QStringLiteral("SK_PAD"));
        if (IsCatalogueCode(pad) && !pads.contains(pad, Qt::CaseInsensitive))
            pads.append(pad);
    }
    std::sort(pads.begin(), pads.end(), [](const QString& a, const QString& b) {
        const int sa = padSize(a);
        const int sb = padSize(b);
        return sa != sb ? sa < sb : a.compare(b, Qt::CaseInsensitive) < 0;
    });
    return pads;
}

QString LeakagePhotoTitle(const QStringList& materials, const QStringList& surfaces, int row) {
    if (row < 0 || row >= materials.size())
        return {};
    QString material;
    for (int r = row; r >= 0 && material.isEmpty(); --r)
        material = materials.at(r);
    const QString surface = surfaces.value(row);
    return surface.isEmpty() ? material : material + QStringLiteral(" -- ") + surface;
}
