// The "Print Reports" dialog: what it takes from the item, the label types
// it keeps, the return address, and the request its sheets make.
#include "ui/reports/InchEdit.h"
#include "ui/reports/ReportCommands.h"
#include "ui/reports/TReportForm.h"
#include "ui/reports/TReportPrinter.h"

#include "model/ClassCodes.h"
#include "model/ZVBObject.h"
#include "model/ItemFactory.h"
#include "model/ItemTree.h"
#include "model/TreeNode.h"
#include "platform/ProfileFile.h"
#include "reports/LabelTypeStore.h"
#include "reports/ReturnAddress.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QSpinBox>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

class ReportFormTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        qputenv("ZENDRIVO_LABEL_TEMPLATES", dir.filePath(u"no-templates"_s).toUtf8());
        friends = CreateItem(ClassCode::Folder, u"Friends"_s, {}, 0, {}, root, {}).node;
        ann = CreateItem(ClassCode::Person, u"Ann"_s, u" Ann Lee"_s, 0, u"{Pers}~~Ann~~~~Lee~~Home~~~~~~~~~~0"_s, friends,
                         {})
                  .node;
        CreateItem(ClassCode::Address, u"Home"_s, {}, 0, u"{Addr}1 Main St~~~~~~Springfield~~IL~~62701~~USA~~0"_s, ann,
                   {});
        context.node = ann;
        context.current = ann->Item();
        context.profilePath = dir.filePath(u"zvb.ini"_s);
        context.returnAddressPath = dir.filePath(u"ret_addr.dat"_s);
        context.today = QDate(2026, 3, 1);
    }
    void TearDown() override { qunsetenv("ZENDRIVO_LABEL_TEMPLATES"); }

    template <typename T> static T* Find(QWidget& w, const char16_t* name)
    {
        T* child = w.findChild<T*>(QString::fromUtf16(name));
        EXPECT_NE(child, nullptr) << QString::fromUtf16(name).toStdString();
        return child;
    }

    QTemporaryDir dir;
    TItemTree tree;
    TTreeNode* root = tree.CreateRoot();
    TTreeNode* friends = nullptr;
    TTreeNode* ann = nullptr;
    TReportContext context;
    TReportPrinter holder;
    QPrinter& printer = holder.Printer();
};

TEST_F(ReportFormTest, OpensOnTheItemWithItsDeliveryAddress)
{
    TReportForm form(context, printer);
    EXPECT_EQ(Find<QLineEdit>(form, u"NodeId")->text(), u"My Contacts/Friends/Ann"_s);
    EXPECT_EQ(Find<QLineEdit>(form, u"Title2")->text(), u"My Contacts/Friends/Ann"_s);
    EXPECT_EQ(Find<QLineEdit>(form, u"Title1")->text(), u"Contact List"_s);
    EXPECT_EQ(Find<QComboBox>(form, u"RptTypeCombo")->count(), 6);
    EXPECT_EQ(Find<QPlainTextEdit>(form, u"Delivery")->toPlainText(),
              u"Ann Lee\n1 Main St\nSpringfield, IL\n62701 USA"_s);
    // A folder hands over no address.
    context.current = friends->Item();
    TReportForm folder(context, printer);
    EXPECT_TRUE(Find<QPlainTextEdit>(folder, u"Delivery")->toPlainText().isEmpty());
}

TEST_F(ReportFormTest, RequestFollowsTheSheets)
{
    TReportForm form(context, printer);
    form.SelectReport(ReportKind::Book);
    Find<QSpinBox>(form, u"SpinEdit1")->setValue(3);
    Find<InchEdit>(form, u"Gutter")->setValue(0.3);
    Find<QRadioButton>(form, u"Landscape2")->setChecked(true);
    Find<InchEdit>(form, u"TopMargin1")->setValue(1.2);
    const TReportRequest request = form.Request();
    EXPECT_EQ(request.kind, ReportKind::Book);
    EXPECT_EQ(request.book.columns, 3);
    EXPECT_EQ(request.book.gutterTenths, 3);
    EXPECT_TRUE(request.book.sheet.landscape);
    EXPECT_EQ(request.list.topTenths, 12);
    EXPECT_EQ(request.list.bottomTenths, 5);
    EXPECT_FALSE(request.list.landscape);
    EXPECT_EQ(request.from, QDate(2026, 3, 1));
    EXPECT_EQ(request.to, QDate(2026, 4, 1));
}

TEST_F(ReportFormTest, LabelTypesAreShownAndStoredBack)
{
    ProfileFile profile(context.profilePath);
    TLabelDimension stored;
    stored.name = u"Shipping 2 x 4"_s;
    stored.SetValues({50, 16, 200, 400, 412, 200, 2});
    ASSERT_TRUE(LabelTypeStore::Write(profile, {stored}));
    {
        TReportForm form(context, printer);
        TLabelDimension sheet;
        sheet.name = u"Avery 5160"_s;
        sheet.SetValues({50, 19, 100, 263, 275, 100, 3});
        form.SetSheetTemplates({sheet});
        auto* list = Find<QComboBox>(form, u"LabelList");
        ASSERT_EQ(list->count(), 2);
        EXPECT_EQ(list->currentText(), u"Shipping 2 x 4"_s);
        // Selecting a type fills the edits in inches.
        EXPECT_DOUBLE_EQ(Find<InchEdit>(form, u"SideEdit")->value(), 0.16);
        list->setCurrentIndex(1);
        EXPECT_EQ(Find<InchEdit>(form, u"WidthEdit")->Units(), 263);
        EXPECT_EQ(Find<QSpinBox>(form, u"NumAcross")->value(), 3);
        EXPECT_EQ(form.Request().label.name, u"Avery 5160"_s);

        TLabelDimension added;
        added.name = u"My own"_s;
        added.SetValues({100, 50, 100, 100, 100, 100, 1});
        form.AddLabelType(added);
        // New types go after the stored ones, before the sheets, and are selected.
        EXPECT_EQ(list->currentIndex(), 1);
        EXPECT_EQ(list->itemText(2), u"Avery 5160"_s);
    }
    // Closing writes the stored types, the new one included, but no sheet.
    const auto back = LabelTypeStore::Read(profile);
    ASSERT_EQ(back.size(), 2u);
    EXPECT_EQ(back[1].name, u"My own"_s);
}

TEST_F(ReportFormTest, ReturnAddressIsLoadedAndSavedWhenAsked)
{
    ASSERT_TRUE(ReturnAddress::Save(context.returnAddressPath, {u"Me"_s, u"My street"_s}));
    {
        TReportForm form(context, printer);
        auto* memo = Find<QPlainTextEdit>(form, u"Return");
        EXPECT_EQ(memo->toPlainText(), u"Me\nMy street"_s);
        memo->setPlainText(u"Someone else"_s);
        form.reject(); // not asked to save
    }
    EXPECT_EQ(ReturnAddress::Load(context.returnAddressPath), (QStringList{u"Me"_s, u"My street"_s}));
    {
        TReportForm form(context, printer);
        Find<QPlainTextEdit>(form, u"Return")->setPlainText(u"New me\nElsewhere"_s);
        Find<QCheckBox>(form, u"SaveRetAddr")->setChecked(true);
        Find<QCheckBox>(form, u"OmitRetAddr")->setChecked(true);
        EXPECT_TRUE(form.Request().envelope.omitReturn);
        form.reject();
    }
    EXPECT_EQ(ReturnAddress::Load(context.returnAddressPath), (QStringList{u"New me"_s, u"Elsewhere"_s}));
}

} // namespace
