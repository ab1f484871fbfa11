#pragma once

#include "controls/FrmShell.h"

class QCheckBox;

// The terms-of-use screen shown before start-up while "System.ini" asks for it.
// Declining ends the program; accepting with "do not show again" checked writes
// DisplayAgree=0.
class TFrmAgree : public TFrmShell {
    Q_OBJECT
public:
    explicit TFrmAgree(QWidget* parent = nullptr);

    // Shows the screen modally; true when the user accepted the terms.
    static bool Ask();

    void accept() override;

private:
    QCheckBox* chkDontShow;
};
