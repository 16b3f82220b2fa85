#pragma once

#include "comm/TmsHeaders.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

// What a response may bring before it is refused: the network decides the
// sizes, so every one of them is capped.
namespace HttpLimits {
inline constexpr qint64 MaxBody = 64 * 1024 * 1024;
inline constexpr qsizetype MaxLine = 8 * 1024;
inline constexpr qsizetype MaxHeaderLines = 200;
} // namespace HttpLimits

// Reads one HTTP/1.1 response from the bytes as they arrive: the status
// line, the header lines up to the empty line, and the body framed by
// chunks, by Content-Length or by the end of the connection.
class HttpResponseParser
{
public:
    // A response to HEAD has no body, whatever its headers say.
    explicit HttpResponseParser(bool headOnly);

    // Takes the next bytes of the connection. Bytes after the end of the
    // response are ignored.
    void Feed(QByteArrayView data);
    // The peer closed the connection: a body read until the close ends
    // here; a response cut short fails.
    void Finish();

    bool IsDone() const { return m_state == State::Done; }
    bool HasFailed() const { return m_state == State::Failed; }
    QString Error() const { return m_error; }

    // The number after the status line's first blank; -1 without a status
    // line or when it is not a number.
    int StatusCode() const { return m_status; }
    const TmsHeaders& Headers() const { return m_headers; }
    const QByteArray& Body() const { return m_body; }
    // The body's announced size, -1 when it is not known in advance.
    qint64 ExpectedLength() const { return m_expected; }

private:
    enum class State { Headers, ChunkSize, ChunkData, FixedBody, BodyToClose, Done, Failed };

    // Collects a line; true when one is complete in m_line (line end removed).
    bool TakeLine(QByteArrayView data, qsizetype& at);
    void HeaderLine();
    void StartBody();
    void ChunkSizeLine();
    void TakeBody(QByteArrayView data, qsizetype& at, qint64 wanted);
    void Fail(const QString& error);

    bool m_headOnly;
    State m_state = State::Headers;
    QString m_error;
    QByteArray m_line;
    bool m_lineTooLong = false;
    int m_status = -1;
    bool m_sawStatus = false;
    TmsHeaders m_headers;
    QByteArray m_body;
    qint64 m_expected = -1;
    qint64 m_chunkLeft = 0;
};
