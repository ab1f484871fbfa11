#include "units/UnitConversion.h"

#include "lang/XMLLan.h"

#include <QLocale>

#include <cmath>

namespace {

constexpr int ExpansionDigits = 18;

// A decimal expansion: value = d1.d2d3... x 10^exponent; no digits means zero.
struct Decimal {
    bool negative = false;
    QByteArray digits;
    int exponent = 0;
};

void stripTrailingZeros(Decimal& d) {
    while (!d.digits.isEmpty() && d.digits.endsWith('0'))
        d.digits.chop(1);
}

Decimal expand(double value) {
    Decimal d;
    if (value == 0 || !std::isfinite(value))
        return d;
    d.negative = value < 0;
    const QByteArray text = QByteArray::number(std::fabs(value), 'e', ExpansionDigits - 1);
    const int e = text.indexOf('e');
    d.digits = text.left(e).replace(".", "");
    d.exponent = text.mid(e + 1).toInt();
    stripTrailingZeros(d);
    return d;
}

// Keeps the first `keep` digits, a half rounding away from zero.
void roundTo(Decimal& d, int keep) {
    if (keep >= d.digits.size())
        return;
    const bool up = keep >= 0 && d.digits.at(keep) >= '5';
    d.digits.truncate(std::max(keep, 0));
    if (up) {
        int i = keep - 1;
        while (i >= 0 && d.digits.at(i) == '9')
            d.digits[i--] = '0';
        if (i >= 0) {
            d.digits[i] = char(d.digits.at(i) + 1);
        } else {
            d.digits.prepend('1');
            ++d.exponent;
        }
    } else if (keep == 0) {
        d.digits.clear();
    }
    stripTrailingZeros(d);
}

char digitAt(const Decimal& d, int index) {
    return index >= 0 && index < d.digits.size() ? d.digits.at(index) : '0';
}

QString decimalPoint() {
    return QLocale().decimalPoint();
}

QString sign(const Decimal& d) {
    return d.negative && !d.digits.isEmpty() ? QStringLiteral("-") : QString();
}

QString exponentForm(const Decimal& d, int exponentDigits) {
    QString text = sign(d) + QChar(d.digits.at(0));
    if (d.digits.size() > 1)
        text += decimalPoint() + QString::fromLatin1(d.digits.mid(1));
    const QString exponent = QString::number(std::abs(d.exponent));
    text += QLatin1Char('E') + (d.exponent < 0 ? QStringLiteral("-") : QString());
    return text + exponent.rightJustified(exponentDigits, QLatin1Char('0'));
}

QString generalText(double value, int precision, int exponentDigits) {
    Decimal d = expand(value);
    roundTo(d, precision);
    if (d.digits.isEmpty())
        return QStringLiteral("0");
    if (d.exponent + 1 > precision || d.exponent < -5)
        return exponentForm(d, exponentDigits);
    QString integer, fraction;
    if (d.exponent < 0) {
        integer = QStringLiteral("0");
        fraction = QString(-d.exponent - 1, QLatin1Char('0')) + QString::fromLatin1(d.digits);
    } else {
        for (int i = 0; i <= d.exponent; ++i)
            integer += QLatin1Char(digitAt(d, i));
        fraction = QString::fromLatin1(d.digits.mid(d.exponent + 1));
    }
    return sign(d) + integer + (fraction.isEmpty() ? QString() : decimalPoint() + fraction);
}

QString fixedText(double value, int decimals, int precision) {
    decimals = std::max(decimals, 0);
    Decimal d = expand(value);
    roundTo(d, std::min(d.exponent + 1 + decimals, precision));
    if (d.exponent + 1 > precision)
        return generalText(value, precision, 0);
    QString integer;
    for (int i = 0; i <= d.exponent; ++i)
        integer += QLatin1Char(digitAt(d, i));
    if (integer.isEmpty() || d.digits.isEmpty())
        integer = QStringLiteral("0");
    QString fraction;
    for (int i = 1; i <= decimals; ++i)
        fraction += QLatin1Char(digitAt(d, d.exponent + i));
    return sign(d) + integer + (decimals > 0 ? decimalPoint() + fraction : QString());
}

bool isFahrenheit(const TSinglePop& unit) {
    return unit.UnitCategoryId == 6 && unit.UnitDef &&
           (unit.UnitDef->UnitName == QLatin1String("F") ||
            unit.UnitDef->UnitName == QLatin1String("degF"));
}

} // namespace

double ToBaseValue(const TSinglePop& unit, double value) {
    if (!unit.UnitDef)
        return value;
    return value * unit.UnitDef->MultiPlier - unit.UnitDef->AddNum;
}

double FromBaseValue(const TSinglePop& unit, double base) {
    if (!unit.UnitDef)
        return base;
    if (isFahrenheit(unit))
        return base * 1.8 + 32;
    return (base + unit.UnitDef->AddNum) / unit.UnitDef->MultiPlier;
}

double ConvertValue(const TSinglePop& from, const TSinglePop& to, double value) {
    return FromBaseValue(to, ToBaseValue(from, value));
}

QString FormatFromBase(const TSinglePop& unit, double base) {
    return FixedText(FromBaseValue(unit, base), unit.Avail_DecPoint);
}

