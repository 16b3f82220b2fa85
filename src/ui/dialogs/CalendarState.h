#pragma once

#include <QDate>

// The working date of the calendar dialog and its month grid: seven columns
// Sunday to Saturday, a row of weekday heads, then six rows of days with the
// 1st in the first of them. Every change keeps the day within its month and
// the year within 1 to 9999.
class CalendarState
{
public:
    static constexpr int kRows = 7;
    static constexpr int kColumns = 7;

    explicit CalendarState(const QDate& start);

    QDate Start() const { return m_start; }
    QDate Working() const { return QDate(m_year, m_month, m_day); }

    // Moves the working date, keeping the start; an invalid date changes nothing.
    void SetWorking(const QDate& date);
    void YearUp();
    void YearDown();
    // month 1 to 12.
    void SetMonth(int month);
    // A click on a day cell; false (and no change) for the heads and empty cells.
    bool ClickCell(int row, int column);

    // The day shown in a cell of the day rows (1 to 6), 0 when it is empty.
    int CellDay(int row, int column) const;
    // Row and column of a day of the working month.
    int RowOf(int day) const;
    int ColumnOf(int day) const;

    static int DaysInMonth(int year, int month);

private:
    void Clamp();
    // Column of the 1st: 0 for Sunday.
    int FirstColumn() const;

    QDate m_start;
    int m_year;
    int m_month;
    int m_day;
};
