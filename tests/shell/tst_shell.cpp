#include "MessageRecorder.h"
#include "TestSupport.h"
#include "app/AppStartup.h"
#include "controls/CommonDialogs.h"
#include "controls/FrmDebugInfo.h"
#include "controls/FrmHelp.h"
#include "controls/SkinButton.h"
#include "core/DMComm.h"
#include "core/Globals.h"
#include "core/IniFile.h"
#include "reports/FrmPrintRes.h"
#include "settings/BaseClass.h"
#include "shell/FrmAgree.h"
#include "shell/FrmMainShell.h"
#include "shell/FrmSplash.h"
#include "wizard/FrmModelSel.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QProgressBar>
#include <QTextBrowser>
#include <QtTest>

namespace {

// A value button that shows a unit whose default value is 0.25 unless told otherwise.
class FakeUnitButton : public QWidget, public TUnitDefaultSource {
public:
    using QWidget::QWidget;
    std::optional<double> DefaultValueOfShownUnit() const override { return value; }
    double value = 0.25;
};

QImage solidImage(int width, QColor colour) {
    QImage image(width, 10, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

} // namespace

class TestShell : public QObject {
    Q_OBJECT

private slots:
    void messageBoxCaptionsComeFromTheLanguage() {
        QStringList seen;
        QTimer::singleShot(0, [&seen] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            QVERIFY(box);
            seen << box->windowTitle() << box->text();
            for (QAbstractButton* button : box->buttons())
                seen << button->text();
            box->button(QMessageBox::No)->click();
        });
        const int result = ShowMessageDlg("line 1\rline 2", "Nachricht", TMsgDlgType::mtWarning,
                                          "Ja;Nein;OK;Abbrechen", mbYes | mbNo);
        QCOMPARE(result, mrNo);
        QCOMPARE(seen.mid(0, 2), QStringList({"Nachricht", "line 1\nline 2"}));
        QVERIFY(seen.contains("Ja"));
        QVERIFY(seen.contains("Nein"));
        QVERIFY(!seen.contains("OK"));
    }

    void messageBoxResultCodes() {
        QTimer::singleShot(0, [] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            QVERIFY(box);
            QCOMPARE(box->button(QMessageBox::Ok)->text(), QString("Fine"));
            box->button(QMessageBox::Ok)->click();
        });
        QCOMPARE(ShowMessageDlg("t", "T", TMsgDlgType::mtInformation, "a;b;Fine;d", mbOK), mrOk);
        QTimer::singleShot(0, [] { QApplication::activeModalWidget()->close(); });
        QCOMPARE(ShowMessageDlg("t", "T", TMsgDlgType::mtWarning, "", mbYes | mbNo), mrNo);
    }

    void pictureFilesPreferBmpThenJpg() {
        TempProgramFolder folder;
        QDir().mkpath(folder.file("Img"));
        QVERIFY(solidImage(20, Qt::red).save(folder.file("Img/Main.bmp"), "BMP"));
        QVERIFY(solidImage(30, Qt::blue).save(folder.file("Img/Main.JPG"), "JPG"));
        QVERIFY(solidImage(40, Qt::blue).save(folder.file("Img/Only.JPG"), "JPG"));
        MessageRecorder messages;
        QLabel picture;
        QVERIFY(LoadImageFile(&picture, "Img/", "Main", true));
        QCOMPARE(picture.pixmap().width(), 20);
        QVERIFY(LoadImageFile(&picture, "img\\", "Only", true)); // folder in another case
        QCOMPARE(picture.pixmap().width(), 40);
        QVERIFY(messages.requests.isEmpty());
    }

    void missingOrBrokenPictureIsReportedAndKeepsTheOldOne() {
        TempProgramFolder folder;
        folder.writeFile("Img/Broken.bmp", "not a picture");
        MessageRecorder messages;
        QLabel picture;
        picture.setPixmap(QPixmap::fromImage(solidImage(7, Qt::green)));
        QVERIFY(!LoadImageFile(&picture, "Img/", "Missing", false));
        QVERIFY(messages.requests.isEmpty());
        QVERIFY(!LoadImageFile(&picture, "Img/", "Missing", true));
        QVERIFY(!LoadImageFile(&picture, "Img/", "Broken", true));
        QCOMPARE(messages.texts(),
                 QStringList({folder.file("Img/Missing.JPG") + " Load Image Error!",
                              folder.file("Img/Broken.bmp") + " Load Image Error!"}));
        QCOMPARE(picture.pixmap().width(), 7);
    }

