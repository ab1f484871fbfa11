#include "FrmDebugInfo.h"

#include <QPlainTextEdit>
#include <QVBoxLayout>

TFrmDebugInfo* FrmDebugInfo = nullptr;

TFrmDebugInfo::TFrmDebugInfo(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("FrmDebugInfo"));
    setWindowTitle(QStringLiteral("ZAVK - Calculation trace"));
    resize(640, 480);
    MemDebug = new QPlainTextEdit(this);
    MemDebug->setObjectName(QStringLiteral("MemDebug"));
    MemDebug->setReadOnly(true);
    MemDebug->setFont(QFont(QStringLiteral("monospace")));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(MemDebug);
}

void TFrmDebugInfo::ShowTrace(const QStringList& lines) {
    MemDebug->setPlainText(lines.join('\n'));
    show();
    raise();
}
