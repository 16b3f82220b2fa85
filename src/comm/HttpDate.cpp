#include "comm/HttpDate.h"

#include <QRegularExpression>
#include <QTimeZone>

namespace {

int MonthNumber(QStringView name)
{
    static const char* const kMonths[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                          "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    for (int i = 0; i < 12; ++i) {
        if (name.compare(QLatin1String(kMonths[i]), Qt::CaseInsensitive) == 0)
            return i + 1;
    }
    return 0;
}

QDateTime Make(int year, int month, int day, int hour, int minute, int second)
{
    const QDate date(year, month, day);
    const QTime time(hour, minute, second);
    if (!date.isValid() || !time.isValid())
        return {};
    return QDateTime(date, time, QTimeZone::utc());
}

} // namespace

QDateTime ParseHttpDate(const QString& text)
{
    static const QRegularExpression fixdate(
        QStringLiteral(R"(^\s*[A-Za-z]{3},\s+(\d{1,2})\s+([A-Za-z]{3})\s+(\d{4})\s+(\d{2}):(\d{2}):(\d{2})\s+GMT\s*$)"));
    static const QRegularExpression rfc850(
        QStringLiteral(R"(^\s*[A-Za-z]+,\s+(\d{1,2})-([A-Za-z]{3})-(\d{2})\s+(\d{2}):(\d{2}):(\d{2})\s+GMT\s*$)"));
    static const QRegularExpression asctime(
        QStringLiteral(R"(^\s*[A-Za-z]{3}\s+([A-Za-z]{3})\s+(\d{1,2})\s+(\d{2}):(\d{2}):(\d{2})\s+(\d{4})\s*$)"));

    if (const auto m = fixdate.match(text); m.hasMatch()) {
        return Make(m.captured(3).toInt(), MonthNumber(m.capturedView(2)), m.captured(1).toInt(),
                    m.captured(4).toInt(), m.captured(5).toInt(), m.captured(6).toInt());
    }
    if (const auto m = rfc850.match(text); m.hasMatch()) {
        // A two-digit year more than 50 years ahead lies in the past century.
        int year = 2000 + m.captured(3).toInt();
        if (year > QDateTime::currentDateTimeUtc().date().year() + 50)
            year -= 100;
        return Make(year, MonthNumber(m.capturedView(2)), m.captured(1).toInt(), m.captured(4).toInt(),
                    m.captured(5).toInt(), m.captured(6).toInt());
    }
    if (const auto m = asctime.match(text); m.hasMatch()) {
        return Make(m.captured(6).toInt(), MonthNumber(m.capturedView(1)), m.captured(2).toInt(),
                    m.captured(3).toInt(), m.captured(4).toInt(), m.captured(5).toInt());
    }
    return {};
}
