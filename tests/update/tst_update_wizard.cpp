#include "../shell/MessageRecorder.h"
#include "TestHttpServer.h"
#include "TestSupport.h"
#include "controls/SkinButton.h"
#include "core/DMComm.h"
#include "core/Globals.h"
#include "core/IniFile.h"
#include "lang/XMLLan.h"
#include "settings/BaseClass.h"
#include "shell/FrmMainShell.h"
#include "update/FrmSetProxy.h"
#include "update/FrmUpdate.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QTableWidget>
#include <QtTest>

namespace {

// A program folder that names the loopback server, the main window over it, and
// a release on the server with one changed file.
struct Fixture {
    TempProgramFolder folder;
    MessageRecorder messages;
    TestHttpServer server;
    std::unique_ptr<TFrmMainShell> window;

    explicit Fixture(const QString& listedFile = "Img\\new.jpg") {
        folder.copyLanguages();
        folder.writeFile("System.ini", "[System]\r\nIniFileVersion=1.0\r\n[HTTPURL]\r\nUrl=" +
                                           server.url().toLatin1() + "\r\nFilePath=rel\r\n");
        folder.writeFile("Img/new.jpg", "old picture");
        server.setFile("/rel/QOV_VERSION.ini",
                       "[FileVersion]\r\nIniFileVersion=1.0\r\n[FileInfo]\r\nFileCount=1\r\n"
                       "FileName[1]=" +
                           listedFile.toUtf8() + ";2026-12-01 09:30;picture\r\n");
        server.setFile("/rel/Img/new.jpg", QByteArray(9000, 'n'));
        server.setFile("/rel/Data/MORELDB.db", "catalogue");
        window = std::make_unique<TFrmMainShell>();
    }
    ~Fixture() { window.reset(); }
};

void press(TFrmUpdate& wizard, const char* button) {
    emit wizard.findChild<TSkinButton*>(button)->clicked();
}

} // namespace

class TestUpdateWizard : public QObject {
    Q_OBJECT

private slots:
    void init() { UpdatePending = false; }

    void stepsLeadToTheUpdatedInstallation() {
        Fixture f;
        TFrmUpdate wizard(f.window.get());
        wizard.show();
        QCOMPARE(wizard.Step(), int(TFrmUpdate::stWelcome));
        QVERIFY(!wizard.findChild<TSkinButton*>("btnBack")->isEnabled());
        press(wizard, "btnNext");
        QCOMPARE(wizard.Step(), int(TFrmUpdate::stSelectPath));
        QCOMPARE(wizard.InstallFolder() + '/', AppPath);
        press(wizard, "btnNext");
        QCOMPARE(wizard.Step(), int(TFrmUpdate::stBeforeCopy));
        press(wizard, "btnNext");
        QTRY_COMPARE(wizard.Step(), int(TFrmUpdate::stFinish));
        QCOMPARE(f.folder.readFile("Img/new.jpg"), QByteArray(9000, 'n'));
        auto* log = wizard.findChild<QTableWidget*>("sgLog");
        QCOMPARE(log->rowCount(), 2); // the catalogue was missing, the picture was old
        QCOMPARE(log->item(1, 1)->text(), "new.jpg");
        QCOMPARE(log->item(1, 4)->text(), "2026-12-01 09:30");
        QVERIFY(wizard.findChild<QLabel*>("lblLog")->text().endsWith("    2"));
        QVERIFY(f.messages.requests.isEmpty());
    }

    void cancelStopsTheDownloadAndKeepsTheFile() {
        Fixture f;
        f.server.setFile("/rel/Img/new.jpg", QByteArray(60000, 'n'));
        f.server.setDelay(20);
        f.messages.answer = mrYes;
        TFrmUpdate wizard(f.window.get());
        wizard.show();
        // The download runs in the wizard's own event loops: Cancel comes in among them.
        QTimer::singleShot(300, &wizard, [&wizard] { press(wizard, "btnCancel"); });
        for (int i = 0; i < 3; ++i)
            press(wizard, "btnNext");
        QTRY_COMPARE(wizard.Step(), int(TFrmUpdate::stCancel));
        QTRY_VERIFY(!wizard.findChild<TSkinButton*>("btnCancel")->isEnabled());
        QVERIFY(f.server.log.size() < 30); // stopped before the last pieces
        QCOMPARE(f.folder.readFile("Img/new.jpg"), QByteArray("old picture"));
        QCOMPARE(f.messages.texts(), QStringList{BaseClass->Lan->GetMessageText("MSG0061")});
    }

    void hostileListIsRefusedWithAMessage() {
        Fixture f("..\\..\\escape.txt");
        TFrmUpdate wizard(f.window.get());
        wizard.show();
        for (int i = 0; i < 3; ++i)
            press(wizard, "btnNext");
        QTRY_COMPARE(wizard.Step(), int(TFrmUpdate::stCancel));
        QCOMPARE(f.messages.requests.size(), 1);
        QVERIFY(f.messages.texts().first().contains("escape.txt"));
        QCOMPARE(f.server.log, QStringList{"GET /rel/QOV_VERSION.ini"});
    }

    void proxyDialogRulesAndSaving() {
        Fixture f;
        TFrmSetProxy dialog;
        dialog.SettingsFile = f.folder.file("System.ini");
        dialog.UrlInfo.UserLogin = true;
        dialog.UrlInfo.UserPassword = "s3cr'et";
        dialog.show();
        const auto field = [&dialog](const char* name) { return dialog.findChild<QWidget*>(name); };
        for (const char* name :
             {"cboxProxyLogin", "edtProxyAddress", "edtProxyPort", "edtUseName", "edtUsePassword"})
            QVERIFY2(!field(name)->isEnabled(), name);
        auto* useProxy = dialog.findChild<QCheckBox*>("cboxUseProxy");
        useProxy->click();
        QVERIFY(field("edtUseName")->isEnabled() && field("edtProxyPort")->isEnabled());
        auto* password = dialog.findChild<QLineEdit*>("edtUsePassword");
        QCOMPARE(password->echoMode(), QLineEdit::Password);
        dialog.findChild<QLineEdit*>("edtProxyPort")->setText("8080x");
        dialog.accept();
        QVERIFY(dialog.Accepted);
        const IniFile ini(f.folder.file("System.ini"));
        QCOMPARE(ini.readString("HTTPURL", "ProxyPort"), "8080x");
        QCOMPARE(ini.readString("HTTPURL", "UserPassword"), "s3cr'et");
        QCOMPARE(ini.readString("HTTPURL", "UseProxy"), "1");
        QCOMPARE(ini.readString("HTTPURL", "Url"), f.server.url()); // untouched
    }
};

QTEST_MAIN(TestUpdateWizard)
#include "tst_update_wizard.moc"
