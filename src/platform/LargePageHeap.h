#pragma once

#include <cstddef>

// Short-lived command-line runs build a tree of tens of megabytes out of
// hundreds of thousands of small blocks. Every fresh 4 KiB page they touch
// costs the kernel a fault, and on a virtual machine those faults took most
// of the time of loading or importing 100,000 items (bench/speed-targets).
//
// Reserve() grows malloc's heap once by `bytes` of address space and asks the
// kernel to back that stretch with 2 MiB pages where transparent huge pages
// are offered, so the tree costs a few dozen faults instead of ten thousand.
// It also keeps malloc from handing the stretch back and from placing large
// blocks (file contents, the saved database) in separate mappings outside it.
// Memory freed afterwards stays with the process until it ends, so only
// programs that end soon after their work call it.
namespace LargePageHeap {

inline constexpr std::size_t kDefaultBytes = std::size_t(256) << 20;

// True when the stretch was reserved and the kernel took the advice; false
// where the C library or the kernel offers no such thing.
bool Reserve(std::size_t bytes = kDefaultBytes);

// Backs the next large page of the stretch with memory now, as long as fewer
// than upTo bytes of it, counted from its start, are backed. The kernel
// clears a page when it is first touched; a thread with nothing else to do
// calls this, so that the threads filling the heap later find the page
// ready instead of stopping for the clearing. On a virtual machine whose
// host takes back the memory of free large pages, a page often costs 6 ms
// instead of 0.25 ms, mostly after the machine was idle for a while. False when nothing was done:
// no stretch was reserved, upTo is reached, or the kernel refused (it is
// then not asked again).
bool BackAhead(std::size_t upTo);

// The bytes of the heap in use now: where a stretch's use stands.
std::size_t InUse();

} // namespace LargePageHeap
