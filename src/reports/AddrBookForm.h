#pragma once

#include "reports/BandedReport.h"
#include "reports/ReportSheet.h"

#include "exchange/SubtreeWalk.h"

#include <vector>

class TTreeNode;
class TZVBObject;

// Choices of the "Address & Phone Book" sheet; the gutter is in tenths of an inch.
struct TAddrBookOptions
{
    TReportSheet sheet;
    int columns = 1;
    int gutterTenths = 10;
};

// "Address & Phone Book": persons, organizations and the loose addresses and
// phones of the subtree sorted by name, under a grey letter where the
// initial changes, each with its phone and address.
class TAddrBookForm
{
public:
    struct Entry
    {
        QString key;
        const TZVBObject* item;
    };
    struct Record
    {
        QString letter;
        QString name;
        QString phone;
        QStringList address;
    };

    TAddrBookForm(const TTreeNode& start, const ItemFilter& passes, const TAddrBookOptions& options);

    // The entries sorted by key without regard to case.
    static std::vector<Entry> Collect(const TTreeNode& start, const ItemFilter& passes);
    static Record MakeRecord(const Entry& entry);
    // The initial of a key, in upper case; keys compare by it without regard to case.
    static QString GroupLetter(const QString& key);

    TBandedReport& Report() { return m_report; }
    const std::vector<Entry>& Entries() const { return m_entries; }

private:
    bool NeedData();

    TBandedReport m_report;
    std::vector<Entry> m_entries;
    size_t m_next = 0;
    QString m_lastLetter;
    bool m_newGroup = false;
    int m_addressHeight = 0;
};
