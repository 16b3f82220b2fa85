#include "QtPrinters.h"
#include "WizardTestSupport.h"

#include "model/ClassCodes.h"
#include "model/ItemFactory.h"
#include "model/ItemTree.h"
#include "model/TreeNode.h"
#include "model/ZVBObject.h"
#include "ui/wizards/FieldChoice.h"
#include "ui/wizards/TExportWizard.h"
#include "ui/wizards/TImportWizard.h"

#include <QListWidget>
#include <QPushButton>

#include "TextList.h"

#include <gtest/gtest.h>

namespace {

struct Tree
{
    TItemTree tree;
    TTreeNode* root = tree.CreateRoot();
    TTreeNode* folder = CreateItem(ClassCode::Folder, QStringLiteral("Friends"), {}, 0, {}, root, {}).node;
    TTreeNode* person = CreateItem(ClassCode::Person, QStringLiteral("Ann"), {}, 0, {}, folder, {}).node;
};

// The captions "Next >>" shows walking forward through every visible page.
QStringList WalkForward(TWizardForm& wizard)
{
    QStringList captions{wizard.NextButton()->text()};
    for (int i = 1; i < wizard.VisibleSheets().size(); ++i) {
        wizard.NextPage();
        captions.append(wizard.NextButton()->text());
    }
    return captions;
}

TEST(ExportWizard, EachFormatShowsItsPages)
{
    Tree t;
    TExportWizard wizard(t.person, {});
    EXPECT_EQ(wizard.windowTitle(), u"Publishing Wizard");
    EXPECT_EQ(wizard.VisibleSheets(), L({"TabSheet1", "TabSheet2"}));
    wizard.SetExportType(TExportWizard::Html);
    EXPECT_EQ(wizard.VisibleSheets(), L({"TabSheet1", "TabSheet3", "TabSheet4", "TabSheet5", "TabSheet6"}));
    EXPECT_EQ(WalkForward(wizard), L({"Next >>", "Next >>", "Next >>", "Next >>", "Finish"}));
    EXPECT_TRUE(wizard.AtFinish());

    // Back from Finish to the first page, then another format.
    while (wizard.CurrentPage() > 0)
        wizard.PrevPage();
    EXPECT_EQ(wizard.NextButton()->text(), u"Next >>");
    EXPECT_FALSE(wizard.BackButton()->isEnabled());
    wizard.SetExportType(TExportWizard::Delimited);
    EXPECT_EQ(wizard.VisibleSheets(), L({"TabSheet1", "TabSheet7", "TabSheet8"}));
    wizard.SetExportType(TExportWizard::VCard);
    EXPECT_EQ(wizard.VisibleSheets(), L({"TabSheet1", "TabSheet9"}));
    EXPECT_EQ(WalkForward(wizard), L({"Next >>", "Finish"}));
}

TEST(ExportWizard, CardsOnlyForPersonsAndOrganizations)
{
    Tree t;
    TExportWizard wizard(t.folder, {});
    MessageCatcher catcher;
    catcher.Arm();
    wizard.SetExportType(TExportWizard::VCard);
    EXPECT_EQ(*catcher.text, u"vCard publishing is only supported for Person and Organization items.");
    EXPECT_EQ(wizard.ExportType(), TExportWizard::Exchange);
    EXPECT_EQ(wizard.VisibleSheets(), L({"TabSheet1", "TabSheet2"}));
}

TEST(ExportWizard, FieldPageNeedsAChosenField)
{
    Tree t;
    TExportWizard wizard(t.folder, {});
    wizard.SetExportType(TExportWizard::Delimited);
    wizard.NextPage();
    ASSERT_EQ(wizard.CurrentSheet(), u"TabSheet7");
    EXPECT_FALSE(wizard.NextButton()->isEnabled());
    FieldChoice& fields = wizard.Fields();
    fields.ListBox1()->item(2)->setSelected(true); // First Name
    fields.ListBox1()->item(0)->setSelected(true); // Title
    fields.CopyRight();
    EXPECT_TRUE(wizard.NextButton()->isEnabled());
    EXPECT_EQ(fields.ChosenFields(), L({"Title", "First Name"}));
    fields.ListBox2()->setCurrentRow(0);
    fields.CopyLeft();
    EXPECT_EQ(fields.ChosenFields(), L({"First Name"}));
    EXPECT_EQ(fields.ListBox1()->item(0)->text(), u"Title");
    fields.ListBox2()->setCurrentRow(0);
    fields.CopyLeft();
    EXPECT_FALSE(wizard.NextButton()->isEnabled());
    // Another record type starts over.
    fields.SetChosenFields({QStringLiteral("Title")});
    fields.SetType(QStringLiteral("Phone Numbers"));
    EXPECT_TRUE(fields.ChosenFields().isEmpty());
    EXPECT_EQ(fields.ListBox1()->count(), 4);
}

TEST(ImportWizard, EachFormatShowsItsPages)
{
    Tree t;
    TImportWizard wizard(t.folder);
    EXPECT_EQ(wizard.windowTitle(), u"Import Wizard");
    const std::pair<TImportWizard::Format, QStringList> expected[] = {
        {TImportWizard::Exchange, L({"TabSheet1", "TabSheet3"})},
        {TImportWizard::Favorites, L({"TabSheet1", "TabSheet2"})},
        {TImportWizard::Bookmarks, L({"TabSheet1", "TabSheet4"})},
        {TImportWizard::AddressBook, L({"TabSheet1", "TabSheet5"})},
        {TImportWizard::Nicknames, L({"TabSheet1", "TabSheet6"})},
        {TImportWizard::Delimited, L({"TabSheet1", "TabSheet8", "TabSheet7"})},
        {TImportWizard::VCard, L({"TabSheet1", "TabSheet9"})},
    };
    for (const auto& [format, sheets] : expected) {
        wizard.SetImportType(format);
        EXPECT_EQ(wizard.VisibleSheets(), sheets) << format;
    }
    wizard.SetImportType(TImportWizard::Delimited);
    wizard.NextPage();
    EXPECT_EQ(wizard.CurrentSheet(), u"TabSheet8");
    EXPECT_FALSE(wizard.NextButton()->isEnabled());
    wizard.Fields().SetChosenFields({QStringLiteral("Title")});
    EXPECT_TRUE(wizard.NextButton()->isEnabled());
}

TEST(ImportWizard, CancelDoesNoWork)
{
    Tree t;
    TImportWizard wizard(t.folder);
    wizard.SetImportType(TImportWizard::Favorites);
    wizard.NextPage();
    wizard.reject();
    EXPECT_EQ(t.folder->ChildCount(), 1);
    EXPECT_EQ(wizard.Imported(), 0);
}

} // namespace