    void enableInputGreysAndClears() {
        QWidget owner;
        auto* combo = new QComboBox(&owner);
        combo->setEditable(true);
        combo->addItems({"1", "2"});
        combo->setCurrentIndex(1);
        auto* edit = new QLineEdit("text", &owner);

        EnableInput(combo, false, &owner, true);
        QVERIFY(!combo->isEnabled());
        QCOMPARE(combo->currentText(), QString());
        QCOMPARE(combo->palette().color(QPalette::Disabled, QPalette::Base), QColor(212, 208, 200));
        EnableInput(combo, true, &owner, false);
        QVERIFY(combo->isEnabled());
        QCOMPARE(combo->currentIndex(), 0);
        QVERIFY(combo->palette().color(QPalette::Base) != QColor(212, 208, 200));

        EnableInput(edit, false, &owner, false);
        QCOMPARE(edit->text(), QString("text"));
        EnableInput(edit, false, &owner, true);
        QCOMPARE(edit->text(), QString());
        QVERIFY(!edit->isEnabled());
    }

    void comboWithUnitButtonSharesItsStateAndTakesTheUnitDefault() {
        QWidget owner;
        auto* combo = new QComboBox(&owner);
        combo->setEditable(true);
        auto* button = new FakeUnitButton(&owner);
        combo->setProperty("tag", owner.findChildren<QWidget*>().indexOf(button));
        EnableInput(combo, false, &owner, true);
        QVERIFY(!button->isEnabled());
        EnableInput(combo, true, &owner, false);
        QVERIFY(button->isEnabled());
        QCOMPARE(combo->currentText(), QLocale().toString(0.25));

        auto* plain = new QLabel(&owner); // a tag that names no value button
        combo->setProperty("tag", owner.findChildren<QWidget*>().indexOf(plain));
        EnableInput(combo, false, &owner, false);
        QVERIFY(plain->isEnabled());
        QCOMPARE(combo->currentText(), QLocale().toString(0.25));
    }

    void unitDefaultIsWrittenAsGeneralNumberText_data() {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("expected");
        QTest::newRow("million") << "C" << 1e6 << "1000000";
        QTest::newRow("ten thousandth") << "C" << 1e-4 << "0.0001";
        QTest::newRow("decimal comma") << "de_DE" << 1e-4 << "0,0001";
    }
    void unitDefaultIsWrittenAsGeneralNumberText() {
        QFETCH(QString, locale);
        QFETCH(double, value);
        QFETCH(QString, expected);
        const QLocale previous;
        const auto restore = qScopeGuard([previous] { QLocale::setDefault(previous); });
        QLocale::setDefault(QLocale(locale));
        QWidget owner;
        auto* combo = new QComboBox(&owner);
        combo->setEditable(true);
        auto* button = new FakeUnitButton(&owner);
        button->value = value;
        combo->setProperty("tag", owner.findChildren<QWidget*>().indexOf(button));
        EnableInput(combo, true, &owner, false);
        QCOMPARE(combo->currentText(), expected);
    }

    void termsOfUseDeclinedOrAccepted() {
        TempProgramFolder folder;
        folder.copyLanguages();
        folder.writeFile("System.ini", "[System]\nVersion=3\n");
        {
            TFrmAgree terms;
            terms.show();
            terms.findChild<QAbstractButton*>("btnDecline")->click();
            QCOMPARE(terms.result(), int(QDialog::Rejected));
        }
        QVERIFY(!IniFile(SystemIniPath()).hasKey("System", "DisplayAgree"));
        {
            TFrmAgree terms;
            terms.findChild<QAbstractButton*>("btnAccept")->click();
            QCOMPARE(terms.result(), int(QDialog::Accepted));
        }
        QVERIFY(!IniFile(SystemIniPath()).hasKey("System", "DisplayAgree"));
        TFrmAgree terms;
        terms.findChild<QCheckBox*>("chkDontShow")->setChecked(true);
        terms.findChild<QAbstractButton*>("btnAccept")->click();
        QCOMPARE(folder.readFile("System.ini"),
                 QByteArray("[System]\nVersion=3\nDisplayAgree=0\n"));
    }

