#include "TestSupport.h"
#include "core/DMComm.h"
#include "core/DataFolder.h"
#include "core/Globals.h"
#include "core/Helpers.h"
#include "core/IniFile.h"
#include "core/Startup.h"
#include "lang/XMLLan.h"
#include "settings/BaseClass.h"
#include "units/UnitManager.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/stat.h>

class TestSettings : public QObject {
    Q_OBJECT

    static QByteArray iniWithHint(const TempProgramFolder& folder, const QByteArray& extra) {
        return "[System]\r\nInstallLanPath=" + folder.file("hint.txt").toUtf8() + "\r\n" + extra;
    }

private slots:
    void defaultsWithoutSystemIni() {
        TempProgramFolder folder;
        const TBaseClass settings;
        QCOMPARE(settings.Language, QString("English"));
        QCOMPARE(settings.DefaultLanguage, QString("English"));
        QCOMPARE(settings.AreaProduct, 0);
        for (int i = 0; i < LanguageCount; ++i)
            QCOMPARE(settings.Available[i], QLatin1String(LanguageNames[i]) != "Russian");
        QVERIFY(settings.UnitFreedom);
        QCOMPARE(settings.DefaultSchemeID, 0);
        QCOMPARE(settings.StartNum, 0);
        QVERIFY(settings.HelpTopic.isEmpty());
        QCOMPARE(settings.UnitManager->LanguageId(), 1033);
        QVERIFY(!QFileInfo::exists(SystemIniPath())); // reading never creates the file

        LoadSystemGlobals();
        QCOMPARE(VersionText, ProgramVersionText()); // the splash shows the same
        QVERIFY(!DebugMode);
        QCOMPARE(DefaultLanguageGlobal, QString("English"));
        QVERIFY(TermsOfUseRequired());
    }

    void unitManagerReadsTheConnectedCatalogueOnly() {
        TempProgramFolder folder;
        TDMComm db;
        QVERIFY(ConnectBuiltCatalogue(db));
        TDMComm* const previous = DMComm;
        DMComm = &db;
        const TBaseClass connected;
        db.CloseConnection();
        const TBaseClass closed;
        DMComm = nullptr;
        const TBaseClass without;
        DMComm = previous;
        QVERIFY(connected.UnitManager->FindParameter(111));
        QVERIFY(!closed.UnitManager->FindParameter(111));
        QVERIFY(!without.UnitManager->FindParameter(111));
    }

    void valuesInOddCaseAndFlagRules() {
        TempProgramFolder folder;
        folder.copyLanguages();
        folder.writeFile("System.ini", "[SYSTEM]\nareaproduct=2\nDEFAULTLANGUAGE=english\n"
                                       "russian=1\nGerman=2\nunitfreedom=2\ndefaultschemeid=3\n"
                                       "DEBUG=2\nversion= 2.5 \ndisplayagree=0\n");
        const TBaseClass settings;
        QCOMPARE(settings.AreaProduct, 2);
        QCOMPARE(settings.Language, QString("English")); // the file name's spelling
        QVERIFY(settings.Available[9]);
        QVERIFY(!settings.Available[6]); // a flag counts only when exactly 1
        QVERIFY(!settings.UnitFreedom);
        QCOMPARE(settings.DefaultSchemeID, 3);
        LoadSystemGlobals();
        QVERIFY(DebugMode); // any non-zero value
        QCOMPARE(VersionText, QString("2.5"));
        QVERIFY(!TermsOfUseRequired());
    }

    void garbageSettingsFileGivesDefaults() {
        TempProgramFolder folder;
        folder.copyLanguages();
        folder.writeFile("System.ini", QByteArray("\x00\xff[System\x00]\nDefaultLanguage", 27));
        const TBaseClass settings;
        QCOMPARE(settings.Language, QString("English"));
        QVERIFY(settings.UnitFreedom);
        QVERIFY(TermsOfUseRequired());
    }

    void unknownLanguageOrRegionFallsBackSafely() {
        TempProgramFolder folder;
        folder.copyLanguages();
        folder.writeFile("System.ini",
                         "[System]\nDefaultLanguage=../../etc/passwd\nAreaProduct=7\n");
        const TBaseClass settings;
        QCOMPARE(settings.Language, QString("English"));
        QCOMPARE(settings.LanguageFilePath(), folder.file("Language/English.xml"));
        QCOMPARE(settings.AreaProduct, 0);
    }

    void missingLanguageFileFallsBackToEnglish() {
        TempProgramFolder folder;
        folder.copyLanguages();
        QFile::remove(folder.file("Language/German.xml"));
        folder.writeFile("System.ini", "[System]\nDefaultLanguage=German\n");
        const TBaseClass settings;
        QCOMPARE(settings.Language, QString("German"));
        QVERIFY(settings.Lan->Loaded());
        QVERIFY(settings.Lan->LoadError().contains("German.xml"));
        QCOMPARE(settings.Lan->GetMessageText("MSGYES"), QString("Yes"));
    }

