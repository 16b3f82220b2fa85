#pragma once

#include "reports/BandedReport.h"
#include "reports/ReportSheet.h"

#include "exchange/SubtreeWalk.h"

#include <QDate>

#include <vector>

class TReminderObject;
class TTreeNode;

// "Reminder List": the date items of the subtree dated within a range,
// earliest first, with the item each belongs to.
class TReminderForm
{
public:
    struct Row
    {
        QString date;
        QString reminder;
        QString contact;
        QString comment;
    };

    TReminderForm(const TTreeNode& start, const ItemFilter& passes, const TReportSheet& sheet, const QDate& from,
                  const QDate& to);

    // Both ends of the range are included.
    static std::vector<const TReminderObject*> Collect(const TTreeNode& start, const ItemFilter& passes,
                                                       const QDate& from, const QDate& to);
    static Row MakeRow(const TReminderObject& reminder);

    TBandedReport& Report() { return m_report; }
    const std::vector<const TReminderObject*>& Records() const { return m_records; }

private:
    TBandedReport m_report;
    std::vector<const TReminderObject*> m_records;
    size_t m_next = 0;
};
