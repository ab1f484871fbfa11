#include "wizard/FrmModelSel.h"

TFrmModelSel* FrmModelSel = nullptr;

TFrmModelSel::TFrmModelSel(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("FrmModelSel"));
}
