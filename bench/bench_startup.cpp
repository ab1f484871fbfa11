// Start-up time of ZAVK against a bare Qt window of the same size, measured side
// by side in the same run: each whole process from its start until its main window
// is shown (ZAVK ends itself at that point when ZAVK_STARTUP_PROBE is set).
// Runs a copy of the program folder whose settings skip the terms-of-use screen.
#include "TestSupport.h"

#include <QElapsedTimer>
#include <QProcess>
#include <QtTest>

#include <algorithm>

namespace {

constexpr int Runs = 10;

double median(QList<double> values) {
    std::sort(values.begin(), values.end());
    return values.at(values.size() / 2);
}

// Milliseconds of one whole process run.
double runMs(const QString& program, const QProcessEnvironment& environment) {
    QProcess process;
    process.setProcessEnvironment(environment);
    QElapsedTimer timer;
    timer.start();
    process.start(program, {});
    if (!process.waitForFinished(30000) || process.exitCode() != 0)
        return -1;
    return timer.nsecsElapsed() / 1e6;
}

} // namespace

class BenchStartup : public QObject {
    Q_OBJECT

private slots:
    void startToShownMainWindowAgainstABareWindow() {
        TempProgramFolder folder;
        folder.copyCatalogue();
        folder.copyLanguages();
        folder.copyPictures();
        QVERIFY(QFile::copy(QStringLiteral(ZAVK_PROGRAM_DIR "/ZAVK"), folder.file("ZAVK")));
        folder.writeFile("System.ini", "[System]\r\nDisplayAgree=0\r\n");
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        if (!environment.contains("DISPLAY"))
            environment.insert("QT_QPA_PLATFORM", "offscreen");
        environment.insert("ZAVK_STARTUP_PROBE", "1");
        const QString bare = QCoreApplication::applicationDirPath() + "/bare_window";

        QList<double> zavk, window;
        for (int i = 0; i < Runs; ++i) { // alternating, so both see the same machine
            zavk << runMs(folder.file("ZAVK"), environment);
            window << runMs(bare, environment);
            QVERIFY(zavk.last() > 0 && window.last() > 0);
        }
        const double ratio = median(zavk) / median(window);
        qInfo().noquote() << QStringLiteral("median of %1 runs: ZAVK %2 ms, bare window %3 ms, "
                                            "ratio %4")
                                 .arg(Runs)
                                 .arg(median(zavk), 0, 'f', 1)
                                 .arg(median(window), 0, 'f', 1)
                                 .arg(ratio, 0, 'f', 2);
    }
};

QTEST_GUILESS_MAIN(BenchStartup)
#include "bench_startup.moc"
