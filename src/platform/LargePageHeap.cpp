#include "platform/LargePageHeap.h"

#include <cstdint>
#include <cstdlib>

#if defined(__GLIBC__)
#include <malloc.h>
#include <sys/mman.h>
#include <unistd.h>
#endif

namespace LargePageHeap {

#if defined(__GLIBC__) && defined(MADV_HUGEPAGE)
bool Reserve(std::size_t bytes)
{
    // Blocks up to glibc's largest threshold (32 MiB) come from the heap, and
    // the heap never shrinks: a shrunk and regrown heap would lose the advice.
    mallopt(M_MMAP_THRESHOLD, 32 << 20);
    mallopt(M_TRIM_THRESHOLD, INT32_MAX);
    // The next growth of the heap asks for the whole stretch at once.
    mallopt(M_TOP_PAD, static_cast<int>(bytes));
    auto* const before = static_cast<char*>(sbrk(0));
    // Larger than whatever is left at the top, so the heap must grow now.
    // Volatile, or the compiler drops an allocation that is freed unused.
    void* volatile probe = std::malloc(std::size_t(4) << 20);
    std::free(probe);
    auto* const after = static_cast<char*>(sbrk(0));
    mallopt(M_TOP_PAD, 128 << 10);
    if (before == reinterpret_cast<char*>(-1) || after <= before)
        return false; // the heap could not grow in place; malloc mapped the probe elsewhere
    const auto page = static_cast<std::uintptr_t>(sysconf(_SC_PAGESIZE));
    auto* const start = reinterpret_cast<char*>((reinterpret_cast<std::uintptr_t>(before) + page - 1) & ~(page - 1));
    return madvise(start, static_cast<std::size_t>(after - start), MADV_HUGEPAGE) == 0;
}
#else
bool Reserve(std::size_t)
{
    return false;
}
#endif

} // namespace LargePageHeap
