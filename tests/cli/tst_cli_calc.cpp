#include "TestSupport.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QtTest>

#include <sys/stat.h>

namespace {

QString example(const QString& name) {
    return ExamplesFolder() + '/' + name;
}

QStringList examples() {
    QStringList files;
    for (const QString& name : QDir(ExamplesFolder()).entryList(QDir::Files, QDir::Name))
        files << example(name);
    return files;
}

QByteArray readFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The file with the value of one key replaced (or the key's line removed when
// value is null); keys as the program writes them.
QByteArray edited(const QByteArray& text, const QByteArray& key, const QByteArray& value) {
    QList<QByteArray> lines = text.split('\n');
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (!lines[i].startsWith(key + '='))
            continue;
        if (value.isNull())
            lines.removeAt(i);
        else
            lines[i] = key + '=' + value + '\r';
        break;
    }
    return lines.join('\n');
}

// The same file as written under a locale with a decimal comma.
QByteArray withDecimalCommas(const QByteArray& text) {
    QList<QByteArray> lines = text.split('\n');
    for (QByteArray& line : lines) {
        const qsizetype eq = line.indexOf('=');
        if (eq > 0)
            line = line.left(eq + 1) + line.mid(eq + 1).replace('.', ',');
    }
    return lines.join('\n');
}

QList<QJsonObject> jsonLines(const QString& out) {
    QList<QJsonObject> objects;
    for (const QString& line : out.split('\n', Qt::SkipEmptyParts)) {
        QJsonParseError error;
        const QJsonDocument document = QJsonDocument::fromJson(line.toUtf8(), &error);
        if (error.error != QJsonParseError::NoError || !document.isObject())
            return {};
        objects << document.object();
    }
    return objects;
}

const QStringList Figures = {"zuidazhenkongyali",
                             "xizhuoyingdashijian",
                             "pohuaiyingdashijian",
                             "anquanlv",
                             "kongqixiaofeiliang",
                             "biyaozhenkongbengliuliang",
                             "T1",
                             "C1",
                             "C2",
                             "C3",
                             "pp",
                             "bottomMax",
                             "bottomIncrement"};

} // namespace

class TestCliCalc : public QObject {
    Q_OBJECT

private slots:
    void examplesCalculateToPlausibleFigures() {
        const QStringList files = examples();
        QVERIFY(files.size() >= 4);
        const Run result = RunCli(QStringList{"calc", "--json"} + files);
        QCOMPARE(result.exitCode, 0);
        QVERIFY2(result.err.isEmpty(), qPrintable(result.err));
        const QList<QJsonObject> objects = jsonLines(result.out);
        QCOMPARE(objects.size(), files.size());
        QSet<int> categories;
        for (int i = 0; i < objects.size(); ++i) {
            const QJsonObject& o = objects[i];
            QCOMPARE(o["file"].toString(), files[i]);
            QCOMPARE(o["status"].toInt(-1), 0);
            for (const QString& key : Figures)
                QVERIFY2(o[key].isDouble(), qPrintable(files[i] + ": " + key));
            const double vacuum = o["zuidazhenkongyali"].toDouble();
            QVERIFY(vacuum > 50 && vacuum < 101.13);
            QVERIFY(o["xizhuoyingdashijian"].toDouble() > 0);
            QVERIFY(o["xizhuoyingdashijian"].toDouble() < 0.7);
            QVERIFY(o["pohuaiyingdashijian"].toDouble() > 0);
            QVERIFY(o["pohuaiyingdashijian"].toDouble() < 1);
            QVERIFY(o["anquanlv"].toDouble() > 2);
            const QJsonArray points = o["seriesPoints"].toArray();
            QCOMPARE(points.size(), 6);
            for (int series : {0, 1, 5})
                QVERIFY(points[series].toInt() > 10);
            QCOMPARE(points[2].toInt(), 1);
            categories << o["System_Cat"].toInt();
        }
        QCOMPARE(categories, QSet<int>({1, 2, 3, 4}));
    }

