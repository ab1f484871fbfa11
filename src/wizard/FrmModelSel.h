#pragma once

#include <QDialog>

// The dialog in which the user names the products of a circuit directly.
class TFrmModelSel : public QDialog {
    Q_OBJECT
public:
    explicit TFrmModelSel(QWidget* parent = nullptr);
};

extern TFrmModelSel* FrmModelSel;
