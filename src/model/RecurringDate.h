#pragma once

#include <QDate>
#include <QString>
#include <QStringList>

#include <stdexcept>

// Raised when a stored number cannot be read; date items catch it while loading.
class EConvertError : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};

// The date of a date item and the rule by which it recurs.
//
// Recurrence modes:
//   0 once, 1 monthly on the day, 2 yearly on the day and month,
//   3 weekly, 4 every other week, 5 monthly on the n-th (or last) weekday.
//
// The fields always name a valid date in the years 1 to 9999: monthly and
// yearly advances onto a day the target month lacks land on its last day,
// and an advance that would leave year 9999 stays where it is.
class TRecurringDate
{
public:
    static constexpr qint32 kModeCount = 6;

    TRecurringDate();

    quint16 Year() const { return m_year; }
    quint16 Month() const { return m_month; }
    quint16 Day() const { return m_day; }
    qint32 RecurMode() const { return m_recurMode; }

    // An invalid date is ignored; a year outside 1..9999 goes to the nearest end.
    void SetDate(const QDate& date);
    void SetRecurMode(qint32 mode);

    // Whether the date dialog opens at today instead of the stored date.
    bool UseToday() const { return m_useToday; }
    void SetUseToday(bool useToday) { m_useToday = useToday; }

    QString DialogCaption() const { return m_dialogCaption; }
    void SetDialogCaption(const QString& caption) { m_dialogCaption = caption; }
    int DialogTop() const { return m_dialogTop; }
    void SetDialogTop(int top) { m_dialogTop = top; }
    int DialogLeft() const { return m_dialogLeft; }
    void SetDialogLeft(int left) { m_dialogLeft = left; }

    // Moves to the next occurrence.
    void Advance();

    // "3/15/98 and every following March 15th" and so on.
    QString SummaryText() const;
    // The occurrence in the locale's short date format.
    QString DateText() const;
    QDate AsDate() const { return QDate(m_year, m_month, m_day); }

    // Stored form: year, month, day and mode in decimal joined by commas.
    QString AsText() const;
    // Text with other than four fields changes nothing; a field that is not a
    // decimal integer throws EConvertError and changes nothing. Out-of-range
    // numbers are clamped to a valid date and mode.
    void FromText(const QString& text);

    // 1st, 2nd, 3rd, 4th, ..., 11th, 12th, 13th, ..., 21st.
    static QString Ordinal(int n);
    // Days 1-7 are week 1, ..., days 29-31 week 5 ("Last").
    static int WeekOfMonth(int day) { return (day + 6) / 7; }
    // The texts naming each mode for a date, indexed by mode.
    static QStringList ChoiceTexts(const QDate& workingDate);

private:
    void Assign(const QDate& date);

    quint16 m_year = 1;
    quint16 m_month = 1;
    quint16 m_day = 1;
    qint32 m_recurMode = 0;
    bool m_useToday = true;
    QString m_dialogCaption;
    int m_dialogTop = 0;
    int m_dialogLeft = 0;
};
