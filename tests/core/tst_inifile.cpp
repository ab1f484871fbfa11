#include "TestSupport.h"
#include "core/IniFile.h"

#include <QFile>
#include <QThread>
#include <QtTest>

#include <sys/stat.h>

class TestIniFile : public QObject {
    Q_OBJECT

private slots:
    void readsKeysCaseInsensitivelyFirstOccurrenceTrimmed() {
        TempProgramFolder folder;
        folder.writeFile("a.ini", "[System]\r\n  DefaultLANGUAGE =  German  \r\n"
                                  "defaultlanguage=French\r\n[system]\r\nVersion=9\r\n");
        const IniFile ini(folder.file("a.ini"));
        QCOMPARE(ini.readString("SYSTEM", "DefaultLanguage"), QString("German"));
        // Only the first section of a name counts, as for a key.
        QCOMPARE(ini.readString("System", "Version", "none"), QString("none"));
        QCOMPARE(ini.keys("system"), QStringList({"DefaultLANGUAGE"}));
    }

    void allValuesOfASectionInOnePass() {
        const auto values = IniFile::SectionValues(
            "[Other]\nA=0\n[HISTORY]\r\n a = 1 \r\nA=2\r\nb=x=y\r\n[history]\r\nc=3\r\n",
            "History");
        QCOMPARE(values.size(), 2);
        QCOMPARE(values.value("a"), QString("1"));
        QCOMPARE(values.value("b"), QString("x=y"));
    }

    void integersAndBooleans_data() {
        QTest::addColumn<QByteArray>("value");
        QTest::addColumn<int>("integer");
        QTest::addColumn<bool>("boolean");
        QTest::newRow("plain") << QByteArray("12") << 12 << true;
        QTest::newRow("negative") << QByteArray(" -3 ") << -3 << true;
        QTest::newRow("zero") << QByteArray("0") << 0 << false;
        QTest::newRow("two is true") << QByteArray("2") << 2 << true;
        QTest::newRow("text gives default") << QByteArray("yes") << 7 << true;
        QTest::newRow("empty gives default") << QByteArray("") << 7 << true;
        QTest::newRow("overflow gives default") << QByteArray("99999999999") << 7 << true;
    }
    void integersAndBooleans() {
        QFETCH(QByteArray, value);
        QFETCH(int, integer);
        QFETCH(bool, boolean);
        TempProgramFolder folder;
        folder.writeFile("a.ini", "[S]\nK=" + value + "\n");
        const IniFile ini(folder.file("a.ini"));
        QCOMPARE(ini.readInteger("S", "K", 7), integer);
        QCOMPARE(ini.readBool("S", "K", true), boolean);
    }

    void missingEmptyOrBinaryFileReadsAsDefaults_data() {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<bool>("create");
        QTest::newRow("missing") << QByteArray() << false;
        QTest::newRow("empty") << QByteArray() << true;
        QTest::newRow("truncated") << QByteArray("[System]\nDefaultLang") << true;
        QTest::newRow("binary") << QByteArray("\x00\xff\xfe[Sys\x00tem]\n=\n\x01=\x02", 17) << true;
        QTest::newRow("key before any section") << QByteArray("Version=5\n") << true;
    }
    void missingEmptyOrBinaryFileReadsAsDefaults() {
        QFETCH(QByteArray, content);
        QFETCH(bool, create);
        TempProgramFolder folder;
        if (create)
            folder.writeFile("a.ini", content);
        const IniFile ini(folder.file("a.ini"));
        QCOMPARE(ini.readString("System", "Version", "0"), QString("0"));
        QCOMPARE(ini.readInteger("System", "DefaultLang", 4), 4);
    }

