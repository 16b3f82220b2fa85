#include "exchange/VCardHead.h"

#include "exchange/AsciiWords.h"

#include "model/Card.h"

#include <bit>
#include <cstdint>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace {
using AsciiWords::IsSpace;

// As QByteArrayView::trimmed(), inline: a head's parts are a few letters
// long, and every line of a file has some.
QByteArrayView Trimmed(QByteArrayView text)
{
    qsizetype start = 0;
    qsizetype end = text.size();
    while (start < end && IsSpace(text[start]))
        ++start;
    while (end > start && IsSpace(text[end - 1]))
        --end;
    return text.sliced(start, end - start);
}

QByteArrayView Unquoted(QByteArrayView text)
{
    text = Trimmed(text);
    if (text.size() >= 2 && text.front() == '"' && text.back() == '"')
        return text.sliced(1, text.size() - 2);
    return text;
}

using AsciiWords::Is;

// Where c first stands in text, or -1. Qt's own search of a single
// character goes through its general substring search, which costs more
// than these few letters take.
qsizetype IndexOf(QByteArrayView text, char c)
{
    const void* at = text.isEmpty() ? nullptr : std::memchr(text.data(), c, static_cast<std::size_t>(text.size()));
    return at ? static_cast<const char*>(at) - text.data() : -1;
}

// Where the head of a line ends, and whether a double quote stands in it.
struct HeadSpan
{
    qsizetype end = -1;
    bool quotes = false;
};

HeadSpan HeadEnd(QByteArrayView line)
{
    const qsizetype colon = IndexOf(line, ':');
    if (colon >= 0 && IndexOf(line.first(colon), '"') < 0)
        return {colon, false};
    bool quoted = false;
    for (qsizetype i = 0; i < line.size(); ++i) {
        if (line[i] == '"')
            quoted = !quoted;
        else if (line[i] == ':' && !quoted)
            return {i, true};
    }
    return {colon, true}; // an unbalanced quote: fall back to the first colon
}

// Hands each part of text between separators to f, trimmed; empty parts are
// left out. A separator between double quotes does not count.
template <typename Separator, typename F> void ForEachQuotedPart(QByteArrayView text, Separator isSeparator, F&& f)
{
    bool quoted = false;
    qsizetype start = 0;
    for (qsizetype i = 0; i <= text.size(); ++i) {
        if (i < text.size() && text[i] == '"') {
            quoted = !quoted;
        } else if (i == text.size() || (!quoted && isSeparator(text[i]))) {
            const QByteArrayView part = Trimmed(text.sliced(start, i - start));
            if (!part.isEmpty())
                f(part);
            start = i + 1;
        }
    }
}

// The same for a head without double quotes, which most are, split at one
// separator: every line of a file has a head, and the search for the
// separator takes fewer steps than looking at each character.
template <typename F> void ForEachPlainPart(QByteArrayView text, char separator, F&& f)
{
    while (true) {
        const qsizetype at = IndexOf(text, separator);
        const QByteArrayView part = Trimmed(at < 0 ? text : text.first(at));
        if (!part.isEmpty())
            f(part);
        if (at < 0)
            return;
        text = text.sliced(at + 1);
    }
}

bool IsListSeparator(char c)
{
    return c == ',' || c == ' ' || c == '\t';
}

// The type parameter or encoding a word names, as a bare type or a TYPE value.
void SetType(QByteArrayView word, VCardHead& head)
{
    const int bit = CardParameter::BitOf(word);
    if (bit >= 0)
        head.parameters |= 1U << bit;
    else if (Is(word, "QUOTED-PRINTABLE"))
        head.quotedPrintable = true;
    else if (Is(word, "BASE64"))
        head.base64 = true;
}

// What a "key=value" parameter says; readTypes hands each word of a TYPE
// value to SetType.
template <typename ReadTypes>
void ApplyParameter(QByteArrayView key, QByteArrayView value, VCardHead& head, ReadTypes&& readTypes)
{
    if (Is(key, "TYPE")) {
        readTypes();
    } else if (Is(key, "PREF")) {
        head.parameters |= 1U << CardParameter::Pref;
    } else if (Is(key, "ENCODING")) {
        head.quotedPrintable = Is(value, "QUOTED-PRINTABLE");
        head.base64 = Is(value, "BASE64") || Is(value, "B");
    } else if (Is(key, "CHARSET")) {
        head.charset = value;
    }
}

// The parts of a head, which holds double quotes only with kQuotes.
template <bool kQuotes>
void ScanParts(QByteArrayView text, VCardHead& head)
{
    const auto forEach = [](QByteArrayView within, char separator, auto&& f) {
        if constexpr (kQuotes)
            ForEachQuotedPart(within, [separator](char c) { return c == separator; }, f);
        else
            ForEachPlainPart(within, separator, f);
    };
    const auto setType = [&head](QByteArrayView word) { SetType(word, head); };
    bool first = true;
    forEach(text, ';', [&](QByteArrayView part) {
        if (std::exchange(first, false)) {
            qsizetype dot = part.size();
            while (dot > 0 && part[dot - 1] != '.')
                --dot;
            head.name = part.sliced(dot);
            return;
        }
        const qsizetype equals = IndexOf(part, '=');
        if (equals < 0) {
            // Bare types: "WORK", "WORK,VOICE" or "WORK VOICE".
            ForEachQuotedPart(part, IsListSeparator, setType);
            return;
        }
        const QByteArrayView value = Unquoted(part.sliced(equals + 1));
        ApplyParameter(Trimmed(part.first(equals)), value, head, [&] { forEach(value, ',', setType); });
    });
}
#if defined(__SSE2__)
// Most heads are short and plain: "TEL;TYPE=CELL,PREF", "N",
// "EMAIL;TYPE=INTERNET". Their separators are found for the first 32 bytes
// of a line at once, as bits, and the parts are read off the bits: the
// searches and trimming of ScanParts cost more than these few letters take.
// A head that is longer, has no colon in those bytes or holds a double
// quote, a blank or a group's dot is left to ScanParts, as is one that
// begins with a separator.
class FastHead
{
public:
    static constexpr qsizetype kBytes = 32;

