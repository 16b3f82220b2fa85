#include "exchange/VCardValue.h"

#include "exchange/AsciiWords.h"

#include "model/TextCodec.h"

#include <QStringDecoder>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace VCardValue {

namespace {
int HexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

using AsciiWords::Is;

QString DecodeCharset(QByteArrayView bytes, QByteArrayView charset)
{
    if (charset.isEmpty() || Is(charset, "UTF-8") || Is(charset, "UTF8"))
        return TextCodec::DecodeLine(bytes);
    if (Is(charset, "WINDOWS-1252") || Is(charset, "CP1252") || Is(charset, "ISO-8859-1") ||
        Is(charset, "LATIN1") || Is(charset, "US-ASCII") || Is(charset, "ASCII"))
        return TextCodec::DecodeWindows1252(bytes);
    QStringDecoder decoder(charset.toByteArray().constData(), QStringDecoder::Flag::Stateless);
    if (!decoder.isValid())
        return TextCodec::DecodeLine(bytes);
    QString text = decoder(bytes);
    return decoder.hasError() ? TextCodec::DecodeLine(bytes) : text;
}
} // namespace

QByteArray DecodeQuotedPrintable(QByteArrayView bytes)
{
    QByteArray out;
    out.reserve(bytes.size());
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        if (bytes[i] == '=' && i + 2 < bytes.size() && HexDigit(bytes[i + 1]) >= 0 && HexDigit(bytes[i + 2]) >= 0) {
            out.append(static_cast<char>(HexDigit(bytes[i + 1]) * 16 + HexDigit(bytes[i + 2])));
            i += 2;
        } else {
            out.append(bytes[i]);
        }
    }
    return out;
}

QString Decode(QByteArrayView bytes, const VCardHead& head)
{
    if (head.quotedPrintable)
        return DecodeCharset(DecodeQuotedPrintable(bytes), head.charset);
    return DecodeCharset(bytes, head.charset);
}

void AppendDecoded(QByteArrayView bytes, const VCardHead& head, QString& out)
{
    const QByteArrayView charset = head.charset;
    if (!head.quotedPrintable && (charset.isEmpty() || Is(charset, "UTF-8") || Is(charset, "UTF8")))
        TextCodec::AppendLine(bytes, out);
    else
        out.append(Decode(bytes, head));
}

namespace {
// Whether text holds any of a, b, c and d (repeat one to look for fewer),
// eight characters a step where SSE2 is there: every value of a card is
// searched so, and most hold none of them. Inlined, so that each caller's
// characters are folded in.
[[gnu::always_inline]] inline bool HasAnyOf(QStringView text, char16_t a, char16_t b, char16_t c, char16_t d)
{
    const char16_t* chars = text.utf16();
    const qsizetype size = text.size();
    qsizetype at = 0;
#if defined(__SSE2__)
    const __m128i wantA = _mm_set1_epi16(static_cast<short>(a));
    const __m128i wantB = _mm_set1_epi16(static_cast<short>(b));
    const __m128i wantC = _mm_set1_epi16(static_cast<short>(c));
    const __m128i wantD = _mm_set1_epi16(static_cast<short>(d));
    for (; at + 8 <= size; at += 8) {
        const __m128i eight = _mm_loadu_si128(reinterpret_cast<const __m128i*>(chars + at));
        const __m128i found = _mm_or_si128(_mm_or_si128(_mm_cmpeq_epi16(eight, wantA), _mm_cmpeq_epi16(eight, wantB)),
                                           _mm_or_si128(_mm_cmpeq_epi16(eight, wantC), _mm_cmpeq_epi16(eight, wantD)));
        if (_mm_movemask_epi8(found) != 0)
            return true;
    }
#endif
    for (; at < size; ++at) {
        const char16_t ch = chars[at];
        if (ch == a || ch == b || ch == c || ch == d)
            return true;
    }
    return false;
}

bool NeedsSplitting(QStringView text, Escapes escapes)
{
    if (text.startsWith(u' '))
        return true;
    const bool quotesAndCommas = escapes != Escapes::Version3;
    return HasAnyOf(text, u'\\', u';', quotesAndCommas ? u',' : u';', quotesAndCommas ? u'"' : u';');
}

// Values without a backslash or a double quote are cut at the separators,
// as they stand.
void SplitPlain(QStringView text, bool atCommas, std::vector<QStringView>& values)
{
    qsizetype start = 0;
    for (qsizetype i = 0; i <= text.size(); ++i) {
        if (i == text.size() || text[i] == u';' || (atCommas && text[i] == u',')) {
            values.push_back(text.sliced(start, i - start));
            start = i + 1;
        }
    }
}
} // namespace

void Split(QStringView text, Escapes escapes, QChar* room, std::vector<QStringView>& values)
{
    // Most values have nothing to split or unescape.
    if (!NeedsSplitting(text, escapes)) {
        values.push_back(text);
        return;
    }
    while (!text.isEmpty() && text.front() == u' ')
        text = text.sliced(1);
    const bool atCommas = escapes != Escapes::Version3;
    if (!HasAnyOf(text, u'\\', atCommas ? u'"' : u'\\', u'\\', u'\\')) {
        SplitPlain(text, atCommas, values);
        return;
    }
    // The values are unescaped one after another into the room.
    QChar* out = room;
    qsizetype n = 0;
    qsizetype valueStart = 0;
    bool quoted = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == u'\\' && i + 1 < text.size()) {
            const QChar next = text[i + 1];
            if (escapes == Escapes::Version21) {
                if (next == u';') {
                    out[n++] = next;
                    ++i;
                    continue;
                }
            } else if (escapes == Escapes::Plain && next == u'"') {
                out[n++] = next;
                ++i;
                continue;
            } else if (next == u'n' || next == u'N') {
                out[n++] = u'\n';
                ++i;
                continue;
            } else if (next == u',' || next == u';' || next == u':' || next == u'\\' || next == u'"') {
                out[n++] = next;
                ++i;
                continue;
            }
            out[n++] = c;
        } else if (c == u'"' && escapes != Escapes::Version3) {
            quoted = !quoted;
        } else if (!quoted && (c == u';' || (c == u',' && escapes != Escapes::Version3))) {
            values.push_back(QStringView(out + valueStart, n - valueStart));
            valueStart = n;
        } else {
            out[n++] = c;
        }
    }
    values.push_back(QStringView(out + valueStart, n - valueStart));
}

} // namespace VCardValue
