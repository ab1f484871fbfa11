#include "shell/FrmLanguageSetting.h"

#include "core/DataFolder.h"
#include "core/Globals.h"
#include "core/IniFile.h"
#include "lang/XMLLan.h"
#include "settings/BaseClass.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

// The languages in the order of LanguageNames, each in its own words.
const char* const OwnNames[LanguageCount] = {"日本語",    "中文",     "한국어",  "English",
                                             "Español",   "Français", "Deutsch", "Italiano",
                                             "Português", "Русский"};

QString message(const char* key, const char* designed) {
    const QString text = BaseClass->Lan->GetMessageText(QLatin1String(key));
    return text.isEmpty() ? QLatin1String(designed) : text;
}

} // namespace

TFrmLanguageSetting::TFrmLanguageSetting(QWidget* parent) : TFrmShell(parent) {
    setObjectName(QStringLiteral("FrmLanguageSetting"));
    const auto title = BaseClass->Lan->FindFormItem(QStringLiteral("FrmMainShell"),
                                                    QStringLiteral("skbOtherSet.Caption"));
    setWindowTitle(title.value_or(QStringLiteral("Settings")));
    resize(340, 170);

    cmbLanguage = new QComboBox(ClientPanel());
    cmbLanguage->setObjectName(QStringLiteral("cmbLanguage"));
    for (int i = 0; i < LanguageCount; ++i) {
        const QString name = QLatin1String(LanguageNames[i]);
        if (BaseClass->Available[i] || name == BaseClass->Language)
            cmbLanguage->addItem(QString::fromUtf8(OwnNames[i]), name);
    }
    cmbLanguage->setCurrentIndex(cmbLanguage->findData(BaseClass->Language));

    auto* buttons = new QDialogButtonBox(ClientPanel());
    buttons->addButton(message("MSGOK", "OK"), QDialogButtonBox::AcceptRole);
    buttons->addButton(message("MSGCANCEL", "Cancel"), QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(ClientPanel());
    layout->addWidget(cmbLanguage);
    layout->addStretch();
    layout->addWidget(buttons);
}

void TFrmLanguageSetting::accept() {
    const QString chosen = cmbLanguage->currentData().toString();
    if (!chosen.isEmpty() && chosen != BaseClass->Language) {
        IniFile settings(SystemIniPath());
        if (!settings.writeString(QStringLiteral("System"), QStringLiteral("DefaultLanguage"),
                                  chosen))
            ReportWriteFailure(settings.errorString());
        BaseClass->Language = BaseClass->DefaultLanguage = chosen;
        BaseClass->Lan = std::make_unique<TXMLLan>(BaseClass->LanguageFilePath());
        changed_ = true;
    }
    QDialog::accept();
}

bool TFrmLanguageSetting::Ask(QWidget* parent) {
    TFrmLanguageSetting dialog(parent);
    dialog.exec();
    return dialog.LanguageChanged();
}
