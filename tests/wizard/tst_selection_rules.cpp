#include "TestSupport.h"
#include "core/DMComm.h"
#include "wizard/EjectorSelection.h"
#include "wizard/PadSelection.h"
#include "wizard/TubeSelection.h"
#include "wizard/ValveSelection.h"
#include "wizard/WizardContext.h"

#include <QtTest>

class TestSelectionRules : public QObject {
    Q_OBJECT

private slots:
    void requiredAreaHoldsTheLoad() {
        // 10 kg, safety factor 4, 4 pads at 60 kPa.
        QCOMPARE(qRound(RequiredPadArea(10, 4, 4, 60) * 10), 16333);
    }

    // The statements as the catalogue expects them, with "." in numbers whatever the locale.
    void statementsAreWrittenAsGiven() {
        QLocale::setDefault(QLocale(QLocale::German));
        const double area = RequiredPadArea(10, 4, 4, 60);
        QCOMPARE(PadSeriesSql(TPadMethod::Automatic, "EUROPE", area).value(),
                 QString("SELECT DISTINCT(P.SERIESID) AS SERIESID,S.SERIES_NAME AS SERIES_NAME,"
                         "S.ID AS ID,S.EUROPE AS EUROPE FROM SERIES AS S,M_PT AS P WHERE "
                         "(S.SERIESID = P.SERIESID) AND (P.PAD_S>=1633.33333333333) AND "
                         "(S.EUROPE<>0) ORDER BY S.EUROPE ASC"));
        QCOMPARE(PadSeriesSql(TPadMethod::Specified, "ASIA", area).value(),
                 QString("SELECT DISTINCT(P.SERIESID) AS SERIESID,S.SERIES_NAME AS SERIES_NAME,"
                         "S.ID AS ID,S.ASIA AS ASIA FROM SERIES AS S,M_PT AS P WHERE "
                         "(S.SERIESID = P.SERIESID) AND (P.ASIA<>0) ORDER BY S.ASIA ASC"));
        QCOMPARE(PadModelSql(TPadMethod::Automatic, "VPF", true, "ASIA", 1633.5).value(),
                 QString("SELECT ID,M_NAME,PAD_S FROM M_PT WHERE SERIESID ='VPF' AND BUFFER=1 "
                         "AND PAD_S>=1633.5 AND ASIA<>0 ORDER BY PAD_S ASC"));
        QLocale::setDefault(QLocale::c());
    }

    void namesThatAreNotTheCataloguesAreNeverPasted_data() {
        QTest::addColumn<QString>("region");
        QTest::addColumn<QString>("series");
        QTest::newRow("region") << "ASIA<>0 OR 1"
                                << "VPF";
        QTest::newRow("series quote") << "ASIA"
                                      << "VPF' OR '1'='1";
        QTest::newRow("series empty") << "ASIA"
                                      << "";
    }
    void namesThatAreNotTheCataloguesAreNeverPasted() {
        QFETCH(QString, region);
        QFETCH(QString, series);
        QVERIFY(!PadModelSql(TPadMethod::Specified, series, false, region, 1));
    }

    // On the shipped catalogue: the automatic method lists only series with a pad
    // large enough and offers the smallest of them.
    void automaticMethodOffersTheSmallestSufficientPad() {
        TDMComm db;
        QVERIFY(ConnectBuiltCatalogue(db));
        const double area = RequiredPadArea(10, 4, 4, 60);
        const QList<TListRow> series = PadSeriesRows(db, TPadMethod::Automatic, "ASIA", area);
        QStringList codes;
        for (const TListRow& row : series)
            codes << row.Key;
        QCOMPARE(codes, QStringList({"VPF", "VPB", "VPD", "VPS"})); // VPO tops out at 530 mm²
        const QList<TListRow> all =
            PadModelRows(db, TPadMethod::Specified, "VPB", false, "ASIA", 0);
        const QList<TListRow> offered =
            PadModelRows(db, TPadMethod::Automatic, "VPB", false, "ASIA", area);
        QCOMPARE(offered.size(), 1);
        QVERIFY(offered.first().Area.toDouble() >= area);
        for (const TListRow& pad : all) // nothing smaller would do
            QVERIFY(pad.Area.toDouble() < area ||
                    pad.Area.toDouble() >= offered.first().Area.toDouble());
    }

