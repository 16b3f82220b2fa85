#include "model/RecurringDate.h"

#include "model/Clock.h"
#include "model/TextRules.h"

#include <QLocale>

#include <algorithm>
#include <array>
#include <cstdlib>

using namespace Qt::StringLiterals;

namespace {

const QDate kFirstDate(1, 1, 1);
const QDate kLastDate(9999, 12, 31);

// The part of a rule's text after "Every " (choice) or "... every following " (summary).
QString RuleText(const QDate& date, qint32 mode)
{
    const QLocale locale;
    const QString nth = TRecurringDate::Ordinal(date.day());
    switch (mode) {
    case 1:
        return nth + u" of the month"_s;
    case 2:
        return locale.monthName(date.month(), QLocale::LongFormat) + u' ' + nth;
    case 3:
        return locale.dayName(date.dayOfWeek(), QLocale::LongFormat);
    case 4:
        return u"other "_s + locale.dayName(date.dayOfWeek(), QLocale::LongFormat);
    case 5: {
        const int week = TRecurringDate::WeekOfMonth(date.day());
        const QString weekName = week >= 5 ? u"Last"_s : TRecurringDate::Ordinal(week);
        return weekName + u' ' + locale.dayName(date.dayOfWeek(), QLocale::ShortFormat)
            + u" of the month"_s;
    }
    default:
        return {};
    }
}

// The next date on the same weekday that falls in week `week` of its month;
// week 5 means the last such weekday of a month, which may be in week 4.
QDate NextWeekdayOfMonth(const QDate& from, int week)
{
    for (QDate candidate = from.addDays(7); candidate <= kLastDate; candidate = candidate.addDays(7)) {
        const int candidateWeek = TRecurringDate::WeekOfMonth(candidate.day());
        if (candidateWeek == week)
            return candidate;
        if (week == 5 && candidateWeek >= 3 && candidate.addDays(7).month() != candidate.month())
            return candidate;
    }
    return {};
}

qint64 ParseField(QStringView field)
{
    // Plain digits, as this program writes them, are read directly; a
    // loaded database holds thousands of dates.
    if (!field.isEmpty() && field.size() <= 9) {
        qint64 value = 0;
        qsizetype i = 0;
        for (; i < field.size() && field[i] >= u'0' && field[i] <= u'9'; ++i)
            value = value * 10 + (field[i].unicode() - u'0');
        if (i == field.size())
            return value;
    }
    bool ok = false;
    const qint64 value = field.trimmed().toLongLong(&ok, 10);
    if (!ok)
        throw EConvertError("'" + field.toString().toStdString() + "' is not a valid integer value");
    return value;
}

} // namespace

TRecurringDate::TRecurringDate()
    : m_dialogCaption(u"Select a date"_s)
{
    Assign(Clock::Today());
}

void TRecurringDate::SetDate(const QDate& date)
{
    if (date.isValid())
        Assign(std::clamp(date, kFirstDate, kLastDate));
}

void TRecurringDate::SetRecurMode(qint32 mode)
{
    m_recurMode = std::clamp(mode, 0, kModeCount - 1);
}

void TRecurringDate::Assign(const QDate& date)
{
    m_year = static_cast<quint16>(date.year());
    m_month = static_cast<quint16>(date.month());
    m_day = static_cast<quint16>(date.day());
}

void TRecurringDate::Advance()
{
    const QDate current = AsDate();
    QDate next;
    switch (m_recurMode) {
    case 0:
        next = current.addDays(1);
        break;
    case 1:
        // addMonths and addYears clamp to the target month's last day.
        next = current.addMonths(1);
        break;
    case 2:
        next = current.addYears(1);
        break;
    case 3:
        next = current.addDays(7);
        break;
    case 4:
        next = current.addDays(14);
        break;
    case 5:
        next = NextWeekdayOfMonth(current, WeekOfMonth(m_day));
        break;
    default:
        break;
    }
    if (next.isValid() && next <= kLastDate)
        Assign(next);
}

QString TRecurringDate::SummaryText() const
{
    if (m_recurMode == 0)
        return DateText();
    return DateText() + u" and every following "_s + RuleText(AsDate(), m_recurMode);
}

QString TRecurringDate::DateText() const
{
    return QLocale().toString(AsDate(), QLocale::ShortFormat);
}

QString TRecurringDate::AsText() const
{
    QString text;
    text.reserve(24);
    TextRules::AppendNumber(text, m_year);
    text += u',';
    TextRules::AppendNumber(text, m_month);
    text += u',';
    TextRules::AppendNumber(text, m_day);
    text += u',';
    TextRules::AppendNumber(text, m_recurMode);
    return text;
}

void TRecurringDate::FromText(const QString& text)
{
    // Exactly four fields, "year,month,day,mode"; anything else is ignored.
    if (QStringView(text).count(u',') != 3)
        return;
    std::array<qint64, 4> values{};
    qsizetype start = 0;
    for (std::size_t i = 0; i < values.size(); ++i) {
        qsizetype end = text.indexOf(u',', start);
        if (end < 0)
            end = text.size();
        values[i] = ParseField(QStringView(text).sliced(start, end - start));
        start = end + 1;
    }

    const int year = static_cast<int>(std::clamp<qint64>(values[0], 1, 9999));
    const int month = static_cast<int>(std::clamp<qint64>(values[1], 1, 12));
    const int lastDay = QDate(year, month, 1).daysInMonth();
    const int day = static_cast<int>(std::clamp<qint64>(values[2], 1, lastDay));
    Assign(QDate(year, month, day));
    SetRecurMode(static_cast<qint32>(std::clamp<qint64>(values[3], 0, kModeCount - 1)));
}

QString TRecurringDate::Ordinal(int n)
{
    const int lastTwo = std::abs(n) % 100;
    const char16_t* suffix = u"th";
    if (lastTwo < 10 || lastTwo > 20) {
        switch (lastTwo % 10) {
        case 1: suffix = u"st"; break;
        case 2: suffix = u"nd"; break;
        case 3: suffix = u"rd"; break;
        default: break;
        }
    }
    return QString::number(n) + QStringView(suffix);
}

QStringList TRecurringDate::ChoiceTexts(const QDate& workingDate)
{
    QStringList texts{u"Does not recur"_s};
    for (qint32 mode = 1; mode < kModeCount; ++mode)
        texts.append(u"Every "_s + RuleText(workingDate, mode));
    return texts;
}
