#pragma once

#include "reports/BandedReport.h"
#include "reports/ReportSheet.h"

#include "exchange/SubtreeWalk.h"

#include <QDate>

#include <vector>

class TTreeNode;
class TZVBObject;

// "People & Organization List": the persons and organizations below the
// selected item (not the item itself), one row each with address, phone,
// fax, e-mail and website.
class TListingForm
{
public:
    struct Row
    {
        QString name;
        QStringList address;
        QString phone;
        QString fax;
        QString email;
        QString url;
    };

    TListingForm(const TTreeNode& start, const ItemFilter& passes, const TReportSheet& sheet, const QDate& created);

    static std::vector<const TZVBObject*> Collect(const TTreeNode& start, const ItemFilter& passes);
    static Row MakeRow(const TZVBObject& item);

    TBandedReport& Report() { return m_report; }
    const std::vector<const TZVBObject*>& Records() const { return m_records; }

private:
    bool NeedData();

    TBandedReport m_report;
    std::vector<const TZVBObject*> m_records;
    size_t m_next = 0;
};