    // Pmax 90 kPa, Qmax 30 dm³/min; the two-segment one with its knee at 60 kPa, 10 dm³/min.
    void ejectorsHoldWhatTheirCharacteristicGives_data() {
        QTest::addColumn<int>("n");
        QTest::addColumn<double>("leakage");
        QTest::addColumn<double>("reached");
        QTest::newRow("straight") << 1 << 3.0 << 81.0;
        QTest::newRow("before the knee") << 2 << 5.0 << 75.0;
        QTest::newRow("after the knee") << 2 << 20.0 << 30.0;
    }
    void ejectorsHoldWhatTheirCharacteristicGives() {
        QFETCH(int, n);
        QFETCH(double, leakage);
        QFETCH(double, reached);
        const TEjectorCharacteristic ejector{"7", -90, 30, n, -60, 10};
        QCOMPARE(ReachedVacuum(ejector, leakage), reached);
    }

    void candidatesAreTheEjectorsThatHoldTheVacuum() {
        const QList<TEjectorCharacteristic> ejectors = {
            {"3", 90, 30, 1, 0, 0}, {"5", 70, 30, 1, 0, 0}, {"9", 95, 50, 1, 0, 0}};
        QCOMPARE(EjectorCandidateFilter(ejectors, 3, 80), QString("ID=3 OR ID=9"));
        QCOMPARE(EjectorCandidateFilter(ejectors, 3, 82), QString("ID=9"));
        QCOMPARE(EjectorCandidateFilter(ejectors, 3, 95), QString());
        QCOMPARE(EjectorCandidateSql("1", "Valve_V2=1", "ASIA").value(),
                 QString("SELECT * FROM M_EJ WHERE System_Cat=1 AND Type=1 AND Valve_V2=1 AND "
                         "ASIA<>0 AND SERIESID<>'' ORDER BY ID"));
        QCOMPARE(EjectorCandidateSql("2", "", "ASIA").value(),
                 QString("SELECT * FROM M_EJ WHERE System_Cat=1 AND Type=2 AND ASIA<>0 AND "
                         "SERIESID<>'' ORDER BY ID"));
        QVERIFY(!EjectorCandidateSql("1", "1=1", "ASIA"));
        QVERIFY(!EjectorCandidateSql("1 OR 1", "", "ASIA"));
    }

    void countOfTheLargestEjector_data() {
        QTest::addColumn<double>("flow");
        QTest::addColumn<double>("maxFlow");
        QTest::addColumn<int>("count"); // 0: refused
        QTest::newRow("25 of 10") << 25.0 << 10.0 << 3;
        QTest::newRow("one is enough") << 8.0 << 10.0 << 1;
        QTest::newRow("exactly two") << 20.0 << 10.0 << 2;
        QTest::newRow("no flow in the row") << 25.0 << 0.0 << 0;
        QTest::newRow("absurd") << 1e12 << 1e-3 << 0;
    }
    void countOfTheLargestEjector() {
        QFETCH(double, flow);
        QFETCH(double, maxFlow);
        QFETCH(int, count);
        QCOMPARE(EjectorCount(flow, maxFlow).value_or(0), count);
    }

