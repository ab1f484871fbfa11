#include "update/FrmSetProxy.h"

#include "controls/CommonDialogs.h"
#include "controls/LanguageApply.h"
#include "controls/SkinButton.h"
#include "core/DataFolder.h"
#include "settings/BaseClass.h"

#include <QApplication>
#include <QCheckBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

TFrmSetProxy::TFrmSetProxy(QWidget* parent) : TFrmShell(parent) {
    setObjectName(QStringLiteral("FrmSetProxy"));
    labTitle->setText(QStringLiteral("Proxy settings"));
    resize(420, 300);
    auto* group = new QGroupBox(QStringLiteral("Proxy server"), ClientPanel());
    group->setObjectName(QStringLiteral("gboxProxy"));
    const auto edit = [group](const char* name) {
        auto* field = new QLineEdit(group);
        field->setObjectName(QLatin1String(name));
        return field;
    };
    cboxUseProxy = new QCheckBox(QStringLiteral("Use a proxy server"), group);
    cboxUseProxy->setObjectName(QStringLiteral("cboxUseProxy"));
    cboxProxyLogin = new QCheckBox(QStringLiteral("The proxy server needs a login"), group);
    cboxProxyLogin->setObjectName(QStringLiteral("cboxProxyLogin"));
    edtProxyAddress = edit("edtProxyAddress");
    edtProxyPort = edit("edtProxyPort");
    edtUseName = edit("edtUseName");
    edtUsePassword = edit("edtUsePassword");
    edtUsePassword->setEchoMode(QLineEdit::Password);
    auto* fields = new QFormLayout(group);
    fields->addRow(cboxUseProxy);
    fields->addRow(DialogLabel("LabProxyAddress", "Address:", group), edtProxyAddress);
    fields->addRow(DialogLabel("LabProxyPort", "Port:", group), edtProxyPort);
    fields->addRow(cboxProxyLogin);
    fields->addRow(DialogLabel("LabUseName", "User name:", group), edtUseName);
    fields->addRow(DialogLabel("LabUsePassword", "Password:", group), edtUsePassword);
    connect(cboxUseProxy, &QCheckBox::clicked, this, &TFrmSetProxy::applyRules);
    connect(cboxProxyLogin, &QCheckBox::clicked, this, &TFrmSetProxy::applyRules);

    TSkinButton* ok = DialogButton("btnOk", QStringLiteral("OK"), ClientPanel());
    TSkinButton* cancel = DialogButton("btnCancel", QStringLiteral("Cancel"), ClientPanel());
    connect(ok, &TSkinButton::clicked, this, &TFrmSetProxy::accept);
    connect(cancel, &TSkinButton::clicked, this, [this] {
        Accepted = false;
        reject();
    });
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(ClientPanel());
    layout->addWidget(group);
    layout->addStretch();
    layout->addLayout(buttons);
    if (BaseClass && BaseClass->Lan)
        ApplyToForm(*BaseClass->Lan, this, ShowHint);
}

void TFrmSetProxy::showEvent(QShowEvent* event) {
    TFrmShell::showEvent(event);
    edtProxyAddress->setText(UrlInfo.ProxyAddress);
    edtProxyPort->setText(UrlInfo.ProxyPort);
    edtUseName->setText(UrlInfo.UserName);
    edtUsePassword->setText(UrlInfo.UserPassword);
    cboxProxyLogin->setChecked(UrlInfo.UserLogin);
    cboxUseProxy->setChecked(UrlInfo.UseProxy);
    applyRules();
}

void TFrmSetProxy::applyRules() {
    const bool proxy = cboxUseProxy->isChecked();
    for (QWidget* field :
         {static_cast<QWidget*>(cboxProxyLogin), static_cast<QWidget*>(edtProxyAddress),
          static_cast<QWidget*>(edtProxyPort)})
        SetInputEnabled(field, proxy);
    const bool login = proxy && cboxProxyLogin->isChecked();
    SetInputEnabled(edtUseName, login);
    SetInputEnabled(edtUsePassword, login);
}

void TFrmSetProxy::accept() {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    UrlInfo.UseProxy = cboxUseProxy->isChecked();
    UrlInfo.ProxyAddress = edtProxyAddress->text();
    UrlInfo.ProxyPort = edtProxyPort->text();
    UrlInfo.UserLogin = cboxProxyLogin->isChecked();
    UrlInfo.UserName = edtUseName->text();
    UrlInfo.UserPassword = edtUsePassword->text();
    QString error;
    const bool written = WriteProxySettings(SettingsFile, UrlInfo, &error);
    QApplication::restoreOverrideCursor();
    if (!written)
        ReportWriteFailure(error);
    Accepted = true;
    TFrmShell::accept();
}
