#pragma once

#include "model/TextRules.h"

#include <QByteArray>
#include <QString>
#include <QStringView>

#include <cstdint>
#include <cstring>
#include <string_view>

// Builds one record's text straight at the end of where it goes: a string,
// or the UTF-8 bytes of a save. A save writes about a hundred thousand
// records, each of a dozen or more pieces. Appending checks and may grow the
// target for every piece, and a record first made as a string of its own
// costs an allocation and a second pass to encode it; so the room is made
// once, by Reserve, and the pieces go straight into it.
//
// The bytes are those QString::toUtf8 gives for the record's text. Pieces of
// user text always stand between ASCII separators, so encoding them one by
// one never parts a surrogate pair that the whole text would have kept.
class RecordText
{
public:
    explicit RecordText(QString& text) : m_text(&text) {}
    explicit RecordText(QByteArray& bytes) : m_bytes(&bytes) {}
    RecordText(const RecordText&) = delete;
    RecordText& operator=(const RecordText&) = delete;

    // Room for pieces of `units` UTF-16 units in all, numbers counted as 21
    // each, and for a line end. Called once, before the first piece.
    void Reserve(qsizetype units);
    void Add(QStringView text)
    {
        if (m_wide) {
            std::memcpy(m_wide, text.utf16(), static_cast<std::size_t>(text.size()) * sizeof(char16_t));
            m_wide += text.size();
            return;
        }
        // Most pieces are a few ASCII letters, which are copied here; a
        // longer piece, or one beyond ASCII, is narrowed or encoded apart.
        const char16_t* from = text.utf16();
        const char16_t* const end = from + text.size();
        if (end - from >= kShortPiece) {
            m_narrow = PutUtf8(m_narrow, from, end);
            return;
        }
        for (; from != end; ++from) {
            if (*from >= 0x80) {
                m_narrow = PutUtf8(m_narrow, from, end);
                return;
            }
            *m_narrow++ = static_cast<char>(*from);
        }
    }
    // ASCII text: the separators, tags and numbers of the format.
    void AddAscii(std::string_view text)
    {
        if (m_wide) {
            for (const char c : text)
                *m_wide++ = static_cast<char16_t>(c);
        } else {
            std::memcpy(m_narrow, text.data(), text.size());
            m_narrow += text.size();
        }
    }
    void AddNumber(std::int64_t value)
    {
        TextRules::NumberBytes room;
        AddAscii(TextRules::NumberText(value, room));
    }
    void EndLine() { AddAscii("\r\n"); }
    // Cuts the target to what was written.
    void Finish();

private:
    static constexpr qsizetype kShortPiece = 8;

    static char* PutUtf8(char* to, const char16_t* from, const char16_t* end);

    QString* m_text = nullptr;
    QByteArray* m_bytes = nullptr;
    char16_t* m_wide = nullptr;
    char* m_narrow = nullptr;
};