    void installHint_data() {
        QTest::addColumn<QByteArray>("extraIni");
        QTest::addColumn<QByteArray>("hint");
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("writtenLanguage"); // empty: DefaultLanguage not written
        QTest::addColumn<int>("startNum");
        QTest::addColumn<bool>("consumed");
        // clang-format off
        QTest::newRow("Russian unavailable gives English") << QByteArray("Russian=0\r\n") << QByteArray("1049\r\nRussian\r\n") << "English" << "" << 1 << true;
        QTest::newRow("available language is taken") << QByteArray() << QByteArray("1031\r\n") << "German" << "German" << 1 << true;
        QTest::newRow("unavailable German gives English") << QByteArray("German=0\r\nDefaultLanguage=French\r\n") << QByteArray("1031") << "English" << "English" << 1 << true;
        QTest::newRow("English already default: only StartNum") << QByteArray("DefaultLanguage=English\r\n") << QByteArray("1033\n") << "English" << "" << 1 << true;
        QTest::newRow("unknown identifier keeps the language") << QByteArray("DefaultLanguage=French\r\n") << QByteArray("9999\r\n") << "French" << "" << 1 << true;
        QTest::newRow("already applied once: nothing written") << QByteArray("StartNum=1\r\n") << QByteArray("1031\r\n") << "English" << "" << 1 << true;
        // What does not read as a hint may be any file of the user's: left alone.
        QTest::newRow("not a number: left alone") << QByteArray() << QByteArray("German\r\n1031\r\n") << "English" << "" << 0 << false;
        QTest::newRow("binary garbage: left alone") << QByteArray() << QByteArray("\x00\xff\x01", 3) << "English" << "" << 0 << false;
        QTest::newRow("empty file: left alone") << QByteArray() << QByteArray() << "English" << "" << 0 << false;
        QTest::newRow("large file: left alone") << QByteArray() << "1031\n" + QByteArray(4096, 'x') << "English" << "" << 0 << false;
        // clang-format on
    }
    void installHint() {
        QFETCH(QByteArray, extraIni);
        QFETCH(QByteArray, hint);
        QFETCH(QString, language);
        QFETCH(QString, writtenLanguage);
        QFETCH(int, startNum);
        QFETCH(bool, consumed);
        TempProgramFolder folder;
        folder.copyLanguages();
        const QByteArray before = iniWithHint(folder, extraIni);
        folder.writeFile("System.ini", before);
        folder.writeFile("hint.txt", hint);

        const TBaseClass settings;
        QCOMPARE(settings.Language, language);
        QCOMPARE(settings.DefaultLanguage, language);
        QCOMPARE(QFileInfo::exists(folder.file("hint.txt")), !consumed);
        const IniFile after(SystemIniPath());
        QCOMPARE(after.readInteger("System", "StartNum", 0), startNum);
        QCOMPARE(after.hasKey("System", "DefaultLanguage"),
                 !writtenLanguage.isEmpty() || extraIni.contains("DefaultLanguage"));
        if (!writtenLanguage.isEmpty())
            QCOMPARE(after.readString("System", "DefaultLanguage"), writtenLanguage);
        if (startNum == 0 || extraIni.contains("StartNum"))
            QCOMPARE(folder.readFile("System.ini"), before);
    }

    void hintThatCannotBeReadIsLeftAlone() {
        TempProgramFolder folder;
        const QByteArray before = iniWithHint(folder, {});
        folder.writeFile("System.ini", before);
        QDir().mkdir(folder.file("hint.txt")); // a folder where the file should be
        QVERIFY(QFile::link("/dev/zero", folder.file("zero")));
        QCOMPARE(mkfifo(QFile::encodeName(folder.file("fifo")).constData(), 0600), 0);
        for (const QString hint : {"zero", "fifo"}) {
            folder.writeFile("System.ini",
                             "[System]\r\nInstallLanPath=" + folder.file(hint).toUtf8() + "\r\n");
            const TBaseClass settings;
            QCOMPARE(settings.Language, QString("English"));
            QVERIFY(QFileInfo(folder.file(hint)).isSymLink() ||
                    QFileInfo::exists(folder.file(hint)));
        }
        folder.writeFile("System.ini", before);
        const TBaseClass settings;
        QCOMPARE(settings.Language, QString("English"));
        QCOMPARE(folder.readFile("System.ini"), before);
    }

    void hintWithReadOnlySettingsFileChangesNothing() {
        TempProgramFolder folder;
        const QByteArray before = iniWithHint(folder, {});
        folder.writeFile("System.ini", before);
        folder.writeFile("hint.txt", "1031\r\n");
        QFile::setPermissions(SystemIniPath(), QFile::ReadOwner);
        const TBaseClass settings;
        QCOMPARE(settings.Language, QString("English"));
        QCOMPARE(settings.StartNum, 0);
        QCOMPARE(folder.readFile("System.ini"), before);
    }

