#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>

class TagHTTP;

// One document on a web server, fetched through the caller's TagHTTP: its
// body (GET) and the date of its Last-Modified header (HEAD). Failures are
// thrown as ESocketError whose message ends in " while retrieving " and
// the URL.
class TWebFile
{
public:
    TWebFile(const QString& url, TagHTTP& http);

    // The body of a successful (2xx) answer; any other status is an error
    // naming the server's status line.
    QByteArray Content();
    // The last Last-Modified header in UTC; invalid when there is none or
    // it is not a date. A document the server refuses is an error.
    QDateTime LastModified();

private:
    [[noreturn]] void Rethrow(const QString& message, int code) const;
    [[noreturn]] void FailStatus() const;

    QString m_url;
    TagHTTP& m_http;
};
