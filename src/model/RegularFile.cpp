#include "model/RegularFile.h"

#include "model/Exceptions.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace RegularFile {

namespace {

QString SystemError(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

QString KindOf(mode_t mode)
{
    if (S_ISDIR(mode))
        return QStringLiteral("it is a directory");
    if (S_ISFIFO(mode))
        return QStringLiteral("it is a named pipe, not a regular file");
    if (S_ISSOCK(mode))
        return QStringLiteral("it is a socket, not a regular file");
    if (S_ISCHR(mode) || S_ISBLK(mode))
        return QStringLiteral("it is a device, not a regular file");
    return QStringLiteral("it is not a regular file");
}

QString TooLargeReason(qint64 maxBytes)
{
    if (maxBytes >= (qint64(1) << 20) && maxBytes % (qint64(1) << 20) == 0)
        return QStringLiteral("the file is larger than %1 MB").arg(maxBytes >> 20);
    return QStringLiteral("the file is larger than %1 bytes").arg(maxBytes);
}



// Opens a regular file for reading: fd is -1 unless the status is Read.
ReadStatus OpenRegular(const QString& path, int& fd, struct stat& st, QString& error)
{
    const QByteArray name = QFile::encodeName(path);
    // Non-blocking, so opening a FIFO without a writer returns at once; the
    // type is checked on the open descriptor, so a swap after the check
    // cannot slip a FIFO in.
    fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) {
        const int e = errno;
        if (e == ENOENT)
            return ReadStatus::Missing;
        error = QStringLiteral("Cannot read %1: %2").arg(path, SystemError(e));
        return ReadStatus::Failed;
    }
    QString why;
    if (::fstat(fd, &st) != 0)
        why = SystemError(errno);
    else if (!S_ISREG(st.st_mode))
        why = KindOf(st.st_mode);
    if (!why.isEmpty()) {
        ::close(fd);
        fd = -1;
        error = QStringLiteral("Cannot read %1: %2").arg(path, why);
        return ReadStatus::Failed;
    }
    const int flags = ::fcntl(fd, F_GETFL);
    if (flags >= 0)
        ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK);
    return ReadStatus::Read;
}

// Reads up to limit bytes; sets *truncated when the file holds more.
ReadStatus ReadUpTo(const QString& path, qint64 limit, QByteArray& bytes, QString& error, bool* more)
{
    bytes.clear();
    int fd = -1;
    struct stat st{};
    if (const ReadStatus opened = OpenRegular(path, fd, st, error); opened != ReadStatus::Read)
        return opened;
    struct Closer
    {
        int fd;
        ~Closer() { ::close(fd); }
    } closer{fd};
    if (st.st_size > limit) {
        *more = true;
        bytes.reserve(limit);
    } else {
        // One byte more, so the read that finds the end needs no new room.
        bytes.reserve(static_cast<qsizetype>(st.st_size) + 1);
    }
    // The file may grow or shrink while it is read: read until its end, but
    // never past the limit.
    constexpr qint64 kChunk = qint64(1) << 20;
    while (bytes.size() < limit) {
        // Reads fill the room reserved for the file's size first, so a file
        // that keeps its size is read without the buffer ever growing.
        const qint64 room = bytes.capacity() - bytes.size();
        const qint64 want = std::min({room > 0 ? room : kChunk, kChunk, limit - bytes.size()});
        const qsizetype at = bytes.size();
        bytes.resize(at + want);
        const ssize_t got = ::read(fd, bytes.data() + at, static_cast<size_t>(want));
        if (got < 0) {
            const int e = errno;
            bytes.resize(at);
            if (e == EINTR)
                continue;
            bytes.clear();
            error = QStringLiteral("Cannot read %1: %2").arg(path, SystemError(e));
            return ReadStatus::Failed;
        }
        bytes.resize(at + got);
        if (got == 0)
            break;
    }
    if (bytes.size() >= limit && !*more) {
        char probe = 0;
        ssize_t got = 0;
        do
            got = ::read(fd, &probe, 1);
        while (got < 0 && errno == EINTR);
        *more = got > 0;
    }
    return ReadStatus::Read;
}

} // namespace

QString TooLargeMessage(const QString& path, qint64 maxBytes)
{
    return QStringLiteral("Cannot read %1: %2").arg(path, TooLargeReason(maxBytes));
}

Reader::~Reader()
{
    if (m_fd >= 0)
        ::close(m_fd);
}

ReadStatus Reader::Open(const QString& path, qint64 maxBytes, QString& error)
{
    if (m_fd >= 0)
        ::close(m_fd);
    struct stat st{};
    m_limit = maxBytes;
    m_read = 0;
    const ReadStatus status = OpenRegular(path, m_fd, st, error);
    m_size = status == ReadStatus::Read ? static_cast<qint64>(st.st_size) : 0;
    return status;
}

qsizetype Reader::ReadMore(QByteArray& into, qsizetype want)
{
    if (m_fd < 0)
        return 0;
    const qsizetype at = into.size();
    into.resize(at + want);
    ssize_t got = 0;
    do
        got = ::read(m_fd, into.data() + at, static_cast<size_t>(want));
    while (got < 0 && errno == EINTR);
    if (got < 0) {
        const int e = errno;
        into.resize(at);
        throw EReadError(SystemError(e));
    }
    into.resize(at + got);
    m_read += got;
    if (m_read > m_limit)
        throw EReadError(TooLargeReason(m_limit));
    return got;
}

ReadStatus TryRead(const QString& path, qint64 maxBytes, QByteArray& bytes, QString& error)
{
    bool more = false;
    const ReadStatus status = ReadUpTo(path, maxBytes, bytes, error, &more);
    if (status == ReadStatus::Read && more) {
        bytes.clear();
        bytes.squeeze();
        error = TooLargeMessage(path, maxBytes);
        return ReadStatus::Failed;
    }
    return status;
}

QByteArray Read(const QString& path, qint64 maxBytes)
{
    QByteArray bytes;
    QString error;
    switch (TryRead(path, maxBytes, bytes, error)) {
    case ReadStatus::Read: return bytes;
    case ReadStatus::Missing: throw EReadError(QStringLiteral("Cannot read %1: No such file or directory").arg(path));
    case ReadStatus::Failed: break;
    }
    throw EReadError(error);
}

QByteArray ReadHead(const QString& path, qint64 maxBytes)
{
    QByteArray bytes;
    QString error;
    bool more = false;
    switch (ReadUpTo(path, maxBytes, bytes, error, &more)) {
    case ReadStatus::Read: return bytes;
    case ReadStatus::Missing: throw EReadError(QStringLiteral("Cannot read %1: No such file or directory").arg(path));
    case ReadStatus::Failed: break;
    }
    throw EReadError(error);
}

void CheckWriteTarget(const QString& path)
{
    struct stat st{};
    if (::stat(QFile::encodeName(path).constData(), &st) != 0)
        return; // nothing there (or a dangling link): the write creates the file
    if (!S_ISREG(st.st_mode))
        throw EZendrivoError(QStringLiteral("Cannot write %1: %2").arg(path, KindOf(st.st_mode)));
}

QString ResolvedWriteTarget(const QString& path)
{
    const QFileInfo info(path);
    if (info.isSymLink() && info.exists())
        return info.canonicalFilePath();
    return path;
}

} // namespace RegularFile
