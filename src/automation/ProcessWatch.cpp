#include "automation/ProcessWatch.h"

#include <QSocketNotifier>

#include <cerrno>
#include <cstring>
#include <sys/syscall.h>
#include <unistd.h>

ProcessWatch::ProcessWatch(QObject* parent) : QObject(parent)
{
}

ProcessWatch::~ProcessWatch()
{
    Close();
}

void ProcessWatch::Close()
{
    delete m_notifier;
    m_notifier = nullptr;
    if (m_fd >= 0)
        ::close(m_fd);
    m_fd = -1;
}

bool ProcessWatch::Watch(qint64 pid, QString* error)
{
    Close();
    if (pid <= 0) {
        *error = QStringLiteral("%1 is not a process id").arg(pid);
        return false;
    }
    const long fd = ::syscall(SYS_pidfd_open, static_cast<pid_t>(pid), 0U);
    if (fd < 0) {
        *error = QStringLiteral("Process %1 cannot be watched: %2").arg(pid).arg(QString::fromLocal8Bit(std::strerror(errno)));
        return false;
    }
    m_fd = static_cast<int>(fd);
    m_pid = pid;
    // The descriptor turns readable when the process has ended.
    m_notifier = new QSocketNotifier(static_cast<qintptr>(m_fd), QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, [this] {
        const qint64 ended = m_pid;
        Close();
        Q_EMIT Ended(ended);
    });
    return true;
}
