#include "controls/NumberKeyFilter.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QLocale>

namespace {

QLineEdit* editOf(QObject* box) {
    if (auto* combo = qobject_cast<QComboBox*>(box))
        return combo->lineEdit();
    return qobject_cast<QLineEdit*>(box);
}

} // namespace

bool AcceptsTypedChar(TKeyMode mode, QChar typed, const QString& text, int cursor,
                      bool allSelected) {
    if (typed.isDigit() && typed.unicode() < 128)
        return true;
    const QString separator = QLocale().decimalPoint();
    if (mode != TKeyMode::Digits && QString(typed) == separator) {
        if (text.contains(separator))
            return false;
        return mode == TKeyMode::Decimal || (!text.isEmpty() && text != QLatin1String("-"));
    }
    if (mode == TKeyMode::SignedDecimal && typed == QLatin1Char('-'))
        return allSelected || text.isEmpty() || cursor == 0;
    return false;
}

TNumberKeyFilter* TNumberKeyFilter::Install(QWidget* box, TKeyMode mode) {
    auto* filter = new TNumberKeyFilter(mode, box);
    box->installEventFilter(filter);
    return filter;
}

bool TNumberKeyFilter::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress)
        return QObject::eventFilter(watched, event);
    const auto* key = static_cast<QKeyEvent*>(event);
    const QString typed = key->text();
    if (typed.size() != 1 || typed.at(0).category() == QChar::Other_Control)
        return false;
    const QLineEdit* edit = editOf(watched);
    QString text = edit ? edit->text() : QString();
    const bool allSelected = edit && !text.isEmpty() && edit->selectedText() == text;
    // the typed character replaces the selection
    if (edit && edit->hasSelectedText())
        text.remove(edit->selectionStart(), edit->selectedText().size());
    const int cursor = edit ? edit->cursorPosition() : 0;
    return !AcceptsTypedChar(mode_, typed.at(0), text, cursor, allSelected);
}
