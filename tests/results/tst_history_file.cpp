#include "TestSupport.h"
#include "core/IniFile.h"
#include "results/HistoryFile.h"

#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/stat.h>

namespace {

using Lines = QList<QPair<QString, QString>>;

// A calculation file of circuit "3" as the program writes it, CalcInput keys in
// writing order, with a few wizard keys around them.
Lines circuit3Lines() {
    return {{"SoftName", "ZAVK1"},
            {"OperateType", "otCalc"},
            {"EJ_Type", "2"},
            {"Tube_QMax", "27.5"},
            {"CalcInput.System_Cat", "2"},
            {"CalcInput.CircuitNum", "3"},
            {"CalcInput.PT_Series_ID", "PFA"},
            {"CalcInput.PT_ID", "1104"},
            {"CalcInput.PT_Name", "PFA-40"},
            {"CalcInput.Tube_Series_ID", "TUP"},
            {"CalcInput.Tube_ID", "104"},
            {"CalcInput.Tube_Name", "TUP-8x5"},
            {"CalcInput.EJ_Series_ID", "EXA"},
            {"CalcInput.EJ_ID", "2336"},
            {"CalcInput.EJ_Name", "EXA-15S-50"},
            {"CalcInput.VA_Gongying_Series_ID", "VSA"},
            {"CalcInput.VA_Gongying_ID", "104"},
            {"CalcInput.VA_Gongying_Name", "VSA-060"},
            {"CalcInput.VA_Pohuai_Series_ID", "VSA"},
            {"CalcInput.VA_Pohuai_ID", "105"},
            {"CalcInput.VA_Pohuai_Name", "VSA-100"},
            {"CalcInput.VA_QieHuan_Series_ID", ""},
            {"CalcInput.VA_QieHuan_ID", ""},
            {"CalcInput.VA_QieHuan_Name", ""},
            {"CalcInput.VA_Jieliu_Series_ID", "SCA"},
            {"CalcInput.VA_Jieliu_ID", "105"},
            {"CalcInput.VA_Jieliu_Name", "SCA-100"},
            {"CalcInput.BiaoZhunGongyingYaLi", "0.5"},
            {"CalcInput.PoHuaiYaLi", "0.4"},
            {"CalcInput.ZhenKongPengYaLi", "80"},
            {"CalcInput.zhenkongyali", "-1"},
            {"CalcInput.TubeLength", "1.25"},
            {"CalcInput.gongjianzhiliang", "10"},
            {"CalcInput.gongjianxielouliang", "0.1"},
            {"CalcInput.k", "0.75"},
            {"CalcInput.Se", "10.6583817806224"},
            {"CalcInput.V", "0.0245312500000000"},
            {"CalcInput.n", "4"},
            {"CalcInput.EJ_n", "2"},
            {"Sghuilu.RowCount", "4"}};
}

QByteArray historyText(const Lines& lines, const QByteArray& lineEnd = "\r\n") {
    QByteArray text = "[History]" + lineEnd;
    for (const auto& [key, value] : lines)
        text += (key + '=' + value).toUtf8() + lineEnd;
    return text;
}

Lines with(Lines lines, const QString& key, const QString& value) {
    for (auto& line : lines) {
        if (line.first == key)
            line.second = value;
    }
    return lines;
}

Lines without(Lines lines, const QString& key) {
    lines.removeIf([&](const auto& line) { return line.first == key; });
    return lines;
}

// Circuit "3" turned into another circuit: its code, category and valves.
Lines circuit(const QString& code, int category) {
    Lines lines = with(circuit3Lines(), "CalcInput.CircuitNum", code);
    return with(lines, "CalcInput.System_Cat", QString::number(category));
}

bool parse(const QByteArray& text, THistoryCalc& calc, THistoryError& error) {
    return ParseHistoryCalc(text, QStringLiteral("run.CAL"), calc, error);
}

const QStringList NumberKeys = {"BiaoZhunGongyingYaLi",
                                "PoHuaiYaLi",
                                "ZhenKongPengYaLi",
                                "zhenkongyali",
                                "TubeLength",
                                "gongjianzhiliang",
                                "gongjianxielouliang",
                                "k",
                                "Se",
                                "V",
                                "n"};

} // namespace

