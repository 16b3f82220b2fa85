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
        EXPECT_EQ(std::floor(generator.Next() * 4096.0 * 4096.0), value);
}

// Ids drawn for given seeds, as the generator has always drawn them: a
// change of its arithmetic must not change one of them.
TEST(ItemIdGenerator, DrawsTheIdsItAlwaysDrew)
{
    struct Drawn
    {
        int ij, kl;
        std::int32_t first[4];
        std::int32_t after200004;
    };
    const Drawn cases[] = {
        {1802, 9373, {249944090, 2071961087, 1896135546, 902974893}, 1544720877},
        {0, 0, {741120723, 172102461, 382770095, 1419677537}, 1275154942},
        {31328, 30081, {1525396627, 173834915, 1951090740, 1632032696}, 1748721476},
        {12345, 6789, {330546636, 199110177, 1800380591, 555569122}, 352789240},
    };
    for (const Drawn& c : cases) {
        ItemIdGenerator generator(c.ij, c.kl);
        for (std::int32_t id : c.first)
            EXPECT_EQ(generator.NextId(), id) << c.ij << ", " << c.kl;
        for (int i = 0; i < 200000; ++i)
            generator.NextId();
        EXPECT_EQ(generator.NextId(), c.after200004) << c.ij << ", " << c.kl;
    }
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

// The look ahead that lets an import fetch the next id's slot early must
// name the very id drawn next, through every turn of the lag table.
TEST(ItemIdGenerator, PeekNamesTheNextIdWithoutDrawingIt)
{
    for (const auto& [ij, kl] : {std::pair{1802, 9373}, std::pair{0, 0}, std::pair{31328, 30081}}) {
        ItemIdGenerator generator(ij, kl);
        ItemIdGenerator twin(ij, kl);
        for (int i = 0; i < 5000; ++i) {
            const std::int32_t peeked = generator.PeekId();
            ASSERT_EQ(generator.PeekId(), peeked);
            ASSERT_EQ(generator.NextId(), peeked) << ij << ", " << kl << " draw " << i;
            ASSERT_EQ(twin.NextId(), peeked);
        }
    }
}
