#include "model/HelperThreads.h"

#include <atomic>

namespace HelperThreads {

namespace {
std::atomic<bool> g_allowed{false};
} // namespace

void Allow(bool on)
{
    g_allowed.store(on, std::memory_order_relaxed);
}

bool Allowed()
{
    return g_allowed.load(std::memory_order_relaxed);
}

} // namespace HelperThreads
