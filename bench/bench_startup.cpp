// Start-up time of ZAVK: the whole process from its start until the main window
// is shown (the program ends itself at that point when ZAVK_STARTUP_PROBE is set).
// Runs a copy of the program folder whose settings skip the terms-of-use screen.
#include "TestSupport.h"

#include <QProcess>
#include <QtTest>

class BenchStartup : public QObject {
    Q_OBJECT

private slots:
    void startToShownMainWindow() {
        TempProgramFolder folder;
        folder.copyCatalogue();
        folder.copyLanguages();
        QVERIFY(QFile::copy(QStringLiteral(ZAVK_PROGRAM_DIR "/ZAVK"), folder.file("ZAVK")));
        folder.writeFile("System.ini", "[System]\r\nDisplayAgree=0\r\n");
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        if (!environment.contains("DISPLAY"))
            environment.insert("QT_QPA_PLATFORM", "offscreen");
        environment.insert("ZAVK_STARTUP_PROBE", "1");

        QStringList inProcess;
        QBENCHMARK {
            QProcess process;
            process.setProcessEnvironment(environment);
            process.start(folder.file("ZAVK"), {});
            QVERIFY(process.waitForFinished(30000));
            QCOMPARE(process.exitCode(), 0);
            inProcess.append(QString::fromUtf8(process.readAllStandardOutput()).trimmed());
        }
        qInfo().noquote() << "last run reported:" << inProcess.last();
    }
};

QTEST_GUILESS_MAIN(BenchStartup)
#include "bench_startup.moc"
