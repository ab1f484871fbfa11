// Saving the wizard's run as a history file from the result page: the record,
// the wizard's values and the state of every control the file keeps.

#include "wizard/FrmActuatorSelection.h"

#include "controls/CommonDialogs.h"
#include "controls/SpeedButtonEx.h"
#include "results/HistoryWriter.h"
#include "units/UnitManager.h"
#include "wizard/WizardControls.h"

#include <QComboBox>
#include <QFileInfo>
#include <QLineEdit>
#include <QLocale>
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
    THistoryState state = context_.HistoryState(OperateType);
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
    if (!MayReplaceFile(path))
        return;
    QString error;
    if (!WriteHistoryFile(path, HistoryState(), &error))
        ShowPlainMessage(error);
}

// Restores a control from the text the file keeps for the key.
void TFrmActuatorSelection::restoreControl(const QString& key, const QString& text) {
    const QString name = key.section('.', 0, 0);
    const QString property = key.section('.', 1);
    QWidget* control = findChild<QWidget*>(name);
    const double number = HistoryNumber(text).value_or(0);
    if (auto* radio = qobject_cast<QRadioButton*>(control)) {
        radio->setChecked(text.toInt() != 0);
    } else if (auto* button = qobject_cast<TSpeedButtonEx*>(control)) {
        if (property == QLatin1String("CurNum"))
            button->SetCurNum(number); // in calculation units, as written
        else
            button->SetItemIndex(text.toInt());
    } else if (auto* box = qobject_cast<QComboBox*>(control)) {
        if (property == QLatin1String("ItemIndex")) {
            box->setCurrentIndex(text.toInt());
        } else {
            const QSignalBlocker quiet(box); // the button's value is restored itself
            box->setEditText(HistoryNumber(text) ? QLocale().toString(number, 'g', 15) : text);
        }
    } else if (auto* field = qobject_cast<QLineEdit*>(control)) {
        field->setText(text);
    } else if (auto* grid = qobject_cast<QTableWidget*>(control)) {
        if (property == QLatin1String("Row") && text.toInt() < grid->rowCount())
            grid->selectRow(text.toInt());
    }
}

void TFrmActuatorSelection::LoadHistory(const THistoryRun& run) {
    context_.Restore(run); // the record is set again at the end: the pages empty it
    const bool select = OperateType == TOperateType::otSelect;
    const QStringList keys = HistoryControlKeys();
    const qsizetype calcFrom = keys.indexOf(QStringLiteral("EdtPTsel.Text"));
    const qsizetype selectFrom = keys.indexOf(QStringLiteral("Btnxipanshuliang.CurNum"));
    // The option radios first, then the system row reads them.
    for (qsizetype i = 0; i < calcFrom; ++i) {
        if (keys[i].endsWith(QLatin1String(".Checked")) && run.has(keys[i]))
            restoreControl(keys[i], run.value(keys[i]));
    }
    SelectCircuitRow(int(HistoryNumber(run.value(QStringLiteral("Sghuilu.Row"))).value_or(0)));
    for (qsizetype i = 0; i < keys.size(); ++i) {
        const bool wanted = i < calcFrom || (i < selectFrom ? !select : select);
        const bool gridRow = keys[i].startsWith(QLatin1String("Sghuilu."));
        if (wanted && !gridRow && run.has(keys[i]))
            restoreControl(keys[i], run.value(keys[i]));
        if (select && keys[i] == QLatin1String("Rbzhiding.Checked")) {
            context_.RestoredFromHistory = true;
            context_.Input.PT_Series_ID = run.Calc.Input.PT_Series_ID;
            context_.Input.PT_ID = run.Calc.Input.PT_ID;
            rebuildPadLists(); // the pad lists of the restored method
        }
    }
    context_.Input = run.Calc.Input;
    for (const QString& name : HistoryValueButtons()) {
        auto* button = findChild<TSpeedButtonEx*>(name);
        if (!button || !button->Para() || button->Para()->Count() < 2)
            continue;
        button->SetItemIndex(run.value(name + QStringLiteral(".ItemIndex")).toInt());
        button->setText(run.value(name + QStringLiteral(".Caption")));
    }
    context_.RestoredFromHistory = true;
}
