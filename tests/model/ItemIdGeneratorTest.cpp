#include "model/ItemFactory.h"
#include "model/ItemIdGenerator.h"
#include "model/ZVBObject.h"

#include <gtest/gtest.h>

#include <cmath>

TEST(ItemIdGenerator, ReproducesThePublishedSequence)
{
    // The published check: seeds 1802 and 9373, 20000 draws, then these six values x 2^24.
    ItemIdGenerator generator(1802, 9373);
    for (int i = 0; i < 20000; ++i)
        generator.Next();
    const double expected[] = {6533892.0, 14220222.0, 7275067.0, 6172232.0, 8354498.0, 10633180.0};
    for (double value : expected)
        EXPECT_EQ(std::floor(static_cast<double>(generator.Next() * 4096.0L * 4096.0L)), value);
}

TEST(ItemIdGenerator, NewIdsReplaceZeroAndStayBelowTheLimit)
{
    ItemIdGenerator generator(1802, 9373);
    for (int i = 0; i < 1000; ++i) {
        const std::int32_t id = generator.NextId();
        EXPECT_GE(id, 0);
        EXPECT_LT(id, 2147450880);
    }
    const ItemHandle drawn = CreateItem(6, QStringLiteral("p"), QString(), 0, QString(), nullptr, QString());
    EXPECT_NE(drawn.Item()->Id(), 0);
    const ItemHandle kept = CreateItem(6, QStringLiteral("p"), QString(), -5, QString(), nullptr, QString());
    EXPECT_EQ(kept.Item()->Id(), -5);
}
