#pragma once

#include <QByteArray>
#include <QString>

#include <cstdint>

// Gathers the caller-ID lines a modem sends between the rings ("DATE =
// 1209", "TIME = 0931", "NMBR = 3035551212", "NAME = JOHN Q PUBLIC") into one
// report. A number or name of "P" means the caller withheld it, "O" that
// the call came from outside the area that sends caller ID.
class ModemCallerIdFields
{
public:
    // True when the line was a caller-ID field (and taken).
    bool Feed(const QByteArray& line);
    bool Pending() const { return m_pending; }

    struct Report
    {
        std::uint32_t flags = 0;
        QString number;
        QString name;
        QString date;  // "MMDD" as sent
        QString time;  // "HHMM" as sent
    };
    // The fields gathered since the last Take(), and starts afresh.
    Report Take();

private:
    Report m_report;
    bool m_pending = false;
    bool m_sawNumber = false;
};
