#include "exchange/VCardHead.h"

#include "exchange/AsciiWords.h"

#include "model/Card.h"

#include <cstring>

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
    const auto setType = [&head](QByteArrayView word) {
        const int bit = CardParameter::BitOf(word);
        if (bit >= 0)
            head.parameters |= 1U << bit;
        else if (Is(word, "QUOTED-PRINTABLE"))
            head.quotedPrintable = true;
        else if (Is(word, "BASE64"))
            head.base64 = true;
    };
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
        const QByteArrayView key = Trimmed(part.first(equals));
        const QByteArrayView value = Unquoted(part.sliced(equals + 1));
        if (Is(key, "TYPE")) {
            forEach(value, ',', setType);
        } else if (Is(key, "PREF")) {
            head.parameters |= 1U << CardParameter::Pref;
        } else if (Is(key, "ENCODING")) {
            head.quotedPrintable = Is(value, "QUOTED-PRINTABLE");
            head.base64 = Is(value, "BASE64") || Is(value, "B");
        } else if (Is(key, "CHARSET")) {
            head.charset = value;
        }
    });
}
} // namespace

bool VCardHead::Scan(QByteArrayView line)
{
    *this = VCardHead();
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