    void writingOneKeyKeepsEveryOtherByte() {
        TempProgramFolder folder;
        const QByteArray before = "; comment\r\n[System]\r\nA = 1\r\nversion=old\r\n\r\n"
                                  "[Other]\r\nversion=keep\r\n";
        folder.writeFile("a.ini", before);
        IniFile ini(folder.file("a.ini"));
        QVERIFY(ini.writeString("SYSTEM", "Version", "new"));
        QCOMPARE(folder.readFile("a.ini"),
                 QByteArray("; comment\r\n[System]\r\nA = 1\r\nversion=new\r\n\r\n"
                            "[Other]\r\nversion=keep\r\n"));
    }

    void newKeysGoToTheEndOfTheirSectionAndNewSectionsToTheEnd() {
        TempProgramFolder folder;
        folder.writeFile("a.ini", "[System]\nA=1\n\n[HTTPURL]\nUrl=x");
        IniFile ini(folder.file("a.ini"));
        QVERIFY(ini.writeString("System", "StartNum", "1"));
        QVERIFY(ini.writeInteger("New", "K", 5));
        QCOMPARE(folder.readFile("a.ini"),
                 QByteArray("[System]\nA=1\nStartNum=1\n\n[HTTPURL]\nUrl=x\n[New]\nK=5\n"));
        QCOMPARE(IniFile(folder.file("a.ini")).readInteger("new", "k", 0), 5);
    }

    void writeCreatesAMissingFileWithOnlyThatKey() {
        TempProgramFolder folder;
        IniFile ini(folder.file("new.ini"), "\r\n");
        QVERIFY(ini.writeString("History", "SoftName", "ZAVK1"));
        QCOMPARE(folder.readFile("new.ini"), QByteArray("[History]\r\nSoftName=ZAVK1\r\n"));
    }

    void writeSeesChangesMadeThroughAnotherObject() {
        TempProgramFolder folder;
        IniFile first(folder.file("a.ini"));
        IniFile second(folder.file("a.ini"));
        QVERIFY(first.writeString("S", "A", "1"));
        QVERIFY(second.writeString("S", "B", "2"));
        const IniFile check(folder.file("a.ini"));
        QCOMPARE(check.readString("S", "A"), QString("1"));
        QCOMPARE(check.readString("S", "B"), QString("2"));
    }

    void binaryContentSurvivesAWrite() {
        TempProgramFolder folder;
        const QByteArray junk("\x00\xff junk \x80\n", 10);
        folder.writeFile("a.ini", junk + "[S]\nK=1\n");
        IniFile ini(folder.file("a.ini"));
        QVERIFY(ini.writeString("S", "K", "2"));
        QCOMPARE(folder.readFile("a.ini"), junk + "[S]\nK=2\n");
    }

    void readOnlyFileIsReportedAndNotTouched() {
        TempProgramFolder folder;
        const QByteArray before = "[System]\nDefaultLanguage=German\n";
        folder.writeFile("a.ini", before);
        QFile::setPermissions(folder.file("a.ini"), QFile::ReadOwner | QFile::ReadGroup);
        IniFile ini(folder.file("a.ini"));
        QVERIFY(!ini.writeString("System", "DefaultLanguage", "French"));
        QVERIFY(!ini.errorString().isEmpty());
        QCOMPARE(folder.readFile("a.ini"), before);
        QCOMPARE(ini.readString("System", "DefaultLanguage"), QString("German"));
    }

