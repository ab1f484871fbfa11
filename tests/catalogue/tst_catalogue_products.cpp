// Checks of the shipped product catalogue: series and products are consistent
// with each other and with physics, every region can select a complete circuit,
// and harder conditions run out of products with the wizard's messages.
#include "TestSupport.h"
#include "cli/SelectRun.h"
#include "core/CatalogueConstants.h"
#include "core/DMComm.h"
#include "lang/XMLLan.h"
#include "units/UnitManager.h"

#include <QDir>
#include <QRegularExpression>
#include <QtTest>

#include <cmath>

namespace {

// The conditions of a selection run, in calculation units.
struct WizardConditions {
    QString circuit = QStringLiteral("1");
    int region = 0;
    double mass = 10; // kg
    double safetyFactor = 4;
    int pads = 4;
    double vacuum = 60;           // kPa, magnitude
    double tubeLength = 1;        // m
    double responseTime = 1;      // s
    double leakage = 0.1;         // L/min (ANR) per pad
    double pumpVacuum = 90;       // kPa, magnitude
    double releasePressure = 0.5; // MPa
    bool buffer = true;
    bool automaticPad = true;
};

struct WizardOutcome {
    QString failure;      // empty when the result was calculated; else the stop or problem
    QStringList products; // "kind=model" in step order
};

// The wizard's selection from the first page to the calculated result.
WizardOutcome RunWizardSteps(TDMComm& db, const WizardConditions& c) {
    TSelectRequest r;
    r.Circuit = c.circuit;
    r.Region = c.region;
    r.Mass = c.mass;
    r.Safety = c.safetyFactor;
    r.Pads = c.pads;
    r.Vacuum = c.vacuum;
    r.Length = c.tubeLength;
    r.Time = c.responseTime;
    r.Leakage = c.leakage;
    r.Pump = c.pumpVacuum;
    r.ReleasePressure = c.releasePressure;
    r.Buffer = c.buffer;
    r.Automatic = c.automaticPad;
    const TUnitManager units(db, 1033);
    TCalcInput input;
    TWizardContext context(input);
    const TSelectOutcome run = RunSelection(db, units, r, context);
    WizardOutcome outcome;
    for (const TChosenProduct& product : run.Products)
        outcome.products << product.Kind + '=' + product.Name;
    if (run.StopKey)
        outcome.failure = run.StopKey->isEmpty() ? run.StopText : *run.StopKey;
    else if (!run.Problem.isEmpty())
        outcome.failure = run.Problem;
    return outcome;
}

const QStringList ProductTables = {"M_PT", "M_Tube", "M_EJ", "M_VA", "M_SPECON"};
const QStringList Regions = {"ASIA", "EUROPE", "SOUTHAMERICA", "NORTHAMERICA"};
const QStringList Circuits = {"1", "2", "3", "4",  "3b", "4b", "5",
                              "6", "7", "8", "7b", "8b", "9",  "9b"};

} // namespace

Q_DECLARE_METATYPE(WizardConditions)

class TestCatalogueProducts : public QObject {
    Q_OBJECT

    TDMComm db_;
    WizardConditions defaults_; // pump vacuum and release pressure: the catalogue defaults

    double defaultValue(int paraId) {
        return rows(QStringLiteral("SELECT DefNum FROM ParaInfo WHERE ParaID=%1 AND "
                                   "IsDefaultUnit=1 AND LanId=1033")
                        .arg(paraId))
            .AsFloat("DefNum");
    }

    TDataTable rows(const QString& statement) {
        TDataTable table;
        [&] { QVERIFY2(db_.GetDataPacket(statement, table), qPrintable(db_.LastError())); }();
        return table;
    }
    int count(const QString& statement) { return rows(statement).AsInteger("N"); }

private slots:
    void initTestCase() {
        QVERIFY2(ConnectBuiltCatalogue(db_), qPrintable(db_.LastError()));
        defaults_.pumpVacuum = std::fabs(defaultValue(112));
        defaults_.releasePressure = defaultValue(111);
        QVERIFY(defaults_.pumpVacuum > 0 && defaults_.releasePressure > 0);
    }

