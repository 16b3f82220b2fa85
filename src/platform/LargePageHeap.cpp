#include "platform/LargePageHeap.h"

#include <atomic>
#include <cstdint>
#include <cstdlib>

#if defined(__GLIBC__)
#include <malloc.h>
#include <sys/mman.h>
#include <unistd.h>
#endif

namespace LargePageHeap {

#if defined(__GLIBC__) && defined(MADV_HUGEPAGE)
namespace {

constexpr std::uintptr_t kLargePage = std::uintptr_t(2) << 20;
// The size field malloc writes in front of a chunk.
constexpr std::uintptr_t kChunkHeader = 2 * sizeof(std::size_t);
constexpr int kDefaultMmapMax = 65536;

// The stretch, once reserved, and how much of it BackAhead backed.
std::atomic<char*> g_start{nullptr};
std::size_t g_size = 0;
std::atomic<std::size_t> g_backed{0};

} // namespace

bool BackAhead(std::size_t upTo)
{
#if defined(MADV_POPULATE_WRITE)
    char* const start = g_start.load(std::memory_order_acquire);
    if (!start)
        return false;
    std::size_t at = g_backed.load(std::memory_order_relaxed);
    do {
        if (at >= upTo || at + kLargePage > g_size)
            return false;
    } while (!g_backed.compare_exchange_weak(at, at + kLargePage, std::memory_order_relaxed));
    if (madvise(start + at, kLargePage, MADV_POPULATE_WRITE) == 0)
        return true;
    g_backed.store(g_size, std::memory_order_relaxed); // a kernel without it
#else
    (void)upTo;
#endif
    return false;
}

std::size_t InUse()
{
    return mallinfo2().uordblks;
}

bool Reserve(std::size_t bytes)
{
    // Blocks up to glibc's largest threshold (32 MiB) come from the heap, and
    // the heap never shrinks: a shrunk and regrown heap would lose the advice.
    mallopt(M_MMAP_THRESHOLD, 32 << 20);
    mallopt(M_TRIM_THRESHOLD, INT32_MAX);
    // Only whole, aligned 2 MiB stretches get large pages, and a stretch
    // that malloc touched before the advice keeps its 4 KiB pages for good.
    // So the break moves to one chunk header short of the next boundary
    // (malloc takes the skipped bytes for another user's and never touches
    // them): the header of malloc's fresh top lands below the boundary, and
    // everything above it is first touched after the advice.
    auto* const current = static_cast<char*>(sbrk(0));
    if (current == reinterpret_cast<char*>(-1))
        return false;
    const auto at = reinterpret_cast<std::uintptr_t>(current);
    const std::uintptr_t boundary = (at + kChunkHeader + kLargePage - 1) & ~(kLargePage - 1);
    if (boundary - kChunkHeader > at && sbrk(static_cast<intptr_t>(boundary - kChunkHeader - at)) == reinterpret_cast<void*>(-1))
        return false;
    // One block the size of the stretch grows the heap by all of it at once;
    // the header malloc writes behind it lands in the stretch's last page.
    // Volatile, or the compiler drops an allocation that is freed unused.
    mallopt(M_MMAP_MAX, 0);
    void* volatile probe = std::malloc(bytes);
    std::free(probe);
    mallopt(M_MMAP_MAX, kDefaultMmapMax);
    auto* const after = static_cast<char*>(sbrk(0));
    if (!probe || reinterpret_cast<std::uintptr_t>(after) < boundary + kLargePage)
        return false; // the heap could not grow in place
    auto* const start = reinterpret_cast<char*>(boundary);
    if (madvise(start, static_cast<std::size_t>(after - start), MADV_HUGEPAGE) != 0)
        return false;
    g_size = static_cast<std::size_t>(after - start);
    g_start.store(start, std::memory_order_release);
    return true;
}
#else
bool Reserve(std::size_t)
{
    return false;
}

bool BackAhead(std::size_t)
{
    return false;
}

std::size_t InUse()
{
    return 0;
}
#endif

} // namespace LargePageHeap
