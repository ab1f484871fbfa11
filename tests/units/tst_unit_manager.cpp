#include "TestSupport.h"
#include "core/DMComm.h"
#include "units/UnitConversion.h"
#include "units/UnitManager.h"

#include <QtTest>

#include <memory>

// The unit manager on the built catalogue and on small catalogues written for
// one grouping rule each.
class TestUnitManager : public QObject {
    Q_OBJECT

    std::unique_ptr<TempProgramFolder> folder_;
    std::unique_ptr<TDMComm> db_;

    QList<int> unitNumbers(const TSinglePara& para) const {
        QList<int> numbers;
        for (const TSinglePop& pop : para.Pops)
            numbers.append(pop.SubUnitCategoryId);
        return numbers;
    }

    // A copy of the built catalogue whose parameter tables hold only fixture rows.
    void writeFixture() {
        folder_ = std::make_unique<TempProgramFolder>();
        folder_->copyCatalogue();
        db_ = std::make_unique<TDMComm>();
        QVERIFY(db_->ConnectDB(folder_->file("Data/MORELDB.db")));
        const QStringList statements = {
            "DELETE FROM ParaInfo",
            "DELETE FROM CommonValue",
            "INSERT INTO UnitCategory (UnitCategoryID, SubUnitCategoryID, UnitName) VALUES "
            "(12, 1, '" +
                QString(300, 'n') + "')",
            // ParaType 0, three units of which the second has no presets
            "INSERT INTO ParaInfo (ParaID, ParaType, UnitCategoryID, SubUnitCategoryID, "
            "IsDefaultUnit, InputMin, InputMax, DefNum) VALUES (500, 0, 1, 3, 0, 0, 1, 0),"
            "(500, 0, 1, 1, 1, 0, 1, 0), (500, 0, 1, 2, 0, 0, 1, 0)",
            "INSERT INTO CommonValue (ParaID, UnitCategoryID, SubUnitCategoryID, SortNo, "
            "NumPopData) VALUES (500, 1, 3, 1, 7), (500, 1, 1, 1, 1)",
            // equal SortNo: the smaller value first; SortNo counts before the value
            "INSERT INTO ParaInfo (ParaID, ParaType, UnitCategoryID, SubUnitCategoryID, "
            "IsDefaultUnit, InputMin, InputMax, DefNum) VALUES (501, 0, 2, 1, 1, 0, 9, 3)",
            "INSERT INTO CommonValue (ParaID, UnitCategoryID, SubUnitCategoryID, SortNo, "
            "NumPopData) VALUES (501, 2, 1, 2, 5), (501, 2, 1, 2, 2), (501, 2, 1, 1, 9)",
            // another language: ignored
            "INSERT INTO ParaInfo (ParaID, ParaType, UnitCategoryID, SubUnitCategoryID, "
            "IsDefaultUnit, InputMin, InputMax, LanId) VALUES (502, 1, 2, 1, 1, 0, 9, 1041)",
            // without presets, one unit the catalogue lacks
            "INSERT INTO ParaInfo (ParaID, ParaType, UnitCategoryID, SubUnitCategoryID, "
            "IsDefaultUnit, InputMin, InputMax) VALUES (503, 1, 12, 1, 1, 0, 9),"
            "(503, 1, 12, 9, 0, 0, 9)",
        };
        for (const QString& statement : statements)
            QVERIFY2(db_->ExecSQL(statement), qPrintable(db_->LastError()));
    }

private slots:
    void builtCatalogueGivesEveryParameterItsUnitsAndDefault() {
        TDMComm db;
        QVERIFY(ConnectBuiltCatalogue(db));
        TUnitManager units(db, 1033);
        QCOMPARE(units.LanguageId(), 1033);
        const TSinglePara* supply = units.FindParameter(111);
        QVERIFY(supply);
        QCOMPARE(supply->UnitCategoryId, 1);
        QVERIFY(supply->Category && supply->Category->UnitCategoryId == 1);
        QCOMPARE(unitNumbers(*supply).first(), 1);
        QCOMPARE(supply->Pops.at(1).IsDefaultUnit, 1);
        QCOMPARE(supply->Pops.at(1).UnitDef->UnitName, QString("MPa"));
        QCOMPARE(supply->Pops.at(1).DefNum, 0.4);
        QVERIFY(supply->Pops.at(1).PresetCount() > 0);
        QVERIFY(units.FindParameter(123) &&
                units.FindParameter(123)->Pops.first().PresetCount() == 0);
        QCOMPARE(units.FindUnit(6, 2)->UnitName, QString("degF"));
        QVERIFY(!units.FindUnit(6, 99));
        QVERIFY(!units.FindParameter(99999));
        QVERIFY(!units.FindCategory(99));
    }

