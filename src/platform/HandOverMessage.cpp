#include "platform/HandOverMessage.h"

#include "platform/DataPaths.h"

#include <QCryptographicHash>
#include <QFile>
#include <QtEndian>

#include <unistd.h>

namespace HandOver {
namespace {
// Strings go as a 32-bit size and UTF-8; every size is checked against the
// bytes left before anything is allocated, so a forged size cannot make the
// reader ask for gigabytes.
class Writer
{
public:
    void Int(quint32 value)
    {
        char bytes[4];
        qToBigEndian(value, bytes);
        m_bytes.append(bytes, 4);
    }
    void Text(const QString& text)
    {
        const QByteArray utf8 = text.toUtf8();
        Int(static_cast<quint32>(utf8.size()));
        m_bytes.append(utf8);
    }
    void List(const QStringList& list)
    {
        Int(static_cast<quint32>(list.size()));
        for (const QString& text : list)
            Text(text);
    }
    QByteArray Bytes() const { return m_bytes; }

private:
    QByteArray m_bytes;
};

class Reader
{
public:
    explicit Reader(const QByteArray& bytes) : m_bytes(bytes) {}
    bool Int(quint32* value)
    {
        if (m_bytes.size() - m_pos < 4)
            return false;
        *value = qFromBigEndian<quint32>(m_bytes.constData() + m_pos);
        m_pos += 4;
        return true;
    }
    bool Text(QString* text)
    {
        quint32 size = 0;
        if (!Int(&size) || size > static_cast<quint64>(m_bytes.size() - m_pos))
            return false;
        *text = QString::fromUtf8(m_bytes.constData() + m_pos, size);
        m_pos += size;
        return true;
    }
    bool List(QStringList* list)
    {
        quint32 count = 0;
        // Each entry takes at least its 4-byte size.
        if (!Int(&count) || count > static_cast<quint64>(m_bytes.size() - m_pos) / 4)
            return false;
        list->reserve(count);
        for (quint32 i = 0; i < count; ++i) {
            QString text;
            if (!Text(&text))
                return false;
            list->append(text);
        }
        return true;
    }
    bool AtEnd() const { return m_pos == m_bytes.size(); }

private:
    const QByteArray& m_bytes;
    qsizetype m_pos = 0;
};
} // namespace

QString ServerName(const QString& dataDirectory)
{
    // One instance per user and data directory.
    const QByteArray dir = QFile::encodeName(dataDirectory.isEmpty() ? DataPaths::DataDirectory() : dataDirectory);
    const QString hash = QString::fromLatin1(QCryptographicHash::hash(dir, QCryptographicHash::Sha1).toHex().left(12));
    return QStringLiteral("zendrivo-%1-%2").arg(::getuid()).arg(hash);
}

QByteArray Frame(const QByteArray& payload)
{
    QByteArray frame(4, '\0');
    qToBigEndian(static_cast<quint32>(payload.size()), frame.data());
    frame.append(payload);
    return frame;
}

FrameState TakeFrame(QByteArray& buffer, qint64 maxSize, QByteArray* payload)
{
    if (buffer.size() < 4)
        return FrameState::Incomplete;
    const qint64 size = qFromBigEndian<quint32>(buffer.constData());
    if (size > maxSize)
        return FrameState::TooLarge;
    if (buffer.size() < 4 + size)
        return FrameState::Incomplete;
    *payload = buffer.mid(4, size);
    buffer.remove(0, 4 + size);
    return FrameState::Complete;
}

QByteArray EncodeRequest(const Request& request)
{
    Writer out;
    out.Int(static_cast<quint32>(request.kind));
    out.List(request.arguments);
    out.Text(request.workingDirectory);
    return out.Bytes();
}

std::optional<Request> DecodeRequest(const QByteArray& payload)
{
    Reader in(payload);
    quint32 kind = 0;
    Request request;
    if (!in.Int(&kind) || !in.List(&request.arguments) || !in.Text(&request.workingDirectory) || !in.AtEnd())
        return std::nullopt;
    if (kind != static_cast<quint32>(Kind::StartArguments) && kind != static_cast<quint32>(Kind::Command))
        return std::nullopt;
    request.kind = static_cast<Kind>(kind);
    return request;
}

QByteArray EncodeReply(const Reply& reply)
{
    Writer out;
    out.Int(static_cast<quint32>(reply.exitCode));
    out.Text(reply.out);
    out.Text(reply.err);
    return out.Bytes();
}

std::optional<Reply> DecodeReply(const QByteArray& payload)
{
    Reader in(payload);
    quint32 code = 0;
    Reply reply;
    if (!in.Int(&code) || !in.Text(&reply.out) || !in.Text(&reply.err) || !in.AtEnd())
        return std::nullopt;
    reply.exitCode = static_cast<qint32>(code);
    return reply;
}

} // namespace HandOver