    void settingsFileKeepsItsStartUpTimeStamp() {
        TempProgramFolder folder;
        folder.writeFile("System.ini", "[System]\nDefaultLanguage=English\n");
        QVERIFY(SetFileStamp(SystemIniPath(), "2021-03-04 05:06"));
        TBaseClass::RecordSysIniStamp(SystemIniPath());
        QCOMPARE(SysIniStamp, QString("2021-03-04 05:06"));

        QVERIFY(IniFile(SystemIniPath()).writeString("System", "AreaProduct", "1"));
        QVERIFY(FileStampText(SystemIniPath()) != SysIniStamp);
        QVERIFY(TBaseClass::RestoreSysIniStamp());
        QCOMPARE(FileStampText(SystemIniPath()), QString("2021-03-04 05:06"));
    }

    void stampOfMissingFileIsEmptyAndRestoringItDoesNothing() {
        TempProgramFolder folder;
        TBaseClass::RecordSysIniStamp(SystemIniPath());
        QVERIFY(SysIniStamp.isEmpty());
        QVERIFY(TBaseClass::RestoreSysIniStamp());
        QVERIFY(!QFileInfo::exists(SystemIniPath()));
    }

    // Until a language has its own help file, the English one is shown, with
    // English (numbered) topics.
    void helpFallsBackToEnglishUntilTheLanguageHasItsOwn() {
        TempProgramFolder folder;
        folder.copyLanguages();
        folder.writeFile("System.ini", "[System]\nDefaultLanguage=Spanish\n");
        TBaseClass settings;
        QStringList calls;
        TBaseClass::SetHelpViewer(
            [&calls](const QString& file, const QString& topic) { calls << file << topic; });
        settings.ShowHelp("1.htm");
        QVERIFY(calls.isEmpty()); // no help file at all
        folder.writeFile("HELP/English.qch", "x");
        QVERIFY(!settings.UsesNamedHelpTopics());
        settings.ShowHelp("1.htm");
        QCOMPARE(calls, QStringList({folder.file("HELP/English.qch"), "1.htm"}));
        folder.writeFile("HELP/Spanish.qch", "x");
        QVERIFY(settings.UsesNamedHelpTopics());
        calls.clear();
        settings.HelpTopic = "pantalla-de-menu.html";
        settings.ShowCurrentHelp();
        QCOMPARE(calls, QStringList({folder.file("HELP/Spanish.qch"), "pantalla-de-menu.html"}));
        TBaseClass::SetHelpViewer({});

        settings.Language = "Japanese";
        QVERIFY(!settings.UsesNamedHelpTopics());
    }

    // A program folder the user cannot write keeps its settings in the user's data
    // folder: filled from the shipped files at the first start, reused after.
    void readOnlyProgramFolderUsesTheUsersDataFolder() {
        TempProgramFolder folder;
        folder.writeFile("System.ini", "[System]\nAreaProduct=2\n");
        folder.writeFile("Data/MORELDB.db", "catalogue");
        QTemporaryDir user;
        const QString userFolder = user.filePath("share/ZAVK");
        const auto restore = qScopeGuard([&] {
            QFile::setPermissions(folder.path(),
                                  QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
            QString ignored;
            UseDataFolder(QString(), ignored);
        });
        QString error;
        QVERIFY(UseDataFolder(userFolder, error)); // writable: the program folder itself
        QCOMPARE(DataPath(), folder.path());

        QFile::setPermissions(folder.path(), QFile::ReadOwner | QFile::ExeOwner);
        QVERIFY2(UseDataFolder(userFolder, error), qPrintable(error));
        QCOMPARE(SystemIniPath(), userFolder + "/System.ini");
        QCOMPARE(IniFile(SystemIniPath()).readInteger("System", "AreaProduct", 0), 2);
        QCOMPARE(CataloguePath(), userFolder + "/Data/MORELDB.db");
        QVERIFY(IniFile(SystemIniPath()).writeInteger("System", "DisplayAgree", 0));
        QVERIFY(UseDataFolder(userFolder, error)); // the next start keeps the user's copy
        QVERIFY(!TermsOfUseRequired());

        QFile(user.filePath("file")).open(QIODevice::WriteOnly); // no folder can be made in it
        QVERIFY(!UseDataFolder(user.filePath("file/ZAVK"), error));
        QVERIFY2(error.contains("cannot be written"), qPrintable(error));
        QCOMPARE(DataPath(), folder.path()); // still runs, read-only
    }

    void languageIdentifiers() {
        QCOMPARE(TBaseClass::LanguageLcid("Japanese"), 1041);
        QCOMPARE(TBaseClass::LanguageLcid("Portuguese"), 1044);
        QCOMPARE(TBaseClass::LanguageLcid("Russian"), 1049);
        QCOMPARE(TBaseClass::LanguageLcid("english"), 0); // names are exact
        QCOMPARE(TBaseClass::LanguageLcid(""), 0);
    }
};

QTEST_GUILESS_MAIN(TestSettings)
#include "tst_settings.moc"
