#pragma once

#include <QWidget>

class QPlainTextEdit;

// The diagnostic window that shows the trace of the last calculation.
class TFrmDebugInfo : public QWidget {
    Q_OBJECT
public:
    explicit TFrmDebugInfo(QWidget* parent = nullptr);
    void ShowTrace(const QStringList& lines);

private:
    QPlainTextEdit* MemDebug;
};

extern TFrmDebugInfo* FrmDebugInfo;
