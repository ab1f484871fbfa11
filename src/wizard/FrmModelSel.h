#pragma once

#include "controls/FrmShell.h"

// The dialog in which the user names a product of the circuit directly. Its
// series and model lists arrive with calculation mode; until then it shows its
// frame with the product's title and lets the user go back.
class TFrmModelSel : public TFrmShell {
    Q_OBJECT
public:
    explicit TFrmModelSel(QWidget* parent = nullptr);
};

extern TFrmModelSel* FrmModelSel;
