#include "reports/ReminderForm.h"

#include "reports/ListLayout.h"
#include "reports/ReportFields.h"

#include "model/ReminderObject.h"
#include "model/TreeNode.h"

#include <QLocale>

#include <algorithm>

TReminderForm::TReminderForm(const TTreeNode& start, const ItemFilter& passes, const TReportSheet& sheet,
                             const QDate& from, const QDate& to)
    : m_records(Collect(start, passes, from, to))
{
    ListLayout::Build(m_report, sheet,
                      {{QStringLiteral("Date"), QStringLiteral("Date"), 12},
                       {QStringLiteral("Reminder"), QStringLiteral("Reminder"), 28},
                       {QStringLiteral("Contact"), QStringLiteral("Contact"), 30},
                       {QStringLiteral("Comment"), QStringLiteral("Comment"), 30}});
    m_report.showPrintDialog = false;
    m_report.expectedRecords = static_cast<int>(m_records.size());
    m_report.beforeLayout = [this] { m_next = 0; };
    m_report.needData = [this] {
        if (m_next >= m_records.size())
            return false;
        const Row row = MakeRow(*m_records[m_next++]);
        TReportBand& detail = m_report.Band(BandKind::Detail);
        detail.Control(QStringLiteral("Date")).SetText(row.date);
        detail.Control(QStringLiteral("Reminder")).SetText(row.reminder);
        detail.Control(QStringLiteral("Contact")).SetText(row.contact);
        detail.Control(QStringLiteral("Comment")).SetText(row.comment);
        return true;
    };
}

std::vector<const TReminderObject*> TReminderForm::Collect(const TTreeNode& start, const ItemFilter& passes,
                                                           const QDate& from, const QDate& to)
{
    std::vector<const TReminderObject*> records;
    for (const TTreeNode* node : ReportFields::Scope(start)) {
        for (const auto& ref : node->Item()->Contents()) {
            const auto* reminder = dynamic_cast<const TReminderObject*>(ref->Item());
            if (!reminder || !ReportFields::Shows(passes, *reminder))
                continue;
            const QDate date = reminder->Recurrence().AsDate();
            if (date >= from && date <= to)
                records.push_back(reminder);
        }
    }
    std::stable_sort(records.begin(), records.end(), [](const TReminderObject* a, const TReminderObject* b) {
        return a->Recurrence().AsDate() < b->Recurrence().AsDate();
    });
    return records;
}

TReminderForm::Row TReminderForm::MakeRow(const TReminderObject& reminder)
{
    Row row;
    row.date = QLocale().toString(reminder.Recurrence().AsDate(), QLocale::ShortFormat);
    row.reminder = reminder.Title();
    if (const TZVBObject* holder = reminder.Holder()) {
        row.contact = holder->Title();
        const QString second = holder->Value().trimmed();
        // A person's name usually repeats as its full name; once is enough.
        if (!second.isEmpty() && second != row.contact)
            row.contact += u" (" + second + u')';
    }
    row.comment = reminder.Comment();
    return row;
}
