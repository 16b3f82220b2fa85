#include "exchange/VCardHead.h"

#include "exchange/AsciiWords.h"

#include "model/Card.h"

#include <cstring>

namespace {
bool IsSpace(char c)
{
    return c == ' ' || (c >= '\t' && c <= '\r');
}

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

qsizetype HeadEnd(QByteArrayView line)
{
    const qsizetype colon = IndexOf(line, ':');
    if (colon >= 0 && IndexOf(line.first(colon), '"') < 0)
        return colon;
    bool quoted = false;
    for (qsizetype i = 0; i < line.size(); ++i) {
        if (line[i] == '"')
            quoted = !quoted;
        else if (line[i] == ':' && !quoted)
            return i;
    }
    return colon; // an unbalanced quote: fall back to the first colon
}

template <typename Separator, typename F> void ForEachPart(QByteArrayView text, Separator isSeparator, F&& f)
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
bool IsSemicolon(char c)
{
    return c == ';';
}

bool IsComma(char c)
{
    return c == ',';
}

bool IsListSeparator(char c)
{
    return c == ',' || c == ' ' || c == '\t';
}
} // namespace

bool VCardHead::Scan(QByteArrayView line)
{
    *this = VCardHead();
    const qsizetype end = HeadEnd(line);
    if (end < 0)
        return false;
    valueStart = end + 1;
    bool first = true;
    const auto setType = [this](QByteArrayView word) {
        const int bit = CardParameter::BitOf(word);
        if (bit >= 0)
            parameters |= 1U << bit;
        else if (Is(word, "QUOTED-PRINTABLE"))
            quotedPrintable = true;
        else if (Is(word, "BASE64"))
            base64 = true;
    };
    ForEachPart(line.first(end), IsSemicolon, [&](QByteArrayView part) {
        if (std::exchange(first, false)) {
            qsizetype dot = part.size();
            while (dot > 0 && part[dot - 1] != '.')
                --dot;
            name = part.sliced(dot);
            return;
        }
        const qsizetype equals = IndexOf(part, '=');
        if (equals < 0) {
            ForEachPart(part, IsListSeparator, setType);
            return;
        }
        const QByteArrayView key = Trimmed(part.first(equals));
        const QByteArrayView value = Unquoted(part.sliced(equals + 1));
        if (Is(key, "TYPE")) {
            ForEachPart(value, IsComma, setType);
        } else if (Is(key, "PREF")) {
            parameters |= 1U << CardParameter::Pref;
        } else if (Is(key, "ENCODING")) {
            quotedPrintable = Is(value, "QUOTED-PRINTABLE");
            base64 = Is(value, "BASE64") || Is(value, "B");
        } else if (Is(key, "CHARSET")) {
            charset = value;
        }
    });
    return true;
}
