#include "comm/TmsHeaders.h"

#include "comm/EncodedWords.h"

QString TmsHeaders::Value(const QString& name) const
{
    const QString key = name.endsWith(u':') ? name : name + u':';
    for (qsizetype i = 0; i < m_lines.size(); ++i) {
        if (!m_lines[i].startsWith(key, Qt::CaseInsensitive))
            continue;
        QString value = m_lines[i].mid(m_lines[i].indexOf(u':') + 1).trimmed();
        for (qsizetype next = i + 1; next < m_lines.size(); ++next) {
            const QString& line = m_lines[next];
            if (line.isEmpty() || (line[0] != u' ' && line[0] != u'\t'))
                break;
            value += u' ' + line.trimmed();
        }
        const QString upper = key.chopped(1).toUpper();
        if (upper == u"CONTENT-TYPE" || upper == u"X-UIDL")
            return value;
        return DecodeEncodedWords(value.left(255));
    }
    return {};
}
