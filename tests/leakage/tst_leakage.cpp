// The workpiece leakage reference: how a low and a high reading become one cell,
// which catalogue rows the cells come from, the photo titles, pad names that
// must not reach SQL, and the dialog filled from the shipped catalogue.
#include "TestSupport.h"
#include "controls/LanguageApply.h"
#include "core/DMComm.h"
#include "lang/XMLLan.h"
#include "leakage/FrmXieLouLiang.h"
#include "leakage/LeakageReference.h"

#include <QComboBox>
#include <QLabel>
#include <QTableWidget>
#include <QtTest>

#include <memory>

using Kind = TLeakageKind;
Q_DECLARE_METATYPE(TLeakageKind)

namespace {

const QStringList Materials = {"Steel", "Wood", "", "Concrete", ""};
const QStringList Surfaces = {"", "Planed", "Sawn", "Smooth", "Rough"};

// A one-row reading of a condition, every column holding the same text.
TDataTable reading(const QString& text) {
    QStringList columns;
    TDataTable::Row row;
    for (int r = 0; r < LeakageRowCount; ++r)
        for (const Kind kind : {Kind::Pressure, Kind::Flow}) {
            columns << LeakageColumn(r, kind);
            row << text;
        }
    return TDataTable(columns, {row});
}

} // namespace

class TestLeakage : public QObject {
    Q_OBJECT

    std::unique_ptr<TDMComm> db_;

    TLeakageCells read(const QString& pad, int shape, int material) {
        TLeakageCells cells;
        QString error;
        if (!ReadLeakageCells(*db_, {pad, shape, material}, cells, error))
            qWarning() << error;
        return cells;
    }

private slots:
    void initTestCase() {
        db_ = std::make_unique<TDMComm>();
        QVERIFY2(ConnectBuiltCatalogue(*db_), qPrintable(db_->LastError()));
    }
    void cleanupTestCase() { db_.reset(); }

    void lowAndHighJoinIntoOneCell_data() {
        QTest::addColumn<QString>("low");
        QTest::addColumn<QString>("high");
        QTest::addColumn<Kind>("kind");
        QTest::addColumn<QString>("cell");
        QTest::newRow("pressure range") << "-78"
                                        << "-85" << Kind::Pressure << "-78 to -85";
        QTest::newRow("pressure as stored") << "-8.5"
                                            << "-8.5" << Kind::Pressure << "-8.5";
        QTest::newRow("flow range") << "1.6"
                                    << "2.25" << Kind::Flow << "1.60 to 2.25";
        QTest::newRow("no leakage stays 0") << "0"
                                            << "0" << Kind::Flow << "0";
        QTest::newRow("0 against a flow") << "0"
                                          << "0.05" << Kind::Flow << "0 to 0.05";
        QTest::newRow("equal once formatted") << "1.6"
                                              << "1.60" << Kind::Flow << "1.60";
        QTest::newRow("high missing") << "22"
                                      << "" << Kind::Flow << "22.00";
        QTest::newRow("low missing") << ""
                                     << "3" << Kind::Flow << "3.00";
        QTest::newRow("not a number kept") << "n/a"
                                           << "" << Kind::Flow << "n/a";
    }
    void lowAndHighJoinIntoOneCell() {
        QFETCH(QString, low);
        QFETCH(QString, high);
        QFETCH(Kind, kind);
        QFETCH(QString, cell);
        QCOMPARE(LeakageCellText(low, high, kind), cell);
    }

    void flowsUseTheLocaleSeparator() {
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        const QString cell = LeakageCellText("1.6", "12", Kind::Flow);
        QLocale::setDefault(QLocale::c());
        QCOMPARE(cell, QString("1,60 to 12,00"));
    }

