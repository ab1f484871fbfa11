#include "results/ResultFigures.h"

#include <QtTest>

class TestResultFigures : public QObject {
    Q_OBJECT

private slots:
    // Keys (with the value of the supply-valve line) for a nozzle of 1.2 mm,
    // whose supply valve needs C1to2 above 0.471 × 1.44 = 0.67824.
    void evaluation_data() {
        QTest::addColumn<double>("sf");
        QTest::addColumn<int>("attitude");
        QTest::addColumn<bool>("calc");
        QTest::addColumn<QString>("circuit");
        QTest::addColumn<double>("valveC");
        QTest::addColumn<QString>("lines");
        QTest::newRow("too weak") << 1.0 << 0 << false << "1" << 9.0 << "MSGCaclResult1";
        QTest::newRow("4.00 horizontal") << 4.0 << 0 << false << "1" << 9.0 << "MSGCaclResult2_1";
        QTest::newRow("4.01 horizontal") << 4.01 << 0 << false << "1" << 9.0 << "";
        QTest::newRow("4.01 vertical") << 4.01 << 1 << false << "1" << 9.0 << "MSGCaclResult2_2";
        QTest::newRow("8.01 vertical") << 8.01 << 1 << false << "1" << 9.0 << "";
        QTest::newRow("calculation 8") << 8.0 << 0 << true << "1" << 9.0 << "MSGCaclResult2_3";
        QTest::newRow("valve at the bound")
            << 9.0 << 0 << false << "3" << 0.471 * 1.2 * 1.2 << "MSGCaclResult3=1.35648";
        QTest::newRow("valve above it") << 9.0 << 0 << false << "3" << 0.67825 << "";
        QTest::newRow("switching circuit")
            << 9.0 << 0 << false << "9" << 0.0 << "MSGCaclResult4=0.67824";
        QTest::newRow("built-in valves") << 9.0 << 0 << false << "1" << 0.0 << "";
    }
    void evaluation() {
        QFETCH(double, sf);
        QFETCH(int, attitude);
        QFETCH(bool, calc);
        QFETCH(QString, circuit);
        QFETCH(double, valveC);
        QFETCH(QString, lines);
        TCalcInput input;
        input.CircuitNum = circuit;
        input.System_Cat = SystemCategoryOfCircuit(circuit);
        input.EJ_n = 2;
        TResultFigures figures;
        figures.NozzleDiameter = 1.2;
        figures.SupplyValveC = valveC;
        QStringList got;
        for (const TEvaluationLine& line :
             EvaluateResult(sf, attitude, calc ? TOperateType::otCalc : TOperateType::otSelect,
                            input, figures))
            got << line.Key + (line.HasValue ? "=" + QString::number(line.Value, 'g', 6) : "");
        QCOMPARE(got.join(' '), lines);
    }
};

QTEST_GUILESS_MAIN(TestResultFigures)
#include "tst_result_figures.moc"
