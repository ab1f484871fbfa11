#include "controls/ValueEntry.h"

#include "controls/CommonDialogs.h"
#include "controls/SpeedButtonEx.h"
#include "lang/XMLLan.h"
#include "settings/BaseClass.h"
#include "units/UnitConversion.h"

#include <QComboBox>
#include <QEvent>
#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>

namespace {

const char* const HintProperty = "zavkUnitHint";

QString message(const TValueEntryContext& context, const char* key) {
    return context.Lan ? context.Lan->GetMessageText(QLatin1String(key)) : QString();
}

const TSinglePop* shownUnit(const TSpeedButtonEx* button) {
    return button && button->Para() ? button->Para()->Pop(button->ItemIndex()) : nullptr;
}

double intoDefault(const TSpeedButtonEx* button, double value) {
    return IntoDefaultUnit(*button->Para(), button->ItemIndex(), button->DefaultItemIndex(), value);
}

// Writes a text the program produced; no change handler runs for it.
void writeText(QComboBox* box, QLineEdit* field, const QString& text) {
    if (box) {
        const QSignalBlocker blocker(box);
        box->setCurrentText(text);
    }
    if (field) {
        const QSignalBlocker blocker(field);
        field->setText(text);
    }
}

// A warning with the context's language, titled and captioned like every message box.
void warn(const TValueEntryContext& context, const QString& text) {
    const QString captions = QStringList{message(context, "MSGYES"), message(context, "MSGNO"),
                                         message(context, "MSGOK")}
                                 .join(';');
    ShowMessageDlg(text, message(context, "MSGMESSAGE"), TMsgDlgType::mtWarning, captions, mbOK);
}

// A typed text as a number; text that is none is reported and counts as 0.
double parseOrWarn(const TValueEntryContext& context, const QString& text, const QString& probe) {
    if (probe.isEmpty() || probe == QLatin1String("-"))
        return 0;
    if (const std::optional<double> value = ParseNumber(text))
        return *value;
    warn(context, text.trimmed() + message(context, "MSGConvertError"));
    return 0;
}

// Chooses the shown and the default unit; a scheme that names none of the
// parameter's units keeps the shown unit the button had.
void chooseUnits(const TValueEntryContext& context, TSinglePara& para, TSpeedButtonEx* button) {
    int schemeCategory = 0, schemeUnit = 0;
    const bool scheme =
        context.SchemeID != 0 && context.Units &&
        context.Units->GetSchemeUnit(context.SchemeID, para.ParaID, schemeCategory, schemeUnit);
    for (int b = 0; b < para.Count(); ++b) {
        const TSinglePop& unit = para.Pops.at(b);
        if (scheme && para.UnitCategoryId == schemeCategory && unit.SubUnitCategoryId == schemeUnit)
            button->SetItemIndex(b);
        if (unit.IsDefaultUnit == 1) {
            button->SetDefaultItemIndex(b);
            if (!scheme)
                button->SetItemIndex(b);
        }
    }
}

class HintOnMouseMove : public QObject {
public:
    HintOnMouseMove(const TValueEntryContext& context, QObject* parent)
        : QObject(parent), context_(context) {}
    void SetContext(const TValueEntryContext& context) { context_ = context; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::MouseMove || event->type() == QEvent::Enter)
            ShowParaHint(context_);
        return QObject::eventFilter(watched, event);
    }

private:
    TValueEntryContext context_;
};

TSinglePara* bindButton(const TValueEntryContext& context, int paraId, QWidget* input,
                        TSpeedButtonEx* button) {
    TSinglePara* para = context.Units ? context.Units->FindParameter(paraId) : nullptr;
    if (!para || !input || !button)
        return nullptr;
    button->SetPara(para);
    auto* hint = dynamic_cast<HintOnMouseMove*>(button->property(HintProperty).value<QObject*>());
    if (hint) {
        hint->SetContext(context);
    } else {
        hint = new HintOnMouseMove(context, button);
        button->setMouseTracking(true);
        button->installEventFilter(hint);
        button->setProperty(HintProperty, QVariant::fromValue<QObject*>(hint));
    }
    button->setToolTip(message(context, "UnitButtonHint"));
    chooseUnits(context, *para, button);
    const QList<QWidget*> components = input->window()->findChildren<QWidget*>();
    input->setProperty("tag", int(components.indexOf(button)));
    SetTaggedComponent(input, button);
    return para;
}

class RangeCheckOnExit : public QObject {
public:
    RangeCheckOnExit(const TValueEntryContext& context, QWidget* owner, QObject* parent)
        : QObject(parent), context_(context), owner_(owner) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::FocusOut &&
            static_cast<QFocusEvent*>(event)->reason() != Qt::PopupFocusReason) {
            if (auto* box = qobject_cast<QComboBox*>(watched))
                CheckValueRange(context_, box, owner_);
        }
        return QObject::eventFilter(watched, event);
    }

private:
    TValueEntryContext context_;
    QWidget* owner_;
};

} // namespace

TValueEntryContext ProgramValueEntry() {
    TValueEntryContext context;
    if (BaseClass) {
        context.Units = BaseClass->UnitManager.get();
        context.Lan = BaseClass->Lan.get();
        context.SchemeID = BaseClass->DefaultSchemeID;
        context.UnitFreedom = BaseClass->UnitFreedom;
    }
    context.Hint = ShowHint;
    return context;
}

void BindComboButton(const TValueEntryContext& context, int paraId, QComboBox* box,
                     TSpeedButtonEx* button) {
    if (!bindButton(context, paraId, box, button))
        return;
    button->SetLinkedCombo(box);
    // The list offers the presets; a typed number is not completed to one of them.
    box->setCompleter(nullptr);
    RefreshUnitButton(context, button);
}

