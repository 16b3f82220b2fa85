#pragma once

#include "reports/ReportBand.h"
#include "reports/ReportPage.h"

#include <QMargins>
#include <QPageLayout>
#include <QPageSize>
#include <QString>

#include <functional>
#include <map>
#include <vector>

// A banded report: bands of controls laid out on pages, one record at a time
// as the need-data callback supplies them. Lengths are layout units
// (hundredths of an inch) measured from the paper's edges.
class TBandedReport
{
public:
    TBandedReport();

    void SetPageSize(const QPageSize& size) { m_pageSize = size; }
    const QPageSize& PageSize() const { return m_pageSize; }
    void SetOrientation(QPageLayout::Orientation orientation) { m_orientation = orientation; }
    QPageLayout::Orientation Orientation() const { return m_orientation; }
    // The part of the paper kept blank all round (a printer cannot print to the edge).
    void SetPageMargins(const QMargins& margins) { m_pageMargins = margins; }
    const QMargins& PageMargins() const { return m_pageMargins; }
    QPageLayout Layout() const;

    // The paper and the printable area inside the page margins, in layout
    // units, for the current size and orientation.
    int PageWidth() const;
    int PageHeight() const;
    int PrintableWidth() const { return PageWidth() - m_pageMargins.left() - m_pageMargins.right(); }
    int PrintableHeight() const { return PageHeight() - m_pageMargins.top() - m_pageMargins.bottom(); }

    // Record bands flow down Columns columns. The left margin moves every
    // band right; columns are ColumnPitch apart when it is set, else they
    // share the width with ColumnMargin between them.
    int columns = 1;
    int leftMargin = 0;
    int columnMargin = 0;
    int columnPitch = 0;
    int ColumnWidth() const;

    // Print job title and whether printing asks for a printer first.
    QString jobTitle = QStringLiteral("Zendrivo Printing");
    bool showPrintDialog = true;

    TReportBand& Band(BandKind kind);
    bool HasBand(BandKind kind) const { return m_bands.count(kind) != 0; }

    // Answers whether another record follows, after filling the bands with it.
    std::function<bool()> needData;
    // Called before the layout starts, so the report can rewind its records.
    std::function<void()> beforeLayout;
    // The number of records the form expects, and a call every so many
    // records placed, for a progress display of long reports.
    int expectedRecords = 0;
    std::function<void(int placed)> progress;
    static constexpr int kProgressStep = 250;

    // Runs the records through the bands and returns the pages. A report
    // without records still gets its page with the title and headers.
    std::vector<TReportPage> LayoutPages();

private:
    class Run;

    QPageSize m_pageSize;
    QPageLayout::Orientation m_orientation = QPageLayout::Portrait;
    QMargins m_pageMargins{25, 25, 25, 25};
    std::map<BandKind, TReportBand> m_bands;
};
