#include "platform/ExitWatchdog.h"

#include "platform/RescueFile.h"

#include <chrono>

#include <unistd.h>

ExitWatchdog::ExitWatchdog(QByteArray bytes, int timeoutMs) : m_bytes(std::move(bytes))
{
    m_thread = std::thread([this, timeoutMs] { Watch(timeoutMs); });
}

ExitWatchdog::~ExitWatchdog()
{
    {
        std::lock_guard lock(m_mutex);
        m_finished = true;
    }
    m_done.notify_all();
    m_thread.join();
}

void ExitWatchdog::Watch(int timeoutMs)
{
    std::unique_lock lock(m_mutex);
    if (m_done.wait_for(lock, std::chrono::milliseconds(timeoutMs), [this] { return m_finished; }))
        return;
    QString error;
    const QString path = RescueFile::Write(m_bytes, &error);
    if (path.isEmpty())
        RescueFile::Report(QStringLiteral("The database could not be saved in time, and no rescue file could be written (%1)").arg(error));
    else
        RescueFile::Report(QStringLiteral("The database could not be saved in time; the contacts were written to %1").arg(path));
    ::_exit(1);
}