class TestHistoryFile : public QObject {
    Q_OBJECT

private slots:
    void readsTheCalculationKeys_data() {
        QTest::addColumn<QByteArray>("text");
        QTest::newRow("point, CR LF") << historyText(circuit3Lines());
        Lines comma;
        for (auto [key, value] : circuit3Lines())
            comma.append({key, NumberKeys.contains(key.mid(10)) || key == "Tube_QMax"
                                   ? value.replace('.', ',')
                                   : value});
        QTest::newRow("comma, CR LF") << historyText(comma);
        QTest::newRow("point, LF") << historyText(circuit3Lines(), "\n");
        QTest::newRow("comma, no line end at the end") << historyText(comma).chopped(2);
    }
    void readsTheCalculationKeys() {
        QFETCH(QByteArray, text);
        THistoryCalc calc;
        THistoryError error;
        QVERIFY2(parse(text, calc, error), qPrintable(error.Text));
        QCOMPARE(error.Problem, THistoryProblem::None);
        const TCalcInput& in = calc.Input;
        QCOMPARE(calc.OperateType, TOperateType::otCalc);
        QCOMPARE(calc.TubeQMax, 27.5);
        QCOMPARE(in.System_Cat, 2);
        QCOMPARE(in.CircuitNum, QString("3"));
        QCOMPARE(in.PT_Series_ID + in.PT_ID + in.PT_Name, QString("PFA1104PFA-40"));
        QCOMPARE(in.Tube_Series_ID + in.Tube_ID + in.Tube_Name, QString("TUP104TUP-8x5"));
        QCOMPARE(in.EJ_Series_ID + in.EJ_ID + in.EJ_Name, QString("EXA2336EXA-15S-50"));
        QCOMPARE(in.VA_Gongying_ID + in.VA_Gongying_Name, QString("104VSA-060"));
        QCOMPARE(in.VA_Pohuai_ID + in.VA_Pohuai_Name, QString("105VSA-100"));
        QCOMPARE(in.VA_QieHuan_Series_ID + in.VA_QieHuan_ID + in.VA_QieHuan_Name, QString());
        QCOMPARE(in.VA_Jieliu_Series_ID + in.VA_Jieliu_ID, QString("SCA105"));
        QCOMPARE(in.BiaoZhunGongyingYaLi, 0.5);
        QCOMPARE(in.PoHuaiYaLi, 0.4);
        QCOMPARE(in.ZhenKongPengYaLi, 80.0);
        QCOMPARE(in.zhenkongyali, -1.0);
        QCOMPARE(in.TubeLength, 1.25);
        QCOMPARE(in.gongjianzhiliang, 10.0);
        QCOMPARE(in.gongjianxielouliang, 0.1);
        QCOMPARE(in.k, 0.75);
        QCOMPARE(in.Se, 10.6583817806224);
        QCOMPARE(in.V, 0.02453125);
        QCOMPARE(in.n, 4.0);
        QCOMPARE(in.EJ_n, 2);
    }

