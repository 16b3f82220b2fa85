#include "ui/common/AppInfo.h"

#include <gtest/gtest.h>

TEST(AppInfo, NamesTheProductWithVersionAndDate)
{
    EXPECT_EQ(AppInfo::ProductName(), QStringLiteral("Zendrivo"));
    EXPECT_FALSE(AppInfo::Version().isEmpty());
    EXPECT_FALSE(AppInfo::BuildDate().isEmpty());
}
