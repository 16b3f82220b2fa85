#include "model/IdIndex.h"

#include <gtest/gtest.h>

#include <map>
#include <random>

// Adds and removes drawn from a small id range, so probe runs collide,
// wrap around the table's end and are cut by deletions; the index must
// agree with a plain map after every step, also after room for many more
// ids was reserved midway.
TEST(IdIndex, AgreesWithAReferenceThroughGrowthAndDeletion)
{
    IdIndex index;
    std::map<std::int32_t, int> reference;
    std::mt19937 random(12345);
    std::uniform_int_distribution<std::int32_t> ids(-3000, 3000);
    for (int step = 0; step < 200000; ++step) {
        const std::int32_t id = ids(random);
        if (step == 100000)
            index.Reserve(50000);
        if (random() % 3 != 0) {
            index.Add(id);
            ++reference[id];
        } else {
            index.Remove(id);
            if (auto it = reference.find(id); it != reference.end() && --it->second == 0)
                reference.erase(it);
        }
        if (step % 997 == 0) {
            for (std::int32_t probe = -3000; probe <= 3000; ++probe)
                ASSERT_EQ(index.Contains(probe), reference.count(probe) == 1) << "id " << probe << " at step " << step;
        }
    }
    EXPECT_EQ(index.Size(), static_cast<int>(reference.size()));
}

TEST(IdIndex, KeepsAnIdUntilItsLastCarrierLeaves)
{
    IdIndex index;
    index.Add(0);
    index.Add(0);
    index.Add(INT32_MIN);
    index.Remove(0);
    EXPECT_TRUE(index.Contains(0));
    index.Remove(0);
    EXPECT_FALSE(index.Contains(0));
    index.Remove(0); // a removal of what is not there changes nothing
    EXPECT_TRUE(index.Contains(INT32_MIN));
    EXPECT_EQ(index.Size(), 1);
}
