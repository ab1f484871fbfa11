#pragma once

#include <QString>

#include <functional>

class QWidget;
class TXMLLan;

// Receives a control's hint when the mouse enters the control, and an empty hint
// when it leaves; the main window shows it in its status line.
using THintHandler = std::function<void(const QString& hint, QWidget* control)>;

// Applies the language file to a screen: the screen's font family, then for each
// control with an objectName, in creation order, the texts of its kind (captions,
// hints, list entries, grid cells, column headings, axis titles) from the items
// objectName + ".Caption" and so on of the screen element named like the screen's
// objectName. A missing item leaves the designed text; a count that is not a
// number counts as 0.
void ApplyToForm(const TXMLLan& lan, QWidget* screen, const THintHandler& hintHandler);

// The wizard's variant: panels lose their hints, labels and group boxes take their
// hint only with tag 1, radio buttons get the hint handler, text boxes only the
// font, only the lifting-attitude drop-down gets its entries, grids their cells
// only with tag 1, and check boxes, push buttons and list views are left alone.
void ApplyToWizard(const TXMLLan& lan, QWidget* screen, const THintHandler& hintHandler);

// The font families a language file asks for, with fallbacks present on Debian.
QStringList LanguageFontFamilies(const TXMLLan& lan);
