#pragma once

#include <QString>

#include <functional>

class QWidget;
class TXMLLan;

// Sets the captions and hints of a screen's controls from the language file:
// item name + ".Caption" and name + ".Hint", controls found by objectName. A
// missing item leaves the designed text. The hint handler, when given, receives
// a control's hint whenever the mouse enters it.
using THintHandler = std::function<void(const QString& hint, QWidget* control)>;
void ApplyFormTexts(QWidget* screen, const TXMLLan& lan, const THintHandler& hintHandler);