    void keyRules_data() {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<double>("mass");
        const QByteArray base = historyText(without(circuit3Lines(), "CalcInput.gongjianzhiliang"));
        QTest::newRow("odd letter case of key and section")
            << QByteArray(base).replace("[History]", "[hISTORY]") +
                   "cALCiNPUT.GongJianZhiLiang=12\r\n"
            << 12.0;
        QTest::newRow("first occurrence wins")
            << base + "CalcInput.gongjianzhiliang=12\r\nCALCINPUT.GONGJIANZHILIANG=99\r\n"
            << 12.0;
        QTest::newRow("blanks around key and value")
            << base + "  CalcInput.gongjianzhiliang \t=\t 12.5  \r\n"
            << 12.5;
        QTest::newRow("comment lines are no keys")
            << base + ";CalcInput.gongjianzhiliang=1\r\nCalcInput.gongjianzhiliang=7\r\n"
            << 7.0;
        QTest::newRow("other sections are not read")
            << "[Other]\r\nCalcInput.gongjianzhiliang=1\r\n" + base +
                   "CalcInput.gongjianzhiliang=3\r\n[More]\r\nCalcInput.k=9\r\n"
            << 3.0;
        QTest::newRow("exponent and sign") << base + "CalcInput.gongjianzhiliang=+1,5E1\r\n"
                                           << 15.0;
        QTest::newRow("integer text for a number") << base + "CalcInput.gongjianzhiliang=8\r\n"
                                                   << 8.0;
    }
    void keyRules() {
        QFETCH(QByteArray, text);
        QFETCH(double, mass);
        THistoryCalc calc;
        THistoryError error;
        QVERIFY2(parse(text, calc, error), qPrintable(error.Text));
        QCOMPARE(calc.Input.gongjianzhiliang, mass);
        QCOMPARE(calc.Input.k, 0.75);
    }

    void operateTypeAndTubeFlowHaveDefaults_data() {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<bool>("select");
        QTest::addColumn<double>("tubeQMax");
        QTest::newRow("otSelect") << historyText(with(circuit3Lines(), "OperateType", "otSelect"))
                                  << true << 27.5;
        QTest::newRow("letter case counts")
            << historyText(with(circuit3Lines(), "OperateType", "OTSELECT")) << false << 27.5;
        QTest::newRow("both keys missing")
            << historyText(without(without(circuit3Lines(), "OperateType"), "Tube_QMax")) << true
            << 0.0;
    }
    void operateTypeAndTubeFlowHaveDefaults() {
        QFETCH(QByteArray, text);
        QFETCH(bool, select);
        QFETCH(double, tubeQMax);
        THistoryCalc calc;
        THistoryError error;
        QVERIFY2(parse(text, calc, error), qPrintable(error.Text));
        QCOMPARE(calc.OperateType == TOperateType::otSelect, select);
        QCOMPARE(calc.TubeQMax, tubeQMax);
    }