void BindEditButton(const TValueEntryContext& context, int paraId, QLineEdit* field,
                    TSpeedButtonEx* button) {
    if (!bindButton(context, paraId, field, button))
        return;
    button->SetLinkedEdit(field);
    RefreshUnitButton(context, button);
}

void RefreshUnitButton(const TValueEntryContext& context, TSpeedButtonEx* button) {
    const TSinglePop* unit = shownUnit(button);
    if (!unit)
        return;
    button->setText(UnitCaption(context.Lan, *button->Para(), button->ItemIndex()));
    if (QComboBox* box = button->LinkedCombo()) {
        FillPresetItems(button);
        FillPresetNumbers(button);
        button->SetCurNum(intoDefault(button, unit->DefNum));
        writeText(box, nullptr, GeneralText(unit->DefNum));
    } else if (button->LinkedEdit() && !unit->NumPopData.isEmpty()) {
        const double first = unit->NumPopData.first();
        button->SetCurNum(intoDefault(button, first));
        writeText(nullptr, button->LinkedEdit(), ShortText(first, unit->Avail_DecPoint));
    }
}

void FillPresetItems(TSpeedButtonEx* button) {
    const TSinglePop* unit = shownUnit(button);
    QComboBox* box = button ? button->LinkedCombo() : nullptr;
    if (!unit || !box)
        return;
    const QSignalBlocker blocker(box);
    const int selected = box->currentIndex();
    const QString text = box->currentText();
    box->clear();
    QStringList items;
    for (double preset : unit->NumPopData)
        items.append(GeneralText(preset));
    box->addItems(items);
    if (!box->isEditable())
        box->setCurrentIndex(selected);
    else
        box->setCurrentText(text);
}

void FillPresetNumbers(TSpeedButtonEx* button) {
    const TSinglePop* unit =
        button && button->Para() ? button->Para()->Pop(button->DefaultItemIndex()) : nullptr;
    if (!unit)
        return;
    QStringList texts;
    for (double preset : unit->NumPopData)
        texts.append(GeneralText(preset));
    button->SetItemNums(texts);
}

void NextUnit(const TValueEntryContext& context, TSpeedButtonEx* button) {
    if (!context.UnitFreedom || !shownUnit(button))
        return;
    const TSinglePara& para = *button->Para();
    button->SetItemIndex(button->ItemIndex() + 1 < para.Count() ? button->ItemIndex() + 1 : 0);
    button->setText(UnitCaption(context.Lan, para, button->ItemIndex()));
    FillPresetItems(button);
    writeText(button->LinkedCombo(), button->LinkedEdit(),
              TextAfterUnitSwitch(para, button->ItemIndex(), button->DefaultItemIndex(),
                                  button->CurNum()));
}

void SetButtonValue(TSpeedButtonEx* button, double value) {
    if (!button)
        return;
    button->SetCurNum(value);
    if (!shownUnit(button))
        return;
    writeText(button->LinkedCombo(), button->LinkedEdit(),
              TextOfValue(*button->Para(), button->ItemIndex(), button->DefaultItemIndex(), value));
}

bool SetInputRange(const TValueEntryContext& context, int paraId, bool setLower, double lower,
                   double upper, bool setUpper) {
    TSinglePara* para = context.Units ? context.Units->FindParameter(paraId) : nullptr;
    if (para)
        SetInputRange(*para, setLower, lower, upper, setUpper);
    return para != nullptr;
}

TSpeedButtonEx* ButtonOfInput(QWidget* input, QWidget* owner) {
    return qobject_cast<TSpeedButtonEx*>(TaggedComponent(input, owner));
}

void ValueChanged(const TValueEntryContext& context, QComboBox* box, QWidget* owner) {
    TSpeedButtonEx* button = ButtonOfInput(box, owner);
    if (!shownUnit(button))
        return;
    const double value = parseOrWarn(context, box->currentText(), box->currentText());
    if (box->isEditable()) {
        button->SetCurNum(intoDefault(button, value));
        return;
    }
    const std::optional<double> preset = ParseNumber(button->ItemNums().value(box->currentIndex()));
    if (preset)
        button->SetCurNum(*preset);
}

bool CheckValueRange(const TValueEntryContext& context, QComboBox* box, QWidget* owner) {
    TSpeedButtonEx* button = ButtonOfInput(box, owner);
    const TSinglePop* unit = shownUnit(button);
    if (!unit)
        return true;
    const QString text = box->currentText();
    const double value = parseOrWarn(context, text, text.trimmed());
    const QString rounded = RangeCheckText(value, unit->Avail_DecPoint);
    if (unit->Confine < cfOpen || unit->Confine > cfClosed)
        return true;
    if (ValueInRange(*unit, ParseNumber(rounded).value_or(value))) {
        writeText(box, nullptr, rounded);
        return true;
    }
    warn(context, message(context, "MSG0017") + RangeText(*unit) + button->text() +
                      message(context, "MSG0014"));
    box->setFocus();
    return false;
}

void ShowParaHint(const TValueEntryContext& context) {
    if (context.UnitFreedom && context.Hint)
        context.Hint(message(context, "UnitButtonHint"), nullptr);
}

void ConnectValuePair(const TValueEntryContext& context, QComboBox* box, TSpeedButtonEx* button,
                      QWidget* owner) {
    QObject::connect(box, &QComboBox::editTextChanged, box,
                     [context, box, owner](const QString& t) {
                         if (!t.trimmed().isEmpty())
                             ValueChanged(context, box, owner);
                     });
    box->installEventFilter(new RangeCheckOnExit(context, owner, box));
    QObject::connect(button, &QToolButton::clicked, button,
                     [context, button] { NextUnit(context, button); });
}
