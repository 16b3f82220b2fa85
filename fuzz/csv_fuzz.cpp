// Feeds arbitrary bytes through the delimited-text reader: decoding, joining
// quoted fields across lines and splitting records into values.
#include "exchange/DelimitedRecordReader.h"
#include "exchange/DelimitedText.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size > (1 << 16))
        return 0;
    const QByteArrayView bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const auto separator = size % 2 ? DelimitedRecordReader::Separator::Tab : DelimitedRecordReader::Separator::Comma;
    DelimitedRecordReader reader(bytes, separator);
    if (size % 3 == 0)
        reader.SkipFirstLineIf(DelimitedRecordReader::FirstLine(bytes));
    QString record;
    qsizetype records = 0;
    while (reader.Next(record)) {
        // Every record takes at least one line end or the last bytes, so
        // there are never more records than bytes.
        if (++records > qsizetype(size))
            std::abort();
        // A record that spans lines closes its quotes, within the line limit.
        const qsizetype joins = record.count(u'\n');
        if (joins >= DelimitedRecordReader::kMaxRecordLines)
            std::abort();
        if (joins > 0 && DelimitedText::EndsInsideQuotes(record))
            std::abort();
        if (separator == DelimitedRecordReader::Separator::Tab && record.contains(u'\t'))
            std::abort();
        const QStringList values = DelimitedText::SplitLine(record);
        // Values never hold more text than the record they came from.
        qsizetype total = 0;
        for (const QString& v : values)
            total += v.size();
        if (total > record.size())
            std::abort();
        // A header line of the values splits back into the same values.
        if (!values.isEmpty() && DelimitedText::SplitLine(DelimitedText::HeaderLine(values)) != values) {
            // Names without blank, comma or quote are written bare, so a
            // single empty name reads back as no value at all.
            if (!(values.size() == 1 && values[0].isEmpty()))
                std::abort();
        }
    }
    return 0;
}
