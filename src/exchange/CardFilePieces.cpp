#include "exchange/CardFilePieces.h"

#include "exchange/AsciiWords.h"
#include "exchange/VCardLineReader.h"
#include "model/Exceptions.h"

#include <algorithm>
#include <cstring>

RegularFile::ReadStatus CardFilePieces::Open(const QString& path, qint64 maxBytes, QString& error)
{
    m_path = path;
    // Room for a block and the card cut off before it, made by the thread
    // that opens the file.
    m_bytes.reserve(2 * m_blockBytes);
    const RegularFile::ReadStatus status = m_file.Open(path, maxBytes, error);
    if (status == RegularFile::ReadStatus::Read && m_file.Size() > maxBytes) {
        error = RegularFile::TooLargeMessage(path, maxBytes);
        return RegularFile::ReadStatus::Failed;
    }
    return status;
}

// Where the last card that starts in m_bytes begins (at a line starting with
// "begin:", in any case), or 0 when none does after the first byte. What was
// searched before is not searched again, so a file without cards is not
// searched over and over as it comes in.
qsizetype CardFilePieces::LastCardStart()
{
    const QByteArrayView begin("BEGIN:");
    const qsizetype end = m_bytes.size();
    // A line end just before the searched part may start a card whose
    // letters came with the new bytes.
    const qsizetype notBefore = std::max<qsizetype>(0, m_searched - begin.size());
    qsizetype at = end;
    m_searched = end;
    while (at > notBefore) {
        const void* found = memrchr(m_bytes.constData() + notBefore, m_lineEnd, static_cast<size_t>(at - notBefore));
        if (!found)
            return 0;
        const qsizetype lineEnd = static_cast<const char*>(found) - m_bytes.constData();
        if (AsciiWords::StartsWith(QByteArrayView(m_bytes).sliced(lineEnd + 1), begin))
            return lineEnd + 1;
        at = lineEnd;
    }
    return 0;
}

bool CardFilePieces::Next(VCardLineReader& reader, bool& last)
{
    if (m_done)
        return false;
    // What follows the piece moves to the front of the same room: the room
    // stays where the opening thread made it.
    const qsizetype rest = m_bytes.size() - m_handed;
    std::memmove(m_bytes.data(), m_bytes.constData() + m_handed, static_cast<size_t>(rest));
    m_bytes.resize(rest);
    m_searched = std::max<qsizetype>(0, m_searched - m_handed);
    m_handed = 0;
    const auto readBlock = [this] {
        try {
            if (m_file.ReadMore(m_bytes, m_blockBytes) == 0)
                m_atEnd = true;
        } catch (const EReadError& e) {
            throw EReadError(QStringLiteral("Cannot read %1: %2").arg(m_path, e.Message()));
        }
    };
    const bool fileStart = !m_started;
    if (fileStart) {
        m_started = true;
        readBlock();
        if (VCardLineReader::IsUtf16(m_bytes)) {
            while (!m_atEnd)
                readBlock();
            reader = VCardLineReader(m_bytes);
            m_handed = m_bytes.size();
            last = m_done = true;
            return true;
        }
        m_lineEnd = VCardLineReader::LineEndOf(m_bytes);
    }
    // Up to the last card that begins in what is read, so no card is split
    // between pieces; a card longer than a block makes the piece longer.
    const auto cutAt = [this] { return m_atEnd ? m_bytes.size() : LastCardStart(); };
    qsizetype cut = cutAt();
    while (cut == 0 && !m_atEnd) {
        readBlock();
        cut = cutAt();
    }
    reader = VCardLineReader(QByteArrayView(m_bytes).first(cut), m_lineEnd, fileStart);
    m_handed = cut;
    last = m_done = m_atEnd && cut == m_bytes.size();
    return true;
}