    void schemeSelectsTheUnitOfAParameter_data() {
        QTest::addColumn<int>("scheme");
        QTest::addColumn<int>("paraId");
        QTest::addColumn<bool>("success");
        QTest::addColumn<int>("category");
        QTest::addColumn<int>("unit");
        QTest::newRow("fixed scheme, supply in MPa") << 1 << 111 << true << 1 << 2;
        QTest::newRow("imperial scheme, supply in psi") << 2 << 111 << true << 1 << 4;
        QTest::newRow("unknown scheme leaves the pair") << 77 << 111 << true << -1 << -1;
        QTest::newRow("parameter in no module fails") << 1 << 99999 << false << -1 << -1;
    }
    void schemeSelectsTheUnitOfAParameter() {
        QFETCH(int, scheme);
        QFETCH(int, paraId);
        TDMComm db;
        QVERIFY(ConnectBuiltCatalogue(db));
        TUnitManager units(db, 1033);
        QFETCH(bool, success);
        QFETCH(int, category);
        QFETCH(int, unit);
        int gotCategory = -1, gotUnit = -1;
        QCOMPARE(units.GetSchemeUnit(scheme, paraId, gotCategory, gotUnit), success);
        QCOMPARE(gotCategory, category);
        QCOMPARE(gotUnit, unit);
        QVERIFY(!units.SchemeDetail().Filtered());
    }

    void rowsAreGroupedByUnitAndPresetOrder() {
        writeFixture();
        TUnitManager units(*db_, 1033);
        const TSinglePara* partial = units.FindParameter(500);
        QVERIFY(partial);
        QCOMPARE(unitNumbers(*partial), QList<int>({1, 3}));
        QCOMPARE(partial->Pops.at(1).NumPopData, QList<double>({7}));
        const TSinglePara* ties = units.FindParameter(501);
        QVERIFY(ties);
        QCOMPARE(ties->Pops.first().NumPopData, QList<double>({9, 2, 5}));
        QVERIFY(!units.FindParameter(502));
    }

    void unitsTheCatalogueLacksConvertAsIdentity() {
        writeFixture();
        TUnitManager units(*db_, 1033);
        QCOMPARE(units.FindUnit(12, 1)->UnitName.size(), 255);
        const TSinglePara* para = units.FindParameter(503);
        QVERIFY(para);
        QCOMPARE(unitNumbers(*para), QList<int>({1, 9}));
        QVERIFY(!para->Pops.at(1).UnitDef);
        QCOMPARE(ToBaseValue(para->Pops.at(1), 2.5), 2.5);
        QCOMPARE(FromBaseValue(para->Pops.at(1), 2.5), 2.5);
    }

    void recordsBoundBeforeAReloadStayUsable() {
        writeFixture();
        TUnitManager units(*db_, 1033);
        const TSinglePara* kept = units.FindParameter(501);
        const TSinglePara* removed = units.FindParameter(503);
        QVERIFY(db_->ExecSQL("UPDATE ParaInfo SET DefNum = 4 WHERE ParaID = 501"));
        QVERIFY(db_->ExecSQL("DELETE FROM ParaInfo WHERE ParaID = 503"));
        units.LoadParameters();
        QCOMPARE(units.FindParameter(501), kept);
        QCOMPARE(kept->Pops.first().DefNum, 4.0);
        QCOMPARE(kept->Pops.first().NumPopData.size(), 3);
        QVERIFY(!units.FindParameter(503));
        QCOMPARE(removed->ParaID, 503);
        QCOMPARE(removed->Pops.size(), 2);
    }

    void withoutCatalogueEveryLookupAnswersNothing() {
        TDMComm unconnected;
        TUnitManager units(unconnected, 1033);
        TUnitManager empty(1041);
        for (TUnitManager* manager : {&units, &empty}) {
            QVERIFY(!manager->FindParameter(111));
            QVERIFY(!manager->FindCategory(1));
            int category = 0, unit = 0;
            QVERIFY(!manager->GetSchemeUnit(1, 111, category, unit));
            manager->LoadParameters();
            QVERIFY(manager->Paras().empty());
        }
    }
};

QTEST_GUILESS_MAIN(TestUnitManager)
#include "tst_unit_manager.moc"
