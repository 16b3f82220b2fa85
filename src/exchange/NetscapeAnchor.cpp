#include "exchange/NetscapeAnchor.h"

#include "exchange/HtmlText.h"
#include "exchange/WordSplit.h"

namespace {
// Where the first anchor tag starts: "<A" followed by a blank, so that
// "<ADDRESS>" and the like are not taken for one.
qsizetype FindAnchorTag(QStringView line)
{
    qsizetype at = line.indexOf(u"<A");
    while (at >= 0) {
        if (at + 2 < line.size() && (line[at + 2] == u' ' || line[at + 2] == u'\t'))
            return at;
        at = line.indexOf(u"<A", at + 2);
    }
    return -1;
}

// The ">" closing the tag whose attributes begin at start; a ">" inside a
// quoted value does not close it. Falls back to the first ">" when the
// quotes do not pair up.
qsizetype FindTagEnd(QStringView line, qsizetype start)
{
    bool quoted = false;
    for (qsizetype i = start; i < line.size(); ++i) {
        if (line[i] == u'"')
            quoted = !quoted;
        else if (line[i] == u'>' && !quoted)
            return i;
    }
    return line.indexOf(u'>', start);
}

QString StripOneQuote(QString text)
{
    if (text.startsWith(u'"'))
        text.remove(0, 1);
    if (text.endsWith(u'"'))
        text.chop(1);
    return text;
}
} // namespace

std::optional<AnchorInfo> GetAnchorInfo(QStringView line)
{
    const qsizetype tag = FindAnchorTag(line);
    if (tag < 0)
        return std::nullopt;
    const qsizetype attrStart = tag + 3;
    const qsizetype tagEnd = FindTagEnd(line, attrStart);
    if (tagEnd < 0)
        return std::nullopt;

    const QStringList words = WordSplit::Split(line.sliced(attrStart, tagEnd - attrStart));
    AnchorInfo info;
    info.link = HtmlText::DecodeEntities(StripOneQuote(WordSplit::ValueOf(words, u"HREF"))).trimmed();
    if (info.link.isEmpty())
        return std::nullopt;

    const qsizetype close = line.indexOf(u"</A>", tagEnd + 1);
    if (close >= 0)
        info.caption = HtmlText::DecodeEntities(HtmlText::PlainText(line.sliced(tagEnd + 1, close - tagEnd - 1)));
    return info;
}

QString GetBMTitle(const QList<QString>& lines)
{
    static constexpr QStringView kOpen = u"<TITLE>";
    for (const QString& line : lines) {
        const QStringView text = QStringView(line).trimmed();
        if (!text.startsWith(kOpen, Qt::CaseInsensitive))
            continue;
        const qsizetype close = text.indexOf(u"</TITLE>", kOpen.size());
        if (close < 0)
            return QString();
        return HtmlText::DecodeEntities(HtmlText::PlainText(text.sliced(kOpen.size(), close - kOpen.size())));
    }
    return QString();
}
