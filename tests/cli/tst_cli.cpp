#include "TestSupport.h"
#include "cli/CliCommands.h"

#include <QDir>
#include <QProcess>
#include <QtTest>

namespace {

Run run(const QString& program, const QStringList& arguments,
        const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment()) {
    return RunProgram(program, arguments, environment);
}

const QString Cli = QStringLiteral(ZAVK_PROGRAM_DIR "/zavk-cli");
const QString Program = QStringLiteral(ZAVK_PROGRAM_DIR "/ZAVK");

} // namespace

class TestCli : public QObject {
    Q_OBJECT

private slots:
    void infoListsEveryTableWithItsRowCount() {
        const Run result = run(Cli, {"info"});
        QCOMPARE(result.exitCode, 0);
        QVERIFY(QRegularExpression("\\nDBVersion: \\d{4}\\.\\d{2}-\\d+\\n")
                    .match(result.out)
                    .hasMatch());
        QVERIFY(result.out.contains(QDir::cleanPath(ZAVK_PROGRAM_DIR) + "/Data/MORELDB.db"));
        for (const QString& table : CatalogueTables) {
            const QRegularExpression row("\\n  " + table + " +[1-9]\\d*\\n");
            QVERIFY2(row.match(result.out).hasMatch(), qPrintable(table));
        }
    }

    void infoOnAMissingOrForeignDatabaseFails() {
        TempProgramFolder folder;
        Run result = run(Cli, {"info", "--db", folder.file("none.db")});
        QCOMPARE(result.exitCode, 1);
        QVERIFY(result.err.contains(folder.file("none.db")));
        folder.writeFile("text.db", "not a database");
        result = run(Cli, {"info", "--db", folder.file("text.db")});
        QCOMPARE(result.exitCode, 1);
        QVERIFY(result.err.contains("text.db"));
    }

    void usageAndUnknownCommands() {
        Run result = run(Cli, {"--help"});
        QCOMPARE(result.exitCode, 0);
        QVERIFY(result.out.contains("info [--db PATH]"));
        result = run(Cli, {"frobnicate"});
        QCOMPARE(result.exitCode, 2);
        QVERIFY(result.err.contains("unknown command 'frobnicate'"));
        result = run(Cli, {});
        QCOMPARE(result.exitCode, 2);
        result = run(Cli, {"info", "--bogus"});
        QCOMPARE(result.exitCode, 2);
        QVERIFY(result.err.contains("--bogus"));
    }

    void programWithoutDisplaySaysHowToRunHeadless() {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
            environment.remove(name);
        const Run result = run(Program, {}, environment);
        QCOMPARE(result.exitCode, 2);
        QVERIFY(result.err.contains("QT_QPA_PLATFORM=offscreen"));
        QVERIFY(result.err.contains("xvfb-run"));
    }

    // Answers that need no display, and a first start that nobody could answer.
    void programAnswersWithoutAWindow_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("out");
        QTest::addColumn<QString>("err");
        QTest::newRow("--help") << QStringList{"--help"} << 0 << "usage: ZAVK"
                                << "";
        QTest::newRow("--version") << QStringList{"--version"} << 0 << "ZAVK 1."
                                   << "";
        QTest::newRow("first start offscreen") << QStringList{} << 2 << ""
                                               << "DisplayAgree=0";
    }
    void programAnswersWithoutAWindow() {
        QFETCH(QStringList, arguments);
        QFETCH(int, exitCode);
        QFETCH(QString, out);
        QFETCH(QString, err);
        TempProgramFolder folder;
        folder.copyLanguages();
        QVERIFY(QFile::copy(Program, folder.file("ZAVK")));
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.remove("DISPLAY");
        environment.insert("QT_QPA_PLATFORM", "offscreen");
        const Run result = run(folder.file("ZAVK"), arguments, environment);
        QCOMPARE(result.exitCode, exitCode);
        QVERIFY2(out.isEmpty() || result.out.startsWith(out), qPrintable(result.out));
        QVERIFY2(result.err.contains(err), qPrintable(result.err));
    }

    void programStartsToItsMainWindowFromACopiedProgramFolder() {
        TempProgramFolder folder;
        folder.copyCatalogue();
        folder.copyLanguages();
        folder.copyPictures();
        QVERIFY(QFile::copy(Program, folder.file("ZAVK")));
        folder.writeFile("System.ini", "[System]\r\nDisplayAgree=0\r\n");
        folder.writeFile("update.sh", "touch ran\n");
        folder.writeFile("ZAVK.bak", "old");
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("QT_QPA_PLATFORM", "offscreen");
        environment.insert("ZAVK_STARTUP_PROBE", "1");
        const Run result = run(folder.file("ZAVK"), {}, environment);
        QCOMPARE(result.exitCode, 0);
        QVERIFY2(result.out.contains("main window shown after"), qPrintable(result.err));
        QVERIFY(!QFileInfo::exists(folder.file("update.sh")));
        QVERIFY(!QFileInfo::exists(folder.file("ZAVK.bak")));
        QVERIFY(!QFileInfo::exists(folder.file("ran"))); // no update pending: never run
        QCOMPARE(folder.readFile("System.ini"), QByteArray("[System]\r\nDisplayAgree=0\r\n"));
    }
};

QTEST_GUILESS_MAIN(TestCli)
#include "tst_cli.moc"
