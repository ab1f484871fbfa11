#include "TestSupport.h"
#include "core/DMComm.h"
#include "lang/XMLLan.h"
#include "settings/PresetValues.h"
#include "settings/UnitSchemes.h"
#include "units/UnitManager.h"

#include <QtTest>

Q_DECLARE_METATYPE(TPresetCheck)

namespace {

// Release throttle opening in %: 0 to 100, five presets numbered 1 to 5.
const TPresetUnit Throttle{"10", "1", "0", "100", "%", "%"};

QString scalar(TDMComm& db, const QString& statement) {
    TDataTable rows;
    return db.GetDataPacket(statement, rows) && !rows.IsEmpty() ? rows.RowAt(0).value(0).toString()
                                                                : QStringLiteral("<none>");
}

} // namespace

class TestSettingsEdits : public QObject {
    Q_OBJECT

    std::unique_ptr<TempProgramFolder> folder_;
    TDMComm db_;

private slots:
    void init() {
        folder_ = std::make_unique<TempProgramFolder>();
        folder_->copyCatalogue();
        QVERIFY(db_.ConnectDB(folder_->file("Data/MORELDB.db")));
    }
    void cleanup() {
        db_.CloseConnection();
        folder_.reset();
    }

    void postOfAPresetIsCheckedInOrder_data() {
        QTest::addColumn<QString>("sortNo");
        QTest::addColumn<QString>("value");
        QTest::addColumn<TPresetCheck>("expected");
        QTest::newRow("empty order") << ""
                                     << "5" << TPresetCheck::EmptyField;
        QTest::newRow("empty value") << "1"
                                     << " " << TPresetCheck::EmptyField;
        QTest::newRow("empty before range") << ""
                                            << "1000" << TPresetCheck::EmptyField;
        QTest::newRow("order 10001") << "10001"
                                     << "5" << TPresetCheck::OrderOutOfRange;
        QTest::newRow("order -1") << "-1"
                                  << "5" << TPresetCheck::OrderOutOfRange;
        QTest::newRow("order not a number") << "x"
                                            << "5" << TPresetCheck::OrderOutOfRange;
        QTest::newRow("order before value") << "10001"
                                            << "-5" << TPresetCheck::OrderOutOfRange;
        QTest::newRow("order 0") << "0"
                                 << "5" << TPresetCheck::Accepted;
        QTest::newRow("order 10000") << "10000"
                                     << "5" << TPresetCheck::Accepted;
        QTest::newRow("value below") << "1"
                                     << "-0.01" << TPresetCheck::ValueOutOfRange;
        QTest::newRow("value above") << "1"
                                     << "100.5" << TPresetCheck::ValueOutOfRange;
        QTest::newRow("value at lower bound") << "1"
                                              << "0" << TPresetCheck::Accepted;
        QTest::newRow("value at upper bound") << "1"
                                              << "100" << TPresetCheck::Accepted;
        QTest::newRow("order of another row") << "3"
                                              << "5" << TPresetCheck::OrderTaken;
        QTest::newRow("own order unchanged") << "1"
                                             << "7" << TPresetCheck::Accepted;
    }
    void postOfAPresetIsCheckedInOrder() {
        QFETCH(QString, sortNo);
        QFETCH(QString, value);
        QFETCH(TPresetCheck, expected);
        TPresetList list(db_);
        list.Load("110", Throttle);
        const QString before = scalar(db_, "SELECT SortNo || '/' || NumPopData FROM CommonValue "
                                           "WHERE ParaID=110 AND SortNo=1");
        QCOMPARE(list.Post(0, sortNo, value), expected);
        const bool written = expected == TPresetCheck::Accepted;
        QCOMPARE(list.Editing(), !written);
        const QString stored =
            scalar(db_, "SELECT count(*) FROM CommonValue WHERE ParaID=110 AND "
                        "SortNo=" +
                            QString::number(sortNo.toInt()) +
                            " AND NumPopData=" + QString::number(value.toDouble()));
        if (written)
            QCOMPARE(stored, "1");
        else
            QCOMPARE(scalar(db_, "SELECT SortNo || '/' || NumPopData FROM CommonValue WHERE "
                                 "ParaID=110 AND RecNumber IN (SELECT min(RecNumber) FROM "
                                 "CommonValue WHERE ParaID=110)"),
                     before);
    }

