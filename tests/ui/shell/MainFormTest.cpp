#include "TreeBuilder.h"
#include "shell/MainFormFixture.h"

#include "model/FolderObject.h"
#include "model/ItemFactory.h"
#include "ui/panes/FolderTreeModel.h"
#include "ui/panes/ItemListModel.h"
#include "ui/panes/ItemListPane.h"
#include "ui/shell/StartupOptions.h"
#include "ui/shell/TMainForm.h"

#include <QAbstractItemModelTester>
#include <QAction>
#include <QToolBar>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTreeView>

#include <gtest/gtest.h>

namespace {
using MainFormTest = MainFormFixture;
} // namespace

TEST_F(MainFormTest, ListShowsFoldersFirstThenEverythingElseInOneOrderIgnoringCase)
{
    TTreeNode* node = AddContainer(root, 1, QStringLiteral("Acme"));
    AddLeaf(node, 6, QStringLiteral("phone b"));
    AddContainer(node, 3, QStringLiteral("Zoe"));
    AddContainer(node, 0, QStringLiteral("zeta folder"));
    AddLeaf(node, 5, QStringLiteral("Address"));
    AddContainer(node, 4, QStringLiteral("bee site"));
    AddContainer(node, 0, QStringLiteral("Alpha folder"));
    form->SelectNode(node);
    EXPECT_EQ(Rows(), (QStringList{QStringLiteral("Alpha folder"), QStringLiteral("zeta folder"), QStringLiteral("Address"),
                                   QStringLiteral("bee site"), QStringLiteral("phone b"), QStringLiteral("Zoe")}));
    EXPECT_EQ(form->StatusText(1), QStringLiteral("6 item(s)"));
    EXPECT_EQ(form->StatusText(2), QStringLiteral("Acme"));
    // The list follows changes made while it shows the node.
    AddLeaf(node, 7, QStringLiteral("mail"));
    EXPECT_EQ(Rows().size(), 7);
    EXPECT_EQ(form->StatusText(1), QStringLiteral("7 item(s)"));
}

TEST_F(MainFormTest, AnEmptyContainerShowsNoRows)
{
    form->SelectNode(AddContainer(root, 2, QStringLiteral("Empty team")));
    EXPECT_EQ(form->StatusText(1), QStringLiteral("0 item(s)"));
}

TEST_F(MainFormTest, TheToolTipPathNamesTheNodeFromTheRootCutTo62Characters)
{
    TTreeNode* a = AddContainer(root, 0, QStringLiteral("A"));
    TTreeNode* b = AddContainer(a, 0, QStringLiteral("B"));
    QString tip;
    QObject::connect(form.get(), &TMainForm::ToolTipPathChanged, [&tip](const QString& t) { tip = t; });
    form->SelectNode(b);
    EXPECT_EQ(tip, QStringLiteral("[My Contacts/A/B]"));
    TTreeNode* longer = AddContainer(b, 0, QString(80, u'x'));
    form->SelectNode(longer);
    EXPECT_EQ(tip.size(), 62);
    EXPECT_TRUE(tip.startsWith(QStringLiteral("[My Contacts/A/B/xxx")));
}

TEST_F(MainFormTest, RenamingInPlaceIsRefusedForTheRootAndInsideRemoteFolders)
{
    FolderTreeModel* tree = form->FolderModel();
    const QModelIndex rootIndex = tree->IndexOf(root);
    EXPECT_FALSE(tree->flags(rootIndex) & Qt::ItemIsEditable);
    EXPECT_FALSE(tree->setData(rootIndex, QStringLiteral("Renamed")));
    EXPECT_EQ(root->Item()->Title(), QStringLiteral("My Contacts"));

    TTreeNode* remote = AddContainer(root, 0, QStringLiteral("Remote"), QStringLiteral("/srv/x.zvd"));
    TTreeNode* inside = nullptr;
    {
        RemoteLoadScope loading;
        inside = AddContainer(remote, 0, QStringLiteral("Inside"));
        AddLeaf(remote, 6, QStringLiteral("Remote phone"));
    }
    EXPECT_FALSE(tree->setData(tree->IndexOf(inside), QStringLiteral("x")));
    form->SelectNode(remote);
    ItemListModel* list = form->ListModel();
    for (int row = 0; row < list->rowCount(); ++row)
        EXPECT_FALSE(list->flags(list->index(row, 0)) & Qt::ItemIsEditable);

    // The remote folder itself may be renamed; a container renamed in the
    // list shows its new title in the tree too.
    TTreeNode* plain = AddContainer(root, 3, QStringLiteral("Jane"));
    form->SelectNode(root);
    const int row = list->RowOf(plain->Item());
    ASSERT_TRUE(list->setData(list->index(row, 0), QStringLiteral("Jane Miller")));
    EXPECT_EQ(tree->data(tree->IndexOf(plain)).toString(), QStringLiteral("Jane Miller"));
    EXPECT_TRUE(tree->setData(tree->IndexOf(remote), QStringLiteral("Shared")));
}

