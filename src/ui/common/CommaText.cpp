#include "ui/common/CommaText.h"

namespace CommaText {

QStringList Split(const QString& line)
{
    QStringList fields;
    qsizetype i = 0;
    const qsizetype n = line.size();
    if (line.trimmed().isEmpty())
        return fields;
    while (true) {
        while (i < n && line.at(i) == u' ')
            ++i;
        QString field;
        if (i < n && line.at(i) == u'"') {
            ++i;
            while (i < n) {
                if (line.at(i) == u'"') {
                    if (i + 1 < n && line.at(i + 1) == u'"') {
                        field += u'"';
                        i += 2;
                        continue;
                    }
                    ++i;
                    break;
                }
                field += line.at(i++);
            }
            // Anything between the closing quote and the next comma belongs to the field.
            const qsizetype comma = line.indexOf(u',', i);
            field += QStringView(line).mid(i, (comma < 0 ? n : comma) - i).trimmed();
            i = comma < 0 ? n : comma;
        } else {
            const qsizetype comma = line.indexOf(u',', i);
            field = QStringView(line).mid(i, (comma < 0 ? n : comma) - i).trimmed().toString();
            i = comma < 0 ? n : comma;
        }
        fields.append(field);
        if (i >= n)
            break;
        ++i; // the comma
    }
    return fields;
}

QString Join(const QStringList& fields)
{
    QStringList quoted;
    for (const QString& field : fields) {
        if (field.contains(u',') || field.contains(u'"') || field != field.trimmed() || field.isEmpty())
            quoted << u'"' + QString(field).replace(QStringLiteral("\""), QStringLiteral("\"\"")) + u'"';
        else
            quoted << field;
    }
    return quoted.join(u',');
}

} // namespace CommaText
