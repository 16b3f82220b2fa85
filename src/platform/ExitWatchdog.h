#pragma once

#include <QByteArray>
#include <QString>

#include <condition_variable>
#include <mutex>
#include <thread>

// Guards the last save of a program that is ending: should the save hang (a
// dead network share, a FIFO in the way), the watchdog writes BYTES to a
// rescue file, says where, and ends the process with status 1 once the time
// is up, so an ending at SIGTERM or logout never hangs.
class ExitWatchdog
{
public:
    ExitWatchdog(QByteArray bytes, int timeoutMs);
    // Disarms: the save finished in time.
    ~ExitWatchdog();
    ExitWatchdog(const ExitWatchdog&) = delete;
    ExitWatchdog& operator=(const ExitWatchdog&) = delete;

private:
    void Watch(int timeoutMs);

    QByteArray m_bytes;
    std::mutex m_mutex;
    std::condition_variable m_done;
    bool m_finished = false;
    std::thread m_thread;
};
