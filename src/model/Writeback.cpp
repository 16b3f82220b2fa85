#include "model/Writeback.h"

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace {
// How much is gathered before the disk is asked to write it: large enough
// that the requests cost nothing beside the writes themselves.
constexpr std::int64_t kStep = 512 * 1024;
} // namespace

Writeback::Writeback(int fd, Flush flush) : m_fd(fd), m_flush(flush), m_thread([this] { Run(); })
{
}

Writeback::~Writeback()
{
    {
        const std::lock_guard lock(m_mutex);
        m_stop = true;
    }
    m_wake.notify_one();
    if (m_thread.joinable())
        m_thread.join();
}

void Writeback::Written(std::int64_t end)
{
    bool wake = false;
    {
        const std::lock_guard lock(m_mutex);
        m_written = end;
        wake = m_written - m_started >= kStep;
    }
    if (wake)
        m_wake.notify_one();
}

void Writeback::StartFlush()
{
    {
        const std::lock_guard lock(m_mutex);
        m_flushAsked = true;
    }
    m_wake.notify_one();
}

int Writeback::WaitFlushed()
{
    if (m_thread.joinable())
        m_thread.join();
    return m_error;
}

void Writeback::Run()
{
    std::unique_lock lock(m_mutex);
    for (;;) {
        m_wake.wait(lock, [&] { return m_stop || m_flushAsked || m_written - m_started >= kStep; });
        if (m_stop && !m_flushAsked)
            return;
        if (m_flushAsked)
            break;
        const std::int64_t from = m_started;
        const std::int64_t to = m_written;
        m_started = to;
        lock.unlock();
        // Only starts the writes; a failure shows again at the flush, which
        // is what reports it.
        ::sync_file_range(m_fd, from, to - from, SYNC_FILE_RANGE_WRITE);
        lock.lock();
    }
    lock.unlock();
    const int result = m_flush == Flush::All ? ::fsync(m_fd) : ::fdatasync(m_fd);
    m_error = result == 0 ? 0 : errno;
}
