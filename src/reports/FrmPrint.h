#pragma once

#include "controls/FrmShell.h"

class QDateEdit;
class QLineEdit;
class QPlainTextEdit;
class TSkinButton;

// The report dialog: the title, registrant, date and comment the printed report
// carries, and the buttons that preview, set up the printer, print and export.
// Until the report layout exists, only the fields and Close are in use; the
// other buttons are shown disabled.
class TFrmPrint : public TFrmShell {
    Q_OBJECT
public:
    explicit TFrmPrint(QWidget* parent = nullptr);

    QLineEdit* ediTitle;
    QLineEdit* ediReg;
    QDateEdit* dtpDate;
    QPlainTextEdit* memComment;

protected:
    void showEvent(QShowEvent* event) override;
};
