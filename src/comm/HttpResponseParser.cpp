#include "comm/HttpResponseParser.h"

namespace {

int HexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

} // namespace

HttpResponseParser::HttpResponseParser(bool headOnly) : m_headOnly(headOnly) {}

void HttpResponseParser::Fail(const QString& error)
{
    m_state = State::Failed;
    m_error = error;
}

bool HttpResponseParser::TakeLine(QByteArrayView data, qsizetype& at)
{
    const qsizetype feed = data.indexOf('\n', at);
    const qsizetype end = feed < 0 ? data.size() : feed;
    if (m_line.size() + (end - at) > HttpLimits::MaxLine) {
        Fail(QStringLiteral("The server sent a line longer than %1 bytes").arg(HttpLimits::MaxLine));
        at = data.size();
        return false;
    }
    m_line.append(data.sliced(at, end - at));
    at = feed < 0 ? data.size() : feed + 1;
    if (feed < 0)
        return false;
    while (m_line.endsWith('\r'))
        m_line.chop(1);
    return true;
}

void HttpResponseParser::Feed(QByteArrayView data)
{
    qsizetype at = 0;
    while (at < data.size()) {
        switch (m_state) {
        case State::Headers:
            if (TakeLine(data, at))
                HeaderLine();
            break;
        case State::ChunkSize:
            if (TakeLine(data, at))
                ChunkSizeLine();
            break;
        case State::ChunkData:
            TakeBody(data, at, m_chunkLeft);
            break;
        case State::FixedBody:
            TakeBody(data, at, m_expected - m_body.size());
            break;
        case State::BodyToClose:
            TakeBody(data, at, HttpLimits::MaxBody + 1 - m_body.size());
            break;
        case State::Done:
        case State::Failed:
            return;
        }
    }
}

void HttpResponseParser::HeaderLine()
{
    const QString line = QString::fromLatin1(m_line);
    m_line.clear();
    if (line.isEmpty()) {
        StartBody();
        return;
    }
    if (m_headers.Count() >= HttpLimits::MaxHeaderLines) {
        Fail(QStringLiteral("The server sent more than %1 header lines").arg(HttpLimits::MaxHeaderLines));
        return;
    }
    if (!m_sawStatus) {
        m_sawStatus = true;
        const qsizetype blank = line.indexOf(u' ');
        if (blank >= 0) {
            bool ok = false;
            const int code = line.mid(blank + 1).section(u' ', 0, 0).toInt(&ok);
            m_status = ok ? code : -1;
        }
    }
    m_headers.Add(line);
}

void HttpResponseParser::StartBody()
{
    const bool noBody = m_headOnly || (m_status >= 100 && m_status < 200) || m_status == 204 || m_status == 304;
    if (noBody) {
        m_state = State::Done;
        return;
    }
    if (m_headers.Value(QStringLiteral("Transfer-Encoding")).contains(u"chunked", Qt::CaseInsensitive)) {
        m_state = State::ChunkSize;
        return;
    }
    bool ok = false;
    const qint64 length = m_headers.Value(QStringLiteral("Content-Length")).toLongLong(&ok);
    if (ok && length >= 0) {
        if (length > HttpLimits::MaxBody) {
            Fail(QStringLiteral("The response is larger than %1 MiB").arg(HttpLimits::MaxBody / (1024 * 1024)));
            return;
        }
        m_expected = length;
        m_body.reserve(length);
        m_state = length == 0 ? State::Done : State::FixedBody;
        return;
    }
    m_state = State::BodyToClose;
}

void HttpResponseParser::ChunkSizeLine()
{
    QByteArray text = m_line;
    m_line.clear();
    if (text.trimmed().isEmpty())
        return; // the line end after a chunk's data
    if (const qsizetype semicolon = text.indexOf(';'); semicolon >= 0)
        text.truncate(semicolon); // chunk extensions
    text = text.trimmed();
    // Hex digits only: no sign, no "0x", at most 15 of them.
    bool ok = !text.isEmpty() && text.size() <= 15;
    qint64 size = 0;
    for (const char c : std::as_const(text)) {
        const int digit = HexDigit(c);
        if (digit < 0) {
            ok = false;
            break;
        }
        size = size * 16 + digit;
    }
    if (!ok) {
        Fail(QStringLiteral("The server sent an invalid chunk size"));
        return;
    }
    if (size > HttpLimits::MaxBody - m_body.size()) {
        Fail(QStringLiteral("The response is larger than %1 MiB").arg(HttpLimits::MaxBody / (1024 * 1024)));
        return;
    }
    if (size == 0) {
        m_state = State::Done; // trailers are not needed
        return;
    }
    m_chunkLeft = size;
    m_state = State::ChunkData;
}

void HttpResponseParser::TakeBody(QByteArrayView data, qsizetype& at, qint64 wanted)
{
    const qint64 take = std::min<qint64>(wanted, data.size() - at);
    if (m_state == State::BodyToClose && m_body.size() + take > HttpLimits::MaxBody) {
        Fail(QStringLiteral("The response is larger than %1 MiB").arg(HttpLimits::MaxBody / (1024 * 1024)));
        at = data.size();
        return;
    }
    m_body.append(data.sliced(at, take));
    at += take;
    if (m_state == State::ChunkData) {
        m_chunkLeft -= take;
        if (m_chunkLeft == 0)
            m_state = State::ChunkSize;
    } else if (m_state == State::FixedBody && m_body.size() == m_expected) {
        m_state = State::Done;
    }
}

void HttpResponseParser::Finish()
{
    switch (m_state) {
    case State::Headers:
        // Nothing at all is an answer without a status line; anything else
        // cut short before its empty line is a broken response.
        if (m_headers.IsEmpty() && m_line.isEmpty())
            m_state = State::Done;
        else
            Fail(QStringLiteral("The connection closed before the whole response arrived"));
        break;
    case State::BodyToClose:
        m_state = State::Done;
        break;
    case State::ChunkSize:
    case State::ChunkData:
    case State::FixedBody:
        Fail(QStringLiteral("The connection closed before the whole response arrived"));
        break;
    case State::Done:
    case State::Failed:
        break;
    }
}
