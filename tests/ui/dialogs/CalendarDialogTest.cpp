#include "model/Clock.h"
#include "model/RecurringDate.h"
#include "ui/dialogs/NextOccurrence.h"
#include "ui/dialogs/CalendarState.h"
#include "ui/dialogs/TRecurringDateDlg.h"

#include <QComboBox>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>

#include <gtest/gtest.h>

TEST(CalendarStateTest, TheYearStaysWithinOneAndNineThousandNineHundredNinetyNine)
{
    CalendarState low(QDate(2, 6, 15));
    low.YearDown();
    low.YearDown();
    low.YearDown();
    EXPECT_EQ(low.Working(), QDate(1, 6, 15));
    CalendarState high(QDate(9999, 12, 31));
    high.YearUp();
    EXPECT_EQ(high.Working(), QDate(9999, 12, 31));
    high.YearDown();
    EXPECT_EQ(high.Working(), QDate(9998, 12, 31));
}

TEST(CalendarStateTest, TheDayIsClampedToTheMonth)
{
    CalendarState state(QDate(2024, 1, 31));
    state.SetMonth(2);
    EXPECT_EQ(state.Working(), QDate(2024, 2, 29));
    state.YearUp();
    EXPECT_EQ(state.Working(), QDate(2025, 2, 28));
    state.SetMonth(3);
    EXPECT_EQ(state.Working(), QDate(2025, 3, 28)); // clamping only ever lowers the day
    CalendarState april(QDate(2023, 3, 31));
    april.SetMonth(4);
    EXPECT_EQ(april.Working(), QDate(2023, 4, 30));
    EXPECT_EQ(CalendarState::DaysInMonth(1900, 2), 28);
    EXPECT_EQ(CalendarState::DaysInMonth(2000, 2), 29);
}

TEST(CalendarStateTest, TheGridStartsOnSundayWithTheFirstInTheFirstDayRow)
{
    CalendarState state(QDate(1998, 3, 10)); // 1 March 1998 was a Sunday
    EXPECT_EQ(state.CellDay(1, 0), 1);
    EXPECT_EQ(state.CellDay(2, 0), 8);
    EXPECT_EQ(state.CellDay(5, 2), 31);
    EXPECT_EQ(state.CellDay(5, 3), 0);
    EXPECT_EQ(state.CellDay(0, 0), 0); // the heads
    EXPECT_EQ(state.RowOf(10), 2);
    EXPECT_EQ(state.ColumnOf(10), 2);
    // A month beginning on Saturday needs all six day rows.
    CalendarState six(QDate(2026, 8, 1));
    EXPECT_EQ(six.CellDay(1, 6), 1);
    EXPECT_EQ(six.CellDay(6, 1), 31);
    EXPECT_FALSE(six.ClickCell(1, 0));
    EXPECT_TRUE(six.ClickCell(3, 2));
    EXPECT_EQ(six.Working(), QDate(2026, 8, 11));
}

TEST(RecurringDateDialogTest, ChoicesFollowTheWorkingDateAndKeepTheirIndex)
{
    TRecurringDateDlg dialog(QDate(1998, 3, 10), 2, QString());
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Select Date"));
    EXPECT_EQ(dialog.MonthGrid()->item(0, 0)->text(), QStringLiteral("Sun"));
    EXPECT_EQ(dialog.MonthGrid()->item(1, 0)->text(), QStringLiteral("1"));
    EXPECT_EQ(dialog.MonthSelector()->currentIndex(), 2);
    EXPECT_EQ(dialog.YearSelector()->value(), 1998);
    EXPECT_EQ(dialog.RecurModeCombo()->count(), TRecurringDate::kModeCount);
    EXPECT_EQ(dialog.RecurModeCombo()->currentIndex(), 2);
    EXPECT_EQ(dialog.RecurModeCombo()->currentText(), TRecurringDate::ChoiceTexts(QDate(1998, 3, 10)).at(2));
    dialog.MonthChosen(3);
    dialog.CellClicked(4, 3); // 22 April 1998
    EXPECT_EQ(dialog.WorkingDate(), QDate(1998, 4, 22));
    EXPECT_EQ(dialog.RecurModeCombo()->currentIndex(), 2);
    EXPECT_EQ(dialog.RecurModeCombo()->currentText(), TRecurringDate::ChoiceTexts(QDate(1998, 4, 22)).at(2));
    EXPECT_EQ(dialog.MonthGrid()->currentRow(), 4);
    EXPECT_EQ(dialog.MonthGrid()->currentColumn(), 3);
    // The arrows of the read-only year field step the calendar, never past 9999.
    dialog.YearSelector()->stepBy(1);
    EXPECT_EQ(dialog.WorkingDate(), QDate(1999, 4, 22));
}

