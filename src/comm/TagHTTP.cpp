#include "comm/TagHTTP.h"

#include "comm/HttpResponseParser.h"
#include "comm/SocketErrors.h"

#include <cmath>

TagHTTP::TagHTTP()
{
    Service = QStringLiteral("http");
    DefaultPort = 80;
}

void TagHTTP::SetURL(const QString& url)
{
    const QString scheme = url.left(8).toUpper();
    const bool tls = scheme == u"HTTPS://";
    if (!tls && !scheme.startsWith(u"HTTP://"))
        FailCode(SocketCode::InvalidUrl);
    m_url = url;
    UseTls = tls;
    Service = tls ? QStringLiteral("https") : QStringLiteral("http");
    DefaultPort = tls ? 443 : 80;
    const QString rest = url.mid(tls ? 8 : 7);
    const qsizetype slash = rest.indexOf(u'/');
    m_host = slash < 0 ? rest : rest.left(slash);
    m_path = slash < 0 ? QStringLiteral("/") : rest.mid(slash);
    m_fileName.clear();
    if (m_path.contains(u'.')) {
        m_fileName = m_path.mid(m_path.lastIndexOf(u'/') + 1);
        if (m_fileName.isEmpty())
            m_fileName = QStringLiteral("index.html");
    }
    Server = m_proxy.isEmpty() ? m_host : m_proxy;
}

void TagHTTP::SetProxy(const QString& proxy)
{
    if (!proxy.isEmpty() && !proxy.contains(u':'))
        FailCode(SocketCode::ProxyPortRequired);
    m_proxy = proxy;
    Server = m_proxy.isEmpty() ? m_host : m_proxy;
}

void TagHTTP::ClearResponse()
{
    m_headers.Clear();
    m_body.clear();
}

int TagHTTP::Get()
{
    return Transfer(false);
}

int TagHTTP::Head()
{
    return Transfer(true);
}

int TagHTTP::Transfer(bool head)
{
    ClearResponse();
    Open();
    if (OnSending)
        OnSending();
    const QString target = !m_proxy.isEmpty() ? m_url : (m_path.isEmpty() ? QStringLiteral("/") : m_path);
    SendLine((head ? u"HEAD " : u"GET ") + target + u" HTTP/1.1");
    SendLine(u"Host: " + m_host);
    SendLine(QStringLiteral("Accept: */*"));
    SendLine(QStringLiteral("Connection: close"));
    SendLine(QString());

    HttpResponseParser parser(head);
    bool bodyStarted = false;
    while (!parser.IsDone() && !parser.HasFailed()) {
        const QByteArray data = ReadSome();
        if (data.isEmpty())
            parser.Finish();
        else
            parser.Feed(data);
        if (!head && OnProgress && (parser.Body().size() > 0 || bodyStarted)) {
            bodyStarted = true;
            const qint64 expected = parser.ExpectedLength();
            const qint64 got = parser.Body().size();
            const int percent = expected > 0 ? static_cast<int>(std::lround(got * 100.0 / static_cast<double>(expected))) : -1;
            OnProgress(percent, got);
        }
    }
    m_headers = parser.Headers();
    if (parser.HasFailed())
        Fail(parser.Error(), 0);
    m_body = parser.Body();
    Close();
    return parser.StatusCode();
}
