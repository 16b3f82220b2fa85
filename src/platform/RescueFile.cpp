#include "platform/RescueFile.h"

#include <QDateTime>
#include <QDir>
#include <QFile>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <syslog.h>
#include <unistd.h>

namespace {

QString StateDirectory()
{
    const QString state = qEnvironmentVariable("XDG_STATE_HOME");
    const QString base = state.isEmpty() ? QDir::homePath() + QStringLiteral("/.local/state") : state;
    return base + QStringLiteral("/zendrivo");
}

// A new regular file: never follows a link planted in its place, never opens
// a FIFO that would block the end of the program.
bool WriteNew(const QString& path, const QByteArray& bytes, QString* error)
{
    const int fd = ::open(QFile::encodeName(path).constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
    if (fd < 0) {
        *error = QStringLiteral("%1: %2").arg(path, QString::fromLocal8Bit(std::strerror(errno)));
        return false;
    }
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.constData() + done, static_cast<size_t>(bytes.size() - done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            *error = QStringLiteral("%1: %2").arg(path, QString::fromLocal8Bit(std::strerror(errno)));
            ::close(fd);
            ::unlink(QFile::encodeName(path).constData());
            return false;
        }
        done += n;
    }
    const bool synced = ::fsync(fd) == 0;
    if (::close(fd) != 0 || !synced) {
        *error = QStringLiteral("%1: %2").arg(path, QString::fromLocal8Bit(std::strerror(errno)));
        return false;
    }
    return true;
}

} // namespace

namespace RescueFile {

QString Write(const QByteArray& bytes, QString* error)
{
    const QString name = QStringLiteral("zivo-rescue-%1-%2.dat")
                             .arg(QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss")))
                             .arg(::getpid());
    QString reasons;
    for (const QString& directory : {StateDirectory(), QDir::tempPath()}) {
        QString reason;
        if (QDir().mkpath(directory) && WriteNew(QDir(directory).filePath(name), bytes, &reason))
            return QDir(directory).filePath(name);
        if (reason.isEmpty())
            reason = QStringLiteral("cannot create %1").arg(directory);
        reasons += (reasons.isEmpty() ? QString() : QStringLiteral("; ")) + reason;
    }
    if (error)
        *error = reasons;
    return {};
}

void Report(const QString& message)
{
    const QByteArray text = message.toLocal8Bit();
    std::fprintf(stderr, "zendrivo: %s\n", text.constData());
    std::fflush(stderr);
    ::openlog("zendrivo", LOG_PID, LOG_USER);
    ::syslog(LOG_ERR, "%s", text.constData());
    ::closelog();
}

} // namespace RescueFile
