#pragma once

#include "model/TextRules.h"

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
        TextRules::NumberRoom room;
        Add(TextRules::NumberText(value, room));
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
