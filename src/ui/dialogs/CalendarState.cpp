#include "ui/dialogs/CalendarState.h"

#include <algorithm>

namespace {
constexpr int kMinYear = 1;
constexpr int kMaxYear = 9999;
} // namespace

CalendarState::CalendarState(const QDate& start)
    : m_start(start.isValid() ? start : QDate(2000, 1, 1)), m_year(std::clamp(m_start.year(), kMinYear, kMaxYear)),
      m_month(m_start.month()), m_day(m_start.day())
{
    Clamp();
}

void CalendarState::SetWorking(const QDate& date)
{
    if (!date.isValid())
        return;
    m_year = std::clamp(date.year(), kMinYear, kMaxYear);
    m_month = date.month();
    m_day = date.day();
    Clamp();
}

void CalendarState::YearUp()
{
    if (m_year < kMaxYear)
        ++m_year;
    Clamp();
}

void CalendarState::YearDown()
{
    // Year 0 names no date at all.
    if (m_year > kMinYear)
        --m_year;
    Clamp();
}

void CalendarState::SetMonth(int month)
{
    m_month = std::clamp(month, 1, 12);
    Clamp();
}

bool CalendarState::ClickCell(int row, int column)
{
    const int day = CellDay(row, column);
    if (day == 0)
        return false;
    m_day = day;
    Clamp();
    return true;
}

int CalendarState::CellDay(int row, int column) const
{
    if (row < 1 || row >= kRows || column < 0 || column >= kColumns)
        return 0;
    const int day = (row - 1) * kColumns + column - FirstColumn() + 1;
    return day >= 1 && day <= DaysInMonth(m_year, m_month) ? day : 0;
}

int CalendarState::RowOf(int day) const
{
    return (day - 1 + FirstColumn()) / kColumns + 1;
}

int CalendarState::ColumnOf(int day) const
{
    return (day - 1 + FirstColumn()) % kColumns;
}

int CalendarState::DaysInMonth(int year, int month)
{
    switch (month) {
    case 4:
    case 6:
    case 9:
    case 11: return 30;
    case 2: return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0 ? 29 : 28;
    default: return 31;
    }
}

void CalendarState::Clamp()
{
    m_day = std::clamp(m_day, 1, DaysInMonth(m_year, m_month));
}

int CalendarState::FirstColumn() const
{
    return QDate(m_year, m_month, 1).dayOfWeek() % 7;
}
