#include "exchange/DelimitedText.h"

namespace DelimitedText {

QStringList SplitLine(QStringView record)
{
    QStringList values;
    if (record.isEmpty())
        return values;
    // Whole runs between quotes and commas are appended at once; most
    // values are one run.
    QString value;
    bool quoted = false;
    const qsizetype n = record.size();
    qsizetype i = 0;
    while (i < n) {
        if (quoted) {
            const qsizetype quote = record.indexOf(u'"', i);
            if (quote < 0) {
                value += record.sliced(i);
                break;
            }
            value += record.sliced(i, quote - i);
            if (quote + 1 < n && record[quote + 1] == u'"') {
                value += u'"';
                i = quote + 2;
            } else {
                quoted = false;
                i = quote + 1;
            }
            continue;
        }
        qsizetype stop = i;
        while (stop < n && record[stop] != u'"' && record[stop] != u',')
            ++stop;
        value += record.sliced(i, stop - i);
        if (stop == n)
            break;
        if (record[stop] == u'"') {
            quoted = true;
        } else {
            values.append(value);
            value.clear();
        }
        i = stop + 1;
    }
    values.append(value);
    return values;
}

bool EndsInsideQuotes(QStringView text, bool startsInside)
{
    // A doubled quote inside a stretch closes and reopens it, so the parity
    // of the quotes decides.
    return (text.count(u'"') % 2 == 1) != startsInside;
}

QString HeaderName(const QString& name)
{
    if (!name.contains(u' ') && !name.contains(u',') && !name.contains(u'"'))
        return name;
    QString quoted = name;
    quoted.replace(u'"', QStringLiteral("\"\""));
    return u'"' + quoted + u'"';
}

QString HeaderLine(const QStringList& names)
{
    QStringList cells;
    cells.reserve(names.size());
    for (const QString& name : names)
        cells.append(HeaderName(name));
    return cells.join(u',');
}

} // namespace DelimitedText