    // 2 m, 1 s, 4 pads leaking 0.1 dm³/min each: V 0.02512 dm³, Q 9.8432 dm³/min.
    void thinnestSufficientTubeIsChosen_data() {
        QTest::addColumn<QList<double>>("diameters");
        QTest::addColumn<QString>("chosen");
        QTest::newRow("4 mm passes") << QList<double>{4, 6} << "4";
        QTest::newRow("0.5 mm is too thin") << QList<double>{0.5, 4, 6} << "4";
        QTest::newRow("none passes") << QList<double>{0.3, 0.5} << "";
    }
    void thinnestSufficientTubeIsChosen() {
        QFETCH(QList<double>, diameters);
        QFETCH(QString, chosen);
        QList<TTube> tubes;
        for (const double d : diameters)
            tubes.append({QString::number(d), d});
        const TTubeChoice choice = ChooseTube(tubes, 2, 1, 4, 0.1);
        QCOMPARE(choice.TubeId, chosen);
        if (chosen == "4") {
            QCOMPARE(choice.V, 0.02512);
            QCOMPARE(choice.QMax, 9.8432);
            QCOMPARE(qRound(choice.Se * 100), 461);
        } else {
            QCOMPARE(choice.QMax, 0.0);
            QCOMPARE(choice.V, 0.785 * 0.25 * 2 * 0.001); // the last tube examined
        }
        QCOMPARE(TubesOfSeriesSql("TUP", "ASIA").value(),
                 QString("SELECT * FROM M_Tube WHERE SERIESID='TUP' AND ASIA<>0 ORDER BY "
                         "DIAMETER_IN ASC"));
        QVERIFY(!TubesOfSeriesSql("TUP'--", "ASIA"));
    }

    // Nozzle 1.2 mm with an ejector; 60 dm³/min with a vacuum pump.
    void valvesMustBeAsLargeAsTheNozzleOrTheFlow_data() {
        QTest::addColumn<QString>("circuit");
        QTest::addColumn<QString>("values"); // V1 V2 throttle, "-" when unused
        QTest::newRow("3") << "3"
                           << "0.67824 0.67824 0.67824";
        QTest::newRow("4b") << "4b"
                            << "0.67824 - -";
        QTest::newRow("9") << "9"
                           << "- - 0.67824";
        QTest::newRow("7") << "7"
                           << "- 2 2";
        QTest::newRow("8b") << "8b"
                            << "- - -";
    }
    void valvesMustBeAsLargeAsTheNozzleOrTheFlow() {
        QFETCH(QString, circuit);
        QFETCH(QString, values);
        const TValveComparison c = ValveComparisonValues(circuit, 1.2, 60);
        QStringList shown;
        for (const std::optional<double>& value : {c.Supply, c.Release, c.Throttle})
            shown << (value ? QString::number(*value) : QString("-"));
        QCOMPARE(shown.join(' '), values);
    }

    void switchingValvesThatQualify_data() {
        QTest::addColumn<QString>("circuit");
        QTest::addColumn<int>("port");
        QTest::addColumn<int>("use");
        QTest::addColumn<double>("c12");
        QTest::addColumn<double>("c23");
        QTest::addColumn<bool>("qualifies");
        // Q / 30 = 2 throughout; selection mode reads C2to3 for the "b" circuits.
        QTest::newRow("7: 2 ports, use 0") << "7" << 2 << 0 << 2.0 << 0.0 << true;
        QTest::newRow("7: 3 ports, use 1") << "7" << 3 << 1 << 5.0 << 5.0 << false;
        QTest::newRow("3b: C2to3 too small") << "3b" << 3 << 0 << 5.0 << 1.0 << false;
        QTest::newRow("3b: C2to3 enough") << "3b" << 3 << 0 << 1.0 << 2.0 << true;
        QTest::newRow("7b: use 1") << "7b" << 3 << 1 << 0.0 << 2.5 << true;
        QTest::newRow("4b: use 1") << "4b" << 3 << 1 << 0.0 << 2.5 << false;
        QTest::newRow("8b: use 2") << "8b" << 3 << 2 << 0.0 << 2.5 << true;
        QTest::newRow("9: nozzle") << "9" << 3 << 0 << 0.7 << 0.0 << true;
        QTest::newRow("9: 2 ports") << "9" << 2 << 0 << 0.7 << 0.0 << false;
    }
    void switchingValvesThatQualify() {
        QFETCH(QString, circuit);
        QFETCH(int, port);
        QFETCH(int, use);
        QFETCH(double, c12);
        QFETCH(double, c23);
        QFETCH(bool, qualifies);
        const TSwitchingValveRow valve{port, use, c12, c23};
        QCOMPARE(SwitchingValveQualifies(valve, circuit, TOperateType::otSelect, 60, 1.2),
                 qualifies);
    }

