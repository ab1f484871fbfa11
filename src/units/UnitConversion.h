#pragma once

#include "units/UnitManager.h"

#include <QString>

#include <optional>

class TXMLLan;

// Conversion between the units of a parameter. A unit the catalogue lacks
// converts as identity.
double ToBaseValue(const TSinglePop& unit, double value);
double FromBaseValue(const TSinglePop& unit, double base);
double ConvertValue(const TSinglePop& from, const TSinglePop& to, double value);
// The fixed-point text of the base value in the unit, with the unit's decimals.
QString FormatFromBase(const TSinglePop& unit, double base);

// Number texts in the locale's decimal separator, never with group separators.
// Halves round away from zero, judged on the value's 18-digit decimal expansion.
QString FixedText(double value, int decimals);
// As FixedText with at most 8 significant digits; exponent form above 8 integer digits.
QString RangeCheckText(double value, int decimals);
// 15 significant digits, trailing zeros dropped; exponent form above 15 integer
// digits or below 0.00001.
QString GeneralText(double value);
// 4 significant digits; the exponent, when used, has at least exponentDigits digits.
QString ShortText(double value, int exponentDigits);

// A number typed in the locale's format, blanks around it ignored; nothing when
// the text is no number.
std::optional<double> ParseNumber(const QString& text);
// A control's text: empty or "-" alone is 0, otherwise ParseNumber.
std::optional<double> ParseControlText(const QString& text);

// A value shown in unit `shown` taken into the parameter's default unit; unit 0
// counts as the base unit when it is the default.
double IntoDefaultUnit(const TSinglePara& para, int shown, int defaultIndex, double value);
// The text of a value held in the default unit after the display switched to `shown`.
QString TextAfterUnitSwitch(const TSinglePara& para, int shown, int defaultIndex, double value);
// The text of a value held in the default unit, shown in `shown` with its decimals.
QString TextOfValue(const TSinglePara& para, int shown, int defaultIndex, double value);

// Whether a rounded value passes the unit's bounds; any unknown Confine passes.
bool ValueInRange(const TSinglePop& unit, double value);
// The bounds written with the brackets of the Confine kind, "[0~100)"; empty
// for a kind without a range check.
QString RangeText(const TSinglePop& unit);

// Caption key and caption of a unit: category number followed by unit number.
QString UnitCaptionKey(int unitCategoryId, int subUnitCategoryId);
QString UnitCaption(const TXMLLan* lan, const TSinglePara& para, int unitIndex);

// Overwrites the bounds of the default units and derives the other units'
// bounds from unit 0.
void SetInputRange(TSinglePara& para, bool setLower, double lower, double upper, bool setUpper);
