#include "reports/FrmSelectDir.h"

#include "controls/CommonDialogs.h"
#include "controls/LanguageApply.h"
#include "controls/SkinButton.h"
#include "lang/XMLLan.h"
#include "reports/ReportHtml.h"
#include "settings/BaseClass.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace {

QLineEdit* field(const char* name, QWidget* parent) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QLatin1String(name));
    return edit;
}

// A name of one folder or file: not empty, no separator, not "." or "..".
bool isPlainName(const QString& name) {
    return !name.isEmpty() && !name.contains('/') && !name.contains('\\') &&
           name != QLatin1String(".") && name != QLatin1String("..");
}

} // namespace

TFrmSelectDir::TFrmSelectDir(QWidget* parent) : TFrmShell(parent) {
    setObjectName(QStringLiteral("FrmSelectDir"));
    setWindowTitle(QStringLiteral("Export as HTML"));
    QWidget* panel = ClientPanel();
    ediPath = field("ediPath", panel);
    ediPath->setText(QDir::homePath());
    ediDir = field("ediDir", panel);
    ediDir->setText(QStringLiteral("Report"));
    ediFileName = field("ediFileName", panel);
    ediFileName->setText(QStringLiteral("Report"));
    TSkinButton* browseButton = DialogButton("btnBrowse", QStringLiteral("Browse…"), panel);
    connect(browseButton, &TSkinButton::clicked, this, &TFrmSelectDir::browse);

    auto* grid = new QGridLayout;
    grid->addWidget(DialogLabel("labPath", "Folder", panel), 0, 0);
    grid->addWidget(ediPath, 0, 1);
    grid->addWidget(browseButton, 0, 2);
    grid->addWidget(DialogLabel("labDir", "New folder", panel), 1, 0);
    grid->addWidget(ediDir, 1, 1, 1, 2);
    grid->addWidget(DialogLabel("labFileName", "File name", panel), 2, 0);
    grid->addWidget(ediFileName, 2, 1, 1, 2);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    TSkinButton* ok = DialogButton("btnOk", QStringLiteral("OK"), panel);
    TSkinButton* cancel = DialogButton("btnCancel", QStringLiteral("Cancel"), panel);
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    connect(ok, &TSkinButton::clicked, this, &TFrmSelectDir::confirm);
    connect(cancel, &TSkinButton::clicked, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(panel);
    layout->setContentsMargins(16, 14, 16, 14);
    layout->addLayout(grid);
    layout->addStretch();
    layout->addLayout(buttons);
    resize(620, 230);
    if (BaseClass && BaseClass->Lan)
        ApplyToForm(*BaseClass->Lan, this, ShowHint);
}

QString TFrmSelectDir::TargetFolder() const {
    return QDir(ediPath->text().trimmed()).filePath(ediDir->text().trimmed());
}

QString TFrmSelectDir::FileName() const {
    return ediFileName->text().trimmed();
}

void TFrmSelectDir::browse() {
    const QString chosen = QFileDialog::getExistingDirectory(this, windowTitle(), ediPath->text());
    if (!chosen.isEmpty())
        ediPath->setText(QDir::toNativeSeparators(chosen));
}

void TFrmSelectDir::confirm() {
    if (!QFileInfo(ediPath->text().trimmed()).isDir()) {
        ShowKeyedMessage(QStringLiteral("MSGNOFOLDER"), TMsgDlgType::mtWarning, mbOK);
        return;
    }
    if (!isPlainName(ediDir->text().trimmed()) || !isPlainName(FileName())) {
        ShowKeyedMessage(QStringLiteral("MSGBADNAME"), TMsgDlgType::mtWarning, mbOK);
        return;
    }
    if (!MayReplaceFile(QDir(TargetFolder()).filePath(ReportHtmlName(FileName()))))
        return;
    accept();
}