    void shownAirConsumptionAndStandardPressure_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<double>("factor");
        QTest::addColumn<bool>("showsStandardPressure");
        QTest::newRow("category 1") << "ejector-with-valves.CAL" << 3.0 << true;
        QTest::newRow("category 2") << "ejector-separate-valves.SEL" << 3.0 << true;
        QTest::newRow("category 3") << "vacuum-unit.CAL" << 1.0 << false;
        QTest::newRow("category 4") << "vacuum-pump.CAL" << 1.0 << false;
    }
    void shownAirConsumptionAndStandardPressure() {
        QFETCH(QString, name);
        QFETCH(double, factor);
        QFETCH(bool, showsStandardPressure);
        TempProgramFolder folder;
        folder.writeFile(name, edited(readFile(example(name)), "CalcInput.EJ_n", "3"));
        const Run result = RunCli({"calc", "--json", folder.file(name)});
        QCOMPARE(result.exitCode, 0);
        const QList<QJsonObject> objects = jsonLines(result.out);
        QCOMPARE(objects.size(), 1);
        const QJsonObject& o = objects[0];
        QCOMPARE(o["kongqixiaofeiliang_out"].toDouble(),
                 factor * o["kongqixiaofeiliang"].toDouble());
        if (showsStandardPressure) {
            QVERIFY(o["kongqixiaofeiliang"].toDouble() > 0);
            QCOMPARE(o["BiaoZhunYaLI_out"].toDouble(), 0.5); // both ejectors are 0.5 MPa models
        } else {
            QVERIFY(o["BiaoZhunYaLI_out"].isNull());
        }
    }

    void badFilesAreReportedAndTheOthersStillCalculated_data() {
        QTest::addColumn<QByteArray>("content"); // empty: the file does not exist
        QTest::addColumn<QString>("message");
        const QByteArray pump = readFile(example("vacuum-pump.CAL"));
        QTest::newRow("missing file") << QByteArray() << "cannot read the file";
        QTest::newRow("missing key")
            << edited(pump, "CalcInput.Se", QByteArray()) << "key CalcInput.Se is missing";
        QTest::newRow("ID not an integer")
            << edited(pump, "CalcInput.VA_QieHuan_ID", "302 OR 1=1")
            << "key CalcInput.VA_QieHuan_ID: '302 OR 1=1' is not an integer ID";
        QTest::newRow("unknown product") << edited(pump, "CalcInput.VA_Jieliu_ID", "9104")
                                         << "key CalcInput.VA_Jieliu_ID: no product 9104";
        QTest::newRow("product not needed but unknown")
            << edited(pump, "CalcInput.Tube_ID", "777") << "key CalcInput.Tube_ID: no product 777";
        QTest::newRow("not a history file")
            << QByteArray("[Settings]\r\nSoftName=ZAVK1\r\n") << "not a ZAVK history file";
        QTest::newRow("number that does not parse")
            << edited(pump, "CalcInput.k", "1..0") << "key CalcInput.k: '1..0' is not a number";
    }
    void badFilesAreReportedAndTheOthersStillCalculated() {
        QFETCH(QByteArray, content);
        QFETCH(QString, message);
        TempProgramFolder folder;
        if (!content.isEmpty())
            folder.writeFile("bad.CAL", content);
        const QString first = example("ejector-with-valves.CAL");
        const QString last = example("vacuum-unit.CAL");
        const Run result = RunCli({"calc", "--json", first, folder.file("bad.CAL"), last});
        QCOMPARE(result.exitCode, 1);
        QCOMPARE(result.err.count('\n'), 1);
        QVERIFY2(result.err.contains(folder.file("bad.CAL") + ": " + message),
                 qPrintable(result.err));
        const QList<QJsonObject> objects = jsonLines(result.out);
        QCOMPARE(objects.size(), 2);
        QCOMPARE(objects[0]["file"].toString(), first);
        QCOMPARE(objects[1]["file"].toString(), last);
        QCOMPARE(objects[1]["status"].toInt(-1), 0);
    }

    void chartCsvHoldsTheSixSeries() {
        TempProgramFolder folder;
        const QString file = example("vacuum-unit.CAL");
        const Run result = RunCli({"calc", "--json", "--chart-csv", folder.file("charts"), file});
        QCOMPARE(result.exitCode, 0);
        const QJsonArray points = jsonLines(result.out).value(0)["seriesPoints"].toArray();
        QCOMPARE(points.size(), 6);
        QCOMPARE(QDir(folder.file("charts")).entryList(QDir::Files).size(), 6);
        for (int i = 0; i < 6; ++i) {
            const QByteArray csv =
                folder.readFile(QString("charts/vacuum-unit.series%1.csv").arg(i));
            const QList<QByteArray> lines = csv.trimmed().split('\n');
            QVERIFY(lines.first().startsWith("time (s),") &&
                    lines.first().endsWith("vacuum (kPa)"));
            QCOMPARE(lines.size() - 1, points[i].toInt());
            bool ok = false;
            lines.last().split(',').value(1).toDouble(&ok);
            QVERIFY(ok);
        }
        const QList<QByteArray> release =
            folder.readFile("charts/vacuum-unit.series0.csv").split('\n');
        QVERIFY(release.value(1).startsWith("0,-79.99"));
    }

    // Inputs of the same base name each keep their own chart files.
    void chartFilesOfInputsWithTheSameNameAreKept() {
        TempProgramFolder folder;
        const QByteArray pump = readFile(example("vacuum-pump.CAL"));
        const QByteArray unit = readFile(example("vacuum-unit.CAL"));
        folder.writeFile("a/x.CAL", pump);
        folder.writeFile("b/x.CAL", unit);
        folder.writeFile("x.SEL", unit);
        folder.writeFile("x-2.CAL", pump);
        const Run result =
            RunCli({"calc", "--chart-csv", folder.file("charts"), folder.file("a/x.CAL"),
                    folder.file("b/x.CAL"), folder.file("x.SEL"), folder.file("x-2.CAL")});
        QCOMPARE(result.exitCode, 0);
        QCOMPARE(QDir(folder.file("charts")).entryList(QDir::Files).size(), 24);
        QVERIFY2(result.err.contains(folder.file("b/x.CAL") + ": chart files named x-3.series"),
                 qPrintable(result.err));
        QCOMPARE(folder.readFile("charts/x.series0.csv"),
                 folder.readFile("charts/x-2.series0.csv"));
        QVERIFY(folder.readFile("charts/x.series0.csv") !=
                folder.readFile("charts/x-3.series0.csv"));
    }

    // A chart that cannot be written completely is an error, not a success.
    void fullDiskFailsTheChartExport() {
        TinyDisk disk(16);
        if (!disk.mounted())
            QSKIP(qPrintable(disk.skipReason()));
        const Run result = RunCli(
            {"calc", "--chart-csv", disk.file("charts"), example("ejector-separate-valves.SEL")});
        QCOMPARE(result.exitCode, 1);
        QVERIFY2(result.err.contains("ejector-separate-valves.SEL: cannot write"),
                 qPrintable(result.err));
    }

    // File text reaches the terminal escaped; devices and FIFOs are refused at once.
    void hostileFilesAreReportedSafely() {
        TempProgramFolder folder;
        folder.writeFile("esc.CAL", "[History]\r\nSoftName=\x1b]0;owned\x07\r\n");
        QCOMPARE(mkfifo(QFile::encodeName(folder.file("fifo.CAL")).constData(), 0600), 0);
        const Run result =
            RunCli({"calc", folder.file("esc.CAL"), "/dev/zero", folder.file("fifo.CAL")});
        QCOMPARE(result.exitCode, 1);
        QVERIFY2(result.err.contains("SoftName is '\\x1b]0;owned\\x07'"), qPrintable(result.err));
        QVERIFY(!result.err.contains('\x1b') && !result.err.contains('\x07'));
        QVERIFY2(result.err.contains("/dev/zero: cannot read the file: it is not a regular file"),
                 qPrintable(result.err));
        QVERIFY(result.err.contains("fifo.CAL: cannot read the file: it is not a regular file"));
    }

    void commaDecimalsGiveTheFiguresOfThePointTwin_data() {
        QTest::addColumn<QString>("file");
        for (const QString& file : examples())
            QTest::newRow(qPrintable(QFileInfo(file).fileName())) << file;
    }
    void commaDecimalsGiveTheFiguresOfThePointTwin() {
        QFETCH(QString, file);
        TempProgramFolder folder;
        const QByteArray point = readFile(file);
        const QByteArray comma = withDecimalCommas(point);
        QVERIFY(comma != point);
        folder.writeFile("comma.CAL", comma);
        const Run result = RunCli({"calc", "--json", file, folder.file("comma.CAL")});
        QCOMPARE(result.exitCode, 0);
        QList<QJsonObject> objects = jsonLines(result.out);
        QCOMPARE(objects.size(), 2);
        objects[0].remove("file");
        objects[1].remove("file");
        QCOMPARE(objects[1], objects[0]);
    }

    void textAndTraceOutput() {
        const Run result = RunCli({"calc", "--trace", example("ejector-with-valves.CAL")});
        QCOMPARE(result.exitCode, 0);
        QVERIFY(
            result.out.contains(QRegularExpression("\\n  status +0 \\(calculation done\\)\\n")));
        for (const QString& key : Figures.mid(0, 11) + QStringList{"BiaoZhunYaLI_out"})
            QVERIFY2(
                result.out.contains(QRegularExpression("\\n    " + key + " +[-0-9.e]+ +[a-z]")),
                qPrintable(key));
        QVERIFY(result.out.contains("\n    --------------------- T2a -----------------------\n"));
        QVERIFY(result.out.contains("\n    M-Name = EVA-12S-50-R\n"));
        // The result page's outputs in words and display units, and its evaluation.
        QVERIFY(result.out.contains("\n  Maximum vacuum             -92.2 kPa\n"));
        QVERIFY(result.out.contains("\n  Safety factor              4.73\n"));
        QVERIFY(result.out.contains("\n  ! The safety factor is 8 or less."));
        const Run german = RunCli({"calc", "--lang", "german", example("ejector-with-valves.CAL")});
        QVERIFY(german.out.contains("\n  Sicherheitsfaktor "));

        const Run json = RunCli({"calc", "--json", "--trace", example("vacuum-pump.CAL")});
        const QJsonArray trace = jsonLines(json.out).value(0)["trace"].toArray();
        QVERIFY(trace.size() > 20);
        QCOMPARE(trace.first().toString(), QString("Q1=0"));
    }

    void usage() {
        Run result = RunCli({"--help"});
        QVERIFY(
            result.out.contains("calc [--db PATH] [--json] [--chart-csv DIR] [--trace] FILE..."));
        const QString file = example("vacuum-pump.CAL");
        for (const QStringList& arguments :
             {QStringList{"calc", "--bogus", file}, QStringList{"calc"},
              QStringList{"calc", "--json"}, QStringList{"calc", file, "--db"}}) {
            result = RunCli(arguments);
            QCOMPARE(result.exitCode, 2);
            QVERIFY2(result.err.contains("usage: zavk-cli calc"), qPrintable(result.err));
            QVERIFY(result.out.isEmpty());
        }
        TempProgramFolder folder;
        result = RunCli({"calc", "--db", folder.file("none.db"), file});
        QCOMPARE(result.exitCode, 1);
        QVERIFY(result.err.contains(folder.file("none.db")));
        result = RunCli({"calc", "--db", QStringLiteral(ZAVK_TEST_DB), "--", file});
        QCOMPARE(result.exitCode, 0);
    }
};

QTEST_GUILESS_MAIN(TestCliCalc)
#include "tst_cli_calc.moc"
