#pragma once

#include <exception>
#include <functional>
#include <memory>

// Whether the model may start a thread of its own for a large job: writing
// the records of a large tree in two halves at once, sorting thousands of
// siblings in two. Off unless a program turns it on: the first thread a
// process starts costs every later malloc and free of that process glibc's
// single-threaded fast path, which a long-lived program that has no threads
// yet would pay for good. A command-line run, which ends after its save,
// turns it on.
namespace HelperThreads {

void Allow(bool on);
bool Allowed();

// A job handed to the helper thread. Wait returns once the job has run and
// throws what it threw; the destructor waits too, so a job may use what its
// caller holds on the stack.
class Task
{
public:
    Task() = default;
    Task(Task&&) noexcept = default;
    Task& operator=(Task&&) = delete;
    Task(const Task&) = delete;
    Task& operator=(const Task&) = delete;
    ~Task();

    void Wait();

    struct State;

private:
    friend Task Run(std::function<void()> job);
    std::shared_ptr<State> m_state;
};

// Runs the job on the helper thread, one job after the other; for callers
// that Allowed lets. The thread is made at the first call and kept until the
// process ends. Between jobs it
// looks for the next one for a few milliseconds before it sleeps, and so
// does Wait for the job's end: on a virtual machine a core with nothing to
// do is halted, and waking it took about a millisecond, as long as sorting
// ten thousand siblings takes.
Task Run(std::function<void()> job);

} // namespace HelperThreads
