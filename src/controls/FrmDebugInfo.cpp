#include "controls/FrmDebugInfo.h"

#include "controls/SkinButton.h"

#include <QClipboard>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QVBoxLayout>

TFrmDebugInfo* FrmDebugInfo = nullptr;

namespace {

TSkinButton* pushButton(const char* name, const QString& caption, QWidget* parent) {
    auto* button = new TSkinButton(parent);
    button->setObjectName(QLatin1String(name));
    button->SetSkinButtonStyle(sbsBtn);
    button->SetCaption(caption);
    button->setFixedSize(110, 34);
    return button;
}

} // namespace

TFrmDebugInfo::TFrmDebugInfo(QWidget* parent) : TFrmShell(parent) {
    setObjectName(QStringLiteral("FrmDebugInfo"));
    setWindowTitle(QStringLiteral("ZAVK - Calculation trace"));
    setModal(false);

    MemDebug = new QPlainTextEdit(ClientPanel());
    MemDebug->setObjectName(QStringLiteral("MemDebug"));
    MemDebug->setReadOnly(true);
    MemDebug->setLineWrapMode(QPlainTextEdit::NoWrap);
    MemDebug->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    BtnCopy = pushButton("BtnCopy", QStringLiteral("Copy"), ClientPanel());
    Button1 = pushButton("Button1", QStringLiteral("Continue"), ClientPanel());
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

void TFrmDebugInfo::ShowTrace(const QStringList& lines) {
    MemDebug->setPlainText(lines.join('\n'));
    show();
    raise();
}