    void productsBelongToListedSeriesExceptTheOneOrphan() {
        QStringList orphans;
        for (const QString& table : ProductTables) {
            QCOMPARE(count("SELECT COUNT(*) - COUNT(DISTINCT ID) AS N FROM " + table), 0);
            for (TDataTable t = rows("SELECT ID, SERIESID FROM " + table +
                                     " WHERE SERIESID NOT "
                                     "IN (SELECT SERIESID FROM SERIES)");
                 !t.Eof(); t.Next())
                orphans << table + ":" + t.AsString("ID");
        }
        QCOMPARE(orphans, QStringList{"M_PT:901"});
        QCOMPARE(count("SELECT COUNT(*) AS N FROM SERIES WHERE SERIESID NOT IN (SELECT SERIESID "
                       "FROM M_PT UNION SELECT SERIESID FROM M_Tube UNION SELECT SERIESID FROM "
                       "M_EJ UNION SELECT SERIESID FROM M_VA UNION SELECT SERIESID FROM M_SPECON)"),
                 0);
    }

    void regionsFilterAndOrderDifferently() {
        for (const QString& table : ProductTables + QStringList{"SERIES"}) {
            for (const QString& region : Regions)
                QCOMPARE(count("SELECT COUNT(*) AS N FROM " + table + " WHERE " + region + "<0"),
                         0);
        }
        for (const QString& region : Regions) {
            int unsold = 0;
            for (const QString& table : ProductTables)
                unsold += count("SELECT COUNT(*) AS N FROM " + table + " WHERE " + region + "=0");
            QVERIFY2(unsold > 0, qPrintable(region + " sells everything"));
        }
        // A series sorts before another in one region and after it in another.
        QVERIFY(count("SELECT COUNT(*) AS N FROM SERIES A, SERIES B WHERE A.ASIA<B.ASIA AND "
                      "A.EUROPE>B.EUROPE AND B.EUROPE<>0") > 0);
    }

    void padAreasMatchTheirSizes() {
        static const QRegularExpression round("^VP[A-Z]-([\\d.]+)(-B)?$");
        static const QRegularExpression oval("^VP[A-Z]-([\\d.]+)x([\\d.]+)(-B)?$");
        TDataTable pads = rows("SELECT * FROM M_PT");
        QVERIFY(pads.RecordCount() >= 80 && pads.RecordCount() <= 150);
        for (; !pads.Eof(); pads.Next()) {
            const QString name = pads.AsString("M_NAME");
            double w = 0, l = 0;
            bool buffered = false;
            if (const auto m = round.match(name); m.hasMatch()) {
                w = l = m.captured(1).toDouble();
                buffered = m.hasCaptured(2);
            } else if (const auto o = oval.match(name); o.hasMatch()) {
                w = o.captured(1).toDouble();
                l = o.captured(2).toDouble();
                buffered = o.hasCaptured(3);
            } else {
                QFAIL(qPrintable("pad name without a size: " + name));
            }
            QVERIFY2(std::fabs(pads.AsFloat("PAD_S") - M_PI * w * l / 4) <= 0.006,
                     qPrintable(name));
            QCOMPARE(pads.AsInteger("BUFFER"), buffered ? 1 : 0);
            QVERIFY(w >= 2 && l <= 125);
        }
        QCOMPARE(count("SELECT COUNT(DISTINCT SERIESID) AS N FROM M_PT WHERE SERIESID IN "
                       "(SELECT SERIESID FROM SERIES)"),
                 count("SELECT COUNT(*) AS N FROM (SELECT SERIESID FROM M_PT GROUP BY SERIESID "
                       "HAVING MIN(BUFFER)=0 AND MAX(BUFFER)=1)"));
        QVERIFY(count("SELECT COUNT(DISTINCT SERIESID) AS N FROM M_PT") >= 4);
    }

