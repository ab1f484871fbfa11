#include "controls/FrmDebugInfo.h"

#include "controls/SkinButton.h"

#include <QClipboard>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QVBoxLayout>

TFrmDebugInfo* FrmDebugInfo = nullptr;

TFrmDebugInfo::TFrmDebugInfo(QWidget* parent) : TFrmShell(parent) {
    setObjectName(QStringLiteral("FrmDebugInfo"));
    setWindowTitle(QStringLiteral("ZAVK - Calculation trace"));
    setModal(false);

    MemDebug = new QPlainTextEdit(ClientPanel());
    MemDebug->setObjectName(QStringLiteral("MemDebug"));
    MemDebug->setReadOnly(true);
    MemDebug->setLineWrapMode(QPlainTextEdit::NoWrap);
    BtnCopy = DialogButton("BtnCopy", QStringLiteral("Copy"), ClientPanel());
    Button1 = DialogButton("Button1", QStringLiteral("Continue"), ClientPanel());
    connect(BtnCopy, &TSkinButton::clicked, this,
            [this] { QGuiApplication::clipboard()->setText(MemDebug->toPlainText()); });
    connect(Button1, &TSkinButton::clicked, this, &QWidget::hide);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(BtnCopy);
    buttons->addWidget(Button1);
    auto* layout = new QVBoxLayout(ClientPanel());
    layout->setContentsMargins(12, 12, 12, 12);
    layout->addWidget(MemDebug, 1);
    layout->addLayout(buttons);
    resize(720, 520);
}

// The fixed-pitch font is set when the window is first shown: loading it costs a
// font engine, and the program creates this window hidden at start-up.
void TFrmDebugInfo::useFixedFont() {
    if (fixedFontSet_)
        return;
    MemDebug->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    fixedFontSet_ = true;
}

void TFrmDebugInfo::showEvent(QShowEvent* event) {
    useFixedFont();
    TFrmShell::showEvent(event);
}

void TFrmDebugInfo::ShowTrace(const QStringList& lines) {
    useFixedFont();
    MemDebug->setPlainText(lines.join('\n'));
    show();
    raise();
}
