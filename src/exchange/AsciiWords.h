#pragma once

#include <QByteArrayView>

// Comparisons of the ASCII keywords of card files (names, parameters,
// encodings) without case. They run for every line of a file, so they
// compare lengths first and fold only ASCII letters: no Latin-1 letter
// beyond ASCII folds to one, so the result is the same as a full fold.
namespace AsciiWords {

// A blank as QByteArray::trimmed() takes it: space, tab, line ends, vertical tab, form feed.
inline bool IsSpace(char c)
{
    return c == ' ' || (c >= '\t' && c <= '\r');
}

inline char Upper(char c)
{
    return c >= 'a' && c <= 'z' ? char(c - ('a' - 'A')) : c;
}

// Whether text is word without case; word is written in capitals.
inline bool Is(QByteArrayView text, QByteArrayView word)
{
    if (text.size() != word.size())
        return false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (Upper(text[i]) != word[i])
            return false;
    }
    return true;
}

inline bool StartsWith(QByteArrayView text, QByteArrayView word)
{
    return text.size() >= word.size() && Is(text.first(word.size()), word);
}

} // namespace AsciiWords