    void tubingNamesMatchTheirInnerDiameters() {
        static const QRegularExpression name("^TU[A-Z]-([\\d.]+)x([\\d.]+)$");
        for (TDataTable t = rows("SELECT * FROM M_Tube"); !t.Eof(); t.Next()) {
            const auto m = name.match(t.AsString("M_Name"));
            QVERIFY2(m.hasMatch(), qPrintable(t.AsString("M_Name")));
            QCOMPARE(m.captured(2).toDouble(), t.AsFloat("DIAMETER_IN"));
            QVERIFY(m.captured(1).toDouble() > t.AsFloat("DIAMETER_IN"));
        }
        const TDataTable range = rows("SELECT MIN(DIAMETER_IN) AS LO, MAX(DIAMETER_IN) AS HI, "
                                      "COUNT(DISTINCT SERIESID) AS N FROM M_Tube");
        QVERIFY(range.AsFloat("LO") <= 2 && range.AsFloat("HI") >= 8.5);
        QVERIFY(range.AsInteger("N") >= 3);
    }

    void ejectorsArePhysicallyConsistent() {
        for (TDataTable e = rows("SELECT * FROM M_EJ WHERE System_Cat=1"); !e.Eof(); e.Next()) {
            const QString name = e.AsString("M_Name");
            const double pmax = e.AsFloat("Max_pressure");
            QVERIFY2(pmax >= -93 && pmax <= -84, qPrintable(name));
            QVERIFY(e.AsFloat("Max_flow") > 0 &&
                    e.AsFloat("Air_Comsuption") > e.AsFloat("Max_flow") * 0.5);
            QVERIFY(QStringList({"S", "L"}).contains(e.AsString("Flow_Type")));
            QVERIFY(
                QStringList({"0.35", "0.4", "0.45", "0.5"}).contains(e.AsString("Stand_Pressure")));
            QVERIFY(e.AsFloat("Nozzle_Diameter") >= 0.5 && e.AsFloat("Nozzle_Diameter") <= 2.0);
            QVERIFY2(e.AsFloat("Diu_DIAMETER") > 0, qPrintable(name));
            QVERIFY2(e.AsInteger("Type") == 2 || e.AsFloat("Hakai_C") > 0, qPrintable(name));
            QVERIFY(!e.AsString("M_Name1").isEmpty());
            const int n = e.AsInteger("N");
            QVERIFY(n == 1 || n == 2);
            if (n == 2) {
                const double p1 = std::fabs(e.AsFloat("P1"));
                const double q1 = e.AsFloat("Q1");
                QVERIFY2(p1 > 0 && p1 < std::fabs(pmax), qPrintable(name));
                QVERIFY2(q1 > 0 && q1 < e.AsFloat("Max_flow"), qPrintable(name));
            }
        }
        // Within a line of a series, flow and consumption grow with the nozzle.
        QCOMPARE(count("SELECT COUNT(*) AS N FROM M_EJ A, M_EJ B WHERE A.System_Cat=1 AND "
                       "B.System_Cat=1 AND A.SERIESID=B.SERIESID AND A.Flow_Type=B.Flow_Type AND "
                       "A.Stand_Pressure=B.Stand_Pressure AND A.Valve_V2=B.Valve_V2 AND "
                       "A.Nozzle_Diameter<B.Nozzle_Diameter AND (A.Max_flow>=B.Max_flow OR "
                       "A.Air_Comsuption>=B.Air_Comsuption)"),
                 0);
        for (const char* kind : {"Type=1 AND Valve_V2=1", "Type=1 AND Valve_V2=2", "Type=2",
                                 "Flow_Type='L'", "N=1", "N=2"})
            QVERIFY2(
                count(QStringLiteral("SELECT COUNT(*) AS N FROM M_EJ WHERE System_Cat=1 AND ") +
                      kind) > 0,
                kind);
        // Every standard pressure is offered somewhere, but not by every series.
        QCOMPARE(count("SELECT COUNT(DISTINCT Stand_Pressure) AS N FROM M_EJ WHERE System_Cat=1"),
                 4);
        QVERIFY(count("SELECT COUNT(*) AS N FROM (SELECT SERIESID FROM M_EJ WHERE System_Cat=1 "
                      "GROUP BY SERIESID HAVING COUNT(DISTINCT Stand_Pressure) < 4)") > 0);
    }

