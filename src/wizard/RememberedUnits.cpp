#include "wizard/RememberedUnits.h"

#include "controls/SpeedButtonEx.h"
#include "controls/ValueEntry.h"
#include "core/DataFolder.h"
#include "core/IniFile.h"
#include "units/UnitConversion.h"
#include "units/UnitManager.h"

#include <QWidget>

namespace {

QString sectionOf(TOperateType mode) {
    return mode == TOperateType::otCalc ? QStringLiteral("Cacl") : QStringLiteral("Select");
}

QList<TSpeedButtonEx*> rememberedButtons(const QWidget& form) {
    QList<TSpeedButtonEx*> buttons;
    for (TSpeedButtonEx* button : form.findChildren<TSpeedButtonEx*>()) {
        if (button->ItemNums().size() > 1)
            buttons.append(button);
    }
    return buttons;
}

} // namespace

QString UnitIniPath() {
    return DataPath() + QStringLiteral("Unit.ini");
}

void SaveRememberedUnits(const QWidget& form, TOperateType mode) {
    IniFile::TKeyValues values;
    for (const TSpeedButtonEx* button : rememberedButtons(form)) {
        const QString name = button->objectName();
        values.append({name + QStringLiteral(".ItemIndex"), QString::number(button->ItemIndex())});
        values.append({name + QStringLiteral(".Caption"), button->text()});
        values.append({name + QStringLiteral(".CurNum"), GeneralText(button->CurNum())});
    }
    IniFile file(UnitIniPath());
    if (!file.writeStrings(sectionOf(mode), values))
        ReportWriteFailure(file.errorString());
}

bool LoadRememberedUnits(QWidget& form, TOperateType mode) {
    const IniFile file(UnitIniPath());
    const QString section = sectionOf(mode);
    if (!file.exists() || file.keys(section).isEmpty())
        return false;
    for (TSpeedButtonEx* button : rememberedButtons(form)) {
        const QString name = button->objectName();
        const int index = file.readInteger(section, name + QStringLiteral(".ItemIndex"), 0);
        // A unit the parameter does not have (a file edited by hand, or older
        // unit tables) is ignored: the button keeps the unit of the scheme.
        if (!button->Para() || !button->Para()->Pop(index))
            continue;
        button->SetItemIndex(index);
        button->setText(file.readString(section, name + QStringLiteral(".Caption")));
        FillPresetItems(button);
    }
    return true;
}
