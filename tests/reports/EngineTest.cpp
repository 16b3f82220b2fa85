// The banded report engine: pages, columns, clipping and the empty report.
#include "ReportTree.h"

#include "reports/BandedReport.h"
#include "reports/ReportPainter.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

// A report of n one-line records of the given height.
struct CountingReport
{
    TBandedReport report;
    int count = 0;
    int next = 0;

    CountingReport(int records, int height)
    {
        count = records;
        report.Band(BandKind::PageHeader).height = 50;
        TReportBand& footer = report.Band(BandKind::PageFooter);
        footer.height = 50;
        footer.AddLabel(QStringLiteral("Page"), QRect(0, 0, 200, 20), QStringLiteral("%page%/%pages%")).pageNumbers
            = true;
        TReportBand& title = report.Band(BandKind::Title);
        title.height = 40;
        title.AddLabel(QStringLiteral("Title"), QRect(0, 0, 300, 40), QStringLiteral("Title"));
        TReportBand& detail = report.Band(BandKind::Detail);
        detail.height = height;
        detail.AddLabel(QStringLiteral("Row"), QRect(0, 0, 100, height));
        report.beforeLayout = [this] { next = 0; };
        report.needData = [this] {
            if (next >= count)
                return false;
            report.Band(BandKind::Detail).Control(QStringLiteral("Row")).SetText(QString::number(++next));
            return true;
        };
    }
};

std::vector<const TReportItem*> Rows(const TReportPage& page)
{
    std::vector<const TReportItem*> rows;
    for (const TReportItem& item : page.items)
        if (item.box.width() == 100)
            rows.push_back(&item);
    return rows;
}

TEST(BandedReportTest, RecordsFlowOverPagesInsideTheMargins)
{
    // Letter portrait: 1100 high; 25 margins, 50 header, 50 footer, title 40
    // on the first page: 100 records of 100 units fit 9 on the first page.
    CountingReport r(30, 100);
    const auto pages = r.report.LayoutPages();
    ASSERT_EQ(pages.size(), 4u);
    EXPECT_EQ(Rows(pages[0]).size(), 9u);
    EXPECT_EQ(Rows(pages[1]).size(), 9u);
    int total = 0;
    for (const TReportPage& page : pages) {
        for (const TReportItem* row : Rows(page)) {
            ++total;
            EXPECT_GE(row->box.top(), 25 + 50);
            EXPECT_LE(row->box.bottom(), 1100 - 25 - 50);
        }
    }
    EXPECT_EQ(total, 30);
    // The title only on the first page; page numbers know the count.
    EXPECT_EQ(pages[0].items.front().lines, QStringList{u"Title"_s});
    EXPECT_EQ(pages[3].items.back().lines, QStringList{u"4/4"_s});
    // A second layout starts again from the first record.
    EXPECT_EQ(r.report.LayoutPages().size(), 4u);
}

TEST(BandedReportTest, NoRecordsPrintsTheBandsWithoutRows)
{
    CountingReport r(0, 100);
    const auto pages = r.report.LayoutPages();
    ASSERT_EQ(pages.size(), 1u);
    EXPECT_TRUE(Rows(pages[0]).empty());
    EXPECT_EQ(pages[0].items.size(), 2u); // the title and the page number
}

TEST(BandedReportTest, ColumnsFillDownThenAcross)
{
    CountingReport r(7, 400);
    r.report.columns = 3;
    r.report.columnMargin = 50;
    r.report.leftMargin = 10;
    // 850 wide less two margins of 25 and the left margin: (790 - 100) / 3.
    EXPECT_EQ(r.report.ColumnWidth(), 230);
    const auto pages = r.report.LayoutPages();
    ASSERT_EQ(pages.size(), 2u);
    const auto rows = Rows(pages[0]);
    ASSERT_EQ(rows.size(), 6u);
    EXPECT_EQ(rows[0]->box.left(), 35);
    EXPECT_EQ(rows[1]->box.left(), 35);
    EXPECT_EQ(rows[2]->box.left(), 35 + 280);
    EXPECT_EQ(rows[2]->box.top(), rows[0]->box.top());
    EXPECT_EQ(rows[4]->box.left(), 35 + 560);
    // With a pitch the columns step by it exactly.
    r.report.columnPitch = 275;
    EXPECT_EQ(Rows(r.report.LayoutPages()[0])[2]->box.left(), 35 + 275);
}

TEST(BandedReportTest, TextIsClippedToItsBoxAndBand)
{
    TBandedReport report;
    TReportBand& title = report.Band(BandKind::Title);
    title.height = 30;
    // A memo taller than its band, and a label reaching past the paper.
    title.AddMemo(QStringLiteral("Memo"), QRect(0, 0, 200, 80), {QStringLiteral("a"), QStringLiteral("b")});
    title.AddLabel(QStringLiteral("Wide"), QRect(700, 0, 400, 20), QStringLiteral("wide"));
    const auto pages = report.LayoutPages();
    ASSERT_EQ(pages[0].items.size(), 2u);
    EXPECT_EQ(pages[0].items[0].clip, QRect(25, 25, 200, 30));
    EXPECT_EQ(pages[0].items[1].clip.right(), 850 - 25 - 1);
}

TEST(BandedReportTest, RecordTallerThanAColumnStillAdvances)
{
    CountingReport r(3, 2000);
    const auto pages = r.report.LayoutPages();
    // Each record takes a page of its own and the layout ends.
    EXPECT_EQ(pages.size(), 3u);
}

TEST(ReportPainterTest, WritesAPdfAndReportsAnUnwritablePath)
{
    QTemporaryDir dir;
    CountingReport r(12, 100);
    const QString path = dir.filePath(QStringLiteral("out.pdf"));
    QString error;
    ASSERT_TRUE(ReportPainter::WritePdf(r.report, path, &error)) << error.toStdString();
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray pdf = file.readAll();
    EXPECT_TRUE(pdf.startsWith("%PDF"));
    EXPECT_EQ(pdf.count("/Type /Page") - pdf.count("/Type /Pages"), 2);

    EXPECT_FALSE(ReportPainter::WritePdf(r.report, dir.filePath(QStringLiteral("missing/out.pdf")), &error));
    EXPECT_TRUE(error.contains(u"Cannot write"));
    // A folder in the way is not replaced.
    QDir(dir.path()).mkdir(QStringLiteral("taken.pdf"));
    EXPECT_FALSE(ReportPainter::WritePdf(r.report, dir.filePath(QStringLiteral("taken.pdf")), &error));
    EXPECT_TRUE(QFileInfo(dir.filePath(QStringLiteral("taken.pdf"))).isDir());
}

} // namespace
