#include "controls/SpeedButtonEx.h"

namespace {

TSpeedButtonEx::TUnitDefaultLookup unitDefaultLookup = nullptr;

} // namespace

TSpeedButtonEx::TSpeedButtonEx(QWidget* parent) : QToolButton(parent) {
    setAutoRaise(true);
    setToolButtonStyle(Qt::ToolButtonTextOnly);
}

void TSpeedButtonEx::SetItemNums(const QStringList& texts) {
    itemNums_ = texts;
    itemNums_.removeDuplicates();
}

std::optional<double> TSpeedButtonEx::DefaultValueOfShownUnit() const {
    if (!para_ || !unitDefaultLookup)
        return std::nullopt;
    return unitDefaultLookup(*para_, itemIndex_);
}

void TSpeedButtonEx::SetUnitDefaultLookup(TUnitDefaultLookup lookup) {
    unitDefaultLookup = lookup;
}