    // Leaving the pad page on the shipped catalogue: 10 kg, safety 4, 4 pads.
    void leavingThePadPage_data() {
        QTest::addColumn<int>("row"); // system grid row
        QTest::addColumn<bool>("automatic");
        QTest::addColumn<double>("entered"); // kPa, automatic method
        QTest::addColumn<QString>("pad");
        QTest::addColumn<double>("pump");
        QTest::addColumn<bool>("proceeds");
        QTest::addColumn<QString>("message");
        QTest::newRow("ejector holds 60 kPa") << 0 << true << 60.0 << "308" << 0.0 << true << "";
        QTest::newRow("no ejector holds 95 kPa")
            << 0 << true << 95.0 << "308" << 0.0 << false << "MSG002";
        QTest::newRow("specified pad, ejector") << 1 << false << 0.0 << "308" << 0.0 << true << "";
        QTest::newRow("pump reaches") << 3 << true << 60.0 << "308" << -80.0 << true << "";
        QTest::newRow("pump too weak") << 2 << true << 60.0 << "308" << -50.0 << false << "MSG004";
        QTest::newRow("specified, pump too weak")
            << 3 << false << 0.0 << "308" << -40.0 << false << "MSG003";
        QTest::newRow("no model") << 0 << true << 60.0 << "" << 0.0 << false << "MSGNOPADMODEL";
    }
    void leavingThePadPage() {
        QFETCH(int, row);
        QFETCH(bool, automatic);
        QFETCH(double, entered);
        QFETCH(QString, pad);
        QFETCH(double, pump);
        QFETCH(bool, proceeds);
        QFETCH(QString, message);
        TDMComm db;
        QVERIFY(ConnectBuiltCatalogue(db));
        TCalcInput input;
        TWizardContext context(input);
        context.SelectRow(row);
        QVERIFY(context.UpdateSystemCategory());
        context.SetRegion(0);
        context.EnteredVacuum = entered;
        const TStepOutcome outcome =
            context.LeavePadPage(db, {automatic, 10, 4, 4, pad, pump, 0.1});
        QCOMPARE(outcome.Proceed, proceeds);
        QCOMPARE(outcome.MessageKey, message);
        if (!pad.isEmpty() && !automatic)
            QCOMPARE(qRound(context.PadVacuum * 10), 499); // 39200 / 1963.5 * 4 / 4
        QCOMPARE(!context.EJCandidateFilter.isEmpty(), proceeds && row < 2);
    }

    // The thinnest tube of the series (1.8 mm) passes 2 m at 1 s; at 1 ms none does.
    void leavingTheTubingPage() {
        TDMComm db;
        QVERIFY(ConnectBuiltCatalogue(db));
        TCalcInput input;
        TWizardContext context(input);
        context.SelectRow(1);
        context.SetRegion(0);
        input.Tube_Series_ID = "TUP";
        TStepOutcome outcome = context.LeaveTubePage(db, 2, 1, 4, 0.1);
        QVERIFY(outcome.Proceed);
        QCOMPARE(qRound(context.Tube_QMax * 1000), 2631);
        QVERIFY(!input.Tube_ID.isEmpty());
        QCOMPARE(input.V, 0.785 * 1.8 * 1.8 * 2 * 0.001);
        input.Tube_ID.clear();
        outcome = context.LeaveTubePage(db, 2, 0.001, 4, 0.1);
        QCOMPARE(outcome.MessageKey, QString("MSG005"));
        QVERIFY(input.Tube_ID.isEmpty());
        QCOMPARE(input.V, 0.785 * 8 * 8 * 2 * 0.001); // the widest, examined last
    }
};

QTEST_GUILESS_MAIN(TestSelectionRules)
#include "tst_selection_rules.moc"
