#pragma once

#include <QByteArray>
#include <QHash>
#include <QStringList>
#include <QTcpServer>

// A small HTTP/1.1 server on a free loopback port for the update tests: it serves
// files from memory to HEAD and GET, honours "Range: bytes=a-b", closes each
// connection after its reply, and logs every request as "METHOD path [range]".
// As a proxy it takes absolute URLs and can demand a login first.
class TestHttpServer : public QObject {
    Q_OBJECT
public:
    // Listens on the loopback port given, or on a free one for 0.
    explicit TestHttpServer(quint16 port = 0);

    QString url() const; // "http://127.0.0.1:PORT/"
    quint16 port() const { return server_.serverPort(); }

    void setFile(const QString& path, const QByteArray& content) { files_[path] = content; }
    void removeFile(const QString& path) { files_.remove(path); }
    // The connection of a GET that asks for bytes at or beyond the offset is cut
    // after a few bytes of the reply.
    void dropAfter(const QString& path, qint64 offset) { drops_[path] = offset; }
    // HEAD replies for the path carry no Content-Length.
    void omitLength(const QString& path) { noLength_.append(path); }
    // Requests must carry this "user:password" as Proxy-Authorization (407 otherwise).
    void requireProxyLogin(const QByteArray& userColonPassword) { proxyLogin_ = userColonPassword; }

    // Each reply waits this long first, so that a download can be watched.
    void setDelay(int milliseconds) { delayMs_ = milliseconds; }

    QStringList log;
    int proxiedRequests = 0;

private:
    void serve(class QTcpSocket* socket);
    QHash<QString, QByteArray> files_;
    QHash<QString, qint64> drops_;
    QStringList noLength_;
    QByteArray proxyLogin_;
    int delayMs_ = 0;
    QTcpServer server_;
};
