// zavk-cli calc over 1000 history files in one call: the whole process, from its
// start (opening the catalogue once) to the last JSON line. The files are copies
// of the shipped examples, so every category of circuit is among them.
#include "TestSupport.h"

#include <QDir>
#include <QProcess>
#include <QtTest>

class BenchCliCalc : public QObject {
    Q_OBJECT

private slots:
    void thousandFilesInOneCall() {
        const QDir examples(ExamplesFolder());
        const QStringList names = examples.entryList(QDir::Files, QDir::Name);
        QVERIFY(!names.isEmpty());
        TempProgramFolder folder;
        QStringList arguments{"calc", "--json"};
        for (int i = 0; i < 1000; ++i) {
            const QString name = names.at(i % names.size());
            const QString copy = folder.file(QString("%1-%2").arg(i, 4, 10, QChar('0')).arg(name));
            QVERIFY(QFile::copy(examples.filePath(name), copy));
            arguments << copy;
        }

        QBENCHMARK {
            QProcess process;
            process.start(QStringLiteral(ZAVK_PROGRAM_DIR "/zavk-cli"), arguments);
            QVERIFY(process.waitForFinished(60000));
            QCOMPARE(process.exitCode(), 0);
            QCOMPARE(process.readAllStandardOutput().count('\n'), 1000);
        }
    }
};

QTEST_GUILESS_MAIN(BenchCliCalc)
#include "bench_cli_calc.moc"
