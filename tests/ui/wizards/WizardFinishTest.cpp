#include "QtPrinters.h"
#include "WizardTestSupport.h"

#include "model/ClassCodes.h"
#include "model/ItemFactory.h"
#include "model/ItemTree.h"
#include "model/PersonObject.h"
#include "model/TreeNode.h"
#include "model/ZVBObject.h"
#include "ui/wizards/BackgroundPreview.h"
#include "ui/wizards/DirectoryList.h"
#include "ui/wizards/FieldChoice.h"
#include "ui/wizards/FileList.h"
#include "ui/wizards/HtmlPublishPages.h"
#include "ui/wizards/TExportWizard.h"
#include "ui/wizards/TImportWizard.h"

#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

void WriteFile(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

struct Wizards : ::testing::Test
{
    QTemporaryDir dir;
    TItemTree tree;
    TTreeNode* root = tree.CreateRoot();
    TTreeNode* folder = CreateItem(ClassCode::Folder, QStringLiteral("Friends"), {}, 0, {}, root, {}).node;

    void Finish(TWizardForm& wizard)
    {
        while (!wizard.AtFinish())
            wizard.NextPage();
        wizard.NextButton()->click();
    }
    void ChooseFile(FileList* files, const QString& name)
    {
        files->SetDirectory(dir.path());
        const QList<QListWidgetItem*> found = files->findItems(name, Qt::MatchExactly);
        ASSERT_EQ(found.size(), 1) << name.toStdString();
        files->setCurrentItem(found.first());
    }
};

TEST_F(Wizards, PublishesWebPagesIntoTheChosenFolder)
{
    CreateItem(ClassCode::Person, QStringLiteral("Ann"), {}, 0, {}, folder, {});
    TExportWizard wizard(folder, {});
    wizard.SetExportType(TExportWizard::Html);
    EXPECT_EQ(wizard.HtmlPages().StartPageEdit()->text(), u"Friends.htm");
    wizard.HtmlPages().Preview(); // drawn with the default colours
    EXPECT_EQ(wizard.HtmlPages().TextColorCombo()->currentText(), u"Black");
    EXPECT_EQ(wizard.HtmlPages().LinkColorCombo()->currentText(), u"Navy");
    const HtmlPublishOptions defaults = wizard.HtmlPages().Options();
    EXPECT_TRUE(defaults.frames && defaults.includeZvd && defaults.includeVCard && defaults.levels == 0);
    EXPECT_TRUE(defaults.background.isEmpty());
    wizard.findChild<DirectoryList*>()->SetDirectory(dir.path());
    wizard.HtmlPages().OutputPage()->findChild<DirectoryList*>()->SetDirectory(dir.path());
    Finish(wizard);
    EXPECT_EQ(wizard.result(), QDialog::Accepted);
    EXPECT_TRUE(QFileInfo::exists(dir.filePath(QStringLiteral("Friends.htm"))));
    EXPECT_TRUE(QFileInfo::exists(dir.filePath(QStringLiteral("zivoindex.htm"))));
    EXPECT_TRUE(QFileInfo::exists(dir.filePath(QStringLiteral("zivomain.zvd"))));
}

TEST_F(Wizards, BrowsedBackgroundIsNamedByItsFileName)
{
    TExportWizard wizard(folder, {});
    const QString picked = dir.filePath(QStringLiteral("paper.gif"));
    WriteFile(picked, "GIF89a");
    wizard.HtmlPages().SetBackgroundFile(picked);
    EXPECT_EQ(wizard.HtmlPages().Background(), picked);
    EXPECT_EQ(wizard.HtmlPages().BkgComboBox()->currentText(), u"paper.gif");
    EXPECT_FALSE(wizard.HtmlPages().Preview()->HasPicture());
    wizard.HtmlPages().ChooseBackground(0);
    EXPECT_TRUE(wizard.HtmlPages().Background().isEmpty());
}

TEST_F(Wizards, ExchangeFileNeedsItsExtension)
{
    TExportWizard wizard(folder, {});
    wizard.ZvdDirectory()->SetDirectory(dir.path());
    wizard.ZvdNameEdit()->setText(QStringLiteral("friends.txt"));
    MessageCatcher catcher;
    catcher.Arm();
    Finish(wizard);
    EXPECT_EQ(*catcher.title, u"Check Filename");
    EXPECT_EQ(*catcher.text, u"The exported filename needs to have an extension of \".zvd\"");
    EXPECT_NE(wizard.result(), QDialog::Accepted);
    EXPECT_TRUE(QDir(dir.path()).isEmpty());

    wizard.ZvdNameEdit()->setText(QStringLiteral("friends.ZVD"));
    wizard.NextButton()->click();
    EXPECT_EQ(wizard.result(), QDialog::Accepted);
    EXPECT_TRUE(QFileInfo::exists(dir.filePath(QStringLiteral("friends.ZVD"))));
}

TEST_F(Wizards, ImportsABrowsersBookmarksExport)
{
    // The page format browsers on Linux export their bookmarks in.
    WriteFile(dir.filePath(QStringLiteral("bookmarks.html")),
              "<!DOCTYPE NETSCAPE-Bookmark-file-1>\n"
              "<META HTTP-EQUIV=\"Content-Type\" CONTENT=\"text/html; charset=UTF-8\">\n"
              "<TITLE>Bookmarks</TITLE>\n<H1>Bookmarks Menu</H1>\n<DL><p>\n"
              "    <DT><H3 ADD_DATE=\"1700000000\">Reading</H3>\n    <DL><p>\n"
              "        <DT><A HREF=\"https://example.org/\" ADD_DATE=\"1700000000\" ICON=\"data:image/png;base64,AA\">"
              "Example</A>\n"
              "        <DT><A HREF=\"https://news.example.com/today\">News</A>\n    </DL><p>\n</DL>\n");
    TImportWizard wizard(folder);
    wizard.SetImportType(TImportWizard::Bookmarks);
    ChooseFile(wizard.Files(TImportWizard::Bookmarks), QStringLiteral("bookmarks.html"));
    EXPECT_EQ(wizard.FoundText(TImportWizard::Bookmarks), u"Bookmarks");
    Finish(wizard);
    EXPECT_EQ(wizard.Imported(), 2);
    const TTreeNode* made = nullptr;
    for (const auto& child : root->Children()) {
        if (child->Item()->Title() == u"Bookmarks")
            made = child.get();
    }
    ASSERT_NE(made, nullptr);
    ASSERT_EQ(made->ChildCount(), 2);
    EXPECT_EQ(made->Child(0)->Item()->Value(), u"https://example.org/");
}

TEST_F(Wizards, AddressBookExportFillsTheFieldsAndSkipsItsHeader)
{
    WriteFile(dir.filePath(QStringLiteral("contacts.csv")),
              "First Name,Last Name,Display Name,Nickname,Primary Email\r\n"
              "Ann,Lee,Ann Lee,annie,ann@example.com\r\n");
    TImportWizard wizard(folder);
    wizard.SetImportType(TImportWizard::Delimited);
    ChooseFile(wizard.Files(TImportWizard::Delimited), QStringLiteral("contacts.csv"));
    EXPECT_EQ(wizard.Fields().ChosenFields().value(2), u"Title");
    EXPECT_FALSE(wizard.findChild<QLabel*>(QStringLiteral("HeaderNote"))->text().isEmpty());
    Finish(wizard);
    EXPECT_EQ(wizard.Imported(), 1);
    ASSERT_EQ(folder->ChildCount(), 1);
    const auto* ann = static_cast<const TPersonObject*>(folder->Child(0)->Item());
    EXPECT_EQ(ann->Title(), u"Ann Lee");
    EXPECT_EQ(ann->FirstName(), u"Ann");
}

TEST_F(Wizards, ExchangeImportGoesBelowTheRoot)
{
    WriteFile(dir.filePath(QStringLiteral("club.zvd")), "{1 0 }Club~~~~~~77\r\n{Fold}0\r\n");
    TTreeNode* deep = CreateItem(ClassCode::Folder, QStringLiteral("Deep"), {}, 0, {}, folder, {}).node;
    TImportWizard wizard(deep);
    wizard.SetImportType(TImportWizard::Exchange);
    ChooseFile(wizard.Files(TImportWizard::Exchange), QStringLiteral("club.zvd"));
    Finish(wizard);
    EXPECT_EQ(deep->ChildCount(), 0);
    EXPECT_EQ(root->ChildCount(), 2);
}

} // namespace
