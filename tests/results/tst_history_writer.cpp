#include "TestSupport.h"
#include "results/HistoryFile.h"
#include "results/HistoryWriter.h"

#include <QFile>
#include <QLocale>
#include <QtTest>

namespace {

// A selection of circuit "3" with most controls set; the keys left out show the defaults.
THistoryState filledSelection() {
    THistoryState state;
    state.EJ_Type = "2";
    state.EJ_Valve_V2 = "(Valve_V2=1 or Valve_V2=2)";
    state.Tube_QMax = 27.5;
    state.VA_Gongying_BiJiaoVaule = 0.125;
    state.VA_Pohuai_BiJiaoVaule = 1e-05;
    state.VA_Jieliu_BiJiaoVaule = 123456789012.345;
    // The record's fields in its own order: pad, ejector, tubing, release, supply, switching,
    // throttle.
    state.Input = {
        2,         "3",   "PFA",     "1104", "PFA-40", "EXA",     "2336",    "EXA-15S-50",
        "TUP",     "104", "TUP-8x5", "VSA",  "105",    "VSA-100", "VSA",     "104",
        "VSA-060", "",    "",        "",     "SCA",    "105",     "SCA-100", 0.5,
        0.4,       80,    -1,        1.25,   10,       0.1,       0.75,      10.6583817806224,
        2.5e-20,   4,     2};
    state.Controls = {{"Sghuilu.Row", 1},
                      {"Notebook2.PageIndex", 1},
                      {"Rbpohuai_shiyoug1.Checked", true},
                      {"Rbjeliu_shiyoug1.Checked", true},
                      {"Btnyingdashijian.CurNum", 0.3},
                      {"Cbyingdashijian.Text", "300"},
                      {"CbAnZhuangZiShi.ItemIndex", 1},
                      {"BtnAnquanlv.CurNum", 4.0},
                      {"BtnAnquanlv.ItemIndex", 0},
                      {"CbAnquanlv.Text", "4"},
                      {"Btngongjianzhiliang.CurNum", 10.0},
                      {"Cbgongjianzhiliang.Text", "10"},
                      {"Btnxipanshuliang.CurNum", 4},
                      {"Rbhuangchong_no.Checked", true},
                      {"Rbzidong.Checked", true},
                      {"BtnZhenKongYaLi.CurNum", -1.0},
                      {"SgPTSeries.RowCount", 6},
                      {"SgPTSeries.Row", 2},
                      {"Btngongjianxielouliang.CurNum", 0.1},
                      {"Cbgongjianxielouliang.Text", "0.1"},
                      {"SgTubeSeries.RowCount", 3},
                      {"SgTubeSeries.Row", 1},
                      {"RbGyyldot5.Checked", true},
                      {"RbBiaoZhun.Checked", true},
                      {"SGPohuaifa.RowCount", 4},
                      {"SGPohuaifa.Row", 2}};
    state.ButtonUnits = {{"Btnyingdashijian", {1, "ms"}},
                         {"Btngongjianxielouliang", {2, "dm³/min"}},
                         {"BtnTubeRongji_in", {1, "cm³"}}};
    return state;
}

// The record's lines, to compare two records in full.
QStringList recordLines(const TCalcInput& input) {
    THistoryState state;
    state.Input = input;
    return HistoryLines(state, ".").filter(QRegularExpression("^CalcInput\\."));
}

} // namespace

class TestHistoryWriter : public QObject {
    Q_OBJECT

private slots:
    void writesASelection() {
        TempProgramFolder folder;
        QString error;
        QVERIFY2(WriteHistoryFile(folder.file("run.SEL"), filledSelection(), &error),
                 qPrintable(error));
        QFile golden(QStringLiteral(ZAVK_TEST_DATA_DIR) + "/history-select.SEL");
        QVERIFY(golden.open(QIODevice::ReadOnly));
        QCOMPARE(folder.readFile("run.SEL"), golden.readAll());
    }

