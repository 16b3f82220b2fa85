#include "reports/ListLayout.h"

#include "reports/BandedReport.h"
#include "reports/ReportSheet.h"
#include "reports/ReportUnits.h"

#include <QtMath>

#include <algorithm>

namespace ListLayout {

namespace {

QFont Sized(QFont font, int points, bool bold = false)
{
    font.setPointSize(points);
    font.setBold(bold);
    return font;
}

int Lines(const QFont& font, int count)
{
    return static_cast<int>(qCeil(ReportUnits::LineHeight(font) * count)) + 4;
}

} // namespace

void Build(TBandedReport& report, const TReportSheet& sheet, const std::vector<Column>& columns,
           const QStringList& subtitles)
{
    report.SetPageSize(sheet.pageSize);
    report.SetOrientation(sheet.landscape ? QPageLayout::Landscape : QPageLayout::Portrait);
    report.leftMargin = sheet.leftTenths * 10;
    report.Band(BandKind::PageHeader).height = std::max(0, sheet.topTenths * 10);

    const int width = report.PrintableWidth() - report.leftMargin;
    TReportBand& title = report.Band(BandKind::Title);
    title.font = Sized(sheet.font, 8);
    const QFont big = Sized(sheet.font, 14, true);
    const int titleHeight = Lines(big, 1);
    title.AddLabel(QStringLiteral("ReportTitle"), QRect(0, 0, width, titleHeight), sheet.title).font = big;
    int y = titleHeight;
    const int line = Lines(title.font, 1);
    for (int i = 0; i < subtitles.size(); ++i, y += line)
        title.AddLabel(QStringLiteral("Subtitle%1").arg(i + 1), QRect(0, y, width, line), subtitles[i]);
    title.height = y + line / 2;

    TReportBand& header = report.Band(BandKind::ColumnHeader);
    header.font = Sized(sheet.font, 8, true);
    header.height = Lines(header.font, 1);
    TReportBand& detail = report.Band(BandKind::Detail);
    detail.font = Sized(sheet.font, 8);
    detail.height = Lines(detail.font, 1);

    int totalWeight = 0;
    for (const Column& column : columns)
        totalWeight += column.weight;
    int x = 0;
    const int gap = 8;
    for (const Column& column : columns) {
        const int w = width * column.weight / std::max(1, totalWeight);
        header.AddLabel(column.name + u"Header", QRect(x, 2, w - gap, header.height - 2), column.header);
        if (column.memo)
            detail.AddMemo(column.name, QRect(x, 2, w - gap, detail.height - 2));
        else
            detail.AddLabel(column.name, QRect(x, 2, w - gap, detail.height - 2));
        x += w;
    }
    // A thin rule under the column captions.
    TReportControl& rule = header.AddLabel(QStringLiteral("HeaderRule"), QRect(0, header.height - 1, width, 1));
    rule.background = Qt::black;
    rule.lines.clear();

    TReportBand& footer = report.Band(BandKind::PageFooter);
    footer.font = Sized(sheet.font, 8);
    footer.height = std::max(0, sheet.bottomTenths * 10);
    TReportControl& number = footer.AddLabel(QStringLiteral("PageNumber"), QRect(0, 4, width, Lines(footer.font, 1)),
                                             QStringLiteral("Page %page% of %pages%"));
    number.alignment = Qt::AlignRight | Qt::AlignTop;
    number.pageNumbers = true;
}

void FitDetail(TBandedReport& report, int lines)
{
    TReportBand& detail = report.Band(BandKind::Detail);
    detail.height = Lines(detail.font, std::max(1, lines));
    for (TReportControl& control : detail.controls)
        control.box.setHeight(detail.height - 2);
}

} // namespace ListLayout
