#pragma once

#include <QString>
#include <QStringView>

#include <optional>

// One meaningful line of a mail program's nicknames file ("nndbase.txt").
struct NicknameLine
{
    enum class Kind { Alias, Note };
    Kind kind = Kind::Alias;
    QString nickname;
    // Alias: the first Internet address among the words after the nickname.
    // Note: the note's text, at most 255 characters.
    QString text;
};

// "alias NICK WORD..." gives an alias when one of the words (the nickname
// included), stripped of one enclosing quote or angle bracket at each end,
// holds "@"; the first such word is the address. "note NICK TEXT" gives a note whose text is what
// follows the nickname, without the "<name:value>" fields newer versions of
// the program put in front of it. Other lines, and alias or note lines with
// fewer than two words after the keyword, give nothing.
std::optional<NicknameLine> ParseNicknameLine(QStringView line);