    void recordReadsBack_data() {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QString>("line");
        QTest::newRow("point") << QLocale::c() << "CalcInput.k=0.75";
        QTest::newRow("comma") << QLocale(QLocale::German, QLocale::Germany) << "CalcInput.k=0,75";
    }
    void recordReadsBack() {
        QFETCH(QLocale, locale);
        QFETCH(QString, line);
        TempProgramFolder folder;
        THistoryState state = filledSelection();
        state.OperateType = TOperateType::otCalc;
        QLocale::setDefault(locale);
        QString error;
        const bool written = WriteHistoryFile(folder.file("run.CAL"), state, &error);
        QLocale::setDefault(QLocale::c());
        QVERIFY2(written, qPrintable(error));
        QVERIFY(folder.readFile("run.CAL").contains(line.toUtf8() + "\r\n"));
        THistoryCalc calc;
        THistoryError problem;
        QVERIFY2(ReadHistoryCalc(folder.file("run.CAL"), calc, problem), qPrintable(problem.Text));
        QCOMPARE(calc.OperateType, TOperateType::otCalc);
        QCOMPARE(calc.TubeQMax, 27.5);
        QCOMPARE(recordLines(calc.Input), recordLines(state.Input));
    }

    void lineBreaksInTextsAddNoKeys() {
        THistoryState state = filledSelection();
        state.Controls["Cbyingdashijian.Text"] = "3\r\nCalcInput.PT_ID=9";
        state.Input.EJ_Name = "EXA\rCalcInput.k=2\nx";
        const QStringList lines = HistoryLines(state, ".");
        QCOMPARE(lines.size(), HistoryLines(THistoryState(), ".").size());
        QVERIFY(lines.contains("Cbyingdashijian.Text=3  CalcInput.PT_ID=9"));
        THistoryCalc calc;
        THistoryError error;
        QVERIFY(ParseHistoryCalc(lines.join("\r\n").toUtf8(), "x.SEL", calc, error));
        QCOMPARE(calc.Input.PT_ID, QString("1104"));
        QCOMPARE(calc.Input.k, 0.75);
    }

    void fileNames_data() {
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<bool>("select");
        QTest::addColumn<QString>("name");
        QTest::newRow("extension kept") << "/jobs/run.SEL" << true << "/jobs/run.SEL";
        QTest::newRow("lower case extension") << "run.sel" << true << "run.sel.SEL";
        QTest::newRow("bare name") << "run" << true << "run.SEL";
        QTest::newRow("calculation") << "run" << false << "run.CAL";
        QTest::newRow("calculation kept") << "run.CAL" << false << "run.CAL";
        QTest::newRow("other mode's extension") << "run.SEL" << false << "run.SEL.CAL";
        QTest::newRow("only the extension") << ".SEL" << true << ".SEL.SEL";
    }
    void fileNames() {
        QFETCH(QString, chosen);
        QFETCH(bool, select);
        QFETCH(QString, name);
        const TOperateType mode = select ? TOperateType::otSelect : TOperateType::otCalc;
        QCOMPARE(HistoryFileName(chosen, mode), name);
    }

    void failuresLeaveTheOldFile() {
        TempProgramFolder folder;
        const QByteArray old = "[History]\r\nSoftName=ZAVK1\r\n";
        folder.writeFile("locked.SEL", old);
        QVERIFY(QFile::setPermissions(folder.file("locked.SEL"), QFile::ReadOwner));
        folder.writeFile("good.SEL", old);
        folder.writeFile("folder.SEL/inside", old);
        const THistoryState filled = filledSelection();
        THistoryState infinite = filled, notNumber = filled;
        infinite.Input.V = qInf();
        notNumber.Controls["BtnAnquanlv.CurNum"] = "much";
        const struct {
            const char* file;
            const THistoryState& state;
            const char* phrase;
        } cases[] = {{"locked.SEL", filled, "read-only"},
                     {"folder.SEL", filled, "not a regular file"},
                     {"none/run.SEL", filled, "cannot write"},
                     {"good.SEL", infinite, "key CalcInput.V: 'inf'"},
                     {"good.SEL", notNumber, "key BtnAnquanlv.CurNum: 'much'"}};
        for (const auto& [file, state, phrase] : cases) {
            QString error;
            QVERIFY(!WriteHistoryFile(folder.file(file), state, &error));
            QVERIFY2(error.contains(folder.file(file)) && error.contains(phrase),
                     qPrintable(error));
        }
        QCOMPARE(folder.readFile("locked.SEL"), old);
        QCOMPARE(folder.readFile("good.SEL"), old);
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files),
                 QStringList({"good.SEL", "locked.SEL"}));
    }
};

QTEST_GUILESS_MAIN(TestHistoryWriter)
#include "tst_history_writer.moc"
