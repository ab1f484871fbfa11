#include "TestSupport.h"
#include "core/DMComm.h"
#include "core/JetSql.h"

#include <QFile>
#include <QtTest>

class TestCatalogue : public QObject {
    Q_OBJECT

    std::unique_ptr<TempProgramFolder> folder_;
    std::unique_ptr<TDMComm> db_;

    TDMComm& db() { return *db_; }

    int count(const QString& statement) {
        TDataTable table;
        if (!db().GetDataPacket(statement, table))
            return -1;
        return table.RecordCount();
    }

private slots:
    void init() {
        folder_ = std::make_unique<TempProgramFolder>();
        folder_->copyCatalogue();
        db_ = std::make_unique<TDMComm>();
        QVERIFY2(db().ConnectDB(), qPrintable(db().LastError()));
    }
    void cleanup() {
        db_.reset();
        folder_.reset();
    }

    void missingOrDamagedDatabaseFailsAndEveryQueryFails_data() {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<bool>("create");
        QTest::newRow("missing") << QByteArray() << false;
        QTest::newRow("empty file") << QByteArray() << true;
        QTest::newRow("not a database") << QByteArray("hello, I am text") << true;
        QTest::newRow("truncated") << QByteArray("truncate") << true;
    }
    void missingOrDamagedDatabaseFailsAndEveryQueryFails() {
        QFETCH(QByteArray, content);
        QFETCH(bool, create);
        const QString path = folder_->file("Data/Other.db");
        if (content == "truncate") {
            QFile source(folder_->file("Data/MORELDB.db"));
            QVERIFY(source.open(QIODevice::ReadOnly));
            folder_->writeFile("Data/Other.db", source.read(source.size() / 2));
        } else if (create) {
            folder_->writeFile("Data/Other.db", content);
        }
        TDMComm broken;
        QVERIFY(!broken.ConnectDB(path));
        QVERIFY(!broken.LastError().isEmpty());
        QVERIFY(!broken.Connected());
        QCOMPARE(QFile::exists(path), create || content == "truncate"); // never created
        QVERIFY(!broken.OpenSQL("SELECT * FROM SERIES"));
        TDataTable packet({"X"}, {{1}});
        QVERIFY(!broken.GetDataPacket("SELECT * FROM SERIES", packet));
        QVERIFY(packet.IsEmpty());
        TDataTable kept({"X"}, {{1}});
        broken.GetXMLDataPacket("SELECT * FROM SERIES", kept);
        QCOMPARE(kept.RecordCount(), 1);
        QCOMPARE(broken.GetPadArea("1"), 0.0);
        QVERIFY(!broken.ExecSQL("DELETE FROM SERIES"));
    }

    void queryWithoutRowsOpensEmpty() {
        QVERIFY(db().OpenSQL("SELECT * FROM M_PT WHERE ID=-1"));
        QVERIFY(db().QComm.IsEmpty());
        QVERIFY(db().QComm.Eof());
        QCOMPARE(db().QComm.AsString("M_NAME"), QString());
        db().QComm.Close();
    }

    void misspeltColumnOrTableFailsWithoutException() {
        QVERIFY(!db().OpenSQL("SELECT PAD_SS FROM M_PT"));
        QVERIFY(!db().QComm.Active());
        QVERIFY(!db().OpenSQL("SELECT * FROM NoSuchTable"));
        QVERIFY(!db().OpenSQL("SELEC * FROM M_PT"));
    }

    void secondOpenClosesTheFirstCursor() {
        QVERIFY(db().OpenSQL("SELECT ID FROM M_PT ORDER BY ID"));
        QVERIFY(db().OpenSQL("SELECT SERIESID FROM SERIES ORDER BY ID"));
        QVERIFY(!db().QComm.HasField("ID") || db().QComm.HasField("SERIESID"));
        QVERIFY(!db().QComm.AsString("SERIESID").isEmpty());
        QVERIFY(!db().QComm.HasField("PAD_S"));
        db().QComm.Close();
    }

    void cursorWalksAllRowsAndCanStartAgain() {
        const int expected = count("SELECT * FROM M_EJ");
        QVERIFY(expected > 1);
        QVERIFY(db().OpenSQL("SELECT * FROM M_EJ ORDER BY ID"));
        int rows = 0;
        QString firstId;
        for (; !db().QComm.Eof(); db().QComm.Next()) {
            if (rows++ == 0)
                firstId = db().QComm.AsString("id");
        }
        QCOMPARE(rows, expected);
        db().QComm.First();
        QCOMPARE(db().QComm.AsString("ID"), firstId);
        db().QComm.Close();
    }