    void errorsNameTheFileAndTheKey_data() {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<THistoryProblem>("problem");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("phrase");
        const Lines lines = circuit3Lines();
        QTest::newRow("SoftName missing")
            << historyText(without(lines, "SoftName")) << THistoryProblem::NotHistory << "SoftName"
            << "missing";
        QTest::newRow("SoftName of another program")
            << historyText(with(lines, "SoftName", "ZAVK2")) << THistoryProblem::NotHistory
            << "SoftName"
            << "'ZAVK2'";
        QTest::newRow("SoftName in other letter case")
            << historyText(with(lines, "SoftName", "zavk1")) << THistoryProblem::NotHistory
            << "SoftName"
            << "'zavk1'";
        QTest::newRow("no section")
            << historyText(lines).mid(11) << THistoryProblem::NotHistory << "SoftName"
            << "missing";
        QTest::newRow("empty file") << QByteArray() << THistoryProblem::NotHistory << "SoftName"
                                    << "missing";
        for (const QString& key : QStringList{"System_Cat", "CircuitNum", "EJ_n"} + NumberKeys) {
            const QString full = "CalcInput." + key;
            QTest::addRow("%s missing", qPrintable(key))
                << historyText(without(lines, full)) << THistoryProblem::MissingKey << full
                << "missing";
        }
        QTest::newRow("empty number") << historyText(with(lines, "CalcInput.V", ""))
                                      << THistoryProblem::MissingKey << "CalcInput.V"
                                      << "empty";
        QTest::newRow("empty circuit") << historyText(with(lines, "CalcInput.CircuitNum", ""))
                                       << THistoryProblem::MissingKey << "CalcInput.CircuitNum"
                                       << "empty";
        const QPair<const char*, const char*> badNumbers[] = {{"k", "0.5x"},
                                                              {"Se", "1.2.3"},
                                                              {"V", "0,0,2"},
                                                              {"n", "four"},
                                                              {"TubeLength", "nan"},
                                                              {"gongjianxielouliang", "inf"},
                                                              {"zhenkongyali", "1 000"}};
        for (const auto& [key, value] : badNumbers)
            QTest::addRow("%s is %s", key, value)
                << historyText(with(lines, QString("CalcInput.") + key, value))
                << THistoryProblem::BadNumber << QString("CalcInput.") + key
                << QString("'%1' is not a number").arg(value);
        QTest::newRow("Tube_QMax not a number") << historyText(with(lines, "Tube_QMax", "lots"))
                                                << THistoryProblem::BadNumber << "Tube_QMax"
                                                << "'lots'";
        QTest::newRow("category with a fraction")
            << historyText(with(lines, "CalcInput.System_Cat", "2.0")) << THistoryProblem::BadNumber
            << "CalcInput.System_Cat"
            << "'2.0' is not an integer";
        QTest::newRow("ejector count with a fraction")
            << historyText(with(lines, "CalcInput.EJ_n", "1,5")) << THistoryProblem::BadNumber
            << "CalcInput.EJ_n"
            << "'1,5' is not an integer";
        const QPair<const char*, const char*> badIds[] = {{"EJ_ID", "2336 OR 1=1"},
                                                          {"PT_ID", "11.04"},
                                                          {"VA_Jieliu_ID", "0x69"},
                                                          {"Tube_ID", "TUP-8x5"},
                                                          {"VA_Gongying_ID", "'104'"}};
        for (const auto& [key, value] : badIds)
            QTest::addRow("%s is %s", key, value)
                << historyText(with(lines, QString("CalcInput.") + key, value))
                << THistoryProblem::BadId << QString("CalcInput.") + key
                << QString("'%1' is not an integer ID").arg(value);
    }
    void errorsNameTheFileAndTheKey() {
        QFETCH(QByteArray, text);
        QFETCH(THistoryProblem, problem);
        QFETCH(QString, key);
        QFETCH(QString, phrase);
        THistoryCalc calc;
        THistoryError error;
        QVERIFY(!parse(text, calc, error));
        QCOMPARE(error.Problem, problem);
        QCOMPARE(error.Key, key);
        QCOMPARE(error.File, QString("run.CAL"));
        QVERIFY2(error.Text.startsWith("run.CAL: "), qPrintable(error.Text));
        QVERIFY2(error.Text.contains(key), qPrintable(error.Text));
        QVERIFY2(error.Text.contains(phrase), qPrintable(error.Text));
    }

    // A whole run is checked before anything is restored: what goes into SQL has
    // a form the program writes, every number of the controls reads.
    void wholeRunIsCheckedFirst_data() {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("phrase"); // empty: the run reads
        QTest::newRow("valve filter of a circuit") << "EJ_Valve_V2"
                                                   << "Valve_V2=1"
                                                   << "";
        QTest::newRow("hostile valve filter") << "EJ_Valve_V2"
                                              << "1=1) OR (1=1"
                                              << "is not a value this program writes";
        QTest::newRow("unknown ejector type") << "EJ_Type"
                                              << "3"
                                              << "is not a value";
        QTest::newRow("comma number") << "Btnyingdashijian.CurNum"
                                      << "0,5"
                                      << "";
        QTest::newRow("unreadable number") << "Btnyingdashijian.CurNum"
                                           << "x"
                                           << "not a number";
        QTest::newRow("unreadable row") << "SgTubeSeries.Row"
                                        << "1.5"
                                        << "not a number";
        QTest::newRow("free text") << "Cbyingdashijian.Text"
                                   << "x"
                                   << "";
    }
    void wholeRunIsCheckedFirst() {
        QFETCH(QString, key);
        QFETCH(QString, value);
        QFETCH(QString, phrase);
        QTemporaryDir folder;
        const QString path = folder.filePath("run.SEL");
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        Lines lines = without(circuit3Lines(), key);
        lines.append({key, value});
        file.write(historyText(lines));
        file.close();
        THistoryRun run;
        THistoryError error;
        QCOMPARE(ReadHistoryRun(path, run, error), phrase.isEmpty());
        QVERIFY2(error.Text.contains(phrase), qPrintable(error.Text));
        if (phrase.isEmpty())
            QCOMPARE(run.value(key), value);
    }

