#include "model/JournalWriter.h"

#include "model/Crc32.h"
#include "model/Exceptions.h"
#include "model/Journal.h"
#include "model/Writeback.h"

#include <QFile>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

JournalWriter::JournalWriter(const QString& path) : m_path(path)
{
    m_fd = ::open(QFile::encodeName(path).constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    if (m_fd < 0)
        Fail(errno);
    m_writeback = std::make_unique<Writeback>(m_fd, Writeback::Flush::All);
}

JournalWriter::~JournalWriter()
{
    // A save given up on waits for the flushing thread, and for a flush
    // Seal already started, before the file closes.
    m_writeback.reset();
    if (m_fd >= 0)
        ::close(m_fd);
}

void JournalWriter::Write(QByteArrayView bytes)
{
    WriteAll(bytes);
    m_checksum = Crc32::Update(m_checksum, bytes.data(), static_cast<std::size_t>(bytes.size()));
    m_size += bytes.size();
    m_writeback->Written(m_size);
}

void JournalWriter::Seal()
{
    WriteAll(Journal::ClosingLine(m_size, m_checksum));
    m_writeback->StartFlush();
}

void JournalWriter::WaitSealed()
{
    if (const int error = m_writeback->WaitFlushed(); error != 0)
        Fail(error);
}

void JournalWriter::WriteAll(QByteArrayView bytes)
{
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t wrote = ::write(m_fd, bytes.data() + done, static_cast<size_t>(bytes.size() - done));
        if (wrote < 0 && errno == EINTR)
            continue;
        if (wrote <= 0)
            Fail(wrote < 0 ? errno : ENOSPC);
        done += wrote;
    }
}

void JournalWriter::Fail(int error)
{
    m_writeback.reset();
    if (m_fd >= 0)
        ::close(m_fd);
    m_fd = -1;
    throw ESaveError(m_path + u": " + QString::fromLocal8Bit(std::strerror(error)));
}
