#include "sync/DavClient.h"

#include <QBuffer>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QTimer>

using namespace Qt::StringLiterals;

QString DavReply::Describe() const
{
    if (!error.isEmpty())
        return error;
    return u"The server answered HTTP %1"_s.arg(status);
}

DavClient::DavClient(QString user, QString password)
    : m_user(std::move(user)), m_password(std::move(password)), m_network(std::make_unique<QNetworkAccessManager>())
{
    m_network->setRedirectPolicy(QNetworkRequest::ManualRedirectPolicy);
}

DavClient::~DavClient() = default;

DavReply DavClient::Send(const QByteArray& method, const QUrl& url, const QByteArray& body,
                         const QList<QPair<QByteArray, QByteArray>>& headers)
{
    const bool follows = method == "GET" || method == "PROPFIND" || method == "REPORT";
    QUrl target = url;
    for (int hop = 0;; ++hop) {
        DavReply reply = SendOnce(method, target, body, headers);
        const bool redirect = reply.status == 301 || reply.status == 302 || reply.status == 303
                              || reply.status == 307 || reply.status == 308;
        if (!follows || !redirect || reply.location.isEmpty())
            return reply;
        if (hop == 5) {
            reply.error = u"The server redirects too often"_s;
            return reply;
        }
        const QUrl next = target.resolved(QUrl(reply.location));
        if (target.scheme() == u"https" && next.scheme() != u"https") {
            reply.error = u"The server redirects from a secure to an insecure address"_s;
            return reply;
        }
        target = next;
    }
}

DavReply DavClient::SendOnce(const QByteArray& method, const QUrl& url, const QByteArray& body,
                             const QList<QPair<QByteArray, QByteArray>>& headers)
{
    ++m_requests;
    QElapsedTimer timer;
    timer.start();
    QNetworkRequest request(url);
    request.setTransferTimeout(kTimeoutMs);
    if (!m_user.isEmpty()) {
        request.setRawHeader("Authorization",
                             "Basic " + (m_user + u':' + m_password).toUtf8().toBase64());
    }
    if (!body.isEmpty() && !request.hasRawHeader("Content-Type"))
        request.setHeader(QNetworkRequest::ContentTypeHeader, QByteArrayLiteral("application/xml; charset=utf-8"));
    for (const auto& [name, value] : headers)
        request.setRawHeader(name, value);

    QBuffer buffer;
    buffer.setData(body);
    buffer.open(QIODevice::ReadOnly);
    QNetworkReply* reply = m_network->sendCustomRequest(request, method, &buffer);
    DavReply result;
    QEventLoop loop;
    QObject::connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
    QObject::connect(reply, &QNetworkReply::downloadProgress, &loop, [reply, &result](qint64 received, qint64) {
        if (received > kMaxBodyBytes) {
            result.error = u"The server's answer is too large"_s;
            reply->abort();
        }
    });
    if (!reply->isFinished())
        loop.exec(QEventLoop::ExcludeUserInputEvents);

    result.status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    if (result.error.isEmpty()) {
        result.body = reply->readAll();
        const auto error = reply->error();
        // HTTP errors keep their status; anything below HTTP is a failure.
        if (error != QNetworkReply::NoError && (result.status == 0 || error < QNetworkReply::ContentAccessDenied))
            result.error = reply->errorString();
    }
    result.etag = QString::fromUtf8(reply->rawHeader("ETag")).trimmed();
    result.location = QString::fromUtf8(reply->rawHeader("Location")).trimmed();
    reply->deleteLater();
    if (m_log)
        m_log(method, url, result.status, timer.nsecsElapsed());
    return result;
}

DavReply DavClient::Propfind(const QUrl& url, int depth, const QByteArray& body)
{
    return Send("PROPFIND", url, body, {{"Depth", QByteArray::number(depth)}});
}

DavReply DavClient::Report(const QUrl& url, int depth, const QByteArray& body)
{
    return Send("REPORT", url, body, {{"Depth", QByteArray::number(depth)}});
}