    void appendedPresetFollowsTheLastRow() {
        TPresetList list(db_);
        list.Load("110", Throttle);
        QCOMPARE(list.Append(), TPresetCheck::Accepted);
        QCOMPARE(list.Rows().size(), 6);
        QCOMPARE(list.Rows().last().SortNo, "6");
        QCOMPARE(list.Rows().last().Value, "0");
        QVERIFY(list.Rows().last().RecNumber);

        // A unit without presets starts at 1, holding its lower bound.
        list.Load("114", {"1", "1", "-101.13", "0", "kPa", "kPa"});
        QCOMPARE(list.Append(), TPresetCheck::Accepted);
        QCOMPARE(list.Rows().size(), 1);
        QCOMPARE(list.Rows().first().SortNo, "1");
        QCOMPARE(list.Rows().first().Value, "-101.13");

        // After number 10000 the new row is refused and stays for correction.
        list.Load("110", Throttle);
        QCOMPARE(list.Post(4, "10000", "50"), TPresetCheck::Accepted);
        QCOMPARE(list.Append(), TPresetCheck::OrderOutOfRange);
        QVERIFY(list.Editing());
        QVERIFY(!list.Rows().last().RecNumber);
        QCOMPARE(list.Post(list.EditRow(), "9", "50"), TPresetCheck::Accepted);
        QCOMPARE(scalar(db_, "SELECT count(*) FROM CommonValue WHERE ParaID=110"), "7");
    }

    void presetDeletion() {
        TPresetList list(db_);
        list.Load("100", {"2", "1", "0", "60", "s", "s"}); // rows 104 to 109
        QCOMPARE(list.Delete(1), TPresetDelete::Protected);
        QCOMPARE(list.Rows().size(), 6);
        list.Load("110", Throttle);
        for (int left = 5; left > 1; --left)
            QCOMPARE(list.Delete(0), TPresetDelete::Deleted);
        QCOMPARE(list.Delete(0), TPresetDelete::LastRow);
        QCOMPARE(scalar(db_, "SELECT count(*) FROM CommonValue WHERE ParaID=110"), "1");
    }

    void schemeNamesAreStoredAsTyped_data() {
        QTest::addColumn<QString>("name");
        QTest::newRow("apostrophe") << "O'Brien's shop";
        QTest::newRow("sql") << "x'); DROP TABLE UnitSchemeMaster; --";
        QTest::newRow("percent and quotes") << "100% \"imperial\"";
        QTest::newRow("leading blanks") << "   Imperial shop";
        QTest::newRow("non-latin") << "工場の単位 Единицы";
    }
    void schemeNamesAreStoredAsTyped() {
        QFETCH(QString, name);
        QString error;
        QVERIFY2(AddScheme(db_, name, name + " memo", &error), qPrintable(error));
        QList<TSchemeRow> schemes;
        QVERIFY(ReadSchemes(db_, schemes));
        QCOMPARE(schemes.last().Name, name);
        QCOMPARE(schemes.last().Memo, name + " memo");
        QVERIFY(RenameScheme(db_, schemes.last().SchemeID, "'" + name, "%", &error));
        QVERIFY(ReadSchemes(db_, schemes));
        QCOMPARE(schemes.last().Name, "'" + name);
        QCOMPARE(schemes.last().Memo, "%");
    }

    void newSchemeStartsFromTheDefaultUnitsOfEveryModel() {
        QString error;
        QVERIFY(AddScheme(db_, "New", "", &error));
        const QString id = scalar(db_, "SELECT max(SchemeID) FROM UnitSchemeMaster");
        QCOMPARE(scalar(db_, "SELECT count(DISTINCT ModelID) FROM UnitSchemeDetail WHERE "
                             "SchemeID=" +
                                 id),
                 "2");
        QCOMPARE(scalar(db_, "SELECT count(*) FROM (SELECT ModelID, ItemID, DefUnitCategoryID, "
                             "DefSubUnitCategoryID FROM ModelDetail EXCEPT SELECT ModelID, ItemID, "
                             "UnitCategoryID, SubUnitCategoryID FROM UnitSchemeDetail WHERE "
                             "SchemeID=" +
                                 id + ")"),
                 "0");
        QVERIFY(SetSchemeUnit(db_, id, "1", "1", "3"));
        QCOMPARE(scalar(db_, "SELECT UnitCategoryID || '/' || SubUnitCategoryID FROM "
                             "UnitSchemeDetail WHERE SchemeID=" +
                                 id + " AND ModelID=1 AND ItemID=1"),
                 "2/3");
        QVERIFY(DeleteScheme(db_, id, &error));
        QCOMPARE(scalar(db_, "SELECT count(*) FROM UnitSchemeDetail WHERE SchemeID=" + id), "0");
    }