    void termsOfUseFollowTheDefaultLanguageInAnyLetterCase_data() {
        QTest::addColumn<QByteArray>("setting");
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("title");
        QTest::newRow("lower case") << QByteArray("DefaultLanguage=german\n") << "German"
                                    << "ZAVK - Nutzungsbedingungen";
        QTest::newRow("blanks, upper case") << QByteArray("DefaultLanguage= GERMAN \n") << "German"
                                            << "ZAVK - Nutzungsbedingungen";
        QTest::newRow("unknown") << QByteArray("DefaultLanguage=Klingon\n") << "English"
                                 << "ZAVK - Terms of use";
    }
    void termsOfUseFollowTheDefaultLanguageInAnyLetterCase() {
        QFETCH(QByteArray, setting);
        QFETCH(QString, language);
        QFETCH(QString, title);
        TempProgramFolder folder;
        folder.copyLanguages();
        folder.writeFile("System.ini", "[System]\n" + setting);
        const auto restore = qScopeGuard([] { DefaultLanguageGlobal = "English"; });
        LoadSystemGlobals();
        QCOMPARE(DefaultLanguageGlobal, language);
        const TFrmAgree terms;
        QCOMPARE(terms.windowTitle(), title);
    }

    void folderBrowserKeepsThePathWhenCancelled() {
        TempProgramFolder folder;
        QString path = "/no/such/folder";
        QString startSeen = "unset";
        SetFolderBrowser([&startSeen](const QString&, const QString& start) {
            startSeen = start;
            return std::optional<QString>();
        });
        QVERIFY(!BrowseForFolder("Choose", folder.path(), path));
        QCOMPARE(path, QString("/no/such/folder"));
        QCOMPARE(QDir(startSeen), QDir(folder.path())); // a missing folder is not offered
        SetFolderBrowser([&folder](const QString&, const QString&) {
            return std::optional<QString>(folder.path());
        });
        QVERIFY(BrowseForFolder("Choose", QString(), path));
        QCOMPARE(QDir(path), QDir(folder.path()));
        SetFolderBrowser({});
    }

    void helpWindowShowsATopicOfTheHelpFile() {
        const QString helpFile = QStringLiteral(ZAVK_PROGRAM_DIR "/HELP/English.qch");
        TFrmHelp help;
        QVERIFY(help.ShowTopic(helpFile, "4.htm"));
        QVERIFY(help.CurrentTopicUrl().endsWith("/4.htm"));
        const QString page = help.findChild<QTextBrowser*>("BrowserHelp")->toPlainText();
        QVERIFY(page.contains("The start page"));
        QVERIFY(!help.ShowTopic(helpFile, "no-such-topic.htm"));
        QVERIFY(help.CurrentTopicUrl().endsWith("/4.htm"));
        TempProgramFolder folder;
        folder.writeFile("broken.qch", "not a help file");
        QVERIFY(!help.ShowTopic(folder.file("broken.qch"), "4.htm"));
        QVERIFY(!help.ShowTopic(folder.file("missing.qch"), "4.htm"));
    }

    // A language without a help file of its own gets the English help, and is told so.
    void f1OpensTheHelpAtTheCurrentTopic_data() {
        QTest::addColumn<QString>("language");
        QTest::addColumn<bool>("notice");
        QTest::newRow("English") << "English" << false;
        QTest::newRow("German, no German help yet") << "German" << true;
    }
    void f1OpensTheHelpAtTheCurrentTopic() {
        QFETCH(QString, language);
        QFETCH(bool, notice);
        TempProgramFolder folder;
        folder.copyCatalogue();
        folder.copyLanguages();
        folder.writeFile("System.ini", "[System]\nDefaultLanguage=" + language.toUtf8() + "\n");
        QDir().mkpath(folder.file("HELP"));
        QVERIFY(QFile::copy(ZAVK_PROGRAM_DIR "/HELP/English.qch", folder.file("HELP/English.qch")));
        MessageRecorder messages;
        TFrmSplash splash;
        auto objects = CreateApplicationObjects(splash);
        TFrmHelp::InstallAsHelpViewer(FrmMainShell);
        FrmMainShell->show();
        QVERIFY(QTest::qWaitForWindowExposed(FrmMainShell));
        QTest::keyClick(FrmMainShell, Qt::Key_F1);
        auto* help = FrmMainShell->findChild<TFrmHelp*>();
        QVERIFY(help && help->isVisible());
        QVERIFY(help->CurrentTopicUrl().endsWith("/4.htm"));
        QCOMPARE(help->findChild<QLabel*>("LblHelpNotice")->isVisible(), notice);
        TBaseClass::SetHelpViewer({});
    }

