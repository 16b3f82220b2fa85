#include "exchange/ExchangeFile.h"

#include <gtest/gtest.h>

TEST(ExchangeFile, ExtensionIsTestedIgnoringCase)
{
    EXPECT_TRUE(ExchangeFile::IsExchangeFile(QStringLiteral("/tmp/a.ZvD")));
    EXPECT_FALSE(ExchangeFile::IsExchangeFile(QStringLiteral("/tmp/a.zvd.txt")));
    EXPECT_FALSE(ExchangeFile::IsExchangeFile(QStringLiteral("zvd")));
}
