#include "model/TextCodec.h"

#include <QStringDecoder>

#include <cstdint>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace TextCodec {

namespace {
// Code points of the bytes 0x80 to 0x9F in Windows-1252; the rest match Latin-1.
// The five undefined bytes map to the C1 controls of the same value.
constexpr char16_t kHighControls[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

bool IsAscii(QByteArrayView bytes)
{
    // Eight bytes at a time: the high bit of any of them shows in the mask.
    const char* p = bytes.data();
    qsizetype left = bytes.size();
    for (; left >= 8; p += 8, left -= 8) {
        std::uint64_t word;
        std::memcpy(&word, p, sizeof word);
        if (word & 0x8080808080808080ULL)
            return false;
    }
    for (; left > 0; ++p, --left) {
        if (static_cast<unsigned char>(*p) >= 0x80)
            return false;
    }
    return true;
}
} // namespace

QString DecodeWindows1252(QByteArrayView bytes)
{
    QString text(bytes.size(), Qt::Uninitialized);
    QChar* out = text.data();
    for (char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        *out++ = (b >= 0x80 && b < 0xA0) ? QChar(kHighControls[b - 0x80]) : QChar(char16_t(b));
    }
    return text;
}

QString DecodeLine(QByteArrayView line)
{
    if (IsAscii(line))
        return QString::fromLatin1(line);
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8(line);
    if (!utf8.hasError())
        return text;
    return DecodeWindows1252(line);
}

void AppendLine(QByteArrayView line, QString& out)
{
    // Decoded straight behind the text, which a line of UTF-8 never
    // outgrows: it takes no more UTF-16 units than it has bytes. Its ASCII
    // start, nearly always all of it, is widened here while it is looked at,
    // sixteen bytes a step where SSE2 is there.
    const qsizetype start = out.size();
    const qsizetype size = line.size();
    out.resize(start + size);
    char16_t* const to = reinterpret_cast<char16_t*>(out.data()) + start;
    const auto* const from = reinterpret_cast<const unsigned char*>(line.data());
    qsizetype at = 0;
#if defined(__SSE2__)
    const __m128i zero = _mm_setzero_si128();
    // Sixteen bytes a step; an end shorter than that is taken as the last
    // sixteen bytes (or eight) of the line, over ones widened already.
    const auto widen16 = [&](qsizetype i) {
        const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(from + i));
        if (_mm_movemask_epi8(bytes) != 0)
            return false;
        _mm_storeu_si128(reinterpret_cast<__m128i*>(to + i), _mm_unpacklo_epi8(bytes, zero));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(to + i + 8), _mm_unpackhi_epi8(bytes, zero));
        return true;
    };
    const auto widen8 = [&](qsizetype i) {
        const __m128i bytes = _mm_loadl_epi64(reinterpret_cast<const __m128i*>(from + i));
        if ((_mm_movemask_epi8(bytes) & 0xFF) != 0)
            return false;
        _mm_storeu_si128(reinterpret_cast<__m128i*>(to + i), _mm_unpacklo_epi8(bytes, zero));
        return true;
    };
    while (at + 16 <= size && widen16(at))
        at += 16;
    if (at < size && size >= 16 && at + 16 > size && widen16(size - 16))
        at = size;
    if (at + 8 <= size && widen8(at))
        at += 8;
    if (at < size && size >= 8 && at + 8 > size && widen8(size - 8))
        at = size;
#endif
    for (; at < size && from[at] < 0x80; ++at)
        to[at] = from[at];
    if (at == size)
        return;
    // The rest from its first byte beyond ASCII on. A byte order mark there
    // is a character of the text, as it was when the decoder began with the
    // line; at the line's start it is dropped, as then.
    QStringDecoder utf8(QStringDecoder::Utf8, at == 0 ? QStringDecoder::Flag::Stateless
                                                      : QStringDecoder::Flag::Stateless |
                                                            QStringDecoder::Flag::ConvertInitialBom);
    const QChar* const end = utf8.appendToBuffer(out.data() + start + at, line.sliced(at));
    if (utf8.hasError()) {
        out.resize(start);
        out.append(DecodeWindows1252(line));
        return;
    }
    out.resize(end - out.constData());
}

LineReader::LineReader(QByteArrayView bytes, Start start) : m_bytes(bytes)
{
    if (start == Start::InsideFile)
        return;
    if (m_bytes.startsWith("\xEF\xBB\xBF")) {
        m_bytes = m_bytes.sliced(3);
    } else if (m_bytes.startsWith("\xFF\xFE") || m_bytes.startsWith("\xFE\xFF")) {
        // Rare enough to pay for one converted copy; the lines then read as UTF-8.
        QStringDecoder utf16(m_bytes[0] == '\xFF' ? QStringDecoder::Utf16LE : QStringDecoder::Utf16BE,
                             QStringDecoder::Flag::Stateless);
        m_converted = QString(utf16(m_bytes.sliced(2))).toUtf8();
        m_bytes = m_converted;
    }
}

bool LineReader::Next(QString& line)
{
    if (m_start >= m_bytes.size())
        return false;
    qsizetype end = m_bytes.indexOf('\n', m_start);
    if (end < 0)
        end = m_bytes.size();
    qsizetype stop = end;
    // A CR before the LF belongs to the line end; a CR anywhere else ends a
    // line of its own (files with CR alone as the line end).
    const qsizetype cr = m_bytes.sliced(m_start, end - m_start).indexOf('\r');
    if (cr >= 0 && m_start + cr + 1 < end) {
        stop = m_start + cr;
        end = stop;
    } else if (cr >= 0) {
        --stop;
    }
    const QByteArrayView raw = m_bytes.sliced(m_start, stop - m_start);
    m_start = end + 1;
    // The line is decoded into the caller's buffer, which keeps its capacity
    // from line to line: a fresh string per line, freed a moment later,
    // leaves the allocator sorting scraps between the items being built.
    if (IsAscii(raw)) {
        line.resize(0);
        line.append(QLatin1StringView(raw));
        return true;
    }
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    line.resize(utf8.requiredSpace(raw.size()));
    const QChar* last = utf8.appendToBuffer(line.data(), raw);
    if (utf8.hasError())
        line = DecodeWindows1252(raw);
    else
        line.truncate(last - line.constData());
    return true;
}

QList<QString> SplitLines(QByteArrayView bytes)
{
    QList<QString> lines;
    lines.reserve(bytes.count('\n') + 1);
    LineReader reader(bytes);
    QString line;
    while (reader.Next(line))
        lines.append(std::move(line));
    return lines;
}

QByteArray Encode(const QString& text)
{
    return text.toUtf8();
}

} // namespace TextCodec