    void startUpCreatesEachObjectOnceAndMovesTheSplash() {
        TempProgramFolder folder;
        folder.copyCatalogue();
        folder.copyLanguages();
        folder.writeFile("update.sh", "exit 0\n");
        folder.writeFile("ZAVK.bak", "old");
        MessageRecorder messages;
        LoadSystemGlobals(); // as the program does first
        TFrmSplash splash;
        QList<int> steps;
        connect(splash.findChild<QProgressBar*>("gueLogin"), &QProgressBar::valueChanged, this,
                [&steps](int value) { steps.append(value); });
        {
            auto objects = CreateApplicationObjects(splash);
            QCOMPARE(steps, QList<int>({20, 40, 60, 80, 100}));
            QVERIFY(DMComm && DMComm->Connected());
            QVERIFY(FrmMainShell);
            QVERIFY(BaseClass);
            QVERIFY(FrmPrintRes && FrmDebugInfo && FrmModelSel);
            QVERIFY(messages.requests.isEmpty());
            QVERIFY(!QFileInfo::exists(folder.file("update.sh")));
            QVERIFY(!QFileInfo::exists(folder.file("ZAVK.bak")));
            QCOMPARE(FrmMainShell->windowTitle(), QString("ZAVK"));
            QCOMPARE(ButtonCaptions, QString("Yes;No;OK;Cancel"));
            // The splash and the main window show the same version.
            QCOMPARE(FrmMainShell->findChild<QLabel*>("labVersion")->text(),
                     splash.findChild<QLabel*>("LblVersion")->text());
            FrmMainShell->show();
            QVERIFY(QTest::qWaitForWindowExposed(FrmMainShell));
            QCOMPARE(BaseClass->HelpTopic, QString("4.htm"));
        }
        QVERIFY(!DMComm && !FrmMainShell && !BaseClass && !FrmPrintRes && !FrmDebugInfo &&
                !FrmModelSel);
    }

    void missingCatalogueIsReportedOnceAndTheWindowStillComesUp() {
        TempProgramFolder folder;
        folder.copyLanguages();
        MessageRecorder messages;
        TFrmSplash splash;
        auto objects = CreateApplicationObjects(splash);
        QCOMPARE(messages.texts(), QStringList({"ConnectDB error!"}));
        QVERIFY(!DMComm->OpenSQL("SELECT * FROM SERIES"));
    }

    void brokenLanguageFileIsReportedOnceAndEnglishIsUsed() {
        TempProgramFolder folder;
        folder.copyLanguages();
        folder.writeFile("Language/German.xml", "<?xml version=\"1.0\"?><broken");
        folder.writeFile("System.ini", "[System]\nDefaultLanguage=German\n");
        MessageRecorder messages;
        TFrmSplash splash;
        auto objects = CreateApplicationObjects(splash);
        QCOMPARE(messages.requests.size(), 2); // no catalogue here, then the language
        QVERIFY(messages.texts().last().contains(folder.file("Language/German.xml")));
        QCOMPARE(FrmMainShell->findChild<TSkinButton*>("sbExit")->Caption(), QString("Exit"));
    }

    void languageMessageSaysWhatIsUsedInstead_data() {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QStringList>("named");
        QTest::newRow("English broken") << "English" << QStringList{"English.xml"};
        QTest::newRow("German and English broken")
            << "German" << QStringList{"German.xml", "English.xml"};
    }
    void languageMessageSaysWhatIsUsedInstead() {
        QFETCH(QString, language);
        QFETCH(QStringList, named);
        TempProgramFolder folder;
        folder.copyLanguages();
        for (const char* broken : {"Language/German.xml", "Language/English.xml"})
            folder.writeFile(broken, "<?xml version=\"1.0\"?><broken");
        folder.writeFile("System.ini", "[System]\nDefaultLanguage=" + language.toLatin1());
        MessageRecorder messages;
        TFrmSplash splash;
        auto objects = CreateApplicationObjects(splash);
        const QString text = messages.texts().value(messages.requests.size() - 1);
        QVERIFY2(text.contains("No language file could be read"), qPrintable(text));
        QVERIFY(!text.contains("English is used"));
        for (const QString& name : named)
            QVERIFY2(text.contains(name), qPrintable(name));
    }
};

QTEST_MAIN(TestShell)
#include "tst_shell.moc"