    // The encoding, byte-order mark and line ends of a file survive a write.
    void encodingsAndLineEnds_data() {
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<QByteArray>("after");
        const auto utf16 = [](const char* bom, const QString& text, bool little) {
            QByteArray raw(bom);
            for (const QChar c : text) {
                const char low = char(c.unicode() & 0xFF), high = char(c.unicode() >> 8);
                raw.append(little ? low : high).append(little ? high : low);
            }
            return raw;
        };
        const QString text1 = "[S]\r\nK=1\r\nName=Größe\r\n",
                      text2 = "[S]\r\nK=2\r\nName=Größe\r\n";
        // clang-format off
        QTest::newRow("UTF-8 with BOM") << QByteArray("\xEF\xBB\xBF[S]\r\nK=1\r\n") << QByteArray("\xEF\xBB\xBF[S]\r\nK=2\r\n");
        QTest::newRow("CR only") << QByteArray("[S]\rK=1\rA=x\r") << QByteArray("[S]\rK=2\rA=x\r");
        QTest::newRow("CR only, no last end") << QByteArray("[S]\rK=1") << QByteArray("[S]\rK=2");
        QTest::newRow("UTF-16LE with BOM") << utf16("\xFF\xFE", text1, true) << utf16("\xFF\xFE", text2, true);
        QTest::newRow("UTF-16BE with BOM") << utf16("\xFE\xFF", text1, false) << utf16("\xFE\xFF", text2, false);
        QTest::newRow("UTF-16LE without BOM") << utf16("", text1, true) << utf16("", text2, true);
        // clang-format on
    }
    void encodingsAndLineEnds() {
        QFETCH(QByteArray, before);
        QFETCH(QByteArray, after);
        TempProgramFolder folder;
        folder.writeFile("a.ini", before);
        IniFile ini(folder.file("a.ini"));
        QCOMPARE(ini.readInteger("S", "K", 0), 1);
        QCOMPARE(IniFile::SectionValues(before, "s").value("k"), QString("1"));
        QVERIFY(ini.writeInteger("S", "K", 2));
        QCOMPARE(folder.readFile("a.ini"), after);
        if (ini.hasKey("S", "Name"))
            QCOMPARE(ini.readString("S", "Name"), QString("Größe"));
    }

    // Devices and FIFOs read as empty at once (an ordinary open of a FIFO blocks)
    // and are never written.
    void specialFilesAreRefused() {
        TempProgramFolder folder;
        QVERIFY(QFile::link("/dev/zero", folder.file("zero.ini")));
        QCOMPARE(mkfifo(QFile::encodeName(folder.file("fifo.ini")).constData(), 0600), 0);
        for (const QString name : {"zero.ini", "fifo.ini"}) {
            IniFile ini(folder.file(name));
            QCOMPARE(ini.readString("S", "K", "none"), QString("none"));
            QVERIFY2(ini.errorString().contains("not a regular file"),
                     qPrintable(ini.errorString()));
            QVERIFY(!ini.writeString("S", "K", "1"));
            QVERIFY(QFileInfo(folder.file(name)).isSymLink() ||
                    QFileInfo(folder.file(name)).exists());
        }
    }

    // A full disk fails the write, keeps the old file whole and says why.
    void fullDiskKeepsTheOldFile() {
        TinyDisk disk(64);
        if (!disk.mounted())
            QSKIP(qPrintable(disk.skipReason()));
        const QByteArray before =
            "[System]\nA=1\n[HTTPURL]\n" + QByteArray(40000, ';') + "\nUrl=x\n";
        QFile file(disk.file("System.ini"));
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(before) == before.size());
        file.close();
        IniFile ini(disk.file("System.ini"));
        QVERIFY(!ini.writeString("System", "A", "2"));
        QVERIFY2(!ini.errorString().isEmpty(), "the reason is kept");
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), before);
        QCOMPARE(ini.readString("HTTPURL", "Url"), QString("x"));
    }

    // Writers in parallel keep every key: read-modify-write runs under a lock.
    void concurrentWritersKeepEveryKey() {
        TempProgramFolder folder;
        const QString path = folder.file("System.ini");
        const auto writeKeys = [path](const QString& prefix) {
            IniFile ini(path);
            for (int i = 0; i < 40; ++i)
                ini.writeInteger("System", prefix + QString::number(i), i);
        };
        QThread* other = QThread::create(writeKeys, QStringLiteral("B"));
        other->start();
        writeKeys("A");
        other->wait();
        delete other;
        QCOMPARE(IniFile(path).keys("System").size(), 80);
    }

    void unwritableFolderIsReported() {
        TempProgramFolder folder;
        IniFile ini(folder.file("no/such/folder/a.ini"));
        QVERIFY(!ini.writeString("S", "K", "1"));
    }
};

QTEST_GUILESS_MAIN(TestIniFile)
#include "tst_inifile.moc"
