#pragma once

#include "reports/BandedReport.h"
#include "reports/ReportSheet.h"

#include "exchange/SubtreeWalk.h"

#include <vector>

class TTreeNode;
class TZVBObject;

// "Simple List": every item of the subtree in tree order, each container
// followed by the items it holds, with title, target and comment.
class TSimpleForm
{
public:
    TSimpleForm(const TTreeNode& start, const ItemFilter& passes, const TReportSheet& sheet);

    static std::vector<const TZVBObject*> Collect(const TTreeNode& start, const ItemFilter& passes);

    TBandedReport& Report() { return m_report; }
    const std::vector<const TZVBObject*>& Records() const { return m_records; }

private:
    TBandedReport m_report;
    std::vector<const TZVBObject*> m_records;
    size_t m_next = 0;
};
