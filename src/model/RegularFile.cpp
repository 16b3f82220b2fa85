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

QString TooLarge(const QString& path, qint64 maxBytes)
{
    if (maxBytes >= (qint64(1) << 20) && maxBytes % (qint64(1) << 20) == 0)
        return QStringLiteral("Cannot read %1: the file is larger than %2 MB").arg(path).arg(maxBytes >> 20);
    return QStringLiteral("Cannot read %1: the file is larger than %2 bytes").arg(path).arg(maxBytes);
}

// Reads up to limit bytes; sets *truncated when the file holds more.
ReadStatus ReadUpTo(const QString& path, qint64 limit, QByteArray& bytes, QString& error, bool* more)
{
    bytes.clear();
    const QByteArray name = QFile::encodeName(path);
    // Non-blocking, so opening a FIFO without a writer returns at once; the
    // type is checked on the open descriptor, so a swap after the check
    // cannot slip a FIFO in.
    const int fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) {
        const int e = errno;
        if (e == ENOENT)
            return ReadStatus::Missing;
        error = QStringLiteral("Cannot read %1: %2").arg(path, SystemError(e));
        return ReadStatus::Failed;
    }
    struct Closer
    {
        int fd;
        ~Closer() { ::close(fd); }
    } closer{fd};
    struct stat st{};
    if (::fstat(fd, &st) != 0) {
        error = QStringLiteral("Cannot read %1: %2").arg(path, SystemError(errno));
        return ReadStatus::Failed;
    }
    if (!S_ISREG(st.st_mode)) {
        error = QStringLiteral("Cannot read %1: %2").arg(path, KindOf(st.st_mode));
        return ReadStatus::Failed;
    }
    const int flags = ::fcntl(fd, F_GETFL);
    if (flags >= 0)
        ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK);
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

ReadStatus TryRead(const QString& path, qint64 maxBytes, QByteArray& bytes, QString& error)
{
    bool more = false;
    const ReadStatus status = ReadUpTo(path, maxBytes, bytes, error, &more);
    if (status == ReadStatus::Read && more) {
        bytes.clear();
        bytes.squeeze();
        error = TooLarge(path, maxBytes);
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
