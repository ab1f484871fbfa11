#pragma once

#include <QWidget>

// The report layout window; it lays out the printed result report.
class TFrmPrintRes : public QWidget {
    Q_OBJECT
public:
    explicit TFrmPrintRes(QWidget* parent = nullptr);
};

extern TFrmPrintRes* FrmPrintRes;
