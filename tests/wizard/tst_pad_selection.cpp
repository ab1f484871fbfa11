#include "TestSupport.h"
#include "core/DMComm.h"
#include "wizard/PadSelection.h"

#include <QtTest>

class TestPadSelection : public QObject {
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
        const QList<TPadListRow> series = PadSeriesRows(db, TPadMethod::Automatic, "ASIA", area);
        QStringList codes;
        for (const TPadListRow& row : series)
            codes << row.Key;
        QCOMPARE(codes, QStringList({"VPF", "VPB", "VPD", "VPS"})); // VPO tops out at 530 mm²
        const QList<TPadListRow> all =
            PadModelRows(db, TPadMethod::Specified, "VPB", false, "ASIA", 0);
        const QList<TPadListRow> offered =
            PadModelRows(db, TPadMethod::Automatic, "VPB", false, "ASIA", area);
        QCOMPARE(offered.size(), 1);
        QVERIFY(offered.first().Area.toDouble() >= area);
        for (const TPadListRow& pad : all) // nothing smaller would do
            QVERIFY(pad.Area.toDouble() < area ||
                    pad.Area.toDouble() >= offered.first().Area.toDouble());
    }
};

QTEST_GUILESS_MAIN(TestPadSelection)
#include "tst_pad_selection.moc"
