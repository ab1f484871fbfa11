#pragma once

#include "controls/FrmShell.h"

class QPlainTextEdit;
class TSkinButton;

// The diagnostic window that shows the trace of the last calculation. It stays
// open beside the other windows; closing it only hides it.
class TFrmDebugInfo : public TFrmShell {
    Q_OBJECT
public:
    explicit TFrmDebugInfo(QWidget* parent = nullptr);
    void ShowTrace(const QStringList& lines);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void useFixedFont();

    QPlainTextEdit* MemDebug;
    TSkinButton* BtnCopy;
    TSkinButton* Button1;
    bool fixedFontSet_ = false;
};

extern TFrmDebugInfo* FrmDebugInfo;
