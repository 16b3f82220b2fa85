#include "model/ItemHeap.h"

#include <array>
#include <atomic>
#include <cstdint>
#include <mutex>
#include <new>

#if defined(__SANITIZE_ADDRESS__)
#define ZENDRIVO_ITEM_HEAP_PLAIN 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define ZENDRIVO_ITEM_HEAP_PLAIN 1
#endif
#endif

namespace ItemHeap {

std::atomic<bool> Detail::g_pooled{false};

#if defined(ZENDRIVO_ITEM_HEAP_PLAIN)

void PoolFromNowOn() {}

void* Take(std::size_t size)
{
    return ::operator new(size);
}

void Give(void* memory, std::size_t /*size*/) noexcept
{
    ::operator delete(memory);
}

#else

namespace {
constexpr std::size_t kGrain = 16;      // every size is rounded up to it
constexpr std::size_t kLargest = 1024;  // larger items take plain new
constexpr std::size_t kBlockBytes = 64 * 1024;

std::size_t Rounded(std::size_t size)
{
    return (size + kGrain - 1) & ~(kGrain - 1);
}

// Rooms given back, by size; taken on any thread.
struct FreeRoom
{
    FreeRoom* next;
};
std::mutex g_lock;
std::array<FreeRoom*, kLargest / kGrain + 1> g_free{};
std::atomic<int> g_freeCount{0};

// The making thread's block: where the next item goes, and its end.
thread_local char* t_next = nullptr;
thread_local char* t_end = nullptr;

void* FromFreeList(std::size_t rounded)
{
    if (g_freeCount.load(std::memory_order_relaxed) == 0)
        return nullptr;
    const std::lock_guard lock(g_lock);
    FreeRoom*& head = g_free[rounded / kGrain];
    FreeRoom* room = head;
    if (room) {
        head = room->next;
        g_freeCount.fetch_sub(1, std::memory_order_relaxed);
    }
    return room;
}
} // namespace

void PoolFromNowOn()
{
    Detail::g_pooled.store(true, std::memory_order_relaxed);
}

void* Take(std::size_t size)
{
    const std::size_t rounded = Rounded(size);
    if (rounded > kLargest)
        return ::operator new(size);
    if (void* room = FromFreeList(rounded))
        return room;
    if (static_cast<std::size_t>(t_end - t_next) < rounded) {
        // The rest of a block too small for this item stays unused.
        t_next = static_cast<char*>(::operator new(kBlockBytes));
        t_end = t_next + kBlockBytes;
    }
    void* room = t_next;
    t_next += rounded;
    return room;
}

void Give(void* memory, std::size_t size) noexcept
{
    if (!memory)
        return;
    const std::size_t rounded = Rounded(size);
    if (rounded > kLargest) {
        ::operator delete(memory);
        return;
    }
    auto* room = static_cast<FreeRoom*>(memory);
    const std::lock_guard lock(g_lock);
    room->next = g_free[rounded / kGrain];
    g_free[rounded / kGrain] = room;
    g_freeCount.fetch_add(1, std::memory_order_relaxed);
}

#endif

} // namespace ItemHeap