    void aMissingConditionLeavesEveryCellEmpty() {
        const TLeakageCells none = LeakageCellsOf(reading("-70"), TDataTable());
        QCOMPARE(none.Pressure, TLeakageCells().Pressure);
        QCOMPARE(none.Flow, TLeakageCells().Flow);
        const TLeakageCells both = LeakageCellsOf(reading("-70"), reading("-80"));
        QCOMPARE(both.Pressure[16], QString("-70 to -80"));
    }

    void catalogueCellsFollowTheRows() {
        const TLeakageCells lowOnly = read("VPF-63", 1, 2); // no 'HIGH' row
        QCOMPARE(lowOnly.Pressure, TLeakageCells().Pressure);
        QCOMPARE(lowOnly.Flow, TLeakageCells().Flow);
        const TLeakageCells equal = read("VPF-10", 1, 1); // both rows read the same
        QCOMPARE(equal.Flow[0], QString("0"));
        QVERIFY(!equal.Pressure[1].contains(" to "));
        const TLeakageCells first = read("VPF-10", 0, 0);
        QVERIFY2(first.Flow[2].contains(" to "), qPrintable(first.Flow[2])); // sawn wood
    }

    void padsAreListedSmallestFirst() {
        QCOMPARE(LeakagePads(*db_), QStringList({"VPF-10", "VPF-20", "VPF-40", "VPF-63"}));
    }

    void hostilePadNamesNeverReachSql_data() {
        QTest::addColumn<QString>("pad");
        QTest::newRow("quote") << "VPF-10' OR '1'='1";
        QTest::newRow("statement") << "VPF-10'; DROP TABLE Material; --";
        QTest::newRow("blank") << "VPF 10";
        QTest::newRow("empty") << "";
    }
    void hostilePadNamesNeverReachSql() {
        QFETCH(QString, pad);
        QVERIFY(!LeakageSql({pad, 0, 0}, TLeakageCondition::Low));
        TLeakageCells cells;
        cells.Flow[0] = "stale";
        QString error;
        QVERIFY(!ReadLeakageCells(*db_, {pad, 0, 0}, cells, error));
        QCOMPARE(cells.Flow[0], QString());
        QVERIFY(!error.isEmpty());
    }

    void photoTitleTakesTheGroupsMaterial_data() {
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("title");
        QTest::newRow("no surface") << 0 << "Steel";
        QTest::newRow("own material") << 1 << "Wood -- Planed";
        QTest::newRow("material from above") << 2 << "Wood -- Sawn";
        QTest::newRow("last row") << 4 << "Concrete -- Rough";
        QTest::newRow("out of range") << 5 << "";
    }
    void photoTitleTakesTheGroupsMaterial() {
        QFETCH(int, row);
        QFETCH(QString, title);
        QCOMPARE(LeakagePhotoTitle(Materials, Surfaces, row), title);
    }

    void dialogFillsEveryRowForTheFirstChoice() {
        TFrmXieLouLiang dialog(nullptr, db_.get());
        const TXMLLan lan(QStringLiteral(ZAVK_TEST_LANGUAGE_DIR "/English.xml"));
        ApplyToForm(lan, &dialog, {});
        auto* grid = dialog.findChild<QTableWidget*>("SgList");
        QVERIFY(grid);
        QCOMPARE(grid->rowCount(), LeakageRowCount);
        QCOMPARE(dialog.findChild<QComboBox*>("CbSK_PAD")->currentText(), QString("VPF-10"));
        const TLeakageCells expected = read("VPF-10", 0, 0);
        for (int r = 0; r < LeakageRowCount; ++r) {
            QVERIFY(!grid->item(r, 2)->text().isEmpty());
            QCOMPARE(grid->item(r, 2)->text(), expected.Pressure[r]);
            QCOMPARE(grid->item(r, 3)->text(), expected.Flow[r]);
        }
        QCOMPARE(dialog.findChild<QLabel*>("Label25")->property("tag").toInt(), 17);
        QCOMPARE(dialog.PhotoTitle(3), QString("Wood -- Sawn (rough)"));
    }
};

QTEST_MAIN(TestLeakage)
#include "tst_leakage.moc"
