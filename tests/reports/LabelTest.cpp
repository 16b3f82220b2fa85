// Label sheets: geometry, stored label types, sheet templates; envelope placement.
#include "ReportTree.h"

#include "reports/EnvelopeForm.h"
#include "reports/LabelForm.h"
#include "reports/LabelTypeStore.h"
#include "reports/ReturnAddress.h"
#include "reports/SheetTemplates.h"

#include "platform/ProfileFile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

TLabelDimension Avery()
{
    TLabelDimension label;
    label.name = QStringLiteral("Address 3 x 10");
    label.SetValues({50, 19, 100, 262, 275, 100, 3});
    return label;
}

TEST(LabelGeometryTest, SevenValuesPlaceTheLabelsOnTheSheetGrid)
{
    const TLabelForm::Geometry g = TLabelForm::GeometryOf(Avery());
    EXPECT_EQ(g.columns, 3);
    EXPECT_EQ(g.leftMargin, 19);
    EXPECT_EQ(g.columnPitch, 275);
    EXPECT_EQ(g.headerHeight, 25);
    EXPECT_EQ(g.detailHeight, 100);
    EXPECT_EQ(g.memo, QRect(10, 10, 252, 90));

    // A top margin of a quarter inch or less leaves no header band.
    TLabelDimension flush = Avery();
    flush.top = 25;
    EXPECT_EQ(TLabelForm::GeometryOf(flush).headerHeight, 0);
    flush.top = 26;
    EXPECT_EQ(TLabelForm::GeometryOf(flush).headerHeight, 1);
}

TEST(LabelGeometryTest, LabelsLandOnTheirCells)
{
    ReportTree t;
    TTreeNode* folder = t.Folder(QStringLiteral("F"), t.root);
    for (int i = 0; i < 32; ++i)
        t.Address(folder, QStringLiteral("A%1").arg(i, 2, 10, QLatin1Char('0')), QStringLiteral("1 Road"),
                  QStringLiteral("Town"));
    TLabelForm form(*folder, {}, Avery(), QFont(), QPageSize(QPageSize::Letter));
    const auto pages = form.Report().LayoutPages();
    // Thirty labels a sheet: three across, ten down.
    ASSERT_EQ(pages.size(), 2u);
    ASSERT_EQ(pages[0].items.size(), 30u);
    EXPECT_EQ(pages[1].items.size(), 2u);
    for (int i = 0; i < 30; ++i) {
        const TReportItem& label = pages[0].items[static_cast<size_t>(i)];
        // Down the first column, then the next.
        const int column = i / 10, row = i % 10;
        EXPECT_EQ(label.box.topLeft(), QPoint(19 + 275 * column + 10, 50 + 100 * row + 10)) << i;
        EXPECT_EQ(label.box.size(), QSize(252, 90));
        EXPECT_EQ(label.clip, label.box);
    }
}

TEST(LabelTypeStoreTest, NamesWithBlanksTravelInQuotes)
{
    QTemporaryDir dir;
    ProfileFile profile(dir.filePath(QStringLiteral("zvb.ini")));
    TLabelDimension quoted = Avery();
    quoted.name = QStringLiteral("Big, \"fat\" labels");
    TLabelDimension plain = Avery();
    plain.name = QStringLiteral("Plain");
    ASSERT_TRUE(LabelTypeStore::Write(profile, {Avery(), quoted, plain}));
    EXPECT_EQ(profile.ReadString(QStringLiteral("Label Setting"), QStringLiteral("Label0")),
              u"\"Address 3 x 10\",50,19,100,262,275,100,3"_s);
    EXPECT_EQ(profile.ReadString(QStringLiteral("Label Setting"), QStringLiteral("Label2")),
              u"Plain,50,19,100,262,275,100,3"_s);
    const auto back = LabelTypeStore::Read(profile);
    ASSERT_EQ(back.size(), 3u);
    EXPECT_EQ(back[0], Avery());
    EXPECT_EQ(back[1].name, quoted.name);

    // Fewer types leave the higher keys; a damaged entry is passed over.
    ASSERT_TRUE(LabelTypeStore::Write(profile, {plain}));
    EXPECT_EQ(profile.ReadString(QStringLiteral("Label Setting"), QStringLiteral("Label2")),
              u"Plain,50,19,100,262,275,100,3"_s);
    profile.WriteString(QStringLiteral("Label Setting"), QStringLiteral("Label1"), QStringLiteral("Broken,1,2,x"));
    const auto mixed = LabelTypeStore::Read(profile);
    ASSERT_EQ(mixed.size(), 2u);
    EXPECT_EQ(mixed[0].name, u"Plain"_s);
    EXPECT_EQ(mixed[1].name, u"Plain"_s);
}

