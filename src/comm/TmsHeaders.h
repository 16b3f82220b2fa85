#pragma once

#include <QString>
#include <QStringList>

// The header lines of a response, in the order received, with a look-up by
// header name.
class TmsHeaders
{
public:
    void Clear() { m_lines.clear(); }
    void Add(const QString& line) { m_lines.append(line); }
    const QStringList& Lines() const { return m_lines; }
    qsizetype Count() const { return m_lines.size(); }
    bool IsEmpty() const { return m_lines.isEmpty(); }

    // The value of the first line that starts with the name (any case; the
    // ":" may be left out), with its continuation lines joined by one blank.
    // Except for "Content-Type" and "X-UIDL", the value is cut to 255
    // characters and its encoded words are decoded. Empty when missing.
    QString Value(const QString& name) const;

private:
    QStringList m_lines;
};