    void columnsReadAsFloatIntegerAndText() {
        QVERIFY(db().ExecSQL("INSERT INTO M_PT (ID, SERIESID, M_NAME, PAD_S, BUFFER) "
                             "VALUES (9900, 'VPF', 'T-1', 314.0, 1)"));
        QVERIFY(db().ExecSQL("INSERT INTO M_PT (ID, SERIESID, M_NAME, PAD_S, BUFFER) "
                             "VALUES (9901, 'VPF', 'T-2', 0.35, 0)"));
        QVERIFY(
            db().OpenSQL("SELECT ID, m_name, PAD_S, BUFFER FROM M_PT WHERE ID>=9900 ORDER BY ID"));
        TQuery& q = db().QComm;
        QCOMPARE(q.AsString("Id"), QString("9900"));
        QCOMPARE(q.AsString("M_Name"), QString("T-1"));
        QCOMPARE(q.AsString("PAD_S"), QString("314")); // whole numbers without ".0"
        QCOMPARE(q.AsFloat("pad_s"), 314.0);
        QCOMPARE(q.AsInteger("BUFFER"), 1);
        q.Next();
        QCOMPARE(q.AsString("PAD_S"), QString("0.35"));
        QCOMPARE(q.AsInteger("PAD_S"), 0);
        QCOMPARE(q.AsFloat("M_NAME"), 0.0); // text that is no number
        q.Close();
    }

    void jetStatementsOfEveryShapeRun_data() {
        QTest::addColumn<QString>("statement");
        QTest::addColumn<bool>("hasRows");
        QTest::newRow("DISTINCT in parentheses, joins with AS")
            << "SELECT DISTINCT(P.SERIESID) AS SERIESID,S.SERIES_NAME AS SERIES_NAME,S.ID AS "
               "ID,S.ASIA AS ASIA FROM SERIES AS S,M_PT AS P WHERE (S.SERIESID = P.SERIESID) "
               "AND (P.ASIA<>0) ORDER BY S.ASIA ASC"
            << true;
        QTest::newRow("table alias without AS")
            << "SELECT A.UnitCategoryID, A.SubUnitCategoryID, A.InputMin, A.InputMax, "
               "B.UnitName, B.UnitNameExt FROM ParaInfo A, UnitCategory B WHERE (A.ParaID=101) "
               "AND (A.UnitCategoryID=B.UnitCategoryID) AND "
               "(A.SubUnitCategoryID=B.SubUnitCategoryID)"
            << true;
        QTest::newRow("FRoM in odd case, text in other case")
            << "SELECT * FRoM Material WHERE SK_PAD='vpf-10'" << true;
        QTest::newRow("mixed-case columns, quote followed by AND")
            << "SELECT * FROM M_EJ WHERE System_Cat=1 AND Type=1 AND ASIA<>0 AND SeriesID<>'' "
               "AND flow_type='S'AND stand_pressure>=0.35 ORDER BY Nozzle_Diameter ASC"
            << true;
        QTest::newRow("USE column and double blanks")
            << "SELECT * FROM M_VA  WHERE USE=0 AND (Port=2 OR Port=3) AND C1to2>=0.1" << true;
        QTest::newRow("unit statement as the unit manager sends it")
            << "select A.ParaId,A.UnitCategoryID,A.SubUnitCategoryID,A.IsDefaultUnit,"
               "A.Avail_DecPoint,A.InputMin,A.InputMax,A.Confine,A.LanId,A.DefNum,B.SortNo,"
               "B.NumPopData from ParaInfo as A,CommonValue as B where ParaType=0 and "
               "A.ParaId=B.ParaId and A.UnitCategoryID=B.UnitCategoryID and "
               "A.SubUnitCategoryID=B.SubUnitCategoryID and A.LanId=B.LanId  and A.LanId=1033 "
               "order by A.ParaId,A.UnitCategoryID,A.SubUnitCategoryID,B.SortNo,B.NumPopData"
            << true;
        QTest::newRow("newest scheme first")
            << "SELECT SchemeID FROM UnitSchemeMaster ORDER BY SchemeID DESC" << true;
    }
    void jetStatementsOfEveryShapeRun() {
        QFETCH(QString, statement);
        QFETCH(bool, hasRows);
        QVERIFY2(db().OpenSQL(statement), qPrintable(db().LastError()));
        QCOMPARE(!db().QComm.IsEmpty(), hasRows);
        db().QComm.Close();
    }

