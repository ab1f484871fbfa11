#pragma once

#include "controls/FrmShell.h"

class QLineEdit;

// Asks for a unit scheme's name and memo. OK closes only when both hold more
// than blanks; otherwise the first empty field gets the focus.
class TFrmUnitAdd : public TFrmShell {
    Q_OBJECT
public:
    explicit TFrmUnitAdd(QWidget* parent = nullptr);

    // Shows the dialog with the texts; true and the texts as typed when accepted.
    static bool Ask(QWidget* parent, QString& name, QString& memo);

    void accept() override;

    QLineEdit* EdiSchemeName;
    QLineEdit* EdiMemo;
};
