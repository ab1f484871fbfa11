#pragma once

#include <QSize>
#include <QString>
#include <QWidget>

#include <initializer_list>
#include <optional>
#include <utility>

class QComboBox;
class QGroupBox;
class QPlainTextEdit;
class QGridLayout;
class QLabel;
class QLineEdit;
class QRadioButton;
class QTableWidget;
class TSkinButton;
class TSpeedButtonEx;
struct TStandardPressures;

// Small builders for the wizard's controls: every control gets its name, by which
// the language file gives it its texts and the wizard finds it again.

// The size of the circuit diagrams every page shows.
inline constexpr QSize DiagramSize{420, 300};
// The size of a product series' picture beside its list.
inline constexpr QSize SeriesPictureSize{160, 150};

// A picture of a fixed size, its content centred, framed unless told otherwise.
QLabel* WizardPicture(const char* name, QSize size, QWidget* parent, bool framed = true);
// A list of whole rows, one selected at a time, without headers or editing.
QTableWidget* WizardListGrid(const char* name, int columns, QWidget* parent);
// A series' name in the current language (by its catalogue ID); the ID without one.
QString SeriesDisplayName(const QString& id);
// The number a box shows, in the user's locale; nothing for another text.
std::optional<double> NumberIn(const QComboBox* box);

// A label; hinted labels (tag 1) take their hint from the language file.
QLabel* WizardLabel(const char* name, const QString& text, QWidget* parent, bool hinted = true);
QRadioButton* WizardRadio(const char* name, const QString& text, QWidget* parent);
// Radios in a row in a titled group, each given by its name and text.
QGroupBox* WizardRadioGroup(const char* name, const QString& title,
                            std::initializer_list<std::pair<const char*, const char*>> radios,
                            QWidget* parent);
// The read-only memo that shows a series' note; under a list it is kept low.
QPlainTextEdit* SeriesNote(const char* name, QWidget* parent, bool underList = false);
TSkinButton* WizardButton(const char* name, const QString& caption, QWidget* parent);

// The ejector's flow type radios (RbBiaoZhun checked) and standard supply
// pressure radios (RbGyyldot35 to RbGyyldot5, disabled, 0.5 MPa checked), each in
// its titled group, captioned with the locale's decimal separator.
QWidget* EjectorChoicePanel(QWidget* parent);
// Enables the flow types and pressures the ejectors of a series offer; the lowest
// offered pressure ends up checked (none when none is), and standard flow takes
// over from a large flow that is not offered.
void ShowEjectorChoices(QWidget* scope, const TStandardPressures& offered);
// MPa of the checked pressure radio: 0.5, 0.45, 0.4, else 0.35.
double CheckedStandardPressure(const QWidget* scope);

// One row of a value grid: label, editable drop-down box and unit button.
struct TValueRow {
    QLabel* Label;
    QComboBox* Box;
    TSpeedButtonEx* Button;
};
TValueRow AddValueRow(QGridLayout* grid, const char* label, const QString& text, const char* box,
                      const char* button, QWidget* parent);

// One row of the equipment panel: label, read-only model box and choose button.
struct TModelRow {
    QLabel* Label;
    QLineEdit* Model;
    TSkinButton* Choose;
};
TModelRow AddModelRow(QGridLayout* grid, const char* label, const QString& text, const char* model,
                      const char* button, int kind, QWidget* parent);

// A widget's child of that name and type, or nullptr.
template <typename T> T* Named(const QWidget* owner, const char* name) {
    return owner->findChild<T*>(QLatin1String(name));
}