    void schemeEditorWritesInsertSelectAndDeleteStar() {
        QVERIFY(
            db().ExecSQL("INSERT INTO UnitSchemeMaster(SchemeName, Memol) VALUES ('Mine', 'm')"));
        QVERIFY(db().OpenSQL("SELECT SchemeID FROM UnitSchemeMaster ORDER BY SchemeID DESC"));
        const QString id = db().QComm.AsString("SchemeID");
        db().QComm.Close();
        const int items = count("SELECT * FROM ModelDetail");
        QVERIFY(
            db().ExecSQL("INSERT INTO UnitSchemeDetail (SchemeID, ModelID, ItemID, UnitCategoryID, "
                         "SubUnitCategoryID) SELECT " +
                         id +
                         " AS SchemeID, ModelID AS ModelID, ItemID AS "
                         "ItemID, DefUnitCategoryID AS UnitCategoryID, DefSubUnitCategoryID AS "
                         "SubUnitCategoryID FROM ModelDetail"));
        QCOMPARE(count("SELECT * FROM UnitSchemeDetail WHERE SchemeID=" + id), items);
        int deleted = 0;
        QVERIFY(db().ExecSQL("DELETE * FROM UnitSchemeDetail WHERE SchemeID=" + id, &deleted));
        QCOMPARE(deleted, items);
        QVERIFY(db().ExecSQL("delete*from UnitSchemeMaster WHERE SchemeID=" + id));
        QCOMPARE(count("SELECT * FROM UnitSchemeMaster WHERE SchemeID=" + id), 0);
    }

    void jetRewriteLeavesQuotedTextAlone() {
        QCOMPARE(TranslateJetSql("DELETE * FROM T WHERE A='DELETE * FROM X'"),
                 QString("DELETE FROM T WHERE A='DELETE * FROM X'"));
        QCOMPARE(TranslateJetSql("SELECT * FROM T WHERE A='it''s DELETE * FROM'"),
                 QString("SELECT * FROM T WHERE A='it''s DELETE * FROM'"));
        QCOMPARE(TranslateJetSql("SELECT COUNT(*) FROM T"), QString("SELECT COUNT(*) FROM T"));
        QCOMPARE(TranslateJetSql("Delete  *  From [DELETE * FROM]"),
                 QString("DELETE From [DELETE * FROM]"));
    }

    // Cursor and table reads tell the driver's reason, and only statements that
    // read rows run: anything that would change the catalogue is refused unrun.
    void readsKeepTheRealErrorAndRefuseWritesUnrun_data() {
        QTest::addColumn<QString>("statement");
        QTest::addColumn<QString>("error");
        QTest::newRow("missing table") << "SELECT * FROM M_VAX"
                                       << "no such table: M_VAX";
        QTest::newRow("delete") << "DELETE FROM SERIES"
                                << "returns no rows";
        QTest::newRow("delete returning") << "DELETE FROM SERIES RETURNING ID"
                                          << "returns no rows";
        QTest::newRow("CTE delete") << "WITH x AS (SELECT 1) DELETE FROM SERIES"
                                    << "returns no rows";
        QTest::newRow("begin") << "BEGIN"
                               << "returns no rows";
        QTest::newRow("create") << "CREATE TABLE Z (A)"
                                << "returns no rows";
    }
    void readsKeepTheRealErrorAndRefuseWritesUnrun() {
        QFETCH(QString, statement);
        QFETCH(QString, error);
        const int before = count("SELECT * FROM SERIES");
        QVERIFY(!db().OpenSQL(statement));
        QVERIFY2(db().LastError().contains(error), qPrintable(db().LastError()));
        TDataTable packet;
        QVERIFY(!db().GetDataPacket(statement, packet));
        QVERIFY2(db().LastError().contains(error), qPrintable(db().LastError()));
        QCOMPARE(count("SELECT * FROM SERIES"), before);
        QCOMPARE(db().TransactionLevel(), 0);
        QVERIFY(db().ExecSQL("CREATE TABLE Probe (A)")); // and no transaction was left open
    }

    void readOnlyConnectionRefusesEveryWrite() {
        TDMComm reader;
        QVERIFY(reader.ConnectDB(folder_->file("Data/MORELDB.db"), TDMComm::TOpenMode::ReadOnly));
        QVERIFY(reader.OpenSQL("SELECT * FROM SERIES"));
        QVERIFY(!reader.ExecSQL("DELETE FROM SERIES"));
        QVERIFY2(reader.LastError().contains("readonly"), qPrintable(reader.LastError()));
        QVERIFY(!reader.ConnectDB(folder_->file("Data/None.db"), TDMComm::TOpenMode::ReadOnly));
        QVERIFY(!QFile::exists(folder_->file("Data/None.db")));
    }

