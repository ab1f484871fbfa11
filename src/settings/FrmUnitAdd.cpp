#include "settings/FrmUnitAdd.h"

#include "controls/SkinButton.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

TFrmUnitAdd::TFrmUnitAdd(QWidget* parent) : TFrmShell(parent) {
    setObjectName(QStringLiteral("FrmUnitAdd"));
    labTitle->setText(QStringLiteral("UnitSchemeAdd"));
    resize(420, 190);
    EdiSchemeName = new QLineEdit(ClientPanel());
    EdiSchemeName->setObjectName(QStringLiteral("EdiSchemeName"));
    EdiMemo = new QLineEdit(ClientPanel());
    EdiMemo->setObjectName(QStringLiteral("EdiMemo"));
    auto* fields = new QFormLayout;
    fields->addRow(DialogLabel("LabSchemeName", "SchemeName", ClientPanel()), EdiSchemeName);
    fields->addRow(DialogLabel("LabMemo", "Memo", ClientPanel()), EdiMemo);

    TSkinButton* ok = DialogButton("BitBtnOK", QStringLiteral("OK"), ClientPanel());
    TSkinButton* cancel = DialogButton(
        "BitBtnCancel",
        QDialogButtonBox(QDialogButtonBox::Cancel).button(QDialogButtonBox::Cancel)->text(),
        ClientPanel());
    connect(ok, &TSkinButton::clicked, this, &TFrmUnitAdd::accept);
    connect(cancel, &TSkinButton::clicked, this, &TFrmUnitAdd::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);

    auto* layout = new QVBoxLayout(ClientPanel());
    layout->addLayout(fields);
    layout->addStretch();
    layout->addLayout(buttons);
}

void TFrmUnitAdd::accept() {
    if (EdiSchemeName->text().trimmed().isEmpty()) {
        EdiSchemeName->setFocus();
        return;
    }
    if (EdiMemo->text().trimmed().isEmpty()) {
        EdiMemo->setFocus();
        return;
    }
    TFrmShell::accept();
}

bool TFrmUnitAdd::Ask(QWidget* parent, QString& name, QString& memo) {
    TFrmUnitAdd dialog(parent);
    dialog.EdiSchemeName->setText(name);
    dialog.EdiMemo->setText(memo);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    name = dialog.EdiSchemeName->text();
    memo = dialog.EdiMemo->text();
    return true;
}
