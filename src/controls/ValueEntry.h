#pragma once

#include "controls/CommonDialogs.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QWidget;
class TSpeedButtonEx;
class TUnitManager;
class TXMLLan;

// What value entry takes from the settings object and the status line; tests
// give their own.
struct TValueEntryContext {
    TUnitManager* Units = nullptr;
    const TXMLLan* Lan = nullptr;
    int SchemeID = 0;
    bool UnitFreedom = true;
    THintHandler Hint; // where the unit button's hint is shown
};
// The program's context: BaseClass, and hints to the status line.
TValueEntryContext ProgramValueEntry();

// Binds a value button to a parameter and its input, and shows the parameter's
// default in the unit of the user's scheme. An unknown parameter leaves the pair
// untouched and inert.
void BindComboButton(const TValueEntryContext& context, int paraId, QComboBox* box,
                     TSpeedButtonEx* button);
void BindEditButton(const TValueEntryContext& context, int paraId, QLineEdit* field,
                    TSpeedButtonEx* button);
// Caption, preset lists and value from the parameter's defaults in the shown unit.
void RefreshUnitButton(const TValueEntryContext& context, TSpeedButtonEx* button);
void FillPresetItems(TSpeedButtonEx* button);
void FillPresetNumbers(TSpeedButtonEx* button);
// Shows the value in the parameter's next unit; nothing unless units are free.
void NextUnit(const TValueEntryContext& context, TSpeedButtonEx* button);
// Sets the value in the default unit and shows it in the shown unit.
void SetButtonValue(TSpeedButtonEx* button, double value);
// Overwrites a parameter's bounds in every unit; false for an unknown parameter.
bool SetInputRange(const TValueEntryContext& context, int paraId, bool setLower, double lower,
                   double upper, bool setUpper);
// Takes the box's text into its button's value.
void ValueChanged(const TValueEntryContext& context, QComboBox* box, QWidget* owner);
// Rounds the box's text to the shown unit's decimals and checks its bounds; a
// value outside them is reported, the focus goes back to the box, and false.
bool CheckValueRange(const TValueEntryContext& context, QComboBox* box, QWidget* owner);
void ShowParaHint(const TValueEntryContext& context);

// The value button an input was bound to, found through the input's "tag"
// among the owner's widgets; the input's window when owner is null.
TSpeedButtonEx* ButtonOfInput(QWidget* input, QWidget* owner);

// The wizard's wiring of one pair: a typed change takes the value, leaving the
// box checks its range, a click on the button shows the next unit.
void ConnectValuePair(const TValueEntryContext& context, QComboBox* box, TSpeedButtonEx* button,
                      QWidget* owner);
