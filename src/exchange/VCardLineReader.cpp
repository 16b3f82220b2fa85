#include "exchange/VCardLineReader.h"

#include "exchange/AsciiWords.h"

#include <QStringDecoder>

#include <algorithm>
#include <cstring>
#include <optional>

namespace {
// UTF-16 is recognised by its byte order mark, or by a zero byte beside the
// first character of a file that starts with ASCII.
std::optional<QStringDecoder::Encoding> Utf16Of(QByteArrayView bytes)
{
    if (bytes.size() < 2)
        return std::nullopt;
    const auto b0 = static_cast<unsigned char>(bytes[0]);
    const auto b1 = static_cast<unsigned char>(bytes[1]);
    if ((b0 == 0xFF && b1 == 0xFE) || (b0 != 0 && b1 == 0))
        return QStringDecoder::Utf16LE;
    if ((b0 == 0xFE && b1 == 0xFF) || (b0 == 0 && b1 != 0))
        return QStringDecoder::Utf16BE;
    return std::nullopt;
}

QByteArray FromUtf16(QByteArrayView bytes, bool& converted)
{
    const std::optional<QStringDecoder::Encoding> encoding = Utf16Of(bytes);
    converted = encoding.has_value();
    if (!converted)
        return {};
    QStringDecoder decoder(*encoding); // drops the byte order mark
    const QString text = decoder(bytes);
    return text.toUtf8();
}

bool IsFold(QByteArrayView line)
{
    return !line.isEmpty() && (line[0] == ' ' || line[0] == '\t');
}

// Whether the line holds nothing but blanks; asked of every line, which
// nearly always begins with a letter.
bool IsBlank(QByteArrayView line)
{
    return std::all_of(line.begin(), line.end(), AsciiWords::IsSpace);
}
} // namespace

VCardLineReader::VCardLineReader(QByteArrayView bytes)
{
    bool converted = false;
    m_converted = FromUtf16(bytes, converted);
    m_bytes = converted ? QByteArrayView(m_converted) : bytes;
    if (m_bytes.startsWith("\xEF\xBB\xBF"))
        m_pos = 3;
    m_lineEnd = LineEndOf(m_bytes);
}

VCardLineReader::VCardLineReader(QByteArrayView piece, char lineEnd, bool fileStart)
    : m_bytes(piece), m_lineEnd(lineEnd)
{
    if (fileStart && m_bytes.startsWith("\xEF\xBB\xBF"))
        m_pos = 3;
}

bool VCardLineReader::IsUtf16(QByteArrayView start)
{
    return Utf16Of(start).has_value();
}

char VCardLineReader::LineEndOf(QByteArrayView bytes)
{
    return !bytes.contains('\n') && bytes.contains('\r') ? '\r' : '\n';
}

bool VCardLineReader::ReadPhysical(QByteArrayView& line)
{
    if (m_pos >= m_bytes.size())
        return false;
    const char* from = m_bytes.data() + m_pos;
    const auto* found = static_cast<const char*>(std::memchr(from, m_lineEnd, size_t(m_bytes.size() - m_pos)));
    const qsizetype end = found ? m_pos + (found - from) : m_bytes.size();
    qsizetype stop = end;
    while (stop > m_pos && m_bytes[stop - 1] == '\r')
        --stop;
    line = m_bytes.sliced(m_pos, stop - m_pos);
    m_pos = end + 1;
    return true;
}

bool VCardLineReader::Peek(QByteArrayView& line)
{
    if (!m_peeked) {
        if (!ReadPhysical(m_peekLine))
            return false;
        m_peeked = true;
    }
    line = m_peekLine;
    return true;
}

// The rest of a base64 block: folded lines, lines without a colon (the 2.1
// form runs until a blank line) and the blank lines after it.
void VCardLineReader::SkipBlockLines()
{
    QByteArrayView next;
    while (Peek(next) && (next.isEmpty() || IsFold(next) || !next.contains(':')))
        Consume();
}

// Most lines are not folded: they are handed out as views into the file's
// bytes, and only folded ones are copied together.
bool VCardLineReader::Next(QByteArrayView& line, VCardHead& head)
{
    QByteArrayView first;
    while (Peek(first)) {
        Consume();
        if (IsBlank(first))
            continue;
        line = first;
        bool tooLong = false;
        // A head on the first physical line points into the file bytes, which stay.
        const bool headOnFirst = head.Scan(first);
        bool headKnown = headOnFirst;
        QByteArrayView next;
        while (Peek(next)) {
            const bool softBreak = headKnown && head.quotedPrintable && line.endsWith('=');
            if (!softBreak && !IsFold(next))
                break;
            Consume();
            if (tooLong)
                continue;
            if (line.data() != m_joined.constData()) {
                m_joined.resize(0); // keeps the room of earlier folded lines
                m_joined.append(line);
            }
            if (softBreak) {
                m_joined.chop(1);
                m_joined += next;
            } else {
                m_joined += next.sliced(1);
            }
            tooLong = m_joined.size() > kMaxLineBytes;
            if (tooLong)
                m_joined.clear();
            line = m_joined;
            if (!headKnown)
                headKnown = head.Scan(line);
        }
        if (headKnown && !headOnFirst && !tooLong)
            head.Scan(line);
        if (headKnown && head.base64) {
            SkipBlockLines();
            continue;
        }
        if (!tooLong)
            return true;
        ++m_longLines;
    }
    return false;
}
