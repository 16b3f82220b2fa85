#pragma once

#include "comm/TagSocket.h"
#include "comm/TmsHeaders.h"

#include <QByteArray>
#include <QString>

// An HTTP/1.1 client on TagSocket: GET (headers and body) and HEAD
// (headers only) of one URL, one request per connection. "https://" URLs
// go over TLS.
class TagHTTP : public TagSocket
{
public:
    TagHTTP();

    // Takes the URL apart; anything but "http://" or "https://" (any case)
    // fails with "Invalid URL".
    void SetURL(const QString& url);
    const QString& URL() const { return m_url; }
    // The request target: the path from the first "/" after the server.
    const QString& Path() const { return m_path; }
    // The path's last part when the path names a file ("index.html" for a
    // directory), else empty.
    const QString& FileName() const { return m_fileName; }
    // The server text, with its port suffix when it has one.
    const QString& Host() const { return m_host; }

    // "host:port" of a proxy that gets the whole URL as its target; empty
    // for a direct connection.
    void SetProxy(const QString& proxy);
    const QString& Proxy() const { return m_proxy; }

    std::function<void()> OnSending;

    // The status code of the response, -1 without a status line.
    int Get();
    int Head();

    const TmsHeaders& Headers() const { return m_headers; }
    const QByteArray& Body() const { return m_body; }
    void ClearResponse();

private:
    int Transfer(bool head);

    QString m_url;
    QString m_host;
    QString m_path = QStringLiteral("/");
    QString m_fileName;
    QString m_proxy;
    TmsHeaders m_headers;
    QByteArray m_body;
};
