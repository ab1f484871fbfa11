#include "TestSupport.h"
#include "cli/CliCommands.h"

#include <QDir>
#include <QProcess>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QtTest>

namespace {

Run run(const QString& program, const QStringList& arguments,
        const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment()) {
    return RunProgram(program, arguments, environment);
}

// Runs one statement on the SQLite file at path, creating it when missing.
void execute(const QString& path, const QString& statement) {
    {
        QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "tst_cli");
        db.setDatabaseName(path);
        QVERIFY(db.open());
        QVERIFY(QSqlQuery(db).exec(statement));
    }
    QSqlDatabase::removeDatabase("tst_cli");
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

    // The row name says what file --db names.
    void infoOnFilesThatAreNoCompleteCatalogue_data() {
        QTest::addColumn<QString>("out");
        QTest::addColumn<QString>("err");
        QTest::newRow("missing") << QString() << "x.db does not exist\n";
        QTest::newRow("empty") << QString() << "x.db is not a ZAVK catalogue\n";
        QTest::newRow("text") << QString() << "x.db is not a ZAVK catalogue\n";
        QTest::newRow("foreign") << QString() << "x.db is not a ZAVK catalogue\n";
        QTest::newRow("incomplete") << "\n  M_Tube            missing\n" << QString();
    }
    void infoOnFilesThatAreNoCompleteCatalogue() {
        QFETCH(QString, out);
        QFETCH(QString, err);
        const QString kind = QTest::currentDataTag();
        TempProgramFolder folder;
        const QString path = folder.file("x.db");
        if (kind == "empty" || kind == "text")
            folder.writeFile("x.db", kind == "text" ? "not a database\n" : "");
        if (kind == "foreign")
            execute(path, "CREATE TABLE Notes(Text)");
        if (kind == "incomplete") {
            QVERIFY(QFile::copy(QStringLiteral(ZAVK_TEST_DB), path));
            QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
            execute(path, "DROP TABLE M_Tube");
        }
        const Run result = run(Cli, {"info", "--db", path});
        QCOMPARE(result.exitCode, 1);
        QVERIFY2(result.out.contains(out), qPrintable(result.out));
        QVERIFY2(out.isEmpty() || result.out.startsWith("Program folder: "),
                 qPrintable(result.out));
        QVERIFY2(result.err.endsWith(err), qPrintable(result.err));
    }

    // Conventions every command keeps; a command that fails prints nothing on stdout.
    void commandLineConventions_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("out"); // how stdout starts
        QTest::addColumn<QString>("err"); // what stderr contains
        QTest::newRow("version") << QStringList{"--version"} << 0 << "zavk-cli 1." << QString();
        QTest::newRow("info --help")
            << QStringList{"info", "--help"} << 0 << "usage: zavk-cli info [--db PATH]\n"
            << QString();
        QTest::newRow("calc -h") << QStringList{"calc", "-h"} << 0 << "usage: zavk-cli calc ["
                                 << QString();
        QTest::newRow("help wins")
            << QStringList{"units", "--bad", "-h"} << 0 << "usage: zavk-cli units [" << QString();
        QTest::newRow("-- --help")
            << QStringList{"calc", "--", "--help"} << 1 << QString() << "calc: --help: cannot read";
        QTest::newRow("info --db")
            << QStringList{"info", "--db"} << 2 << QString() << "info: option --db needs a value\n";
        QTest::newRow("calc --db") << QStringList{"calc", "x.CAL", "--db"} << 2 << QString()
                                   << "calc: option --db needs a value\n";
        QTest::newRow("--chart-csv") << QStringList{"calc", "--chart-csv", "--json", "x"} << 2
                                     << QString() << "option --chart-csv needs a value\n";
        QTest::newRow("units --lang") << QStringList{"units", "--lang"} << 2 << QString()
                                      << "units: option --lang needs a value\n";
        QTest::newRow("info argument")
            << QStringList{"info", "x"} << 2 << QString() << "info: unexpected argument 'x'\n";
        QTest::newRow("unknown parameter") << QStringList{"units", "111", "9999"} << 4 << QString()
                                           << "units: no parameter 9999 in the catalogue\n";
    }
    void commandLineConventions() {
        QFETCH(QStringList, arguments);
        QFETCH(int, exitCode);
        QFETCH(QString, out);
        QFETCH(QString, err);
        const Run result = run(Cli, arguments);
        QCOMPARE(result.exitCode, exitCode);
        QVERIFY2(result.out.startsWith(out), qPrintable(result.out));
        QVERIFY2(exitCode == 0 || result.out.isEmpty(), qPrintable(result.out));
        QVERIFY2(result.err.contains(err), qPrintable(result.err));
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
