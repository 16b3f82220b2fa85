#include "TreeBuilder.h"
#include "shell/MainFormFixture.h"

#include "automation/TZivoApp.h"
#include "ui/panes/FolderTreeModel.h"
#include "ui/panes/ItemListModel.h"
#include "ui/panes/ItemListPane.h"
#include "ui/shell/MainFormAutomation.h"
#include "ui/shell/TMainForm.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {
// The automation objects over the real window, without a bus.
class AutomationHostTest : public MainFormFixture
{
protected:
    MainFormAutomation automation{*form, AutomationStart::Normal, QDBusConnection(QStringLiteral("no bus"))};
};
} // namespace

TEST_F(AutomationHostTest, ChangesFromAClientShowInThePanesAtOnce)
{
    TTreeNode* people = AddContainer(root, ClassCode::Folder, QStringLiteral("People"));
    form->SelectNode(people);
    TZivoApp app(automation);
    ASSERT_TRUE(app.Items(1));
    app.Insert(ClassCode::Phone, QStringLiteral("Desk"), QStringLiteral("555-1234"), QString(), QString());
    app.Insert(ClassCode::Person, QStringLiteral("Carol"), QString(), QString(), QString());
    EXPECT_EQ(Rows(), (QStringList{QStringLiteral("Carol"), QStringLiteral("Desk")}));
    EXPECT_EQ(form->StatusText(1), QStringLiteral("2 item(s)"));

    app.SetzivoTitle(QStringLiteral("Friends"));
    const QModelIndex index = form->FolderModel()->index(0, 0, form->FolderModel()->index(0, 0));
    EXPECT_EQ(index.data().toString(), QStringLiteral("Friends"));
    ASSERT_TRUE(app.Child(1));
    app.SetzivoTarget(QStringLiteral("555-9999"));
    const int row = form->ListModel()->RowOf(app.CurrentItem());
    ASSERT_GE(row, 0);
    EXPECT_EQ(form->ListModel()->ItemAt(row)->Value(), QStringLiteral("555-9999"));

    app.CopyClipboard();
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("555-9999"));
}

TEST_F(AutomationHostTest, SelectionAndFindComeFromTheWindow)
{
    TTreeNode* people = AddContainer(root, ClassCode::Folder, QStringLiteral("People"));
    TTreeNode* dora = AddContainer(people, ClassCode::Person, QStringLiteral("Dora"));
    TZVBObject* phone = AddLeaf(dora, ClassCode::Phone, QStringLiteral("Dora mobile"), QStringLiteral("555-7000"));
    TZivoApp app(automation);

    form->SelectNode(people);
    EXPECT_EQ(app.SelectCount(), 1);
    ASSERT_TRUE(app.UserSelected(0));
    EXPECT_EQ(app.CurrentItemIndex(), 1);

    ASSERT_TRUE(app.NextItemWithTitle(QStringLiteral("mobile")));
    EXPECT_EQ(app.CurrentItem(), phone);
    EXPECT_EQ(app.CurrentItemIndex(), 2);
    EXPECT_FALSE(app.NextItemWithTitle(QStringLiteral("nobody")));
    EXPECT_EQ(app.CurrentItem(), phone);
}
