#include "reports/SimpleForm.h"

#include "reports/ListLayout.h"
#include "reports/ReportFields.h"

#include "model/TreeNode.h"
#include "model/ZVBObject.h"

TSimpleForm::TSimpleForm(const TTreeNode& start, const ItemFilter& passes, const TReportSheet& sheet)
    : m_records(Collect(start, passes))
{
    ListLayout::Build(m_report, sheet,
                      {{QStringLiteral("Title"), QStringLiteral("Title"), 30},
                       {QStringLiteral("Target"), QStringLiteral("Target"), 35},
                       {QStringLiteral("Comment"), QStringLiteral("Comment"), 35}});
    m_report.showPrintDialog = false;
    m_report.expectedRecords = static_cast<int>(m_records.size());
    m_report.beforeLayout = [this] { m_next = 0; };
    m_report.needData = [this] {
        if (m_next >= m_records.size())
            return false;
        const TZVBObject& item = *m_records[m_next++];
        TReportBand& detail = m_report.Band(BandKind::Detail);
        detail.Control(QStringLiteral("Title")).SetText(item.Title());
        detail.Control(QStringLiteral("Target")).SetText(item.Value().trimmed());
        detail.Control(QStringLiteral("Comment")).SetText(item.Comment());
        return true;
    };
}

std::vector<const TZVBObject*> TSimpleForm::Collect(const TTreeNode& start, const ItemFilter& passes)
{
    std::vector<const TZVBObject*> records;
    for (const TTreeNode* node : ReportFields::Scope(start)) {
        const TZVBObject& item = *node->Item();
        if (ReportFields::Shows(passes, item))
            records.push_back(&item);
        for (const auto& ref : item.Contents())
            if (ReportFields::Shows(passes, *ref->Item()))
                records.push_back(ref->Item());
    }
    return records;
}