TEST(SheetTemplatesTest, RectangularTemplatesBecomeLabelTypes)
{
    QFile file(QStringLiteral(ZENDRIVO_TEST_DATA "/sample-templates.xml"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const auto labels = SheetTemplates::Parse(file.readAll());
    QStringList names;
    for (const auto& label : labels)
        names.append(label.name);
    // The round sheet is not a rectangle; the copy takes its original's sheet.
    EXPECT_EQ(names, (QStringList{u"Sample 3x10"_s, u"Sample 3x10 copy"_s, u"Sample A4 grid"_s, u"Sample Wide"_s}));
    EXPECT_EQ(labels[0].Values(), (std::array<int, 7>{50, 19, 100, 263, 275, 100, 3}));
    EXPECT_EQ(labels[1].Values(), labels[0].Values());
    EXPECT_EQ(labels[0].paper->id(), QPageSize::Letter);
    EXPECT_EQ(labels[2].Values(), (std::array<int, 7>{0, 0, 146, 276, 276, 146, 3}));
    EXPECT_EQ(labels[2].paper->id(), QPageSize::A4);
    // One column with no pitch of its own steps by the label's width.
    EXPECT_EQ(labels[3].Values(), (std::array<int, 7>{50, 39, 100, 200, 200, 125, 1}));
    EXPECT_NEAR(labels[3].paper->size(QPageSize::Point).width(), 200, 1);
}

TEST(SheetTemplatesTest, DamagedFilesAndLengthsGiveNothing)
{
    EXPECT_TRUE(SheetTemplates::Parse("<Glabels-templates><Template brand=\"X\" part=\"1\"").empty());
    EXPECT_TRUE(SheetTemplates::Parse("not xml at all").empty());
    EXPECT_EQ(SheetTemplates::Hundredths(u"12.7mm"), 50);
    EXPECT_EQ(SheetTemplates::Hundredths(u"72"), 100);
    EXPECT_EQ(SheetTemplates::Hundredths(u"1.5 in"), 150);
    EXPECT_FALSE(SheetTemplates::Hundredths(u"wide").has_value());
    EXPECT_FALSE(SheetTemplates::Hundredths(u"-3in").has_value());
}

TEST(SheetTemplatesTest, InstalledSetOffersCommonSheets)
{
    const QString folder = QStringLiteral("/usr/share/libglabels-3.0/templates");
    if (!QDir(folder).exists())
        GTEST_SKIP() << "glabels-data is not installed";
    const auto labels = SheetTemplates::LoadFolder(folder);
    const auto it = std::find_if(labels.begin(), labels.end(),
                                 [](const TLabelDimension& l) { return l.name == u"Avery 5160"; });
    ASSERT_NE(it, labels.end());
    EXPECT_EQ(it->across, 3);
    EXPECT_EQ(it->top, 50);
    EXPECT_EQ(it->vPitch, 100);
}

TEST(EnvelopeTest, PlacementForEachSize)
{
    // On a landscape Letter page, 1100 by 850 units.
    const int expected[][4] = {
        {200, 249, 450, 371}, // #10: E = 150, T = 219
        {400, 261, 550, 383}, // Monarch: E = 350, T = 231
        {150, 105, 425, 227}, // B5: E = 100, T = 75
        {234, 131, 467, 253}, // C5: E = 184, T = 101
        {270, 235, 485, 357}, // DL: E = 220, T = 205
    };
    for (size_t i = 0; i < TEnvelopeForm::Sizes().size(); ++i) {
        const auto at = TEnvelopeForm::Place(TEnvelopeForm::Sizes()[i], 1100, 850);
        EXPECT_EQ(at.returnAt, QPoint(expected[i][0], expected[i][1])) << i;
        EXPECT_EQ(at.deliveryAt, QPoint(expected[i][2], expected[i][3])) << i;
    }
    // The top is truncated toward zero when the envelope is taller than the page.
    EXPECT_EQ(TEnvelopeForm::Place(TEnvelopeForm::Sizes()[2], 984, 693).returnAt, QPoint(34, 27));
    EXPECT_EQ(TEnvelopeForm::FindSize(QStringLiteral("dl")), 4);
    EXPECT_EQ(TEnvelopeForm::FindSize(QStringLiteral("#10")), 0);
    EXPECT_EQ(TEnvelopeForm::FindSize(QStringLiteral("A4")), -1);
}

TEST(EnvelopeTest, OmittingTheReturnAddressLeavesOnlyTheDelivery)
{
    TEnvelopeOptions options;
    options.returnLines = QStringList{QStringLiteral("Me"), QStringLiteral("Here")};
    options.deliveryLines = QStringList{QStringLiteral("You"), QStringLiteral("There")};
    TEnvelopeForm both(options);
    auto pages = both.Report().LayoutPages();
    ASSERT_EQ(pages.size(), 1u);
    ASSERT_EQ(pages[0].items.size(), 2u);
    // The #10 page is the envelope: the return at its top left, the delivery below and right.
    EXPECT_EQ(pages[0].items[0].box.topLeft(), QPoint(50, 30));
    EXPECT_EQ(pages[0].items[1].box.topLeft(), QPoint(300, 152));
    options.omitReturn = true;
    TEnvelopeForm omitted(options);
    pages = omitted.Report().LayoutPages();
    ASSERT_EQ(pages[0].items.size(), 1u);
    EXPECT_EQ(pages[0].items[0].lines, options.deliveryLines);
}

TEST(ReturnAddressTest, SavesAndLoadsLinesAndRefusesOddFiles)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("ret_addr.dat"));
    EXPECT_EQ(ReturnAddress::Load(path), QStringList());
    ASSERT_TRUE(ReturnAddress::Save(path, {QStringLiteral("Jo Doe"), QStringLiteral("1 Rue Ü")}));
    EXPECT_EQ(ReturnAddress::Load(path), (QStringList{u"Jo Doe"_s, u"1 Rue Ü"_s}));
    QFile big(path);
    ASSERT_TRUE(big.open(QIODevice::WriteOnly));
    big.write(QByteArray(ReturnAddress::kMaxFileSize + 1, 'x'));
    big.close();
    EXPECT_FALSE(ReturnAddress::Load(path).has_value());
    EXPECT_FALSE(ReturnAddress::Load(dir.path()).has_value());
    EXPECT_FALSE(ReturnAddress::Save(dir.path(), {QStringLiteral("x")}));
}

} // namespace
