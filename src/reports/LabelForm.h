#pragma once

#include "reports/BandedReport.h"
#include "reports/LabelDimension.h"

#include "exchange/SubtreeWalk.h"

#include <QFont>
#include <QPageSize>

#include <vector>

class TTreeNode;
class TZVBObject;

// "Address Labels": one label per person, organization and loose postal
// address of the subtree, in tree order, across and down the sheet.
class TLabelForm
{
public:
    struct Entry
    {
        QString key;
        const TZVBObject* item;
    };

    // How the seven values become the report's bands, in layout units.
    struct Geometry
    {
        int columns;
        int leftMargin;  // the side margin
        int columnPitch; // the horizontal pitch
        int headerHeight; // top margin less the quarter inch a printer keeps blank
        int detailHeight; // the vertical pitch
        QRect memo;       // inside the label, 0.1 inch in from its corner
    };
    static Geometry GeometryOf(const TLabelDimension& label);

    // paper is used unless the label type names its own.
    TLabelForm(const TTreeNode& start, const ItemFilter& passes, const TLabelDimension& label, const QFont& font,
               const QPageSize& paper);

    static std::vector<Entry> Collect(const TTreeNode& start, const ItemFilter& passes);
    static QStringList Lines(const Entry& entry);

    TBandedReport& Report() { return m_report; }
    const std::vector<Entry>& Entries() const { return m_entries; }

private:
    TBandedReport m_report;
    std::vector<Entry> m_entries;
    size_t m_next = 0;
};
