#include "exchange/DelimitedText.h"

#include "model/TextCodec.h"

#include <QStringDecoder>

namespace DelimitedText {

namespace {

QList<QString> SplitDecoded(const QString& text)
{
    QList<QString> lines;
    qsizetype start = 0;
    while (start < text.size()) {
        qsizetype end = text.indexOf(u'\n', start);
        if (end < 0)
            end = text.size();
        qsizetype stop = end;
        if (stop > start && text[stop - 1] == u'\r')
            --stop;
        lines.append(text.sliced(start, stop - start));
        start = end + 1;
    }
    return lines;
}

} // namespace

QList<QString> DecodeLines(QByteArrayView bytes)
{
    const auto utf16 = [&](QStringDecoder::Encoding encoding) {
        QStringDecoder decoder(encoding, QStringDecoder::Flag::Stateless);
        return SplitDecoded(decoder(bytes.sliced(2)));
    };
    if (bytes.startsWith("\xFF\xFE"))
        return utf16(QStringDecoder::Utf16LE);
    if (bytes.startsWith("\xFE\xFF"))
        return utf16(QStringDecoder::Utf16BE);
    return TextCodec::SplitLines(bytes);
}

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

QList<QString> JoinRecords(const QList<QString>& lines)
{
    QList<QString> records;
    records.reserve(lines.size());
    qsizetype i = 0;
    while (i < lines.size()) {
        if (!EndsInsideQuotes(lines[i])) {
            records.append(lines[i++]);
            continue;
        }
        QString record = lines[i];
        qsizetype next = i + 1;
        bool open = true;
        while (open && next < lines.size() && next - i < kMaxRecordLines && record.size() <= kMaxRecordChars) {
            record += u'\n';
            record += lines[next];
            open = EndsInsideQuotes(lines[next], true);
            ++next;
        }
        if (open) {
            // Unbalanced: take the line alone and read on from the next.
            records.append(lines[i++]);
        } else {
            records.append(record);
            i = next;
        }
    }
    return records;
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

