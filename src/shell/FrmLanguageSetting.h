#pragma once

#include "controls/FrmShell.h"

class QComboBox;

// The settings the main window offers until the full settings dialog arrives: the
// language. Each language is listed under its own name, so the list needs no
// translation; accepting another one writes DefaultLanguage into "System.ini" and
// loads its language file.
class TFrmLanguageSetting : public TFrmShell {
    Q_OBJECT
public:
    explicit TFrmLanguageSetting(QWidget* parent = nullptr);

    // Shows the dialog modally; true when the language changed.
    static bool Ask(QWidget* parent);

    void accept() override;
    bool LanguageChanged() const { return changed_; }

private:
    QComboBox* cmbLanguage;
    bool changed_ = false;
};
