#include "exchange/NicknamesFile.h"

#include "exchange/WordSplit.h"
#include "model/TextRules.h"

#include <QRegularExpression>

namespace {
constexpr qsizetype kMaxNoteLength = 255;

bool IsWrapper(QChar c)
{
    return c == u'"' || c == u'<' || c == u'>';
}

QString StripWrappers(QString word)
{
    if (!word.isEmpty() && IsWrapper(word.front()))
        word.remove(0, 1);
    if (!word.isEmpty() && IsWrapper(word.back()))
        word.chop(1);
    return word;
}

// The keyword, then a blank: "aliases" is not "alias".
bool StartsWithKeyword(QStringView line, QStringView keyword)
{
    return line.startsWith(keyword) && line.size() > keyword.size() && line[keyword.size()].unicode() <= u' ';
}

// What follows the nickname word on a note line: the nickname may be quoted,
// and blanks around it vary, so step over it as the word splitter would.
QStringView TextAfterNickname(QStringView rest)
{
    qsizetype at = 0;
    while (at < rest.size() && rest[at].unicode() <= u' ')
        ++at;
    if (at < rest.size() && rest[at] == u'"') {
        ++at;
        while (at < rest.size()) {
            if (rest[at] == u'"' && !(at + 1 < rest.size() && rest[at + 1] == u'"'))
                break;
            at += rest[at] == u'"' ? 2 : 1;
        }
        ++at;
    } else {
        while (at < rest.size() && rest[at].unicode() > u' ' && rest[at] != u',')
            ++at;
    }
    return rest.sliced(qMin(at, rest.size())).trimmed();
}

QString NoteText(QStringView text)
{
    static const QRegularExpression kFields(QStringLiteral(R"(<[A-Za-z0-9_-]+:[^>]*>)"));
    QString plain = text.toString();
    plain.remove(kFields);
    return plain.trimmed().left(kMaxNoteLength);
}
} // namespace

std::optional<NicknameLine> ParseNicknameLine(QStringView line)
{
    static constexpr QStringView kAlias = u"alias";
    static constexpr QStringView kNote = u"note";
    const bool alias = StartsWithKeyword(line, kAlias);
    if (!alias && !StartsWithKeyword(line, kNote))
        return std::nullopt;
    const QStringView rest = line.sliced(alias ? kAlias.size() : kNote.size());
    const QStringList words = WordSplit::Split(rest);
    if (words.size() < 2)
        return std::nullopt;

    NicknameLine parsed;
    if (!alias) {
        parsed.kind = NicknameLine::Kind::Note;
        parsed.nickname = words.front();
        parsed.text = NoteText(TextAfterNickname(rest));
        return parsed;
    }
    // The nickname takes part in the search too: a bare address may serve as its own name.
    parsed.nickname = StripWrappers(words.front());
    for (const QString& raw : words) {
        const QString word = StripWrappers(raw);
        if (TextRules::IsInternetMail(word)) {
            parsed.text = word;
            if (parsed.nickname.isEmpty())
                return std::nullopt;
            return parsed;
        }
    }
    return std::nullopt;
}
