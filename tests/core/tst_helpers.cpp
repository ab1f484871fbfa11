#include "TestSupport.h"
#include "core/Globals.h"
#include "core/Helpers.h"
#include "core/Startup.h"

#include <QDateTime>
#include <QFileInfo>
#include <QLocale>
#include <QtTest>

#include <sys/stat.h>

class TestHelpers : public QObject {
    Q_OBJECT

private slots:
    void getPiece_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("separator");
        QTest::addColumn<int>("n");
        QTest::addColumn<QString>("piece");
        QTest::newRow("first") << "a;b;c"
                               << ";" << 1 << "a";
        QTest::newRow("last") << "a;b;c"
                              << ";" << 3 << "c";
        QTest::newRow("past the end") << "a;b;c"
                                      << ";" << 4 << "";
        QTest::newRow("empty field") << "a;;c"
                                     << ";" << 2 << "";
        QTest::newRow("zero") << "a;b"
                              << ";" << 0 << "";
        QTest::newRow("negative") << "a;b"
                                  << ";" << -1 << "";
        QTest::newRow("inner blanks stay") << "  Yes please ;No\r\n"
                                           << ";" << 1 << "Yes please ";
        QTest::newRow("outer control characters go") << "\x01\tYes;No\x02"
                                                     << ";" << 2 << "No";
        QTest::newRow("longer separator") << "a--b--c"
                                          << "--" << 2 << "b";
        QTest::newRow("empty separator") << "a;b"
                                         << "" << 1 << "";
        QTest::newRow("empty text") << ""
                                    << ";" << 1 << "";
    }
    void getPiece() {
        QFETCH(QString, text);
        QFETCH(QString, separator);
        QFETCH(int, n);
        QFETCH(QString, piece);
        QCOMPARE(GetPiece(text, separator, n), piece);
    }

    void regionNames() {
        QString name = "unchanged";
        const char* expected[] = {"ASIA", "EUROPE", "SOUTHAMERICA", "NORTHAMERICA"};
        for (int i = 0; i < 4; ++i) {
            QVERIFY(RegionName(i, name));
            QCOMPARE(name, QString(expected[i]));
        }
        QVERIFY(!RegionName(4, name));
        QVERIFY(!RegionName(-1, name));
        QCOMPARE(name, QString("NORTHAMERICA"));
    }

    void sqlNumbersUseAPointWhateverTheLocale() {
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        QCOMPARE(SqlNumber(0.4), QString("0.4"));
        QCOMPARE(SqlNumber(1234567.5), QString("1234567.5"));
        QCOMPARE(SqlNumber(1.0 / 3.0), QString("0.333333333333333"));
        QCOMPARE(SqlNumber(-2), QString("-2"));
        QCOMPARE(SqlNumber(qQNaN()), QString("NULL"));
        QCOMPARE(SqlNumber(qInf()), QString("NULL"));
        QLocale::setDefault(QLocale::c());
    }

    void integerIds() {
        QVERIFY(IsIntegerText("12"));
        QVERIFY(IsIntegerText("-3"));
        QVERIFY(!IsIntegerText(""));
        QVERIFY(!IsIntegerText("1.5"));
        QVERIFY(!IsIntegerText("1 OR 1=1"));
        QVERIFY(!IsIntegerText("0x10"));
    }

    void convertDecimalSeparator_data() {
        QTest::addColumn<int>("mode");
        QTest::addColumn<QByteArray>("source");
        QTest::addColumn<QByteArray>("target");
        QTest::newRow("point to comma")
            << 0
            << QByteArray("[History]\r\nA=1.5\r\nJOINT_A=1.5\r\nB.C=2.5\r\n"
                          "SpconRBaseSql=SELECT * FROM M_SPECON WHERE C1to2>=0.5\r\n"
                          "SpconLBaseSql=x.y\r\nno equals 1.5\r\nE=1.2.3")
            << QByteArray("[History]\r\nA=1,5\r\nJOINT_A=1.5\r\nB.C=2,5\r\n"
                          "SpconRBaseSql=SELECT * FROM M_SPECON WHERE C1to2>=0.5\r\n"
                          "SpconLBaseSql=x.y\r\nno equals 1.5\r\nE=1,2,3");
        QTest::newRow("comma to point") << 1 << QByteArray("A,B=1,5\nList=a,b\nJOINTX=3,5\n")
                                        << QByteArray("A,B=1.5\nList=a.b\nJOINTX=3,5\n");
        QTest::newRow("lone CR line ends") << 0 << QByteArray("A=1.5\rJOINT_A=1.5\rB=2.5")
                                           << QByteArray("A=1,5\rJOINT_A=1.5\rB=2,5");
        QTest::newRow("value with a second equals sign")
            << 0 << QByteArray("K=a=1.5") << QByteArray("K=a=1,5");
    }
    void convertDecimalSeparator() {
        QFETCH(int, mode);
        QFETCH(QByteArray, source);
        QFETCH(QByteArray, target);
        TempProgramFolder folder;
        folder.writeFile("in.SEL", source);
        folder.writeFile("Tem.ini", "old scratch content");
        QVERIFY(ConvertDecimalSeparator(folder.file("in.SEL"), folder.file("Tem.ini"), mode));
        QCOMPARE(folder.readFile("Tem.ini"), target);
        QCOMPARE(folder.readFile("in.SEL"), source);
    }

    void convertDecimalSeparatorFailures() {
        TempProgramFolder folder;
        folder.writeFile("Tem.ini", "keep");
        QVERIFY(!ConvertDecimalSeparator(folder.file("missing.SEL"), folder.file("Tem.ini"), 0));
        QCOMPARE(folder.readFile("Tem.ini"), QByteArray("keep"));
        folder.writeFile("in.SEL", "A=1.5");
        QVERIFY(!ConvertDecimalSeparator(folder.file("in.SEL"), folder.file("Tem.ini"), 2));
        QVERIFY(!ConvertDecimalSeparator(folder.file("in.SEL"), folder.file("no/dir/Tem.ini"), 0));
        // A target that cannot be replaced keeps its old content; a FIFO source does not block.
        QFile::setPermissions(folder.file("Tem.ini"), QFile::ReadOwner);
        QVERIFY(!ConvertDecimalSeparator(folder.file("in.SEL"), folder.file("Tem.ini"), 0));
        QCOMPARE(folder.readFile("Tem.ini"), QByteArray("keep"));
        QCOMPARE(mkfifo(QFile::encodeName(folder.file("fifo.SEL")).constData(), 0600), 0);
        QVERIFY(!ConvertDecimalSeparator(folder.file("fifo.SEL"), folder.file("out.ini"), 0));
    }

    void fileStampIsSetToTheMinute() {
        TempProgramFolder folder;
        folder.writeFile("a.txt", "x");
        QVERIFY(SetFileStamp(folder.file("a.txt"), "2019-12-31 23:59"));
        const QFileInfo info(folder.file("a.txt"));
        const QDateTime expected(QDate(2019, 12, 31), QTime(23, 59));
        QCOMPARE(info.lastModified(), expected);
        QCOMPARE(info.lastRead(), expected);
        QCOMPARE(FileStampText(folder.file("a.txt")), QString("2019-12-31 23:59"));
    }

    void fileStampFailures() {
        TempProgramFolder folder;
        folder.writeFile("a.txt", "x");
        QVERIFY(SetFileStamp(folder.file("a.txt"), "")); // nothing to restore
        QVERIFY(!SetFileStamp(folder.file("a.txt"), "31.12.2019 23:59"));
        QCOMPARE(mkfifo(QFile::encodeName(folder.file("fifo")).constData(), 0600), 0);
        QVERIFY(!SetFileStamp(folder.file("fifo"), "2019-12-31 23:59")); // and does not block
        QCOMPARE(FileVersionText(folder.file("fifo")), QString());
        QVERIFY(!SetFileStamp(folder.file("a.txt"), "2019-13-01 10:00"));
        QVERIFY(!SetFileStamp(folder.file("missing.txt"), "2019-12-01 10:00"));
        QVERIFY(FileStampText(folder.file("missing.txt")).isEmpty());
    }

    void versionOfTheProgramAndOfOtherFiles() {
        const QString version = FileVersionText(QStringLiteral(ZAVK_PROGRAM_DIR "/zavk-cli"));
        QVERIFY(QRegularExpression("^\\d+\\.\\d+$").match(version).hasMatch());
        QCOMPARE(FileVersionText(QStringLiteral(ZAVK_PROGRAM_DIR "/ZAVK")), version);
        QCOMPARE(ProgramVersionText(), version);
        TempProgramFolder folder;
        folder.writeFile("other.bin", QByteArray(4096, 'x'));
        QVERIFY(FileVersionText(folder.file("other.bin")).isEmpty());
        QVERIFY(FileVersionText(folder.file("missing")).isEmpty());
    }

    void leftoverUpdateFilesAreRemoved() {
        TempProgramFolder folder;
        folder.writeFile("update.sh", "exit 0\n");
        folder.writeFile("ZAVK.bak", "old program");
        folder.writeFile("ZAVK", "program");
        RemoveLeftoverUpdateFiles();
        QVERIFY(!QFileInfo::exists(folder.file("update.sh")));
        QVERIFY(!QFileInfo::exists(folder.file("ZAVK.bak")));
        QVERIFY(QFileInfo::exists(folder.file("ZAVK")));
        RemoveLeftoverUpdateFiles(); // nothing left: no error
    }

    void updateScriptRunsOnlyWhenAnUpdateIsPending() {
        TempProgramFolder folder;
        folder.writeFile("update.sh", "echo ran > ran.txt\n");
        UpdatePending = false;
        QVERIFY(!StartPendingUpdateScript());
        UpdatePending = true;
        QVERIFY(StartPendingUpdateScript());
        QTRY_VERIFY(QFileInfo::exists(folder.file("ran.txt"))); // ran in the program folder
        QFile::remove(folder.file("update.sh"));
        QVERIFY(!StartPendingUpdateScript());
        UpdatePending = false;
    }
};

QTEST_GUILESS_MAIN(TestHelpers)
#include "tst_helpers.moc"
