#pragma once

#include "calc/CalcRecords.h"
#include "core/Globals.h"
#include "results/HistoryFile.h"

#include <QHash>
#include <QString>
#include <QStringList>
#include <QVariant>

#include <utility>

// The state a history file (.SEL, .CAL) records, apart from its fixed lines.
// The wizard's result page fills it from its controls, zavk-cli from the wizard
// context and the values it used.
struct THistoryState {
    TOperateType OperateType = TOperateType::otSelect;
    QString EJ_Type, EJ_Valve_V2;
    double Tube_QMax = 0, VA_Gongying_BiJiaoVaule = 0, VA_Pohuai_BiJiaoVaule = 0,
           VA_Jieliu_BiJiaoVaule = 0;
    TCalcInput Input;
    // The wizard controls' state by the key the file uses ("Sghuilu.Row",
    // "Rbzidong.Checked", "Btnyingdashijian.CurNum", "Cbyingdashijian.Text", ...):
    // a double, int, bool or QString, written as the key's kind (number, integer,
    // "1"/"0", text). A key left out is written with its default.
    QHash<QString, QVariant> Controls;
    // Unit index and caption of the wizard's value buttons, by button name; a button
    // left out is written with 0 and an empty caption. A button's unit index is
    // taken from here also for its "<name>.ItemIndex" key among the controls, so
    // both lines of the file agree; Controls gives it only for a button left out here.
    QHash<QString, std::pair<int, QString>> ButtonUnits;
};

// The file's lines in order, without line ends: "[History]", "SoftName=ZAVK1", the
// wizard values, the record, the controls and two lines per value button. Numbers
// are in general format with up to 15 significant digits and decimalSeparator;
// a line break inside a text becomes a blank, so that no value can add a key.
QStringList HistoryLines(const THistoryState& state, const QString& decimalSeparator);

// The keys of the wizard's controls in writing order (without the empty line),
// and the value buttons whose unit index and caption the file keeps.
QStringList HistoryControlKeys();
QStringList HistoryValueButtons();

// Writes the lines with CR LF line ends and the locale's decimal separator,
// replacing the file at path atomically: a failed write leaves the old file as it
// was. False with a message naming the file in error when the file cannot be
// written, or naming the key when a number is not finite (it could not be read back).
bool WriteHistoryFile(const QString& path, const THistoryState& state, QString* error);

// The name to write for a name chosen in the save dialog: the mode's extension
// (".SEL" or ".CAL", letter case counts) is appended unless the name already ends in it.
QString HistoryFileName(const QString& chosen, TOperateType mode);
