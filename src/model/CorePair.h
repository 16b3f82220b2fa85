#pragma once

#include <sched.h>

// Keeps two threads that hand work to each other on two different cores.
// Linux wakes a thread on the core of the thread that woke it and moves it
// elsewhere only later, so two such threads of a short task often take
// turns on one core while the other stays idle: the two stages of reading
// 10,000 cards took 27 to 29 ms instead of 24 (medians), and far more in
// the worst runs.
//
// Made on the thread that starts a helper: binds that thread to the core it
// is on until the pair ends, when its old binding comes back. The helper
// calls Aside first, which binds it to the other cores it may use. Where
// the process may use one core only, neither does anything.
class CorePair
{
public:
    CorePair();
    ~CorePair();
    CorePair(const CorePair&) = delete;
    CorePair& operator=(const CorePair&) = delete;

    // On the helper thread.
    void Aside() const;
    // Whether the threads were bound.
    bool Split() const { return m_split; }

private:
    cpu_set_t m_before;
    cpu_set_t m_others;
    bool m_split = false;
};
