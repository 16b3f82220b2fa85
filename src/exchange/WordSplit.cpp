#include "exchange/WordSplit.h"

namespace WordSplit {

namespace {
bool IsBlank(QChar c)
{
    return c.unicode() <= u' ';
}
} // namespace

QStringList Split(QStringView text)
{
    QStringList words;
    const qsizetype n = text.size();
    qsizetype at = 0;
    while (at < n && IsBlank(text[at]))
        ++at;
    while (at < n) {
        QString word;
        if (text[at] == u'"') {
            ++at;
            while (at < n) {
                if (text[at] == u'"') {
                    if (at + 1 < n && text[at + 1] == u'"') {
                        word.append(u'"');
                        at += 2;
                        continue;
                    }
                    ++at;
                    break;
                }
                word.append(text[at++]);
            }
        } else {
            const qsizetype start = at;
            while (at < n && !IsBlank(text[at]) && text[at] != u',')
                ++at;
            word = text.sliced(start, at - start).toString();
        }
        words.append(word);
        while (at < n && IsBlank(text[at]))
            ++at;
        if (at < n && text[at] == u',') {
            ++at;
            while (at < n && IsBlank(text[at]))
                ++at;
        }
    }
    return words;
}

QString ValueOf(const QStringList& words, QStringView name)
{
    for (const QString& word : words) {
        const qsizetype eq = word.indexOf(u'=');
        if (eq >= 0 && QStringView(word).first(eq).compare(name, Qt::CaseInsensitive) == 0)
            return word.sliced(eq + 1);
    }
    return QString();
}

} // namespace WordSplit