    void vacuumUnitsHaveTheirPaths() {
        for (TDataTable u = rows("SELECT * FROM M_EJ WHERE System_Cat=2"); !u.Eof(); u.Next()) {
            for (const char* column : {"Sup_C", "Sup_b", "Hakai_C", "Hakai_b"})
                QVERIFY2(u.AsFloat(column) > 0, qPrintable(u.AsString("M_Name") + " " + column));
            QVERIFY(u.AsFloat("Sup_b") < 1 && u.AsFloat("Hakai_b") < 1);
        }
        QVERIFY(count("SELECT COUNT(DISTINCT SERIESID) AS N FROM M_EJ WHERE System_Cat=2") >= 2);
        QCOMPARE(count(QStringLiteral("SELECT COUNT(*) AS N FROM M_EJ E, SERIES S WHERE "
                                      "E.SERIESID=S.SERIESID AND E.System_Cat=2 AND S.SERIESID='") +
                       SpecialUnitSeries + "'") > 0,
                 true);
    }

    void valvesAndThrottlesHaveSensibleConductances() {
        QCOMPARE(count("SELECT COUNT(*) AS N FROM M_VA WHERE Port NOT IN (2,3) OR USE NOT IN "
                       "(0,1,2) OR C1to2<0.1 OR C1to2>5 OR (Port=2 AND C2to3<>0) OR (Port=3 AND "
                       "(C2to3<=0 OR C2to3>5))"),
                 0);
        for (const char* kind : {"Port=2 AND USE=0", "Port=3 AND USE=0", "Port=3 AND USE=1",
                                 "Port=3 AND USE=2", "Port=2 AND USE<>0"})
            QVERIFY2(count(QStringLiteral("SELECT COUNT(*) AS N FROM M_VA WHERE ") + kind) > 0,
                     kind);
        QCOMPARE(count("SELECT COUNT(*) AS N FROM M_SPECON WHERE C1to2<0.1 OR C1to2>3"), 0);
        QVERIFY(count("SELECT COUNT(*) AS N FROM M_SPECON") > 0);
    }

    void everySeriesHasItsTextsInEveryLanguageFile() {
        const QDir languages(QStringLiteral(ZAVK_TEST_LANGUAGE_DIR));
        const QStringList files = languages.entryList({"*.xml"}, QDir::Files);
        QVERIFY(!files.isEmpty());
        for (const QString& file : files) {
            const TXMLLan lan(languages.filePath(file));
            QVERIFY2(lan.LoadError().isEmpty(), qPrintable(lan.LoadError()));
            for (TDataTable s = rows("SELECT S.ID, S.SERIESID, (SELECT MAX(System_Cat) FROM M_EJ E "
                                     "WHERE E.SERIESID=S.SERIESID) AS CAT FROM SERIES S");
                 !s.Eof(); s.Next()) {
                QStringList keys{s.AsString("ID")};
                if (s.AsInteger("CAT") == 2 && s.AsString("SERIESID") != SpecialUnitSeries)
                    keys << s.AsString("ID") + "_2"; // the vacuum-unit wording
                for (const QString& key : keys) {
                    const QString where = file + " SERIES " + key;
                    QVERIFY2(!lan.GetDataText("SERIES", key, "SERIES_Name").isEmpty(),
                             qPrintable(where));
                    QStringList note;
                    QVERIFY2(lan.GetDataLines("SERIES", key, note, "SERIES_Note"),
                             qPrintable(where));
                    QVERIFY2(!note.join("").trimmed().isEmpty(), qPrintable(where));
                }
            }
        }
    }

