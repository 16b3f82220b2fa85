#include "model/Clock.h"

#include <gtest/gtest.h>

TEST(Clock, DateTimeValueCountsDaysFromTheEpochWithTheTimeAsFraction)
{
    EXPECT_DOUBLE_EQ(Clock::ToDateTimeValue(QDateTime(QDate(1899, 12, 30), QTime(0, 0))), 0.0);
    EXPECT_DOUBLE_EQ(Clock::ToDateTimeValue(QDateTime(QDate(1900, 1, 1), QTime(12, 0))), 2.5);
    Clock::SetFixed(QDateTime(QDate(2001, 2, 3), QTime(4, 5)));
    EXPECT_EQ(Clock::Today(), QDate(2001, 2, 3));
    Clock::SetFixed(QDateTime());
    EXPECT_NE(Clock::Today(), QDate(2001, 2, 3));
}
