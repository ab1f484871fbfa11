#include "shell/FrmAgree.h"

#include "core/DataFolder.h"
#include "core/Globals.h"
#include "core/IniFile.h"
#include "lang/XMLLan.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace {

// The screen comes before the settings object, so it reads the default language itself.
QString text(const TXMLLan& lan, const char* item, const QString& designed) {
    const QString value = lan.GetFormItemText(QStringLiteral("FrmAgree"), QLatin1String(item));
    return value.isEmpty() ? designed : value;
}

} // namespace

TFrmAgree::TFrmAgree(QWidget* parent) : TFrmShell(parent) {
    setObjectName(QStringLiteral("FrmAgree"));
    const TXMLLan lan(LanguageFilePathOf(DefaultLanguageGlobal));
    setWindowTitle(text(lan, "FrmAgree.Caption", QStringLiteral("ZAVK - Terms of use")));
    resize(560, 380);

    auto* heading =
        new QLabel(text(lan, "LblAgree.Caption", QStringLiteral("Terms of use")), ClientPanel());
    heading->setObjectName(QStringLiteral("LblAgree"));
    heading->setStyleSheet(QStringLiteral("font-size:18px;font-weight:600;color:#0b2a4a"));
    auto* terms = new QTextBrowser(ClientPanel());
    terms->setObjectName(QStringLiteral("MemAgree"));
    terms->setPlainText(text(
        lan, "MemAgree.Caption",
        QStringLiteral("ZAVK computes the expected behaviour of vacuum gripping circuits from "
                       "catalogue data and the conditions you enter. The results are estimates: "
                       "check every design by a test under real working conditions before "
                       "relying on it. The authors accept no liability for damage that arises "
                       "from the use of the results.")));
    chkDontShow = new QCheckBox(
        text(lan, "chkDontShow.Caption", QStringLiteral("Do not show this again")), ClientPanel());
    chkDontShow->setObjectName(QStringLiteral("chkDontShow"));
    auto* buttons = new QDialogButtonBox(ClientPanel());
    QPushButton* accept = buttons->addButton(
        text(lan, "btnAccept.Caption", QStringLiteral("Accept")), QDialogButtonBox::AcceptRole);
    accept->setObjectName(QStringLiteral("btnAccept"));
    QPushButton* decline = buttons->addButton(
        text(lan, "btnDecline.Caption", QStringLiteral("Decline")), QDialogButtonBox::RejectRole);
    decline->setObjectName(QStringLiteral("btnDecline"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(ClientPanel());
    layout->addWidget(heading);
    layout->addWidget(terms, 1);
    layout->addWidget(chkDontShow);
    layout->addWidget(buttons);
}

void TFrmAgree::accept() {
    if (chkDontShow->isChecked()) {
        IniFile settings(SystemIniPath());
        if (!settings.writeInteger(QStringLiteral("System"), QStringLiteral("DisplayAgree"), 0))
            ReportWriteFailure(settings.errorString());
    }
    QDialog::accept();
}

bool TFrmAgree::Ask() {
    TFrmAgree dialog;
    return dialog.exec() == QDialog::Accepted;
}
