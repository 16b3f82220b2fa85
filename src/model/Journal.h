#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QDateTime>
#include <QString>

// The save journal "zivo.dat.txn": the bytes of the database followed by one
// closing line that gives their length and checksum, so a journal cut short
// by a crash or a full disk is told from a complete one. The record reader
// skips that line like any other that is not a record.
namespace Journal {

// The journal's text for the database bytes: the bytes and the closing line.
QByteArray Seal(QByteArrayView database);
// The closing line alone, for writers that send the bytes without a copy.
QByteArray ClosingLine(QByteArrayView database);
// The same for database bytes of that size and checksum.
QByteArray ClosingLine(qint64 size, quint32 checksum);

// The database bytes inside a complete journal; null when the journal is
// cut short, damaged or has no closing line.
QByteArray Unseal(QByteArrayView journal);

// What the closing line at the end of a journal file says, read without
// reading the whole file.
struct Trailer
{
    bool found = false;   // the file ends in a well-formed closing line
    qint64 bodySize = 0;  // the length the line gives for the database bytes
    quint32 checksum = 0; // their CRC-32
    QDateTime modified;   // when the journal was last written
};
Trailer ReadTrailer(const QString& path);

// CRC-32 (the one of zip and PNG).
quint32 Checksum(QByteArrayView bytes);

} // namespace Journal
