#pragma once

#include "core/Globals.h"

#include <QString>

class QWidget;

// The display unit the user last chose on each value button of the wizard, kept
// per mode in DataPath() + "Unit.ini" (section "Select" or "Cacl") while units may
// be chosen freely. A button counts when its default unit offers at least two
// presets. Values are written too but never read back: a restored button starts
// from the default value of its unit.
QString UnitIniPath();
// Writes the unit index, caption and value of every such button of the form; a
// write that fails is reported once.
void SaveRememberedUnits(const QWidget& form, TOperateType mode);
// Restores unit index and caption of every such button and fills its box with the
// presets of that unit; a unit index the parameter does not have is ignored for
// that button. False when the file or the mode's section is missing.
bool LoadRememberedUnits(QWidget& form, TOperateType mode);
