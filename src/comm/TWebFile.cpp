#include "comm/TWebFile.h"

#include "comm/HttpDate.h"
#include "comm/SocketErrors.h"
#include "comm/TagHTTP.h"

TWebFile::TWebFile(const QString& url, TagHTTP& http) : m_url(url), m_http(http)
{
    try {
        m_http.SetURL(url);
    } catch (const ESocketError& e) {
        Rethrow(e.Message(), e.Code());
    }
    m_http.TimeOut = 60;
    m_http.ClearResponse();
}

void TWebFile::Rethrow(const QString& message, int code) const
{
    throw ESocketError(message + u" while retrieving " + m_url, code);
}

QByteArray TWebFile::Content()
{
    int status = -1;
    try {
        status = m_http.Get();
    } catch (const ESocketError& e) {
        Rethrow(e.Message(), e.Code());
    }
    if (status < 200 || status > 299)
        FailStatus();
    return m_http.Body();
}

void TWebFile::FailStatus() const
{
    const QString line = m_http.Headers().IsEmpty() ? QString() : m_http.Headers().Lines().first();
    Rethrow(line.isEmpty() ? QStringLiteral("The server sent no answer")
                           : QStringLiteral("The server answered \"%1\"").arg(line.left(200)),
            0);
}

QDateTime TWebFile::LastModified()
{
    if (m_http.Headers().IsEmpty()) {
        int status = -1;
        try {
            status = m_http.Head();
        } catch (const ESocketError& e) {
            Rethrow(e.Message(), e.Code());
        }
        // A server that does not know HEAD is asked with GET later; any
        // other refusal means the document is not there.
        if ((status < 200 || status > 299) && status != 405 && status != 501)
            FailStatus();
    }
    QString last;
    for (const QString& line : m_http.Headers().Lines()) {
        if (line.startsWith(u"LAST-MODIFIED", Qt::CaseInsensitive))
            last = line;
    }
    const qsizetype colon = last.indexOf(u':');
    return colon < 0 ? QDateTime() : ParseHttpDate(last.mid(colon + 1));
}
