#include "exchange/HtmlText.h"

namespace HtmlText {

namespace {
// The code point a reference body (between "&" and ";") stands for, or -1.
char32_t Resolve(QStringView body)
{
    if (body.startsWith(u'#')) {
        bool ok = false;
        uint value = 0;
        if (body.size() > 2 && (body[1] == u'x' || body[1] == u'X'))
            value = body.sliced(2).toUInt(&ok, 16);
        else if (body.size() > 1)
            value = body.sliced(1).toUInt(&ok, 10);
        // NUL, surrogates and values beyond Unicode are not characters.
        if (!ok || value == 0 || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF))
            return char32_t(-1);
        return char32_t(value);
    }
    static constexpr struct { const char16_t* name; char32_t code; } kNamed[] = {
        {u"amp", u'&'}, {u"lt", u'<'}, {u"gt", u'>'}, {u"quot", u'"'}, {u"apos", u'\''}, {u"nbsp", 0xA0},
    };
    for (const auto& named : kNamed) {
        if (body.compare(QStringView(named.name), Qt::CaseInsensitive) == 0)
            return named.code;
    }
    return char32_t(-1);
}

// Longest reference body we look at; real ones are short.
constexpr qsizetype kMaxReference = 10;
} // namespace

QString DecodeEntities(QStringView text)
{
    QString out;
    out.reserve(text.size());
    qsizetype at = 0;
    while (at < text.size()) {
        const QChar c = text[at];
        if (c == u'&') {
            const qsizetype semi = text.indexOf(u';', at + 1);
            if (semi > at + 1 && semi - at - 1 <= kMaxReference) {
                const char32_t code = Resolve(text.sliced(at + 1, semi - at - 1));
                if (code != char32_t(-1)) {
                    out.append(QString::fromUcs4(&code, 1));
                    at = semi + 1;
                    continue;
                }
            }
        }
        out.append(c);
        ++at;
    }
    return out;
}

QString PlainText(QStringView text)
{
    QString out;
    out.reserve(text.size());
    bool inTag = false;
    for (QChar c : text) {
        if (inTag) {
            inTag = c != u'>';
            continue;
        }
        if (c == u'<') {
            inTag = true;
            continue;
        }
        out.append(c);
    }
    return out.simplified();
}

} // namespace HtmlText
