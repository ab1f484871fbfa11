#pragma once

#include "update/VersionList.h"

#include <QByteArray>
#include <QNetworkAccessManager>

#include <functional>

// The update's HTTP client: each request waits in a local event loop, so the
// window keeps handling its events (Cancel, the status ticker) while data comes.
// A failure is a false result with the reason in LastError(): a network error,
// an HTTP error status, a reply without its length or shorter than asked.
class TUpdateClient {
public:
    TUpdateClient();

    // Takes the proxy settings; false when a proxy is to be used and its port is
    // not a number from 1 to 65535.
    bool Configure(const TUrlInfo& info);

    bool Get(const QString& url, QByteArray& body);
    bool Head(const QString& url, qint64& length);
    // Exactly the bytes first .. first + count - 1 of the resource.
    bool GetRange(const QString& url, qint64 first, qint64 count, QByteArray& bytes);

    // Downloads a file of the announced length in pieces of PieceSize bytes.
    // Cancelled is asked before each piece; progress gets the bytes received.
    static constexpr qint64 PieceSize = 2048;
    bool Download(const QString& url, QByteArray& content, const std::function<bool()>& cancelled,
                  const std::function<void(qint64 received, qint64 total)>& progress);

    QString LastError() const { return error_; }
    int Requests() const { return requests_; }

private:
    QNetworkReply* run(QNetworkReply* reply);
    bool failed(QNetworkReply* reply, const QString& url);

    QNetworkAccessManager manager_;
    QString error_;
    int requests_ = 0;
};
