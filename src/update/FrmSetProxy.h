#pragma once

#include "controls/FrmShell.h"
#include "update/VersionList.h"

class QCheckBox;
class QLineEdit;

// The proxy through which the update reaches its server, and its login. OK saves
// the values into section HTTPURL of the settings file, as typed; the password
// field never shows its characters.
class TFrmSetProxy : public TFrmShell {
    Q_OBJECT
public:
    explicit TFrmSetProxy(QWidget* parent = nullptr);

    TUrlInfo UrlInfo;
    QString SettingsFile; // full path of the settings file written by OK
    bool Accepted = false;

    void showEvent(QShowEvent* event) override;
    void accept() override;

private:
    void applyRules();

    QCheckBox* cboxUseProxy;
    QCheckBox* cboxProxyLogin;
    QLineEdit* edtProxyAddress;
    QLineEdit* edtProxyPort;
    QLineEdit* edtUseName;
    QLineEdit* edtUsePassword;
};
