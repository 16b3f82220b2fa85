#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QString>

// Text files are written in UTF-8 with CR LF line ends. Readers accept LF
// alone and fall back to Windows-1252 for a line that is not valid UTF-8, so
// files written by older single-byte programs still read.
namespace TextCodec {

// Decodes one line (without its line end): UTF-8 when valid, else Windows-1252.
QString DecodeLine(QByteArrayView line);

// Appends the line decoded as DecodeLine does; ASCII goes straight into
// out's room, without a string of its own.
void AppendLine(QByteArrayView line, QString& out);

// Decodes bytes as Windows-1252.
QString DecodeWindows1252(QByteArrayView bytes);

// Hands out a file's lines one at a time, decoded as SplitLines does, so a
// large file is never held as text twice.
class LineReader
{
public:
    // Where the bytes lie: at the file's start a byte order mark is looked
    // for; a piece from inside a file is taken as it is.
    enum class Start { OfFile, InsideFile };

    explicit LineReader(QByteArrayView bytes, Start start = Start::OfFile);
    // The next line; false at the end.
    bool Next(QString& line);

private:
    QByteArray m_converted; // the file as UTF-8 when it came in UTF-16
    QByteArrayView m_bytes;
    qsizetype m_start = 0;
};

// Splits a whole file into decoded lines: CR LF, LF and CR alone end a line.
// A UTF-8 byte order mark at the start is skipped; a UTF-16 one (either byte
// order) makes the whole file read as UTF-16. A last line without a line end
// is kept; an empty tail after the last line end is not.
QList<QString> SplitLines(QByteArrayView bytes);

// Encodes text for writing: UTF-8.
QByteArray Encode(const QString& text);

inline constexpr const char* kLineEnd = "\r\n";

} // namespace TextCodec