QString FixedText(double value, int decimals) {
    return fixedText(value, decimals, ExpansionDigits);
}

QString RangeCheckText(double value, int decimals) {
    return fixedText(value, decimals, 8);
}

QString GeneralText(double value) {
    return generalText(value, 15, 0);
}

QString ShortText(double value, int exponentDigits) {
    return generalText(value, 4, exponentDigits);
}

std::optional<double> ParseNumber(const QString& text) {
    QLocale locale;
    locale.setNumberOptions(QLocale::RejectGroupSeparator);
    bool ok = false;
    const double value = locale.toDouble(text.trimmed(), &ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return value;
}

std::optional<double> ParseControlText(const QString& text) {
    if (text.isEmpty() || text == QLatin1String("-"))
        return 0.0;
    return ParseNumber(text);
}

double IntoDefaultUnit(const TSinglePara& para, int shown, int defaultIndex, double value) {
    const TSinglePop* shownUnit = para.Pop(shown);
    const TSinglePop* defaultUnit = para.Pop(defaultIndex);
    if (!shownUnit)
        return value;
    if (defaultIndex == 0)
        return ToBaseValue(*shownUnit, value);
    if (defaultIndex == shown || !defaultUnit)
        return value;
    return ConvertValue(*shownUnit, *defaultUnit, value);
}

QString TextAfterUnitSwitch(const TSinglePara& para, int shown, int defaultIndex, double value) {
    const TSinglePop* shownUnit = para.Pop(shown);
    const TSinglePop* defaultUnit = para.Pop(defaultIndex);
    if (!shownUnit)
        return GeneralText(value);
    if (defaultIndex == 0)
        return FormatFromBase(*shownUnit, value);
    if (defaultIndex == shown || !defaultUnit)
        return ShortText(value, shownUnit->Avail_DecPoint);
    return FormatFromBase(*shownUnit, ToBaseValue(*defaultUnit, value));
}

QString TextOfValue(const TSinglePara& para, int shown, int defaultIndex, double value) {
    const TSinglePop* shownUnit = para.Pop(shown);
    const TSinglePop* defaultUnit = para.Pop(defaultIndex);
    if (!shownUnit)
        return GeneralText(value);
    const int decimals = shownUnit->Avail_DecPoint;
    if (defaultIndex == shown || !defaultUnit)
        return FixedText(value, decimals);
    if (shown == 0)
        return FixedText(ToBaseValue(*defaultUnit, value), decimals);
    return FixedText(ConvertValue(*defaultUnit, *shownUnit, value), decimals);
}

bool ValueInRange(const TSinglePop& unit, double value) {
    switch (unit.Confine) {
    case cfOpen:
        return unit.InputMin < value && value < unit.InputMax;
    case cfLowerClosed:
        return unit.InputMin <= value && value < unit.InputMax;
    case cfUpperClosed:
        return unit.InputMin < value && value <= unit.InputMax;
    case cfClosed:
        return unit.InputMin <= value && value <= unit.InputMax;
    default:
        return true;
    }
}

QString RangeText(const TSinglePop& unit) {
    if (unit.Confine < cfOpen || unit.Confine > cfClosed)
        return QString();
    const bool lowerClosed = unit.Confine == cfLowerClosed || unit.Confine == cfClosed;
    const bool upperClosed = unit.Confine == cfUpperClosed || unit.Confine == cfClosed;
    return QLatin1Char(lowerClosed ? '[' : '(') + GeneralText(unit.InputMin) + QLatin1Char('~') +
           GeneralText(unit.InputMax) + QLatin1Char(upperClosed ? ']' : ')');
}

QString UnitCaptionKey(int unitCategoryId, int subUnitCategoryId) {
    return QString::number(unitCategoryId) + QString::number(subUnitCategoryId);
}

QString UnitCaption(const TXMLLan* lan, const TSinglePara& para, int unitIndex) {
    const TSinglePop* unit = para.Pop(unitIndex);
    if (!lan || !unit)
        return QString();
    return lan->GetDataText(QStringLiteral("UnitCategory"),
                            UnitCaptionKey(para.UnitCategoryId, unit->SubUnitCategoryId),
                            QStringLiteral("UnitName"));
}

void SetInputRange(TSinglePara& para, bool setLower, double lower, double upper, bool setUpper) {
    if (para.Pops.isEmpty())
        return;
    TSinglePop& pivot = para.Pops[0];
    for (int i = 0; i < para.Pops.size(); ++i) {
        TSinglePop& unit = para.Pops[i];
        if (unit.IsDefaultUnit != 1)
            continue;
        if (setLower)
            unit.InputMin = lower;
        if (setUpper)
            unit.InputMax = upper;
        if (i != 0 && setLower)
            pivot.InputMin = ToBaseValue(unit, lower);
        if (i != 0 && setUpper)
            pivot.InputMax = ToBaseValue(unit, upper);
    }
    for (int c = 1; c < para.Pops.size(); ++c) {
        TSinglePop& unit = para.Pops[c];
        if (unit.IsDefaultUnit == 1)
            continue;
        if (setLower)
            unit.InputMin = ConvertValue(pivot, unit, pivot.InputMin);
        if (setUpper)
            unit.InputMax = ConvertValue(pivot, unit, pivot.InputMax);
    }
}