    void stackedStatementsAreRefused() {
        const int before = count("SELECT * FROM SERIES");
        QVERIFY(!db().OpenSQL("SELECT * FROM SERIES; DELETE FROM SERIES"));
        QVERIFY(!db().ExecSQL("UPDATE SERIES SET ASIA=0; DELETE FROM SERIES"));
        QCOMPARE(count("SELECT * FROM SERIES"), before);
    }

    void detachedTableOutlivesTheCursorAndFilters() {
        TDataTable table;
        QVERIFY(db().GetDataPacket("Select * from UnitCategory", table));
        db().CloseConnection();
        QVERIFY(table.RecordCount() > 4);
        QVERIFY(table.FieldNames().contains("UnitCategoryID", Qt::CaseInsensitive));

        table.FilterEquals({{"unitcategoryid", 1}, {"SUBUNITCATEGORYID", "2"}});
        QCOMPARE(table.RecordCount(), 1);
        QCOMPARE(table.AsInteger("SubUnitCategoryId"), 2);
        table.Next();
        QVERIFY(table.Eof());
        QVERIFY(table.AsString("UnitName").isEmpty()); // reading past the end gives nothing

        table.FilterEquals({{"NoSuchColumn", 1}});
        QVERIFY(table.IsEmpty());
        table.ClearFilter();
        QVERIFY(!table.Filtered());
        QVERIFY(table.RecordCount() > 4);
    }

    void xmlPacketKeepsTheOldTableOnError() {
        TDataTable table;
        db().GetXMLDataPacket("SELECT * FROM ModelMaster ORDER BY ModelID ASC", table);
        const int models = table.RecordCount();
        QVERIFY(models > 0);
        db().GetXMLDataPacket("SELECT nonsense FROM ModelMaster", table);
        QCOMPARE(table.RecordCount(), models);
        TDataTable packet({"X"}, {{1}});
        QVERIFY(!db().GetDataPacket("SELECT nonsense FROM ModelMaster", packet));
        QVERIFY(packet.IsEmpty());
    }

    void padAreaOfAPadAndOfBadIds() {
        QVERIFY(db().OpenSQL("SELECT ID, PAD_S FROM M_PT ORDER BY ID"));
        const QString id = db().QComm.AsString("ID");
        const double area = db().QComm.AsFloat("PAD_S");
        db().QComm.Close();
        QCOMPARE(db().GetPadArea(id), area);
        QCOMPARE(db().GetPadArea(" " + id + " "), area);
        QCOMPARE(db().GetPadArea("-12345"), 0.0);
        QCOMPARE(db().GetPadArea("1 OR 1=1"), 0.0);
        QCOMPARE(db().GetPadArea(""), 0.0);
        QVERIFY(!db().QComm.Active());
    }

    void nestedTransactionsRollBackTheirOwnPart() {
        const int before = count("SELECT * FROM UnitSchemeMaster");
        QVERIFY(db().BeginTrans());
        QVERIFY(db().ExecSQL("INSERT INTO UnitSchemeMaster(SchemeName, Memol) VALUES ('a','')"));
        {
            TTransaction inner(db());
            QVERIFY(inner.Active());
            QCOMPARE(db().TransactionLevel(), 2);
            QVERIFY(
                db().ExecSQL("INSERT INTO UnitSchemeMaster(SchemeName, Memol) VALUES ('b','')"));
        } // not committed: only 'b' goes
        QCOMPARE(db().TransactionLevel(), 1);
        QVERIFY(db().CommitTrans());
        QCOMPARE(count("SELECT * FROM UnitSchemeMaster"), before + 1);
        QCOMPARE(count("SELECT * FROM UnitSchemeMaster WHERE SchemeName='b'"), 0);

        {
            TTransaction outer(db());
            QVERIFY(db().ExecSQL("DELETE * FROM UnitSchemeMaster"));
            TTransaction inner(db());
            QVERIFY(inner.Commit());
        } // the outer level rolls back everything
        QCOMPARE(count("SELECT * FROM UnitSchemeMaster"), before + 1);
        QVERIFY(!db().CommitTrans()); // nothing open
    }

    void candidateCursorStaysOpenWhileTheSharedCursorIsReused() {
        QVERIFY(db().QEJ.Open("SELECT * FROM M_EJ WHERE System_Cat=1 ORDER BY ID"));
        const QString first = db().QEJ.AsString("ID");
        QVERIFY(db().OpenSQL("SELECT * FROM SERIES"));
        db().QComm.Close();
        QCOMPARE(db().QEJ.AsString("ID"), first);
        db().QEJ.Close();
    }
};

QTEST_GUILESS_MAIN(TestCatalogue)
#include "tst_catalogue.moc"
