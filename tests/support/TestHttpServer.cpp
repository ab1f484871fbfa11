#include "TestHttpServer.h"

#include <QRegularExpression>
#include <QTcpSocket>
#include <QTimer>
#include <QUrl>

TestHttpServer::TestHttpServer(quint16 port) {
    server_.listen(QHostAddress::LocalHost, port);
    connect(&server_, &QTcpServer::newConnection, this, [this] {
        while (QTcpSocket* socket = server_.nextPendingConnection()) {
            connect(socket, &QTcpSocket::readyRead, this, [this, socket] {
                if (delayMs_ > 0)
                    QTimer::singleShot(delayMs_, socket, [this, socket] { serve(socket); });
                else
                    serve(socket);
            });
            connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
        }
    });
}

QString TestHttpServer::url() const {
    return QStringLiteral("http://127.0.0.1:%1/").arg(port());
}

void TestHttpServer::serve(QTcpSocket* socket) {
    QByteArray received = socket->property("received").toByteArray() + socket->readAll();
    socket->setProperty("received", received);
    const qsizetype end = received.indexOf("\r\n\r\n");
    if (end < 0)
        return;
    const QList<QByteArray> lines = received.left(end).split('\n');
    const QList<QByteArray> first = lines.value(0).trimmed().split(' ');
    const QByteArray method = first.value(0);
    QString target = QString::fromLatin1(first.value(1));
    QByteArray range;
    QByteArray login;
    for (const QByteArray& line : lines) {
        const QByteArray lower = line.toLower();
        if (lower.startsWith("range:"))
            range = line.mid(6).trimmed();
        if (lower.startsWith("proxy-authorization:"))
            login = line.mid(20).trimmed();
    }
    const auto reply = [socket](const QByteArray& status, const QByteArray& headers,
                                const QByteArray& body) {
        socket->write("HTTP/1.1 " + status + "\r\nConnection: close\r\n" + headers + "\r\n" + body);
        socket->disconnectFromHost();
    };
    if (target.startsWith(QLatin1String("http://"))) {
        ++proxiedRequests;
        if (!proxyLogin_.isEmpty() && login != "Basic " + proxyLogin_.toBase64()) {
            log << QString::fromLatin1(method) + QStringLiteral(" (proxy login refused)");
            reply("407 Proxy Authentication Required",
                  "Proxy-Authenticate: Basic realm=\"test\"\r\nContent-Length: 0\r\n", {});
            return;
        }
        target = QUrl(target).path();
    }
    log << QString::fromLatin1(method) + ' ' + target +
               (range.isEmpty() ? QString() : ' ' + QString::fromLatin1(range));
    if (!files_.contains(target)) {
        reply("404 Not Found", "Content-Length: 0\r\n", {});
        return;
    }
    const QByteArray content = files_.value(target);
    if (method == "HEAD") {
        reply("200 OK",
              noLength_.contains(target)
                  ? QByteArray()
                  : "Content-Length: " + QByteArray::number(content.size()) + "\r\n",
              {});
        return;
    }
    static const QRegularExpression bytes(QStringLiteral("bytes=(\\d+)-(\\d*)"));
    const auto match = bytes.match(QString::fromLatin1(range));
    if (!match.hasMatch()) {
        reply("200 OK", "Content-Length: " + QByteArray::number(content.size()) + "\r\n", content);
        return;
    }
    const qint64 from = match.captured(1).toLongLong();
    const qint64 to = match.captured(2).isEmpty()
                          ? content.size() - 1
                          : std::min<qint64>(match.captured(2).toLongLong(), content.size() - 1);
    const QByteArray part = content.mid(from, to - from + 1);
    const QByteArray headers = "Content-Length: " + QByteArray::number(part.size()) +
                               "\r\nContent-Range: bytes " + QByteArray::number(from) + '-' +
                               QByteArray::number(to) + '/' + QByteArray::number(content.size()) +
                               "\r\n";
    if (drops_.contains(target) && from >= drops_.value(target)) {
        socket->write("HTTP/1.1 206 Partial Content\r\n" + headers + "\r\n" + part.left(5));
        socket->flush();
        socket->abort();
        return;
    }
    reply("206 Partial Content", headers, part);
}
