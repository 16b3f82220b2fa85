#pragma once

#include <QByteArray>
#include <QList>
#include <QPair>
#include <QString>
#include <QUrl>

#include <functional>
#include <memory>

class QNetworkAccessManager;

// The answer to one request: the HTTP status (0 when none arrived), the
// headers that matter here, the body, and a reason when the request failed
// below HTTP (no connection, time-out, TLS, a cut-off body).
struct DavReply
{
    int status = 0;
    QByteArray body;
    QString etag;
    QString location;
    QString error;

    bool Ok() const { return error.isEmpty() && status >= 200 && status <= 299; }
    // "HTTP 500", or the network error: for messages.
    QString Describe() const;
};

// Talks to one server in the calling thread: each request waits for its
// answer in a local event loop, with a time-out and a cap on the body size.
// Credentials go with every request (Basic), so a server that answers 401
// once fails the sync instead of prompting.
class DavClient
{
public:
    DavClient(QString user, QString password);
    ~DavClient();
    DavClient(const DavClient&) = delete;
    DavClient& operator=(const DavClient&) = delete;

    static constexpr int kTimeoutMs = 30000;
    static constexpr qsizetype kMaxBodyBytes = 256 * 1024 * 1024;

    // Redirects are followed for GET, PROPFIND and REPORT (up to five, never
    // from https to http); PUT and DELETE go only where they are sent.
    DavReply Send(const QByteArray& method, const QUrl& url, const QByteArray& body = {},
                  const QList<QPair<QByteArray, QByteArray>>& headers = {});

    DavReply Propfind(const QUrl& url, int depth, const QByteArray& body);
    DavReply Report(const QUrl& url, int depth, const QByteArray& body);

    // Counts the requests sent, for the benchmark and the tests.
    int RequestCount() const { return m_requests; }

    // Called after each request with its method, address, status and the
    // time it took (in nanoseconds): for measuring where a sync's time goes.
    using RequestLog = std::function<void(const QByteArray& method, const QUrl& url, int status, qint64 ns)>;
    void SetRequestLog(RequestLog log) { m_log = std::move(log); }

private:
    DavReply SendOnce(const QByteArray& method, const QUrl& url, const QByteArray& body,
                      const QList<QPair<QByteArray, QByteArray>>& headers);

    QString m_user;
    QString m_password;
    std::unique_ptr<QNetworkAccessManager> m_network;
    int m_requests = 0;
    RequestLog m_log;
};
