#include "update/UpdateClient.h"

#include <QEventLoop>
#include <QNetworkProxy>
#include <QNetworkReply>

#include <memory>

namespace {

constexpr int TransferTimeoutMs = 30000;

QNetworkRequest request(const QString& url) {
    QNetworkRequest r{QUrl(url)};
    r.setTransferTimeout(TransferTimeoutMs);
    r.setRawHeader("Accept", "text/html, */*");
    r.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                   QNetworkRequest::NoLessSafeRedirectPolicy);
    return r;
}

int statusOf(QNetworkReply* reply) {
    return reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
}

} // namespace

TUpdateClient::TUpdateClient() {
    manager_.setProxy(QNetworkProxy::NoProxy);
}

bool TUpdateClient::Configure(const TUrlInfo& info) {
    if (!info.UseProxy) {
        manager_.setProxy(QNetworkProxy::NoProxy);
        return true;
    }
    bool ok = false;
    const int port = info.ProxyPort.trimmed().toInt(&ok);
    if (!ok || port < 1 || port > 65535) {
        error_ = QStringLiteral("the proxy port \"%1\" is not a number from 1 to 65535")
                     .arg(info.ProxyPort);
        return false;
    }
    QNetworkProxy proxy(QNetworkProxy::HttpProxy, info.ProxyAddress.trimmed(), quint16(port));
    if (info.UserLogin) {
        proxy.setUser(info.UserName);
        proxy.setPassword(info.UserPassword);
    }
    manager_.setProxy(proxy);
    return true;
}

QNetworkReply* TUpdateClient::run(QNetworkReply* reply) {
    ++requests_;
    if (!reply->isFinished()) {
        QEventLoop loop;
        QObject::connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
        loop.exec();
    }
    return reply;
}

// True (with the reason) when the request did not succeed.
bool TUpdateClient::failed(QNetworkReply* reply, const QString& url) {
    const int status = statusOf(reply);
    if (reply->error() == QNetworkReply::NoError && status >= 200 && status < 300)
        return false;
    error_ = status >= 300
                 ? QStringLiteral("%1: HTTP %2 %3")
                       .arg(url)
                       .arg(status)
                       .arg(reply->attribute(QNetworkRequest::HttpReasonPhraseAttribute).toString())
                 : QStringLiteral("%1: %2").arg(url, reply->errorString());
    return true;
}

bool TUpdateClient::Get(const QString& url, QByteArray& body) {
    std::unique_ptr<QNetworkReply> reply(run(manager_.get(request(url))));
    if (failed(reply.get(), url))
        return false;
    body = reply->readAll();
    return true;
}

bool TUpdateClient::Head(const QString& url, qint64& length) {
    std::unique_ptr<QNetworkReply> reply(run(manager_.head(request(url))));
    if (failed(reply.get(), url))
        return false;
    const QVariant announced = reply->header(QNetworkRequest::ContentLengthHeader);
    if (!announced.isValid()) {
        error_ = QStringLiteral("%1: the server did not give the file's length").arg(url);
        return false;
    }
    length = announced.toLongLong();
    return true;
}

bool TUpdateClient::GetRange(const QString& url, qint64 first, qint64 count, QByteArray& bytes) {
    QNetworkRequest r = request(url);
    r.setRawHeader("Range",
                   QStringLiteral("bytes=%1-%2").arg(first).arg(first + count - 1).toLatin1());
    std::unique_ptr<QNetworkReply> reply(run(manager_.get(r)));
    if (failed(reply.get(), url))
        return false;
    if (statusOf(reply.get()) != 206 && first > 0) {
        error_ = QStringLiteral("%1: the server does not send parts of a file").arg(url);
        return false;
    }
    bytes = reply->readAll();
    if (bytes.size() < count) {
        error_ = QStringLiteral("%1: %2 bytes arrived of the %3 asked from byte %4")
                     .arg(url)
                     .arg(bytes.size())
                     .arg(count)
                     .arg(first);
        return false;
    }
    bytes.truncate(count);
    return true;
}

bool TUpdateClient::Download(const QString& url, QByteArray& content,
                             const std::function<bool()>& cancelled,
                             const std::function<void(qint64, qint64)>& progress) {
    qint64 length = 0;
    if (!Head(url, length))
        return false;
    content.clear();
    content.reserve(length);
    progress(0, length);
    for (qint64 received = 0; received < length;) {
        if (cancelled()) {
            error_ = QStringLiteral("cancelled");
            return false;
        }
        QByteArray piece;
        const qint64 count = std::min(PieceSize, length - received);
        if (!GetRange(url, received, count, piece))
            return false;
        content.append(piece);
        received += count;
        progress(received, length);
    }
    return true;
}
