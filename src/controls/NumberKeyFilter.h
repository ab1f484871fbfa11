#pragma once

#include <QObject>

// Which characters a numeric box takes: counts (digits), unsigned decimals, or
// signed decimals whose "-" may only start the text.
enum class TKeyMode { Digits = 1, Decimal = 3, SignedDecimal = 4 };

// Whether a typed character goes into a box holding text, with the caret at
// cursor and the whole text selected or not.
bool AcceptsTypedChar(TKeyMode mode, QChar typed, const QString& text, int cursor,
                      bool allSelected);

// Discards the characters the mode rejects, judged on the text the character
// does not replace; installed on a combo box or a line edit, and owned by it. Keys without a
// character (arrows, Delete, shortcuts) and Backspace pass.
class TNumberKeyFilter : public QObject {
public:
    static TNumberKeyFilter* Install(QWidget* box, TKeyMode mode);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    TNumberKeyFilter(TKeyMode mode, QObject* parent) : QObject(parent), mode_(mode) {}
    TKeyMode mode_;
};
