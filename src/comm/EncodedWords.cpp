#include "comm/EncodedWords.h"

#include <QByteArray>
#include <QStringDecoder>

namespace {

int HexDigit(QChar c)
{
    const char16_t u = c.unicode();
    if (u >= u'0' && u <= u'9')
        return u - u'0';
    if (u >= u'A' && u <= u'F')
        return u - u'A' + 10;
    if (u >= u'a' && u <= u'f')
        return u - u'a' + 10;
    return -1;
}

// "Q": "_" is a blank, "=XX" a byte, everything else itself.
QByteArray DecodeQ(QStringView text)
{
    QByteArray bytes;
    bytes.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == u'_') {
            bytes.append(' ');
        } else if (c == u'=' && i + 2 < text.size() && HexDigit(text[i + 1]) >= 0 && HexDigit(text[i + 2]) >= 0) {
            bytes.append(static_cast<char>(HexDigit(text[i + 1]) * 16 + HexDigit(text[i + 2])));
            i += 2;
        } else {
            bytes.append(c.unicode() < 0x80 ? static_cast<char>(c.unicode()) : '?');
        }
    }
    return bytes;
}

QString DecodeCharset(const QString& charset, const QByteArray& bytes)
{
    QStringDecoder decoder(charset.toLatin1().constData());
    if (!decoder.isValid())
        return QString::fromLatin1(bytes);
    const QString text = decoder.decode(bytes);
    return decoder.hasError() ? QString::fromLatin1(bytes) : text;
}

struct Word
{
    qsizetype end = -1; // index after "?=", -1 when not an encoded word
    QString text;
};

// The encoded word starting at "=?" at position at.
Word ParseWord(const QString& value, qsizetype at)
{
    const qsizetype charsetEnd = value.indexOf(u'?', at + 2);
    if (charsetEnd < 0 || charsetEnd + 3 > value.size() || value[charsetEnd + 2] != u'?')
        return {};
    const QChar encoding = value[charsetEnd + 1].toUpper();
    const qsizetype textStart = charsetEnd + 3;
    const qsizetype textEnd = value.indexOf(QStringLiteral("?="), textStart);
    if (textEnd < 0 || (encoding != u'B' && encoding != u'Q'))
        return {};
    QString charset = value.mid(at + 2, charsetEnd - at - 2);
    if (const qsizetype star = charset.indexOf(u'*'); star >= 0)
        charset.truncate(star); // a language tag
    const QStringView text = QStringView(value).sliced(textStart, textEnd - textStart);
    QByteArray bytes;
    if (encoding == u'B') {
        const auto decoded = QByteArray::fromBase64Encoding(text.toLatin1(), QByteArray::AbortOnBase64DecodingErrors);
        if (!decoded)
            return {};
        bytes = *decoded;
    } else {
        bytes = DecodeQ(text);
    }
    return {textEnd + 2, DecodeCharset(charset, bytes)};
}

} // namespace

QString DecodeEncodedWords(const QString& value)
{
    QString out;
    out.reserve(value.size());
    qsizetype at = 0;
    while (at < value.size()) {
        if (value[at] == u'=' && at + 1 < value.size() && value[at + 1] == u'?') {
            const Word word = ParseWord(value, at);
            if (word.end > 0) {
                out += word.text;
                at = word.end;
                // Blanks between two encoded words go.
                qsizetype blankEnd = at;
                while (blankEnd < value.size() && (value[blankEnd] == u' ' || value[blankEnd] == u'\t'))
                    ++blankEnd;
                if (blankEnd > at && blankEnd + 1 < value.size() && value[blankEnd] == u'='
                    && value[blankEnd + 1] == u'?' && ParseWord(value, blankEnd).end > 0) {
                    at = blankEnd;
                }
                continue;
            }
        }
        out += value[at++];
    }
    return out;
}
