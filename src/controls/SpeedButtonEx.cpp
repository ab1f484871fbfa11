#include "controls/SpeedButtonEx.h"

#include "units/UnitManager.h"

TSpeedButtonEx::TSpeedButtonEx(QWidget* parent) : QToolButton(parent) {
    setAutoRaise(true);
    setToolButtonStyle(Qt::ToolButtonTextOnly);
}

void TSpeedButtonEx::SetItemNums(const QStringList& texts) {
    itemNums_ = texts;
    itemNums_.removeDuplicates();
}

std::optional<double> TSpeedButtonEx::DefaultValueOfShownUnit() const {
    const TSinglePop* unit = para_ ? para_->Pop(itemIndex_) : nullptr;
    return unit ? std::optional<double>(unit->DefNum) : std::nullopt;
}
