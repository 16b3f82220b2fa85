#include "sync/CardMerge.h"

#include "exchange/CardLines.h"

#include <QSet>
#include <QStringList>

using namespace Qt::StringLiterals;

namespace {

bool Owned(const QString& name, const QSet<QString>& freshNames)
{
    static const QSet<QString> always = {u"N"_s, u"FN"_s, u"ADR"_s, u"TEL"_s, u"EMAIL"_s};
    return always.contains(name) || (name == u"ORG" && freshNames.contains(name));
}

} // namespace

namespace CardMerge {

QString Merge(const QString& original, const QString& fresh)
{
    if (original.trimmed().isEmpty())
        return fresh;
    const QStringList freshLines = CardLines::Unfold(fresh);
    const QStringList originalLines = CardLines::Unfold(original);
    QSet<QString> freshNames;
    for (const QString& line : freshLines)
        freshNames.insert(CardLines::NameOf(line));

    QString version = u"VERSION:3.0"_s;
    QStringList kept;
    bool urlReplaced = false;
    const bool freshHasUrl = freshNames.contains(u"URL"_s);
    for (const QString& line : originalLines) {
        const QString name = CardLines::NameOf(line);
        if (name == u"BEGIN" || name == u"END")
            continue;
        if (name == u"VERSION") {
            version = line;
            continue;
        }
        if (Owned(name, freshNames))
            continue;
        // Only the first web address is an item of ours; the others stay.
        if (name == u"URL" && !urlReplaced) {
            urlReplaced = true;
            if (freshHasUrl)
                continue;
        }
        kept.append(line);
    }

    QString text = u"BEGIN:VCARD\r\n"_s + CardLines::Fold(version);
    const bool hasUid = [&kept] {
        for (const QString& line : kept) {
            if (CardLines::NameOf(line) == u"UID")
                return true;
        }
        return false;
    }();
    for (const QString& line : freshLines) {
        const QString name = CardLines::NameOf(line);
        if (name == u"BEGIN" || name == u"END" || name == u"VERSION")
            continue;
        if (name == u"UID" && hasUid)
            continue;
        if (name == u"X-ABSHOWAS" || (name == u"URL" && !freshHasUrl))
            continue;
        if (Owned(name, freshNames) || name == u"URL" || name == u"UID")
            text += CardLines::Fold(line);
    }
    for (const QString& line : kept)
        text += CardLines::Fold(line);
    return text + u"END:VCARD\r\n"_s;
}

} // namespace CardMerge
