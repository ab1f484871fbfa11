#include "TestHttpServer.h"
#include "TestSupport.h"
#include "core/Helpers.h"
#include "update/VersionList.h"

#include <QProcess>
#include <QtTest>

namespace {

// Runs zavk-cli while this thread keeps serving the loopback server.
Run runCli(const QStringList& arguments) {
    QProcess process;
    process.start(QStringLiteral(ZAVK_PROGRAM_DIR "/zavk-cli"), arguments);
    QElapsedTimer waited;
    waited.start();
    while (process.state() != QProcess::NotRunning && waited.elapsed() < 30000)
        QTest::qWait(20);
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}

} // namespace

class TestCliUpdate : public QObject {
    Q_OBJECT

private slots:
    void checkListsWhatDiffers_data() {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("output");
        QTest::newRow("changed file")
            << "Img\\a.jpg;2026-12-01 09:30;x" << QStringList{"--check"} << 0
            << "Img/a.jpg\ttime stamp 2026-12-01 09:30 on the server";
        QTest::newRow("current file")
            << "Img\\a.jpg;STAMP;x" << QStringList{"--check"} << 0 << "up to date";
        QTest::newRow("hostile entry") << "..\\a.jpg;;x" << QStringList{"--check"} << 1
                                       << "names a file outside the installation";
        QTest::newRow("server down")
            << "" << QStringList{"--check", "--url", "http://127.0.0.1:1/"} << 1 << "127.0.0.1:1";
        QTest::newRow("no --check") << "" << QStringList{} << 2 << "--check is required";
    }
    void checkListsWhatDiffers() {
        QFETCH(QString, entry);
        QFETCH(QStringList, arguments);
        QFETCH(int, exitCode);
        QFETCH(QString, output);
        QTemporaryDir install;
        TestHttpServer server;
        QDir().mkpath(install.filePath("Img"));
        QFile picture(install.filePath("Img/a.jpg"));
        QVERIFY(picture.open(QIODevice::WriteOnly));
        picture.close();
        const QString stamp = FileStampText(install.filePath("Img/a.jpg"));
        QFile settings(install.filePath("System.ini"));
        QVERIFY(settings.open(QIODevice::WriteOnly));
        settings.write("[System]\nIniFileVersion=1.0\n[HTTPURL]\nUrl=" + server.url().toLatin1() +
                       "\n");
        settings.close();
        server.setFile("/QOV_VERSION.ini", "[FileVersion]\nIniFileVersion=1.0\nDataBaseVersion=" +
                                               CatalogueVersion(ZAVK_TEST_DB).toLatin1() +
                                               "\n[FileInfo]\nFileCount=1\n"
                                               "FileName[1]=" +
                                               QString(entry).replace("STAMP", stamp).toUtf8() +
                                               "\n");
        QDir().mkpath(install.filePath("Data"));
        QFile::copy(ZAVK_TEST_DB, install.filePath("Data/MORELDB.db"));
        const Run run = runCli(QStringList{"update", "--folder", install.path()} + arguments);
        QCOMPARE(run.exitCode, exitCode);
        QVERIFY2((run.out + run.err).contains(output), qPrintable(run.out + run.err));
        QVERIFY(!QFileInfo::exists(install.filePath("TmpVersion.ini"))); // nothing changed
    }
};

QTEST_GUILESS_MAIN(TestCliUpdate)
#include "tst_cli_update.moc"