    void everyCircuitFindsProductsInEveryRegion_data() {
        QTest::addColumn<QString>("circuit");
        QTest::addColumn<int>("region");
        for (const QString& circuit : Circuits) {
            for (int region = 0; region < Regions.size(); ++region)
                QTest::addRow("%s %s", qPrintable(circuit), qPrintable(Regions[region]))
                    << circuit << region;
        }
    }
    void everyCircuitFindsProductsInEveryRegion() {
        QFETCH(QString, circuit);
        QFETCH(int, region);
        WizardConditions conditions = defaults_;
        conditions.circuit = circuit;
        conditions.region = region;
        const WizardOutcome outcome = RunWizardSteps(db_, conditions);
        if (qEnvironmentVariableIsSet("ZAVK_SHOW_SELECTIONS")) // for catalogue maintainers
            qInfo().noquote() << outcome.products.join(", ");
        QVERIFY2(outcome.failure.isEmpty(),
                 qPrintable(outcome.failure + " after " + outcome.products.join(", ")));
    }

    void harderConditionsRunOutOfProducts_data() {
        QTest::addColumn<WizardConditions>("conditions");
        QTest::addColumn<QString>("failure");
        WizardConditions deep = defaults_;
        deep.vacuum = 95; // beyond every ejector
        QTest::newRow("vacuum beyond every ejector") << deep << "MSG002";
        WizardConditions smallest = defaults_;
        smallest.circuit = "3";
        smallest.automaticPad = false; // the series' smallest pad needs far too much vacuum
        QTest::newRow("specified pad too small") << smallest << "MSG001";
        WizardConditions weakPump = defaults_;
        weakPump.circuit = "7";
        weakPump.pumpVacuum = 50;
        QTest::newRow("pump weaker than the pads need") << weakPump << "MSG004";
        weakPump.automaticPad = false;
        weakPump.mass = 0.5;
        QTest::newRow("pump weaker, specified pad") << weakPump << "MSG003";
        WizardConditions fast = defaults_;
        fast.circuit = "8";
        fast.tubeLength = 5;
        fast.responseTime = 0.05;
        QTest::newRow("no tube fast enough") << fast << "MSG005";
        WizardConditions porous = defaults_; // large leakage needs the largest ejector
        porous.circuit = "3";
        porous.region = 2;
        porous.leakage = 6;
        QTest::newRow("no supply valve for the largest ejector") << porous << "MSG0076";
        WizardConditions leaky = defaults_; // the flow of the pump line needs huge valves
        leaky.circuit = "7";
        leaky.pads = 8;
        leaky.leakage = 20;
        QTest::newRow("no release valve for the flow") << leaky << "MSG0077";
        leaky.circuit = "7b";
        QTest::newRow("no throttle for the flow") << leaky << "MSG0079";
        WizardConditions pilot = defaults_;
        pilot.circuit = "6";
        pilot.region = 1; // where the pilot-operated units come first
        pilot.releasePressure = 0.2;
        QTest::newRow("pilot-operated unit without release pressure") << pilot << "MSGZK2MIN";
    }
    void harderConditionsRunOutOfProducts() {
        QFETCH(WizardConditions, conditions);
        QFETCH(QString, failure);
        const WizardOutcome outcome = RunWizardSteps(db_, conditions);
        QVERIFY2(outcome.failure == failure,
                 qPrintable(outcome.failure + " after " + outcome.products.join(", ")));
    }
};

QTEST_GUILESS_MAIN(TestCatalogueProducts)
#include "tst_catalogue_products.moc"
