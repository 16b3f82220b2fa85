#include "model/ItemHeap.h"
#include "model/PersonObject.h"
#include "model/PhoneObject.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <memory>
#include <thread>

namespace {
bool Aligned(const void* room)
{
    return reinterpret_cast<std::uintptr_t>(room) % 16 == 0;
}
} // namespace

// An item made before the pool starts goes back into it safely when it is
// deleted afterwards, and its room serves the next item of its size; an
// item that was not taken from the pool is never handed to free() twice or
// taken for two items at once.
TEST(ItemHeap, ItemsMadeBeforeThePoolStartsAreGivenBackSafely)
{
    std::unique_ptr<TZVBObject> early = std::make_unique<TPhoneObject>(QStringLiteral("Early"), QString(), 1, QString());
    ItemHeap::PoolFromNowOn();
    if (!ItemHeap::Pooled())
        GTEST_SKIP() << "items use plain new in this build";
    const void* room = early.get();
    early.reset();
    const std::unique_ptr<TZVBObject> next = std::make_unique<TPhoneObject>(QStringLiteral("Next"), QString(), 2, QString());
    EXPECT_EQ(static_cast<const void*>(next.get()), room);
    const std::unique_ptr<TZVBObject> other = std::make_unique<TPhoneObject>(QStringLiteral("Other"), QString(), 3, QString());
    EXPECT_NE(other.get(), next.get());
    EXPECT_EQ(next->Title(), QStringLiteral("Next"));
    EXPECT_EQ(other->Title(), QStringLiteral("Other"));
}

// A room given back is the next one taken for its size, whichever thread
// gave it back, and never one taken for a size of another rounding; rooms
// taken one after the other do not overlap.
TEST(ItemHeap, RoomsGivenBackAreTakenAgainForTheirSizeOnly)
{
    ItemHeap::PoolFromNowOn();
    if (!ItemHeap::Pooled())
        GTEST_SKIP() << "items use plain new in this build";
    void* first = ItemHeap::Take(100);
    void* second = ItemHeap::Take(100);
    EXPECT_TRUE(Aligned(first) && Aligned(second));
    EXPECT_GE(std::abs(static_cast<char*>(second) - static_cast<char*>(first)), 112);
    ItemHeap::Give(first, 100);
    void* other = ItemHeap::Take(200);
    EXPECT_NE(other, first) << "a room went to an item of another size";
    EXPECT_EQ(ItemHeap::Take(110), first) << "100 and 110 bytes round alike";

    std::thread([second] { ItemHeap::Give(second, 100); }).join();
    EXPECT_EQ(ItemHeap::Take(100), second) << "a room given back on another thread was lost";

    // Beyond the largest pooled size, items take plain new.
    void* large = ItemHeap::Take(4096);
    EXPECT_TRUE(Aligned(large));
    ItemHeap::Give(large, 4096);
    for (void* room : {first, second, other})
        ItemHeap::Give(room, room == other ? 200 : 100);
}

// Deleting an item through its base gives back the size of its own class:
// the next item of that class takes the same room, one of another class
// does not.
TEST(ItemHeap, AnItemDeletedThroughItsBaseGivesBackItsOwnSize)
{
    ItemHeap::PoolFromNowOn();
    if (!ItemHeap::Pooled())
        GTEST_SKIP() << "items use plain new in this build";
    std::unique_ptr<TZVBObject> person = std::make_unique<TPersonObject>(QStringLiteral("Ann"), QString(), 1, QString());
    const void* room = person.get();
    person.reset();
    const std::unique_ptr<TZVBObject> phone = std::make_unique<TPhoneObject>(QStringLiteral("Home"), QString(), 2, QString());
    if (sizeof(TPhoneObject) / 16 != sizeof(TPersonObject) / 16) {
        EXPECT_NE(static_cast<const void*>(phone.get()), room);
    }
    const std::unique_ptr<TZVBObject> again = std::make_unique<TPersonObject>(QStringLiteral("Bo"), QString(), 3, QString());
    EXPECT_EQ(static_cast<const void*>(again.get()), room);
    EXPECT_EQ(again->Title(), QStringLiteral("Bo"));
}
