#include "ui/dialogs/TitleWords.h"

namespace TitleWords {

QStringList Split(const QString& title)
{
    QStringList words;
    QString word;
    bool inQuotes = false;
    bool quoted = false; // a quoted word may be empty and still counts
    const auto finish = [&] {
        if (!word.isEmpty() || quoted)
            words.append(word);
        word.clear();
        quoted = false;
    };
    for (qsizetype i = 0; i < title.size(); ++i) {
        const QChar c = title.at(i);
        if (inQuotes) {
            if (c != u'"')
                word += c;
            else if (i + 1 < title.size() && title.at(i + 1) == u'"')
                word += title.at(++i);
            else
                inQuotes = false;
        } else if (c == u'"') {
            inQuotes = true;
            quoted = true;
        } else if (c == u' ' || c == u',' || c == u'\t') {
            finish();
        } else {
            word += c;
        }
    }
    finish();
    return words;
}

void FillNameParts(const QString& title, QString& first, QString& middle, QString& last)
{
    const QStringList words = Split(title);
    if (words.size() >= 2)
        first = words.at(0);
    if (words.size() >= 3) {
        middle = words.at(1);
        last = words.at(2);
    } else if (words.size() == 2) {
        last = words.at(1);
    }
}

} // namespace TitleWords
