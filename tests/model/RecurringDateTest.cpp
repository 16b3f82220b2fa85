#include "model/Clock.h"
#include "model/RecurringDate.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

TRecurringDate Recurring(const QDate& date, qint32 mode)
{
    TRecurringDate r;
    r.SetDate(date);
    r.SetRecurMode(mode);
    return r;
}

// The occurrences after `from`, one per advance.
QList<QDate> Following(const QDate& from, qint32 mode, int count = 1)
{
    TRecurringDate r = Recurring(from, mode);
    QList<QDate> dates;
    while (dates.size() < count) {
        r.Advance();
        dates.append(r.AsDate());
    }
    return dates;
}

} // namespace

TEST(RecurringDate, FreshComponentHoldsTodayAndTheDialogDefaults)
{
    Clock::SetFixed(QDateTime(QDate(2003, 7, 9), QTime(23, 59)));
    const TRecurringDate r;
    Clock::SetFixed(QDateTime());
    EXPECT_EQ(r.AsText(), u"2003,7,9,0"_s);
    EXPECT_TRUE(r.UseToday());
    EXPECT_EQ(r.DialogCaption(), u"Select a date"_s);
}

TEST(RecurringDate, AdvanceStepsAcrossMonthAndYearEnds)
{
    EXPECT_EQ(Following(QDate(1998, 12, 31), 0), QList{QDate(1999, 1, 1)});
    EXPECT_EQ(Following(QDate(1998, 12, 15), 1, 2), (QList{QDate(1999, 1, 15), QDate(1999, 2, 15)}));
    EXPECT_EQ(Following(QDate(1998, 3, 15), 2), QList{QDate(1999, 3, 15)});
    EXPECT_EQ(Following(QDate(1998, 12, 28), 3), QList{QDate(1999, 1, 4)});
    EXPECT_EQ(Following(QDate(1998, 2, 20), 4), QList{QDate(1998, 3, 6)});
    // A day the target month lacks becomes its last day, and later advances start from there.
    EXPECT_EQ(Following(QDate(2000, 1, 31), 1, 2), (QList{QDate(2000, 2, 29), QDate(2000, 3, 29)}));
    EXPECT_EQ(Following(QDate(2000, 2, 29), 2), QList{QDate(2001, 2, 28)});
    for (qint32 mode = 0; mode < 6; ++mode)
        EXPECT_EQ(Following(QDate(9999, 12, 31), mode), QList{QDate(9999, 12, 31)}) << mode;
}

TEST(RecurringDate, NthWeekdayFindsTheSameWeekOfALaterMonth)
{
    EXPECT_EQ(Following(QDate(1998, 3, 10), 5), QList{QDate(1998, 4, 14)});  // 2nd Tuesday
    EXPECT_EQ(Following(QDate(1998, 1, 1), 5), QList{QDate(1998, 2, 5)});    // never stays on d
    EXPECT_EQ(Following(QDate(1998, 2, 28), 5), QList{QDate(1998, 3, 28)});  // 4th, not last
    // "Last" takes week 4 in months without a fifth such weekday.
    EXPECT_EQ(Following(QDate(1998, 1, 30), 5), QList{QDate(1998, 2, 27)});
    EXPECT_EQ(Following(QDate(1998, 11, 30), 5, 3),
              (QList{QDate(1998, 12, 28), QDate(1999, 1, 25), QDate(1999, 2, 22)}));
}

TEST(RecurringDate, TextsUseTheShortDateAndLocaleNames)
{
    const QDate sunday(1998, 3, 15);
    EXPECT_EQ(Recurring(sunday, 0).SummaryText(), u"3/15/98"_s);
    EXPECT_EQ(Recurring(sunday, 4).SummaryText(), u"3/15/98 and every following other Sunday"_s);
    EXPECT_EQ(Recurring(QDate(1998, 1, 30), 5).SummaryText(),
              u"1/30/98 and every following Last Fri of the month"_s);
    EXPECT_EQ(TRecurringDate::ChoiceTexts(sunday),
              (QStringList{u"Does not recur"_s, u"Every 15th of the month"_s, u"Every March 15th"_s,
                           u"Every Sunday"_s, u"Every other Sunday"_s, u"Every 3rd Sun of the month"_s}));
    EXPECT_EQ(TRecurringDate::ChoiceTexts(QDate(1998, 3, 27)).at(5), u"Every 4th Fri of the month"_s);
    EXPECT_EQ(TRecurringDate::ChoiceTexts(QDate(1998, 3, 29)).at(5), u"Every Last Sun of the month"_s);
}

TEST(RecurringDate, OrdinalsFollowEnglishUsage)
{
    QStringList ordinals;
    for (int n : {1, 2, 3, 4, 11, 12, 13, 20, 21, 22, 23, 31})
        ordinals.append(TRecurringDate::Ordinal(n));
    EXPECT_EQ(ordinals.join(u' '), u"1st 2nd 3rd 4th 11th 12th 13th 20th 21st 22nd 23rd 31st"_s);
}

TEST(RecurringDate, StoredFormRejectsMalformedTextAndClampsToAValidDate)
{
    TRecurringDate r = Recurring(QDate(1998, 3, 15), 2);
    for (const QString& ignored : {u"2001,1,2"_s, u"2001,1,2,3,4"_s})
        r.FromText(ignored);
    EXPECT_THROW(r.FromText(u"2001,1,2,x"_s), EConvertError);
    EXPECT_EQ(r.AsText(), u"1998,3,15,2"_s);
    for (const auto& [stored, kept] : {std::pair{u"2001, 7, 4, 5"_s, u"2001,7,4,5"_s},
                                       {u"2001,2,31,1"_s, u"2001,2,28,1"_s}, {u"0,13,40,9"_s, u"1,12,31,5"_s},
                                       {u"70000,0,0,-1"_s, u"9999,1,1,0"_s}}) {
        r.FromText(stored);
        EXPECT_EQ(r.AsText(), kept) << stored.toStdString();
    }
}
