#include "TreeBuilder.h"

#include "exchange/ExchangeFile.h"
#include "model/Database.h"
#include "ui/commands/DragPayload.h"
#include "ui/commands/DropCommands.h"
#include "ui/commands/ItemCommands.h"
#include "ui/panes/FolderTreeModel.h"
#include "ui/panes/ItemListModel.h"
#include "ui/shell/TMainForm.h"

#include <QAbstractItemModelTester>
#include <QDir>
#include <QFile>
#include <QMimeData>
#include <QTemporaryDir>

#include <gtest/gtest.h>

// Views keep selections and expansion only when the panes' models announce
// every change in the form Qt expects; the tester checks each step of a
// user's session: a load, an import, a drag and a delete.
TEST(ModelContractTest, BothPanesKeepQtsModelContractThroughLoadImportDragAndDelete)
{
    QTemporaryDir dir;
    QDir::setCurrent(dir.path());
    {
        TItemTree saved;
        TTreeNode* top = saved.CreateRoot();
        TTreeNode* friends = AddContainer(top, 0, QStringLiteral("Friends"));
        AddLeaf(AddContainer(friends, 3, QStringLiteral("Ann")), 6, QStringLiteral("Home"));
        AddContainer(top, 0, QStringLiteral("Work"));
        SaveDatabase(saved);
        TItemTree other;
        TTreeNode* imported = AddContainer(other.CreateRoot(), 0, QStringLiteral("Imported"));
        AddContainer(imported, 1, QStringLiteral("Acme"));
        ExchangeFile::ExportSubtree(*imported, QStringLiteral("more.zvd"));
    }
    {
        auto form = std::make_unique<TMainForm>();
        QAbstractItemModelTester treeTester(form->FolderModel(), QAbstractItemModelTester::FailureReportingMode::Fatal);
        QAbstractItemModelTester listTester(form->ListModel(), QAbstractItemModelTester::FailureReportingMode::Fatal);
        TItemTree& tree = form->Tree();
        TTreeNode* root = tree.Root();
        ASSERT_EQ(root->ChildCount(), 2);

        // The load: the whole tree read again below the root while a node shows.
        form->SelectNode(root->Child(0));
        RevertToSaved(tree);
        ASSERT_EQ(root->ChildCount(), 2);
        TTreeNode* friends = tree.FindPath(QStringLiteral("My Contacts/Friends"));
        ASSERT_NE(friends, nullptr);

        // The import, with the list showing the root it lands in.
        form->SelectNode(root);
        EXPECT_EQ(ExchangeFile::ImportExchangeFile(tree, QStringLiteral("more.zvd")), 2);
        TTreeNode* imported = tree.FindPath(QStringLiteral("My Contacts/Imported"));
        ASSERT_NE(imported, nullptr);

        // The drag: a person node dropped onto another folder.
        TTreeNode* ann = tree.FindPath(QStringLiteral("My Contacts/Friends/Ann"));
        ASSERT_NE(ann, nullptr);
        QMimeData data;
        DragPayload::PutNodes(data, {ann});
        form->SelectNode(friends);
        ASSERT_TRUE(form->Drops().DropOnNode(&data, imported));
        EXPECT_EQ(ann->Parent(), imported);

        // The delete of the node the list shows.
        form->SelectNode(imported);
        form->Tree().DeleteNode(imported);
        EXPECT_EQ(root->ChildCount(), 2);
        EXPECT_EQ(form->FolderModel()->rowCount(form->FolderModel()->IndexOf(root)), 2);
    }
    QDir::setCurrent(QDir::tempPath());
}
