#pragma once

#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <thread>

// Flushes a file that is being written to disk, on a thread of its own, and
// starts the disk's writes while the file is still being written: the disk
// then works beside the program instead of after it, and the flush at the
// end finds little left. A save's few megabytes take the disk milliseconds
// to write, about as long as the program takes to make them.
class Writeback
{
public:
    enum class Flush { All, DataOnly };

    Writeback(int fd, Flush flush);
    // Waits for the thread; a flush not asked for is not made.
    ~Writeback();
    Writeback(const Writeback&) = delete;
    Writeback& operator=(const Writeback&) = delete;

    // The file's first end bytes are written.
    void Written(std::int64_t end);
    // Asks for the file's flush and returns at once.
    void StartFlush();
    // Waits for the flush; the system's error number when it failed, else 0.
    int WaitFlushed();

private:
    void Run();

    const int m_fd;
    const Flush m_flush;
    std::mutex m_mutex;
    std::condition_variable m_wake;
    std::int64_t m_written = 0;
    std::int64_t m_started = 0; // the end of the writes asked for so far
    bool m_flushAsked = false;
    bool m_stop = false;
    int m_error = 0;
    std::thread m_thread;
};
