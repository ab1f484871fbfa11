#include "reports/FrmPrint.h"

#include "controls/LanguageApply.h"
#include "controls/SkinButton.h"
#include "lang/XMLLan.h"
#include "settings/BaseClass.h"

#include <QDateEdit>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScreen>
#include <QVBoxLayout>

namespace {

QLabel* fieldLabel(const char* name, const char* caption, QWidget* parent) {
    auto* label = new QLabel(QLatin1String(caption), parent);
    label->setObjectName(QLatin1String(name));
    return label;
}

} // namespace

TFrmPrint::TFrmPrint(QWidget* parent) : TFrmShell(parent) {
    setObjectName(QStringLiteral("FrmPrint"));
    setWindowTitle(QStringLiteral("Report"));
    QWidget* panel = ClientPanel();
    ediTitle = new QLineEdit(panel);
    ediTitle->setObjectName(QStringLiteral("ediTitle"));
    ediReg = new QLineEdit(panel);
    ediReg->setObjectName(QStringLiteral("ediReg"));
    dtpDate = new QDateEdit(QDate::currentDate(), panel);
    dtpDate->setObjectName(QStringLiteral("dtpDate"));
    dtpDate->setCalendarPopup(true);
    dtpDate->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
    memComment = new QPlainTextEdit(panel);
    memComment->setObjectName(QStringLiteral("memComment"));

    auto* fields = new QFormLayout;
    fields->addRow(fieldLabel("labPrintTitle", "Title", panel), ediTitle);
    fields->addRow(fieldLabel("labReg", "Registrant", panel), ediReg);
    fields->addRow(fieldLabel("labDate", "Date", panel), dtpDate);
    fields->addRow(fieldLabel("labComment", "Comment", panel), memComment);

    auto* buttons = new QHBoxLayout;
    for (const auto& [name, caption] :
         {std::pair{"btnPreview", "Preview"}, std::pair{"btnPrintSet", "Printer setup"},
          std::pair{"btnPrint", "Print"}, std::pair{"btnSave", "Export HTML"}}) {
        TSkinButton* button = DialogButton(name, QLatin1String(caption), panel);
        button->setEnabled(false); // with the report layout
        buttons->addWidget(button);
    }
    buttons->addStretch();
    TSkinButton* close = DialogButton("btnClose", QStringLiteral("Close"), panel);
    connect(close, &TSkinButton::clicked, this, &QDialog::accept);
    buttons->addWidget(close);

    auto* layout = new QVBoxLayout(panel);
    layout->setContentsMargins(16, 14, 16, 14);
    layout->addLayout(fields, 1);
    layout->addLayout(buttons);
    resize(620, 380);
    if (BaseClass && BaseClass->Lan)
        ApplyToForm(*BaseClass->Lan, this, {});
}

void TFrmPrint::showEvent(QShowEvent* event) {
    TFrmShell::showEvent(event);
    if (const QScreen* shown = screen())
        move(shown->availableGeometry().center() - rect().center());
}
