#include "wizard/FrmModelSel.h"

#include "lang/XMLLan.h"
#include "settings/BaseClass.h"

#include <QDialogButtonBox>
#include <QPushButton>
#include <QVBoxLayout>

TFrmModelSel* FrmModelSel = nullptr;

TFrmModelSel::TFrmModelSel(QWidget* parent) : TFrmShell(parent) {
    setObjectName(QStringLiteral("FrmModelSel"));
    resize(560, 420);
    auto* buttons = new QDialogButtonBox(ClientPanel());
    QPushButton* cancel = buttons->addButton(QDialogButtonBox::Cancel);
    cancel->setObjectName(QStringLiteral("btnCancel"));
    if (BaseClass && BaseClass->Lan) {
        const QString caption = BaseClass->Lan->GetMessageText(QStringLiteral("MSGCANCEL"));
        if (!caption.isEmpty())
            cancel->setText(caption);
    }
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(ClientPanel());
    layout->addStretch();
    layout->addWidget(buttons);
}
