#include "platform/LargePageHeap.h"

#include <QFile>
#include <QList>

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>
#include <sys/mman.h>
#include <sys/resource.h>
#include <sys/wait.h>

namespace {

struct Mapping
{
    std::uintptr_t start = 0;
    std::uintptr_t end = 0;
    QByteArray name;
    bool advised = false; // "hg" among the flags
};

QList<Mapping> Mappings()
{
    QFile smaps(QStringLiteral("/proc/self/smaps"));
    QList<Mapping> mappings;
    if (!smaps.open(QIODevice::ReadOnly))
        return mappings;
    for (const QByteArray& line : smaps.readAll().split('\n')) {
        const int dash = line.indexOf('-');
        const int space = line.indexOf(' ');
        if (dash > 0 && space > dash && !line.startsWith("VmFlags")) {
            Mapping m;
            m.start = line.left(dash).toULongLong(nullptr, 16);
            m.end = line.mid(dash + 1, space - dash - 1).toULongLong(nullptr, 16);
            m.name = line.mid(line.lastIndexOf(' ') + 1);
            mappings.append(m);
        } else if (line.startsWith("VmFlags:") && !mappings.isEmpty()) {
            mappings.last().advised = line.contains(" hg");
        }
    }
    return mappings;
}

const Mapping* Holding(const QList<Mapping>& mappings, const void* p)
{
    const auto at = reinterpret_cast<std::uintptr_t>(p);
    for (const Mapping& m : mappings) {
        if (at >= m.start && at < m.end)
            return &m;
    }
    return nullptr;
}

bool HugePagesOffered()
{
    QFile enabled(QStringLiteral("/sys/kernel/mm/transparent_hugepage/enabled"));
    return enabled.open(QIODevice::ReadOnly) && !enabled.readAll().contains("[never]");
}

// Runs in a child: the reservation changes malloc for the rest of the process.
void CheckReservedHeap()
{
    if (!LargePageHeap::Reserve(std::size_t(64) << 20))
        std::exit(3);
    // A tree's many small blocks, once the holes left from before are
    // filled, and a block of several megabytes (a file's contents) both land
    // in the advised heap, not in mappings of their own.
    void* small = nullptr;
    for (int i = 0; i < 20000; ++i)
        small = std::malloc(100);
    auto* large = static_cast<char*>(std::malloc(std::size_t(8) << 20));
    std::memset(large, 1, std::size_t(8) << 20);
    const QList<Mapping> mappings = Mappings();
    for (const void* p : {static_cast<const void*>(small), static_cast<const void*>(large)}) {
        const Mapping* m = Holding(mappings, p);
        if (!m || m->name != "[heap]" || !m->advised)
            std::exit(4);
    }
    // Freeing a large block at the top must not hand the stretch back.
    std::free(large);
    void* again = std::malloc(std::size_t(8) << 20);
    const Mapping* m = Holding(Mappings(), again);
    std::exit(m && m->advised ? 0 : 5);
}

long MinorFaults()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_minflt;
}

// Times the kernel could not give a large page and gave small ones instead.
qint64 LargePageFallbacks()
{
    QFile vmstat(QStringLiteral("/proc/vmstat"));
    if (!vmstat.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : vmstat.readAll().split('\n')) {
        if (line.startsWith("thp_fault_fallback "))
            return line.mid(line.indexOf(' ') + 1).toLongLong();
    }
    return -1;
}

// Exits 0 when the blocks right after the reservation are on large pages,
// 6 when they fault one small page at a time, 7 when the kernel ran short
// of large pages meanwhile and the count says nothing.
void CheckFirstBlocksOnLargePages()
{
    if (!LargePageHeap::Reserve(std::size_t(64) << 20))
        std::exit(3);
    const qint64 fallbacksBefore = LargePageFallbacks();
    const long faultsBefore = MinorFaults();
    // 8 MiB of small blocks: what a tree's first items take. On 4 KiB pages
    // that is 2048 faults; on 2 MiB pages, a handful.
    for (int i = 0; i < 80000; ++i) {
        char* volatile block = static_cast<char*>(std::malloc(100));
        block[0] = 1;
    }
    const long faults = MinorFaults() - faultsBefore;
    if (LargePageFallbacks() != fallbacksBefore)
        std::exit(7);
    std::exit(faults < 128 ? 0 : 6);
}

bool Resident(const char* start, std::size_t bytes)
{
    std::vector<unsigned char> pages(bytes / 4096);
    if (mincore(const_cast<char*>(start), bytes, pages.data()) != 0)
        return false;
    for (const unsigned char page : pages) {
        if (!(page & 1))
            return false;
    }
    return true;
}

bool AnyResident(const char* start, std::size_t bytes)
{
    for (std::size_t at = 0; at < bytes; at += 4096) {
        if (Resident(start + at, 4096))
            return true;
    }
    return false;
}

// Exits 0 when BackAhead backs the stretch a large page at a time from its
// start up to the bound and no further, and does nothing without a stretch.
void CheckBackAhead()
{
    constexpr std::size_t kMiB = std::size_t(1) << 20;
    if (LargePageHeap::BackAhead(8 * kMiB))
        std::exit(8);
    if (!LargePageHeap::Reserve(64 * kMiB))
        std::exit(3);
    const char* start = nullptr;
    for (const Mapping& m : Mappings()) {
        if (m.name == "[heap]" && m.advised)
            start = reinterpret_cast<const char*>(m.start);
    }
    // What this check allocated went into the stretch's first large page.
    if (!start || AnyResident(start + 2 * kMiB, 8 * kMiB))
        std::exit(4);
    const std::size_t before = LargePageHeap::InUse();
    int steps = 0;
    while (LargePageHeap::BackAhead(8 * kMiB))
        ++steps;
    if (steps != 4 || LargePageHeap::BackAhead(8 * kMiB))
        std::exit(5);
    if (!Resident(start, 8 * kMiB) || AnyResident(start + 8 * kMiB, 2 * kMiB))
        std::exit(6);
    // Backed is not used: what the heap holds is unchanged.
    std::exit(LargePageHeap::InUse() == before ? 0 : 7);
}

} // namespace

TEST(LargePageHeap, BackingAheadStopsAtItsBoundAndNeedsAStretch)
{
    if (!HugePagesOffered())
        GTEST_SKIP() << "this kernel offers no transparent huge pages";
    EXPECT_EXIT(CheckBackAhead(), ::testing::ExitedWithCode(0), "");
}

TEST(LargePageHeap, TheFirstBlocksAfterTheReservationAreOnLargePages)
{
    if (!HugePagesOffered())
        GTEST_SKIP() << "this kernel offers no transparent huge pages";
    const auto onLargePagesOrShort = [](int status) {
        return WIFEXITED(status) && (WEXITSTATUS(status) == 0 || WEXITSTATUS(status) == 7);
    };
    EXPECT_EXIT(CheckFirstBlocksOnLargePages(), onLargePagesOrShort, "");
}

TEST(LargePageHeap, TheTreeAndLargeBlocksLandInTheAdvisedHeap)
{
    if (!HugePagesOffered())
        GTEST_SKIP() << "this kernel offers no transparent huge pages";
    EXPECT_EXIT(CheckReservedHeap(), ::testing::ExitedWithCode(0), "");
}
