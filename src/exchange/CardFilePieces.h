#pragma once

#include "model/RegularFile.h"

#include <QByteArray>
#include <QString>

class VCardLineReader;

// A card file read a block at a time and handed out in pieces that end
// where a card begins, so that the cards of a large file are read while the
// rest is still coming and the file is never held whole. A UTF-16 file is
// handed out whole, as its reader converts it at once.
class CardFilePieces
{
public:
    static constexpr qsizetype kBlockBytes = 256 << 10;

    explicit CardFilePieces(qsizetype blockBytes = kBlockBytes) : m_blockBytes(blockBytes) {}

    // Opens the file; on Failed, error is one line naming the file and the
    // reason. A file above maxBytes fails here, before anything is read.
    RegularFile::ReadStatus Open(const QString& path, qint64 maxBytes, QString& error);
    // The file's size when it was opened.
    qint64 Size() const { return m_file.Size(); }

    // A reader of the next piece (valid until the next call), and whether
    // it is the last; false once the last was handed out. Throws EReadError
    // when the file cannot be read on.
    bool Next(VCardLineReader& reader, bool& last);

private:
    qsizetype LastCardStart();

    RegularFile::Reader m_file;
    qsizetype m_blockBytes;
    QString m_path;
    QByteArray m_bytes;     // the piece handed out, then what follows it
    qsizetype m_handed = 0;   // bytes of m_bytes handed out last time
    qsizetype m_searched = 0; // bytes of m_bytes searched for a card's start
    char m_lineEnd = '\n';
    bool m_started = false;
    bool m_atEnd = false;   // the file is read to its end
    bool m_done = false;    // the last piece is handed out
};
