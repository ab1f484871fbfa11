// The online update's download: a 10 MB file fetched from a loopback server in
// pieces of 2048 bytes (one HEAD, then 5120 range requests), against one plain GET
// of the same file. The server closes each connection after its reply, as the
// test server does, so every piece pays for a new connection.
#include "TestHttpServer.h"
#include "update/UpdateClient.h"

#include <QtTest>

class BenchUpdate : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        QByteArray content(10 * 1024 * 1024, Qt::Uninitialized);
        for (int i = 0; i < content.size(); ++i)
            content[i] = char(i * 7);
        server_.setFile("/big.bin", content);
        size_ = content.size();
    }

    void inPiecesOf2048Bytes() {
        TUpdateClient client;
        QByteArray content;
        QBENCHMARK_ONCE {
            QVERIFY(client.Download(
                server_.url() + "big.bin", content, [] { return false; }, [](qint64, qint64) {}));
        }
        QCOMPARE(content.size(), size_);
        QCOMPARE(client.Requests(), 1 + int(size_ / TUpdateClient::PieceSize));
    }

    void inOneGet() {
        TUpdateClient client;
        QByteArray content;
        QBENCHMARK {
            QVERIFY(client.Get(server_.url() + "big.bin", content));
        }
        QCOMPARE(content.size(), size_);
    }

private:
    TestHttpServer server_;
    qsizetype size_ = 0;
};

QTEST_GUILESS_MAIN(BenchUpdate)
#include "bench_update.moc"
