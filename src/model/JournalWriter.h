#pragma once

#include <QByteArrayView>
#include <QString>

#include <cstdint>
#include <memory>

class Writeback;

// Writes the save journal "zivo.dat.txn" a piece at a time, as the tree is
// turned into records, so that a save never holds the database's bytes
// whole in memory; the pieces are summed on the way for the closing line.
// Written with the system calls themselves, so a failure throws ESaveError
// with the system's own reason ("No space left on device").
class JournalWriter
{
public:
    // Creates or truncates the journal. The caller has made sure that only
    // a regular file is written over.
    explicit JournalWriter(const QString& path);
    ~JournalWriter();
    JournalWriter(const JournalWriter&) = delete;
    JournalWriter& operator=(const JournalWriter&) = delete;

    void Write(QByteArrayView bytes);
    // Ends the journal with its closing line and starts flushing it to disk
    // on a thread of its own, which has had the disk write the journal
    // since the first piece: the new database is flushed meanwhile, and the
    // flushes overlap instead of following each other.
    void Seal();
    // Waits for the flush Seal started; throws ESaveError with the system's
    // reason when it failed. Nothing may replace the database before this
    // returns.
    void WaitSealed();

private:
    void WriteAll(QByteArrayView bytes);
    [[noreturn]] void Fail(int error);

    QString m_path;
    int m_fd = -1;
    std::unique_ptr<Writeback> m_writeback;
    qint64 m_size = 0;
    std::uint32_t m_checksum = 0;
};
