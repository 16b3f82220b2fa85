#pragma once

#include <QString>
#include <QStringView>

#include <cstdint>
#include <cstring>

// Builds one record's text in a string sized once up front, writing the
// pieces straight into it. A save writes about a hundred thousand records,
// each of a dozen or more pieces; QString::append checks and may grow the
// string for every one of them, which cost more than the copying itself.
// The caller promises the capacity: the pieces' sizes, and 21 characters
// for each number.
class RecordText
{
public:
    explicit RecordText(qsizetype capacity) : m_text(capacity, Qt::Uninitialized), m_at(m_text.data()) {}

    void Add(QStringView text)
    {
        std::memcpy(m_at, text.data(), static_cast<std::size_t>(text.size()) * sizeof(QChar));
        m_at += text.size();
    }
    void Add(char16_t c) { *m_at++ = QChar(c); }
    void AddNumber(std::int64_t value)
    {
        char16_t digits[20];
        int at = 20;
        // Counted in the unsigned range, so the lowest value has its digits too.
        std::uint64_t rest = value < 0 ? 0 - static_cast<std::uint64_t>(value) : static_cast<std::uint64_t>(value);
        do {
            digits[--at] = static_cast<char16_t>(u'0' + rest % 10);
            rest /= 10;
        } while (rest != 0);
        if (value < 0)
            Add(u'-');
        Add(QStringView(digits + at, 20 - at));
    }
    QString Take()
    {
        m_text.truncate(m_at - m_text.constData());
        return std::move(m_text);
    }

private:
    QString m_text;
    QChar* m_at;
};