    void productsTheCircuitNeeds_data() {
        QTest::addColumn<QString>("code");
        QTest::addColumn<int>("category");
        QTest::addColumn<QStringList>("keys");
        const QString pad = "PT", ejector = "EJ", v2 = "VA_Pohuai", v3 = "VA_QieHuan",
                      throttle = "VA_Jieliu";
        QTest::newRow("1") << "1" << 1 << QStringList{pad, ejector};
        QTest::newRow("2") << "2" << 1 << QStringList{pad, ejector};
        QTest::newRow("3") << "3" << 2 << QStringList{pad, ejector, v2, throttle};
        QTest::newRow("3b") << "3b" << 2 << QStringList{pad, ejector, v3, throttle};
        QTest::newRow("4") << "4" << 2 << QStringList{pad, ejector, v2};
        QTest::newRow("4b") << "4b" << 2 << QStringList{pad, ejector, v3};
        QTest::newRow("5") << "5" << 2 << QStringList{pad, ejector};
        QTest::newRow("6") << "6" << 3 << QStringList{pad, ejector};
        QTest::newRow("7") << "7" << 4 << QStringList{pad, v2, v3, throttle};
        QTest::newRow("7b") << "7b" << 4 << QStringList{pad, v3, throttle};
        QTest::newRow("8") << "8" << 4 << QStringList{pad, v2, v3};
        QTest::newRow("8b") << "8b" << 4 << QStringList{pad, v3};
        QTest::newRow("9") << "9" << 2 << QStringList{pad, ejector, v3, throttle};
        QTest::newRow("9b") << "9b" << 2 << QStringList{pad, ejector, v3};
        QTest::newRow("unknown code, category of the file")
            << "3B" << 2 << QStringList{pad, ejector};
    }
    void productsTheCircuitNeeds() {
        QFETCH(QString, code);
        QFETCH(int, category);
        QFETCH(QStringList, keys);
        QStringList expected;
        for (const QString& stem : keys)
            expected << "CalcInput." + stem + "_ID";
        QStringList required = RequiredProductKeys(code, category);
        required.sort();
        expected.sort();
        QCOMPARE(required, expected);

        // The file reader asks for exactly these: each one missing is an error,
        // all the other product IDs missing are not.
        Lines lines = circuit(code, category);
        for (const char* stem :
             {"PT", "Tube", "EJ", "VA_Gongying", "VA_Pohuai", "VA_QieHuan", "VA_Jieliu"}) {
            if (!keys.contains(stem))
                lines = without(lines, QString("CalcInput.") + stem + "_ID");
        }
        lines = with(lines, "CalcInput.VA_QieHuan_ID", "301");
        THistoryCalc calc;
        THistoryError error;
        QVERIFY2(parse(historyText(lines), calc, error), qPrintable(error.Text));
        for (const QString& key : expected) {
            QVERIFY(!parse(historyText(without(lines, key)), calc, error));
            QCOMPARE(error.Problem, THistoryProblem::MissingKey);
            QCOMPARE(error.Key, key);
            QVERIFY2(error.Text.contains("circuit " + code + " needs it"), qPrintable(error.Text));
            QVERIFY(!parse(historyText(with(lines, key, "")), calc, error));
            QVERIFY2(error.Text.contains(key + " is empty"), qPrintable(error.Text));
        }
    }

    void namedProductsInFileOrder() {
        THistoryCalc calc;
        THistoryError error;
        QVERIFY(parse(historyText(circuit3Lines()), calc, error));
        QStringList named;
        for (const THistoryProduct& product : NamedProducts(calc.Input))
            named << product.Key.mid(10) + ' ' + product.Table + ' ' + product.Id;
        QCOMPARE(named, QStringList({"PT_ID M_PT 1104", "Tube_ID M_Tube 104", "EJ_ID M_EJ 2336",
                                     "VA_Gongying_ID M_VA 104", "VA_Pohuai_ID M_VA 105",
                                     "VA_Jieliu_ID M_SPECON 105"}));
    }

