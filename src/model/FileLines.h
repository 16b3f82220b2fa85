#pragma once

#include "model/RegularFile.h"
#include "model/TextCodec.h"

#include <QByteArray>
#include <QString>

#include <optional>

// The lines of a file as TextCodec::LineReader gives them, read a piece at
// a time: a large database is never in memory as bytes and as the tree it
// becomes at once. A line end is never split between pieces, so the lines
// are the same as those of the whole file. A read error part-way throws
// EReadError (see RegularFile::Reader::ReadMore).
class FileLines
{
public:
    static constexpr qsizetype kPieceBytes = qsizetype(1) << 18;

    explicit FileLines(RegularFile::Reader& file, qsizetype pieceBytes = kPieceBytes);
    bool Next(QString& line);

private:
    // Reads on until the buffer holds a line end or the file has ended, and
    // starts a reader on the whole lines; false when nothing is left.
    bool Refill();

    RegularFile::Reader& m_file;
    qsizetype m_pieceBytes;
    QByteArray m_buffer;
    qsizetype m_used = 0;  // bytes of the buffer handed to the reader
    bool m_ended = false;  // the file has been read to its end
    bool m_first = true;   // the next reader starts at the file's start
    std::optional<TextCodec::LineReader> m_reader;
};