    // A failing change undoes only its own statements; the dialog's transaction
    // keeps what came before until it is rolled back as a whole.
    void failedChangeRollsBackOnlyItsSavepoint() {
        QVERIFY(db_.ExecSQL("CREATE TRIGGER refuse BEFORE INSERT ON UnitSchemeDetail WHEN "
                            "(SELECT SchemeName FROM UnitSchemeMaster WHERE SchemeID = "
                            "NEW.SchemeID) = 'refused' BEGIN SELECT RAISE(ABORT, 'refused by "
                            "test'); END"));
        QVERIFY(db_.BeginTrans());
        QString error;
        QVERIFY(AddScheme(db_, "kept", "", &error));
        QVERIFY(!AddScheme(db_, "refused", "", &error));
        QVERIFY2(error.contains("refused by test"), qPrintable(error));
        QCOMPARE(db_.TransactionLevel(), 1);
        QCOMPARE(scalar(db_, "SELECT group_concat(SchemeName) FROM UnitSchemeMaster WHERE "
                             "SchemeID > 2"),
                 "kept");
        QVERIFY(db_.RollbackTrans());
        QCOMPARE(scalar(db_, "SELECT count(*) FROM UnitSchemeMaster"), "2");
    }

    void fixedSchemeIsListedOnceAsItsBuiltInRow() {
        QList<TSchemeRow> schemes;
        QVERIFY(ReadSchemes(db_, schemes));
        QCOMPARE(schemes.size(), 1);
        QCOMPARE(schemes.first().SchemeID, "2");
        QCOMPARE(SchemeRowOf(0, schemes), FreeChoiceRow);
        QCOMPARE(SchemeRowOf(1, schemes), FixedSchemeRow);
        QCOMPARE(SchemeRowOf(2, schemes), FirstListedRow);
        QCOMPARE(SchemeRowOf(7, schemes), 8); // gone: the row of its number, if any
    }

    void unitChoicesOfADetailRow() {
        TXMLLan lan(QStringLiteral(ZAVK_TEST_LANGUAGE_DIR "/English.xml"));
        TUnitManager units(db_, 1033);
        const QList<TSchemeDetailRow> rows = SchemeDetails(db_, lan, "2", "1");
        QVERIFY(!rows.isEmpty());
        QCOMPARE(rows.first().ItemName, lan.GetDataText("ModelDetail", "11", "ItemName"));
        const QList<TUnitChoice> times = UnitChoices(units, lan, rows.first());
        QCOMPARE(times.size(), 3);
        QCOMPARE(times.at(1).Unit, "2");
        const TSchemeDetailRow fixed{"Ratio", "-", "99", "4", "5"};
        QCOMPARE(UnitChoices(units, lan, fixed).size(), 1);
        QCOMPARE(UnitChoices(units, lan, fixed).first().Unit, "4");
    }

    void readOnlyCatalogueRefusesWritesWithAReason() {
        db_.CloseConnection();
        QVERIFY(db_.ConnectDB(folder_->file("Data/MORELDB.db"), TDMComm::TOpenMode::ReadOnly));
        QString error;
        QVERIFY(!AddScheme(db_, "x", "y", &error));
        QVERIFY(!error.isEmpty());
        TPresetList list(db_);
        list.Load("110", Throttle);
        QCOMPARE(list.Post(0, "1", "9"), TPresetCheck::WriteFailed);
        QVERIFY(!list.LastError().isEmpty());
    }

    void regionOfChoice() {
        QCOMPARE(RegionOfChoice(1, 0), 1);
        QCOMPARE(RegionOfChoice(3, 2), 3);
        QCOMPARE(RegionOfChoice(3, 1), 1);
        QCOMPARE(RegionOfChoice(4, 2), 2);
        QCOMPARE(RegionOfChoice(4, 3), 3);
    }
};

QTEST_GUILESS_MAIN(TestSettingsEdits)
#include "tst_settings_edits.moc"
