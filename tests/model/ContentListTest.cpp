#include "model/ContentList.h"
#include "model/ZVBObject.h"

#include <gtest/gtest.h>

#include <vector>

namespace {
int g_destroyed = 0;

class Counted : public TZVBObject
{
public:
    explicit Counted(int id) : TZVBObject(6, QString::number(id), QString(), id, QString()) {}
    ~Counted() override { ++g_destroyed; }
};

std::unique_ptr<ItemRef> Ref(int id)
{
    return std::make_unique<ItemRef>(std::make_unique<Counted>(id));
}

std::vector<int> Ids(const ContentList& list)
{
    std::vector<int> ids;
    for (const auto& ref : list.View())
        ids.push_back(ref->Item()->Id());
    return ids;
}
} // namespace

// The list keeps its own block of cells: growing it past its first room
// and taking items from anywhere must keep the order and lose no item,
// and every item still held goes with the list.
TEST(ContentList, KeepsOrderThroughGrowthAndTakingAndFreesWhatItHolds)
{
    g_destroyed = 0;
    {
        ContentList list;
        EXPECT_TRUE(list.Empty());
        EXPECT_TRUE(list.View().empty());
        std::vector<int> expected;
        for (int id = 1; id <= 37; ++id) {
            list.PushBack(Ref(id));
            expected.push_back(id);
        }
        EXPECT_EQ(Ids(list), expected);

        for (int id : {1, 20, 37}) {
            const ItemRef* held = nullptr;
            for (const auto& ref : list.View())
                held = ref->Item()->Id() == id ? ref.get() : held;
            std::unique_ptr<ItemRef> taken = list.Take(held);
            ASSERT_TRUE(taken);
            EXPECT_EQ(taken->Item()->Id(), id);
            std::erase(expected, id);
        }
        EXPECT_EQ(Ids(list), expected);
        const auto stranger = Ref(99);
        EXPECT_EQ(list.Take(stranger.get()), nullptr);
        EXPECT_EQ(g_destroyed, 3); // the three taken, gone with their holders above

        list.PopBack();
        expected.pop_back();
        EXPECT_EQ(Ids(list), expected);
        EXPECT_EQ(g_destroyed, 4);
    }
    EXPECT_EQ(g_destroyed, 4 + 33 + 1); // the 33 still held, and the stranger
}
