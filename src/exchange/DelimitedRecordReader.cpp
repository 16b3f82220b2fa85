#include "exchange/DelimitedRecordReader.h"

#include "exchange/DelimitedText.h"

#include <QStringDecoder>

#include <algorithm>

namespace {

bool IsUtf16(QByteArrayView bytes)
{
    return bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xFE\xFF");
}

} // namespace

DelimitedRecordReader::DelimitedRecordReader(QByteArrayView bytes, Separator separator)
    : m_separator(separator), m_lines(IsUtf16(bytes) ? QByteArrayView() : bytes), m_utf16(IsUtf16(bytes))
{
    if (m_utf16) {
        QStringDecoder decoder(bytes[0] == '\xFF' ? QStringDecoder::Utf16LE : QStringDecoder::Utf16BE,
                               QStringDecoder::Flag::Stateless);
        m_utf16Text = decoder(bytes.sliced(2));
    }
}

bool DelimitedRecordReader::NextLine(QString& line)
{
    if (!m_utf16)
        return m_lines.Next(line);
    const qsizetype size = m_utf16Text.size();
    if (m_textAt >= size)
        return false;
    qsizetype end = m_utf16Text.indexOf(u'\n', m_textAt);
    if (end < 0)
        end = size;
    qsizetype stop = end;
    if (stop > m_textAt && m_utf16Text[stop - 1] == u'\r')
        --stop;
    line.resize(stop - m_textAt);
    std::copy(m_utf16Text.constData() + m_textAt, m_utf16Text.constData() + stop, line.data());
    m_textAt = end + 1;
    return true;
}

void DelimitedRecordReader::Return(const Mark& mark)
{
    m_lines = mark.lines;
    m_textAt = mark.textAt;
}

void DelimitedRecordReader::SkipFirstLineIf(const QString& text)
{
    const Mark start = Here();
    if (!NextLine(m_line) || m_line != text)
        Return(start);
}

bool DelimitedRecordReader::Next(QString& record)
{
    const auto read = [this](QString& line) {
        if (!NextLine(line))
            return false;
        if (m_separator == Separator::Tab)
            line.replace(u'\t', u',');
        return true;
    };
    if (!read(record))
        return false;
    if (!DelimitedText::EndsInsideQuotes(record))
        return true;
    const Mark afterFirst = Here();
    const qsizetype firstSize = record.size();
    int lines = 1;
    bool open = true;
    while (open && lines < kMaxRecordLines && record.size() <= kMaxRecordChars && read(m_line)) {
        record += u'\n';
        record += m_line;
        open = DelimitedText::EndsInsideQuotes(m_line, true);
        ++lines;
    }
    if (open) {
        // Unbalanced: take the line alone and read on from the next.
        record.truncate(firstSize);
        Return(afterFirst);
    }
    return true;
}

QString DelimitedRecordReader::FirstLine(QByteArrayView bytes)
{
    DelimitedRecordReader reader(bytes);
    QString line;
    reader.NextLine(line);
    return line;
}