TEST(RecurringDateDialogTest, OkAnswersTheWorkingDateAndCancelTheStart)
{
    TRecurringDateDlg dialog(QDate(2020, 2, 29), 0, QStringLiteral("Select a date"));
    dialog.YearUp();
    dialog.done(QDialog::Accepted);
    EXPECT_EQ(dialog.ResultDate(), QDate(2021, 2, 28));
    dialog.done(QDialog::Rejected);
    EXPECT_EQ(dialog.ResultDate(), QDate(2020, 2, 29));
}

TEST(NextOccurrenceTest, APastDateMovesToItsFirstOccurrenceFromToday)
{
    const QDate today(2026, 12, 9);
    // A birthday entered with its year.
    EXPECT_EQ(NextOccurrence(QDate(1970, 3, 15), 2, today), QDate(2027, 3, 15));
    EXPECT_EQ(NextOccurrence(QDate(1970, 12, 9), 2, today), today);
    // The 29th of February stays where the year has it; the 31st where the month has it.
    EXPECT_EQ(NextOccurrence(QDate(2000, 2, 29), 2, QDate(2027, 3, 1)), QDate(2028, 2, 29));
    EXPECT_EQ(NextOccurrence(QDate(2026, 1, 31), 1, QDate(2026, 4, 5)), QDate(2026, 4, 30));
    EXPECT_EQ(NextOccurrence(QDate(2026, 1, 31), 1, QDate(2026, 5, 1)), QDate(2026, 5, 31));
    EXPECT_EQ(NextOccurrence(QDate(2026, 1, 31), 1, QDate(2026, 2, 3)), QDate(2026, 2, 28));
    // Weekly and fortnightly keep their weekday and rhythm.
    EXPECT_EQ(NextOccurrence(QDate(2026, 12, 1), 3, today), QDate(2026, 12, 15));
    EXPECT_EQ(NextOccurrence(QDate(2026, 11, 17), 4, today), QDate(2026, 12, 15));
    // The second Tuesday of a month.
    EXPECT_EQ(NextOccurrence(QDate(2026, 1, 13), 5, today), QDate(2027, 1, 12));
    // A date that does not recur, or lies ahead, stays.
    EXPECT_EQ(NextOccurrence(QDate(2000, 1, 1), 0, today), QDate(2000, 1, 1));
    EXPECT_EQ(NextOccurrence(QDate(2030, 1, 1), 2, today), QDate(2030, 1, 1));
    // From the first year on, without running for ever.
    EXPECT_EQ(NextOccurrence(QDate(1, 1, 2), 3, today).dayOfWeek(), QDate(1, 1, 2).dayOfWeek());
}

TEST(RecurringDateDialogTest, NextOccurrenceMovesAPastYearlyDateInOneClick)
{
    Clock::SetFixed(QDateTime(QDate(2026, 12, 9), QTime(12, 0)));
    TRecurringDateDlg dialog(QDate(1970, 3, 15), 2, QString());
    ASSERT_TRUE(dialog.NextOccurrenceButton()->isEnabled());
    dialog.NextOccurrenceButton()->click();
    EXPECT_EQ(dialog.WorkingDate(), QDate(2027, 3, 15));
    EXPECT_FALSE(dialog.NextOccurrenceButton()->isEnabled());
    // A date that happens once has no next occurrence.
    TRecurringDateDlg once(QDate(1970, 3, 15), 0, QString());
    EXPECT_FALSE(once.NextOccurrenceButton()->isEnabled());
    once.RecurModeCombo()->setCurrentIndex(2);
    EXPECT_TRUE(once.NextOccurrenceButton()->isEnabled());
    Clock::SetFixed(QDateTime());
}