TEST_F(MainFormTest, UpOneLevelAndDoubleClicksMoveThroughTheTree)
{
    TTreeNode* a = AddContainer(root, 0, QStringLiteral("A"));
    form->SelectNode(root);
    // A container's default action opens its own node.
    form->ListModel()->ItemAt(0)->DefaultAction();
    EXPECT_EQ(form->SelectedNode(), a);
}

TEST_F(MainFormTest, ModelsStayConsistentThroughEveryKindOfChange)
{
    QAbstractItemModelTester treeTester(form->FolderModel(), QAbstractItemModelTester::FailureReportingMode::Fatal);
    QAbstractItemModelTester listTester(form->ListModel(), QAbstractItemModelTester::FailureReportingMode::Fatal);
    TTreeNode* a = AddContainer(root, 0, QStringLiteral("b"));
    TTreeNode* b = AddContainer(root, 0, QStringLiteral("a"));
    AddLeaf(a, 6, QStringLiteral("p"));
    // A due date below: deleting it changes the bullets while rows go.
    TTreeNode* inner = AddContainer(a, 0, QStringLiteral("inner"));
    AddLeaf(inner, 9, QStringLiteral("due"), {}, QStringLiteral("{Remd}2000,1,1,0~~0"));
    form->SelectNode(a);
    form->Tree().DeleteNode(inner);
    EXPECT_EQ(a->StateIndex(), -1);
    a->Item()->SetTitle(QStringLiteral("c"));
    form->Tree().SortChildren(root);
    ASSERT_TRUE(form->Tree().MoveNode(b, a));
    static_cast<TFolderObject*>(a->Item())->SetValue(QStringLiteral("/srv/remote.zvd")); // removes what it holds
    EXPECT_EQ(form->ListModel()->rowCount(), 0);
    form->Tree().DeleteNode(a);
    EXPECT_EQ(form->FolderModel()->rowCount(form->FolderModel()->IndexOf(root)), 0);
}

TEST(StartupOptions, FilesOnTheCommandLineBecomeAbsolutePaths)
{
    QTemporaryDir dir;
    QDir::setCurrent(dir.path());
    QFile file(dir.filePath(QStringLiteral("handed.zvd")));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    const QStringList args = StartupOptions::WithAbsolutePaths(
        {QStringLiteral("zendrivo"), QStringLiteral("handed.zvd"), QStringLiteral("HIDEWIN"), QStringLiteral("missing.vcf")});
    EXPECT_EQ(args, (QStringList{QStringLiteral("zendrivo"), dir.filePath(QStringLiteral("handed.zvd")),
                                 QStringLiteral("HIDEWIN"), QStringLiteral("missing.vcf")}));
    QDir::setCurrent(QDir::tempPath());
}

TEST(StartupOptions, OnlyTheExactWordHidesTheWindow)
{
    EXPECT_TRUE(StartupOptions::StartHidden({QStringLiteral("/usr/bin/zendrivo"), QStringLiteral("HIDEWIN")}));
    EXPECT_FALSE(StartupOptions::StartHidden({QStringLiteral("/usr/bin/zendrivo"), QStringLiteral("hidewin")}));
    EXPECT_FALSE(StartupOptions::StartHidden({QStringLiteral("/usr/bin/zendrivo"), QStringLiteral("HIDEWIN2")}));
}

TEST(MainFormSettings, ViewToolbarsAndGeometryComeBackAfterARestart)
{
    QTemporaryDir dir;
    QDir::setCurrent(dir.path());
    qputenv("ZENDRIVO_HOME", dir.path().toUtf8());
    {
        TMainForm form;
        form.setGeometry(120, 80, 700, 500);
        form.MainItems()->SetViewStyle(ListView::vsReport);
        form.findChild<QAction*>(QStringLiteral("Details"))->setChecked(true);
        form.findChild<QAction*>(QStringLiteral("FindBarItem"))->trigger();
        form.SaveAtExit();
    }
    {
        TMainForm form;
        EXPECT_EQ(form.MainItems()->ViewStyle(), ListView::vsReport);
        EXPECT_TRUE(form.findChild<QAction*>(QStringLiteral("Details"))->isChecked());
        EXPECT_FALSE(form.findChild<QAction*>(QStringLiteral("FindBarItem"))->isChecked());
        EXPECT_TRUE(form.findChild<QAction*>(QStringLiteral("ToolbarItem"))->isChecked());
        EXPECT_TRUE(form.findChild<QToolBar*>(QStringLiteral("FindBar"))->isHidden());
        EXPECT_FALSE(form.findChild<QToolBar*>(QStringLiteral("SpeedBar"))->isHidden());
        EXPECT_EQ(form.width(), 700);
        EXPECT_EQ(form.height(), 500);
        EXPECT_EQ(form.x(), 120);
    }
    qunsetenv("ZENDRIVO_HOME");
    QDir::setCurrent(QDir::tempPath());
}