    explicit FastHead(QByteArrayView line) : m_line(line)
    {
        char padded[kBytes] = {};
        const char* bytes = line.data();
        if (line.size() < kBytes) {
            if (!line.isEmpty()) // an empty view may have no data at all
                std::memcpy(padded, line.data(), static_cast<std::size_t>(line.size()));
            bytes = padded;
        }
        const __m128i low = _mm_loadu_si128(reinterpret_cast<const __m128i*>(bytes));
        const __m128i high = _mm_loadu_si128(reinterpret_cast<const __m128i*>(bytes + 16));
        const auto maskOf = [&](char c) { return Bits(low, high, _mm_set1_epi8(c)); };
        m_colon = maskOf(':');
        m_semicolons = maskOf(';');
        m_commas = maskOf(',');
        m_equals = maskOf('=');
        // Blanks as AsciiWords::IsSpace takes them: the space, and tab to
        // carriage return (bytes beyond ASCII compare as negative).
        const auto controls = [](__m128i v) {
            return static_cast<std::uint32_t>(_mm_movemask_epi8(
                _mm_and_si128(_mm_cmpgt_epi8(v, _mm_set1_epi8('\t' - 1)), _mm_cmplt_epi8(v, _mm_set1_epi8('\r' + 1)))));
        };
        m_unusual = maskOf('"') | maskOf('.') | maskOf(' ') | controls(low) | (controls(high) << 16);
    }

    // False when the head is not one this reads; head is then untouched.
    bool Read(VCardHead& head) const
    {
        if (m_colon == 0)
            return false;
        const int colon = std::countr_zero(m_colon);
        if (colon >= m_line.size())
            return false; // the padding, not the line
        const std::uint32_t inHead = (std::uint32_t(1) << colon) - 1;
        std::uint32_t semicolons = m_semicolons & inHead;
        if ((m_unusual & inHead) != 0 || colon == 0 || (semicolons & 1U) != 0)
            return false;
        int end = semicolons ? std::countr_zero(semicolons) : colon;
        head.name = m_line.first(end);
        while (end < colon) {
            semicolons &= semicolons - 1;
            const int start = end + 1;
            end = semicolons ? std::countr_zero(semicolons) : colon;
            if (end > start)
                ReadParameter(start, end, head);
        }
        head.valueStart = colon + 1;
        return true;
    }

private:
    static std::uint32_t Bits(__m128i low, __m128i high, __m128i wanted)
    {
        return static_cast<std::uint32_t>(_mm_movemask_epi8(_mm_cmpeq_epi8(low, wanted))) |
               (static_cast<std::uint32_t>(_mm_movemask_epi8(_mm_cmpeq_epi8(high, wanted))) << 16);
    }
    // The bits from..to-1.
    static std::uint32_t Span(int from, int to)
    {
        return ((std::uint32_t(1) << to) - 1) & ~((std::uint32_t(1) << from) - 1);
    }

    // Each non-empty word between commas of from..to-1 as a type.
    void ReadTypes(int from, int to, VCardHead& head) const
    {
        std::uint32_t commas = m_commas & Span(from, to);
        while (from < to) {
            const int end = commas ? std::countr_zero(commas) : to;
            commas &= commas - 1;
            if (end > from)
                SetType(m_line.sliced(from, end - from), head);
            from = end + 1;
        }
    }

    void ReadParameter(int from, int to, VCardHead& head) const
    {
        const std::uint32_t equals = m_equals & Span(from, to);
        if (equals == 0) {
            ReadTypes(from, to, head); // bare types: "WORK,VOICE"
            return;
        }
        const int at = std::countr_zero(equals);
        ApplyParameter(m_line.sliced(from, at - from), m_line.sliced(at + 1, to - at - 1), head,
                       [&] { ReadTypes(at + 1, to, head); });
    }

    QByteArrayView m_line;
    std::uint32_t m_colon = 0;
    std::uint32_t m_semicolons = 0;
    std::uint32_t m_commas = 0;
    std::uint32_t m_equals = 0;
    std::uint32_t m_unusual = 0;
};
#endif
} // namespace

bool VCardHead::Scan(QByteArrayView line)
{
    *this = VCardHead();
#if defined(__SSE2__)
    if (FastHead(line).Read(*this))
        return true;
#endif
    const HeadSpan span = HeadEnd(line);
    if (span.end < 0)
        return false;
    valueStart = span.end + 1;
    if (span.quotes)
        ScanParts<true>(line.first(span.end), *this);
    else
        ScanParts<false>(line.first(span.end), *this);
    return true;
}
