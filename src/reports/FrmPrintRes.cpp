#include "reports/FrmPrintRes.h"

TFrmPrintRes* FrmPrintRes = nullptr;

TFrmPrintRes::TFrmPrintRes(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("FrmPrintRes"));
}
