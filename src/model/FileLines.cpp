#include "model/FileLines.h"

FileLines::FileLines(RegularFile::Reader& file, qsizetype pieceBytes) : m_file(file), m_pieceBytes(pieceBytes)
{
}

bool FileLines::Next(QString& line)
{
    while (!m_reader || !m_reader->Next(line)) {
        if (!Refill())
            return false;
    }
    return true;
}

bool FileLines::Refill()
{
    m_reader.reset();
    m_buffer.remove(0, m_used);
    m_used = 0;
    // What was left over holds no line end: read until a piece brings one.
    qsizetype lastEnd = -1;
    while (!m_ended && lastEnd < 0) {
        m_ended = m_file.ReadMore(m_buffer, m_pieceBytes) == 0;
        lastEnd = m_buffer.lastIndexOf('\n');
    }
    // A file in UTF-16 is converted whole by the reader, which needs to see
    // all of it; such files come from other programs and are small.
    if (m_first && (m_buffer.startsWith("\xFF\xFE") || m_buffer.startsWith("\xFE\xFF"))) {
        while (!m_ended)
            m_ended = m_file.ReadMore(m_buffer, m_pieceBytes) == 0;
    }
    m_used = m_ended ? m_buffer.size() : lastEnd + 1;
    if (m_used == 0)
        return false;
    m_reader.emplace(QByteArrayView(m_buffer).first(m_used),
                     m_first ? TextCodec::LineReader::Start::OfFile : TextCodec::LineReader::Start::InsideFile);
    m_first = false;
    return true;
}
