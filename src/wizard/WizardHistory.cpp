// Saving the wizard's run as a history file from the result page: the record,
// the wizard's values and the state of every control the file keeps.

#include "wizard/FrmActuatorSelection.h"

#include "controls/CommonDialogs.h"
#include "controls/SpeedButtonEx.h"
#include "results/HistoryWriter.h"
#include "wizard/WizardControls.h"

#include <QComboBox>
#include <QFileInfo>
#include <QLineEdit>
#include <QRadioButton>
#include <QStackedWidget>
#include <QTableWidget>

// A control's state by the key the file gives it ("name.Property").
QVariant TFrmActuatorSelection::controlState(const QString& key) const {
    const QString name = key.section('.', 0, 0);
    const QString property = key.section('.', 1);
    QWidget* control = findChild<QWidget*>(name);
    if (auto* radio = qobject_cast<QRadioButton*>(control))
        return radio->isChecked();
    if (auto* button = qobject_cast<TSpeedButtonEx*>(control))
        return property == QLatin1String("CurNum") ? QVariant(button->CurNum())
                                                   : QVariant(button->ItemIndex());
    if (auto* box = qobject_cast<QComboBox*>(control))
        return property == QLatin1String("ItemIndex") ? QVariant(box->currentIndex())
                                                      : QVariant(box->currentText());
    if (auto* field = qobject_cast<QLineEdit*>(control))
        return field->text();
    if (auto* grid = qobject_cast<QTableWidget*>(control))
        return property == QLatin1String("Row") ? qMax(0, grid->currentRow()) : grid->rowCount();
    if (auto* pages = qobject_cast<QStackedWidget*>(control))
        return pages->currentIndex();
    return QVariant(); // a control this window does not have: the file's default
}

THistoryState TFrmActuatorSelection::HistoryState() const {
    THistoryState state;
    state.OperateType = OperateType;
    state.EJ_Type = context_.EJ_Type;
    state.EJ_Valve_V2 = context_.EJ_Valve_V2;
    state.Tube_QMax = context_.Tube_QMax;
    state.VA_Gongying_BiJiaoVaule = context_.VA_Gongying_BiJiaoVaule;
    state.VA_Pohuai_BiJiaoVaule = context_.VA_Pohuai_BiJiaoVaule;
    state.VA_Jieliu_BiJiaoVaule = context_.VA_Jieliu_BiJiaoVaule;
    state.Input = context_.Input;
    for (const QString& key : HistoryControlKeys()) {
        const QVariant value = controlState(key);
        if (value.isValid())
            state.Controls.insert(key, value);
    }
    for (const QString& name : HistoryValueButtons()) {
        if (const auto* button = findChild<TSpeedButtonEx*>(name))
            state.ButtonUnits.insert(name, {button->ItemIndex(), button->text()});
    }
    return state;
}

// The save dialog, the mode's extension, the question before a file is replaced.
void TFrmActuatorSelection::saveHistory() {
    const bool select = OperateType == TOperateType::otSelect;
    const std::optional<QString> chosen =
        ChooseFileToSave(this, select ? QStringLiteral("*.SEL") : QStringLiteral("*.CAL"));
    if (!chosen || chosen->isEmpty())
        return;
    const QString path = HistoryFileName(*chosen, OperateType);
    if (QFileInfo::exists(path) &&
        ShowKeyedMessage(QStringLiteral("MSG0033"), TMsgDlgType::mtWarning, mbYes | mbNo) != mrYes)
        return;
    QString error;
    if (!WriteHistoryFile(path, HistoryState(), &error))
        ShowPlainMessage(error);
}
