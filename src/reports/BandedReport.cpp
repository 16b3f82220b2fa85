#include "reports/BandedReport.h"

#include "reports/ReportUnits.h"

#include <algorithm>

TBandedReport::TBandedReport() : m_pageSize(QPageSize::Letter) {}

QPageLayout TBandedReport::Layout() const
{
    return QPageLayout(m_pageSize, m_orientation, QMarginsF());
}

int TBandedReport::PageWidth() const
{
    const QSizeF inches = m_pageSize.size(QPageSize::Inch);
    const double w = m_orientation == QPageLayout::Portrait ? inches.width() : inches.height();
    return qRound(w * ReportUnits::kPerInch);
}

int TBandedReport::PageHeight() const
{
    const QSizeF inches = m_pageSize.size(QPageSize::Inch);
    const double h = m_orientation == QPageLayout::Portrait ? inches.height() : inches.width();
    return qRound(h * ReportUnits::kPerInch);
}

int TBandedReport::ColumnWidth() const
{
    const int n = std::max(1, columns);
    if (columnPitch > 0)
        return columnPitch;
    const int width = (PrintableWidth() - leftMargin - (n - 1) * columnMargin) / n;
    return std::max(1, width);
}

TReportBand& TBandedReport::Band(BandKind kind)
{
    return m_bands.try_emplace(kind, kind).first->second;
}

// One layout pass: the position on the current page and column.
class TBandedReport::Run
{
public:
    explicit Run(TBandedReport& report) : m_report(report)
    {
        m_left = report.m_pageMargins.left() + report.leftMargin;
        m_fullWidth = std::max(1, report.PrintableWidth() - report.leftMargin);
        m_columnWidth = report.ColumnWidth();
        m_stride = report.columnPitch > 0 ? report.columnPitch : m_columnWidth + report.columnMargin;
        m_pageBottom = report.PageHeight() - report.m_pageMargins.bottom();
        m_pageRect = QRect(report.m_pageMargins.left(), report.m_pageMargins.top(), report.PrintableWidth(),
                           report.PrintableHeight());
    }

    std::vector<TReportPage> Go()
    {
        // Without records the first page still carries the title and headers.
        StartPage();
        int placed = 0;
        while (m_report.needData && m_report.needData()) {
            PlaceRecord();
            if (++placed % kProgressStep == 0 && m_report.progress)
                m_report.progress(placed);
        }
        FinishPage();
        NumberPages();
        return std::move(m_pages);
    }

private:
    TReportBand* Find(BandKind kind)
    {
        auto it = m_report.m_bands.find(kind);
        return it == m_report.m_bands.end() ? nullptr : &it->second;
    }

    int FooterHeight()
    {
        const TReportBand* footer = Find(BandKind::PageFooter);
        return footer ? footer->height : 0;
    }

    int Bottom() { return m_pageBottom - FooterHeight(); }

    void StartPage()
    {
        m_pages.emplace_back();
        m_y = m_report.m_pageMargins.top();
        if (TReportBand* header = Find(BandKind::PageHeader))
            Emit(*header, m_left, m_fullWidth);
        if (m_pages.size() == 1)
            if (TReportBand* title = Find(BandKind::Title))
                Emit(*title, m_left, m_fullWidth);
        m_columnTop = m_y;
        m_column = 0;
        StartColumn();
    }

    void StartColumn()
    {
        m_y = m_columnTop;
        if (TReportBand* header = Find(BandKind::ColumnHeader))
            Emit(*header, ColumnLeft(), m_columnWidth);
        m_recordTop = m_y;
    }

    void FinishPage()
    {
        if (TReportBand* footer = Find(BandKind::PageFooter)) {
            m_y = m_pageBottom - footer->height;
            Emit(*footer, m_left, m_fullWidth);
        }
    }

    void NextColumn()
    {
        if (++m_column < std::max(1, m_report.columns)) {
            StartColumn();
            return;
        }
        FinishPage();
        StartPage();
    }

    int ColumnLeft() const { return m_left + m_column * m_stride; }

    void PlaceRecord()
    {
        TReportBand* bands[3] = {Find(BandKind::Group), Find(BandKind::Detail), Find(BandKind::Child)};
        int total = 0;
        for (TReportBand*& band : bands) {
            if (band && band->beforePrint && !band->beforePrint(*band))
                band = nullptr;
            if (band)
                total += band->height;
        }
        // A record is not split over columns; one taller than a whole column
        // starts a fresh one and is cut at the page's edge.
        if (m_y + total > Bottom() && m_y > m_recordTop)
            NextColumn();
        for (TReportBand* band : bands)
            if (band)
                Emit(*band, ColumnLeft(), m_columnWidth);
    }

    void Emit(const TReportBand& band, int x, int width)
    {
        const QRect bandRect(x, m_y, width, band.height);
        const QRect limit = bandRect.intersected(m_pageRect);
        std::vector<TReportItem>& items = m_pages.back().items;
        for (const TReportControl& control : band.controls) {
            if (!control.visible || band.height <= 0)
                continue;
            TReportItem item;
            item.box = control.box.translated(x, m_y);
            item.clip = item.box.intersected(limit);
            if (item.clip.isEmpty())
                continue;
            item.lines = control.lines;
            item.font = control.font;
            item.color = control.color;
            item.background = control.background;
            item.alignment = control.alignment;
            item.memo = control.kind == TReportControl::Kind::Memo;
            if (control.pageNumbers)
                m_numbered.push_back({m_pages.size() - 1, items.size()});
            items.push_back(std::move(item));
        }
        m_y += std::max(0, band.height);
    }

    void NumberPages()
    {
        const QString count = QString::number(m_pages.size());
        for (const auto& [page, index] : m_numbered) {
            for (QString& line : m_pages[page].items[index].lines) {
                line.replace(QStringLiteral("%pages%"), count);
                line.replace(QStringLiteral("%page%"), QString::number(page + 1));
            }
        }
    }

    TBandedReport& m_report;
    std::vector<TReportPage> m_pages;
    std::vector<std::pair<size_t, size_t>> m_numbered;
    QRect m_pageRect;
    int m_left = 0;
    int m_fullWidth = 0;
    int m_columnWidth = 0;
    int m_stride = 0;
    int m_pageBottom = 0;
    int m_y = 0;
    int m_columnTop = 0;
    int m_recordTop = 0;
    int m_column = 0;
};

std::vector<TReportPage> TBandedReport::LayoutPages()
{
    if (beforeLayout)
        beforeLayout();
    return Run(*this).Go();
}