    void files_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<THistoryProblem>("problem");
        QTest::addColumn<QString>("key");
        const QByteArray text = historyText(circuit3Lines());
        QTest::newRow("whole file") << "whole.CAL" << text << THistoryProblem::None << "";
        QTest::newRow("truncated in the record")
            << "cut.CAL" << text.left(text.indexOf("CalcInput.k=") + 5)
            << THistoryProblem::MissingKey << "CalcInput.k";
        QTest::newRow("truncated in the last value")
            << "cut.CAL" << text.left(text.indexOf("CalcInput.EJ_n=") + 15)
            << THistoryProblem::MissingKey << "CalcInput.EJ_n";
        QByteArray noise(4096, '\0');
        QRandomGenerator generator(7);
        for (char& byte : noise)
            byte = char(generator.bounded(256));
        QTest::newRow("binary") << "noise.CAL" << noise << THistoryProblem::NotHistory
                                << "SoftName";
        QTest::newRow("binary after the section")
            << "tail.CAL"
            << "[History]\r\nSoftName=ZAVK1\r\n" + noise << THistoryProblem::MissingKey
            << "CalcInput.System_Cat";
    }
    void files() {
        QFETCH(QString, name);
        QFETCH(QByteArray, content);
        QFETCH(THistoryProblem, problem);
        QFETCH(QString, key);
        TempProgramFolder folder;
        folder.writeFile(name, content);
        THistoryCalc calc;
        THistoryError error;
        QCOMPARE(ReadHistoryCalc(folder.file(name), calc, error), problem == THistoryProblem::None);
        QCOMPARE(error.Problem, problem);
        QCOMPARE(error.Key, key);
        if (problem != THistoryProblem::None)
            QVERIFY2(error.Text.startsWith(folder.file(name) + ": "), qPrintable(error.Text));
    }

    // Files saved by other editors: a byte-order mark, UTF-16, or a lone CR as line end.
    void encodingsOfOtherEditors_data() {
        QTest::addColumn<QByteArray>("content");
        const QByteArray text = historyText(circuit3Lines());
        QByteArray utf16("\xFF\xFE");
        for (const QChar c : QString::fromUtf8(text))
            utf16.append(char(c.unicode() & 0xFF)).append(char(c.unicode() >> 8));
        QTest::newRow("UTF-8 with BOM") << "\xEF\xBB\xBF" + text;
        QTest::newRow("UTF-16LE") << utf16;
        QTest::newRow("CR only") << QByteArray(text).replace("\r\n", "\r");
    }
    void encodingsOfOtherEditors() {
        QFETCH(QByteArray, content);
        THistoryCalc calc;
        THistoryError error;
        QVERIFY2(ParseHistoryCalc(content, "x.CAL", calc, error), qPrintable(error.Text));
        QCOMPARE(calc.Input.CircuitNum, QString("3"));
    }

    void filesThatCannotBeRead() {
        TempProgramFolder folder;
        folder.writeFile("sub/inner.CAL", historyText(circuit3Lines()));
        folder.writeFile("big.CAL",
                         historyText(circuit3Lines()) + QByteArray(IniFile::MaxFileSize, '\n'));
        QVERIFY(QFile::link("/dev/zero", folder.file("zero.CAL")));
        QCOMPARE(mkfifo(QFile::encodeName(folder.file("fifo.CAL")).constData(), 0600), 0);
        for (const char* name : {"none.CAL", "sub", "big.CAL", "zero.CAL", "fifo.CAL"}) {
            THistoryCalc calc;
            THistoryError error;
            QVERIFY(!ReadHistoryCalc(folder.file(name), calc, error));
            QCOMPARE(error.Problem, THistoryProblem::Unreadable);
            QVERIFY2(error.Text.startsWith(folder.file(name) + ": cannot read the file"),
                     qPrintable(error.Text));
        }
    }
};

QTEST_GUILESS_MAIN(TestHistoryFile)
#include "tst_history_file.moc"
