#pragma once

#include <QByteArray>
#include <QByteArrayView>

#include "exchange/VCardHead.h"

// Turns the bytes of a card file into logical lines, still as bytes: line
// ends (LF, CR LF, CR CR LF, or CR alone in files without any LF) are
// removed, folded lines (a line beginning with a blank or a tab continues the
// one before) and quoted-printable soft breaks are joined, and base64 blocks
// are skipped whole. Joining happens before any decoding, since a fold may
// split a multi-byte character. UTF-16 input is converted to UTF-8 first.
class VCardLineReader
{
public:
    // A logical line longer than this is dropped whole.
    static constexpr qsizetype kMaxLineBytes = 1 << 20;

    // Reads the whole of a file.
    explicit VCardLineReader(QByteArrayView bytes);
    // Reads a piece of a file whose line end is known (see LineEndOf); only
    // the piece at the file's start may begin with a byte order mark. A
    // UTF-16 file is read whole.
    VCardLineReader(QByteArrayView piece, char lineEnd, bool fileStart);

    // Whether a file that starts so is UTF-16.
    static bool IsUtf16(QByteArrayView start);
    // The line end of a file: LF, or CR in a file that has CR but no LF.
    static char LineEndOf(QByteArrayView bytes);

    // The next logical line that is not blank, with its head; the line and
    // the head's views stay valid until the next call. False at the end.
    bool Next(QByteArrayView& line, VCardHead& head);
    // Lines passed over for being longer than kMaxLineBytes.
    int LongLines() const { return m_longLines; }

private:
    bool Peek(QByteArrayView& line);
    void Consume() { m_peeked = false; }
    bool ReadPhysical(QByteArrayView& line);
    void SkipBlockLines();

    QByteArray m_converted; // UTF-8 form of a UTF-16 file
    QByteArray m_joined;    // a logical line made of several physical ones
    QByteArrayView m_bytes;
    int m_longLines = 0;
    qsizetype m_pos = 0;
    char m_lineEnd = '\n';
    bool m_peeked = false;
    QByteArrayView m_peekLine;
};
