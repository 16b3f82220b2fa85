#include "model/HelperThreads.h"

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <deque>
#include <mutex>
#include <thread>

#if defined(__x86_64__) || defined(__i386__)
#include <immintrin.h>
#endif

namespace HelperThreads {

namespace {
std::atomic<bool> g_allowed{false};

// How long a thread looks for what it waits for before it sleeps.
constexpr auto kLookFor = std::chrono::milliseconds(5);

void Pause()
{
#if defined(__x86_64__) || defined(__i386__)
    _mm_pause();
#endif
}

// Waits until ready() is true: looking for a while, then asleep on changed.
template <typename Ready> void AwaitLooking(std::mutex& mutex, std::condition_variable& changed, Ready ready)
{
    const auto until = std::chrono::steady_clock::now() + kLookFor;
    for (int i = 0; !ready(); ++i) {
        Pause();
        if ((i & 255) == 255 && std::chrono::steady_clock::now() > until) {
            std::unique_lock lock(mutex);
            changed.wait(lock, ready);
            return;
        }
    }
}
} // namespace

struct Task::State
{
    std::function<void()> job;
    std::exception_ptr failure;
    std::atomic<bool> done{false};
    std::mutex mutex;
    std::condition_variable changed;
};

namespace {
class Helper
{
public:
    Helper()
    {
        std::thread([this] { Serve(); }).detach();
    }

    void Hand(std::shared_ptr<Task::State> state)
    {
        {
            const std::lock_guard lock(m_mutex);
            m_jobs.push_back(std::move(state));
            m_waiting.store(true, std::memory_order_release);
        }
        m_changed.notify_one();
    }

private:
    [[noreturn]] void Serve()
    {
        for (;;) {
            AwaitLooking(m_mutex, m_changed, [this] { return m_waiting.load(std::memory_order_acquire); });
            std::shared_ptr<Task::State> state;
            {
                const std::lock_guard lock(m_mutex);
                state = std::move(m_jobs.front());
                m_jobs.pop_front();
                m_waiting.store(!m_jobs.empty(), std::memory_order_release);
            }
            try {
                state->job();
            } catch (...) {
                state->failure = std::current_exception();
            }
            state->job = nullptr;
            {
                const std::lock_guard lock(state->mutex);
                state->done.store(true, std::memory_order_release);
            }
            state->changed.notify_all();
        }
    }

    std::mutex m_mutex;
    std::condition_variable m_changed;
    std::deque<std::shared_ptr<Task::State>> m_jobs;
    std::atomic<bool> m_waiting{false};
};
} // namespace

void Allow(bool on)
{
    g_allowed.store(on, std::memory_order_relaxed);
}

bool Allowed()
{
    return g_allowed.load(std::memory_order_relaxed);
}

Task::~Task()
{
    try {
        Wait();
    } catch (...) {
        // A task given up on (its caller is failing already) keeps its
        // caller's failure.
    }
}

void Task::Wait()
{
    if (!m_state)
        return;
    const std::shared_ptr<State> state = std::move(m_state);
    AwaitLooking(state->mutex, state->changed, [&state] { return state->done.load(std::memory_order_acquire); });
    if (state->failure)
        std::rethrow_exception(state->failure);
}

Task Run(std::function<void()> job)
{
    // Never destroyed: its thread serves until the process ends.
    static Helper* const helper = new Helper;
    Task task;
    task.m_state = std::make_shared<Task::State>();
    task.m_state->job = std::move(job);
    helper->Hand(task.m_state);
    return task;
}

} // namespace HelperThreads
