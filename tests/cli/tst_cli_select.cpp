#include "TestSupport.h"
#include "results/HistoryFile.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <QtTest>

namespace {

const QString Cli = QStringLiteral(ZAVK_PROGRAM_DIR "/zavk-cli");
const QString Golden = QStringLiteral(ZAVK_TEST_DATA_DIR "/select-runs.txt");

QJsonObject selectJson(const QStringList& arguments, int* exitCode = nullptr) {
    const Run run = RunProgram(Cli, QStringList{"select", "--json"} + arguments);
    if (exitCode)
        *exitCode = run.exitCode;
    return QJsonDocument::fromJson(run.out.toUtf8()).object();
}

// What a run chose and gave, on one line: the exit code, the stop, each product
// as kind:ID x count, and the adsorption time and safety factor.
QString summary(const QStringList& arguments) {
    int exitCode = -1;
    const QJsonObject json = selectJson(arguments, &exitCode);
    QStringList parts{QStringLiteral("exit=%1").arg(exitCode)};
    if (json.value("stopKey").isString())
        parts << "stop=" + json.value("stopKey").toString();
    for (const QJsonValue& product : json.value("products").toArray()) {
        const QJsonObject p = product.toObject();
        parts << QStringLiteral("%1:%2x%3")
                     .arg(p.value("kind").toString().replace(' ', '-'), p.value("id").toString())
                     .arg(p.value("count").toInt());
    }
    if (json.contains("xizhuoyingdashijian"))
        parts << QStringLiteral("t=%1 sf=%2")
                     .arg(json.value("xizhuoyingdashijian").toDouble(), 0, 'g', 6)
                     .arg(json.value("anquanlv").toDouble(), 0, 'g', 6);
    return parts.join(' ');
}

} // namespace

class TestCliSelect : public QObject {
    Q_OBJECT

private slots:
    // Every line of the golden file: arguments, " => ", the summary. With
    // ZAVK_UPDATE_GOLDEN set the file is written anew from the runs.
    void runsGiveTheRecordedProducts() {
        QFile file(Golden);
        QVERIFY(file.open(QIODevice::ReadOnly | QIODevice::Text));
        QStringList written;
        for (const QString& line : QString::fromUtf8(file.readAll()).split('\n')) {
            if (line.isEmpty() || line.startsWith('#')) {
                written << line;
                continue;
            }
            const QString arguments = line.section(QStringLiteral(" => "), 0, 0);
            const QString got = summary(arguments.split(' ', Qt::SkipEmptyParts));
            written << arguments + " => " + got;
            if (qEnvironmentVariableIsEmpty("ZAVK_UPDATE_GOLDEN"))
                QCOMPARE(got, line.section(QStringLiteral(" => "), 1));
        }
        if (!qEnvironmentVariableIsEmpty("ZAVK_UPDATE_GOLDEN")) {
            file.close();
            QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Text | QIODevice::Truncate));
            file.write(written.join('\n').toUtf8());
        }
    }

    // A saved run is a history file that calc reads to the same result (the file
    // keeps 15 significant digits, so the last ones may differ).
    void savedRunsCalculateAlike_data() {
        QTest::addColumn<QString>("arguments");
        QTest::newRow("ejector, valves built in") << "--circuit 1 --mass 3 --pads 4";
        QTest::newRow("ejector, separate valves") << "--circuit 3b --mass 2 --flow L";
        QTest::newRow("vacuum unit") << "--circuit 6 --mass 1 --ejector-series VUP";
        QTest::newRow("pump, separate valves") << "--circuit 7 --mass 10 --pads 8 --length 0.5";
    }
    void savedRunsCalculateAlike() {
        QFETCH(QString, arguments);
        QTemporaryDir folder;
        const QString path = folder.filePath("run.SEL");
        const QJsonObject selected = selectJson(arguments.split(' ') + QStringList{"--save", path});
        const Run calc = RunProgram(Cli, {"calc", "--json", path});
        QCOMPARE(calc.exitCode, 0);
        const QJsonObject calculated = QJsonDocument::fromJson(calc.out.toUtf8()).object();
        for (const QString& key : calculated.keys()) {
            const QJsonValue a = selected.value(key), b = calculated.value(key);
            QVERIFY2(a.isDouble() ? qAbs(a.toDouble() - b.toDouble()) <=
                                        1e-12 * qMax(1.0, qAbs(b.toDouble()))
                                  : a == b,
                     qPrintable(key));
        }
    }

    // A save killed at any moment leaves the old file or the new one, whole.
    void killedSavesLeaveAWholeFile() {
        QTemporaryDir folder;
        const QString path = folder.filePath("run.SEL");
        const QStringList arguments{"select", "--circuit", "3b", "--mass", "2", "--save", path};
        QCOMPARE(RunProgram(Cli, arguments).exitCode, 0);
        for (int delay = 0; delay < 60; delay += 3) {
            QProcess process;
            process.start(Cli, arguments);
            QVERIFY(process.waitForStarted());
            QThread::msleep(delay);
            process.kill();
            process.waitForFinished();
            THistoryCalc calc;
            THistoryError error;
            QVERIFY2(ReadHistoryCalc(path, calc, error), qPrintable(error.Text));
            QCOMPARE(calc.Input.CircuitNum, QString("3b"));
        }
    }

    void badRequestsAreRefusedBeforeAnythingRuns_data() {
        QTest::addColumn<QString>("arguments");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("message");
        QTest::newRow("no mass") << "--circuit 1" << 2 << "--circuit and --mass are required";
        QTest::newRow("unknown code") << "--circuit 10 --mass 1" << 1 << "not a circuit code";
        QTest::newRow("mass 0") << "--circuit 1 --mass 0" << 1
                                << "outside the input range (0~1000]";
        QTest::newRow("not a number") << "--circuit 1 --mass x" << 2 << "'x' is not a number";
        QTest::newRow("pads 1.5") << "--circuit 1 --mass 1 --pads 1.5" << 1 << "not a whole number";
        QTest::newRow("supply 0.3") << "--circuit 1 --mass 1 --supply 0.3" << 2 << "--supply takes";
        QTest::newRow("pressure not offered") << "--circuit 1 --mass 1 --supply 0.35" << 1
                                              << "--supply 0.35 is not offered by the series EVA";
        QTest::newRow("series not listed") << "--circuit 1 --mass 1 --pad-series XYZ" << 1
                                           << "--pad-series XYZ is not in the pad series list";
        QTest::newRow("pump ignored but checked")
            << "--circuit 1 --mass 1 --pump 120" << 1 << "--pump 120 is outside the input range";
    }
    void badRequestsAreRefusedBeforeAnythingRuns() {
        QFETCH(QString, arguments);
        QFETCH(int, exitCode);
        QFETCH(QString, message);
        const Run run = RunProgram(Cli, QStringList{"select"} + arguments.split(' '));
        QCOMPARE(run.exitCode, exitCode);
        QVERIFY2(run.err.contains(message), qPrintable(run.err));
        QVERIFY(run.out.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestCliSelect)
#include "tst_cli_select.moc"
