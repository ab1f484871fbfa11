// How long the catalogue takes to answer: connecting (with its integrity check)
// and one statement opened into the shared cursor with one row read.
#include "TestSupport.h"
#include "core/DMComm.h"

#include <QtTest>

class BenchCatalogue : public QObject {
    Q_OBJECT

private slots:
    void connectDB() {
        TempProgramFolder folder;
        folder.copyCatalogue();
        TDMComm db;
        QBENCHMARK {
            QVERIFY(db.ConnectDB());
        }
    }

    void openSqlAndReadOneRow() {
        TempProgramFolder folder;
        folder.copyCatalogue();
        TDMComm db;
        QVERIFY(db.ConnectDB());
        double flow = 0;
        QBENCHMARK {
            QVERIFY(db.OpenSQL("SELECT * FROM M_EJ WHERE ID=1"));
            flow += db.QComm.AsFloat("Max_flow");
            db.QComm.Close();
        }
        QVERIFY(flow > 0);
    }

    void padArea() {
        TempProgramFolder folder;
        folder.copyCatalogue();
        TDMComm db;
        QVERIFY(db.ConnectDB());
        QBENCHMARK {
            QVERIFY(db.GetPadArea("1") > 0);
        }
    }
};

QTEST_GUILESS_MAIN(BenchCatalogue)
#include "bench_catalogue.moc"
