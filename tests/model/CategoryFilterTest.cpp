#include "model/CategoryFilter.h"

#include <gtest/gtest.h>

TEST(CategoryFilter, AnyAndAllWithEmptyAndNonEmptyMasks)
{
    CategoryFilter filter;
    const std::uint32_t cat32 = 1U << 31;
    EXPECT_TRUE(filter.Passes(0));
    filter.SetMode(CategoryFilter::Mode::Any);
    EXPECT_TRUE(filter.Passes(0)); // nothing checked: everything shows
    filter.SetMask(cat32 | 1U);
    EXPECT_TRUE(filter.Passes(cat32));
    EXPECT_TRUE(filter.Passes(1U | 4U));
    EXPECT_FALSE(filter.Passes(4U));
    EXPECT_FALSE(filter.Passes(0));
    filter.SetMode(CategoryFilter::Mode::All);
    EXPECT_FALSE(filter.Passes(cat32));
    EXPECT_TRUE(filter.Passes(cat32 | 1U | 8U));
    filter.SetMask(0);
    EXPECT_TRUE(filter.Passes(0));
    filter.SetMode(CategoryFilter::Mode::Off);
    filter.SetMask(cat32);
    EXPECT_TRUE(filter.Passes(0));
}
