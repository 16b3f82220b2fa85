#include "RecordingHost.h"
#include "TreeBuilder.h"

#include "model/TreeOps.h"
#include "ui/commands/ClipboardTransfer.h"
#include "ui/commands/DragPayload.h"
#include "ui/commands/DropCommands.h"
#include "ui/panes/FolderTreeModel.h"
#include "ui/commands/ItemCommands.h"
#include "ui/panes/ItemListModel.h"
#include "ui/panes/ItemListPane.h"
#include "ui/shell/TMainForm.h"

#include <QClipboard>
#include <QFocusEvent>
#include <QListView>
#include <QMessageBox>
#include <QDir>
#include <QGuiApplication>
#include <QMimeData>
#include <QTemporaryDir>
#include <QTreeView>
#include <QTimer>
#include <QApplication>
#include <QUrl>

#include <gtest/gtest.h>

namespace {
class ItemCommandsTest : public ::testing::Test
{
protected:
    ItemCommandsTest()
    {
        QDir::setCurrent(dir.path());
        form = std::make_unique<TMainForm>();
        root = form->Tree().Root();
        form->Commands().SetQuestion([this](const QString& caption, const QString& text) {
            questions.append(caption + u": " + text);
            return answer;
        });
        form->Drops().SetQuestion([this](const QString& text) {
            questions.append(text);
            return answer;
        });
    }
    ~ItemCommandsTest() override
    {
        form.reset();
        QDir::setCurrent(QDir::tempPath());
    }

    void UseList(TTreeNode* node, const QList<const TZVBObject*>& selected)
    {
        form->SelectNode(node);
        ItemListPane* pane = form->MainItems();
        pane->Selection()->clearSelection();
        for (const TZVBObject* item : selected)
            pane->Selection()->select(form->ListModel()->index(form->ListModel()->RowOf(item), 0),
                                      QItemSelectionModel::Select | QItemSelectionModel::Rows);
        QFocusEvent focus(QEvent::FocusIn);
        QCoreApplication::sendEvent(pane->IconView(), &focus);
    }

    void UseTree(TTreeNode* node)
    {
        form->SelectNode(node);
        QFocusEvent focus(QEvent::FocusIn);
        QCoreApplication::sendEvent(form->Folders(), &focus);
    }

    QTemporaryDir dir;
    RecordingHost* host = nullptr;
    std::unique_ptr<TMainForm> form;
    TTreeNode* root = nullptr;
    QStringList questions;
    bool answer = true;
};
} // namespace

TEST_F(ItemCommandsTest, NewItemsCancelledLeaveNothingButFoldersStay)
{
    RecordingHost recording; // every dialog is cancelled
    form->SelectNode(root);
    EXPECT_EQ(form->Commands().NewItem(3), nullptr);
    EXPECT_EQ(root->ChildCount(), 0);
    EXPECT_EQ(form->Commands().NewItem(6), nullptr);
    EXPECT_EQ(ContentCount(root->Item()), 0);
    TZVBObject* folder = form->Commands().NewItem(0);
    ASSERT_NE(folder, nullptr);
    EXPECT_EQ(folder->Title(), QStringLiteral("New Folder"));
    EXPECT_EQ(recording.calls.last(), QStringLiteral("rename New Folder"));
    EXPECT_EQ(root->ChildCount(), 1);
    recording.onEdit = [](TZVBObject&, bool) { return true; };
    EXPECT_NE(form->Commands().NewItem(7), nullptr);
    EXPECT_EQ(ContentCount(root->Item()), 1);
}

TEST_F(ItemCommandsTest, NewItemsBelowARemoteFolderAreRefused)
{
    TTreeNode* remote = AddContainer(root, 0, QStringLiteral("R"), QStringLiteral("/srv/none.zvd"));
    form->SelectNode(remote);
    QTimer::singleShot(0, [] {
        if (QWidget* box = QApplication::activeModalWidget())
            box->close();
    });
    EXPECT_EQ(form->Commands().NewItem(3), nullptr);
    EXPECT_EQ(remote->ChildCount(), 0);
}

TEST_F(ItemCommandsTest, DeletingThreeRowsAsksAboutTheSelectedItems)
{
    TTreeNode* folder = AddContainer(root, 0, QStringLiteral("F"));
    TZVBObject* a = AddLeaf(folder, 6, QStringLiteral("a"));
    TZVBObject* b = AddLeaf(folder, 7, QStringLiteral("b"));
    TTreeNode* c = AddContainer(folder, 3, QStringLiteral("c"));
    AddLeaf(c, 6, QStringLiteral("grandchild"));
    UseList(folder, {a, b, c->Item()});
    answer = false;
    form->Commands().Delete();
    ASSERT_EQ(questions.size(), 1);
    EXPECT_EQ(questions[0], QStringLiteral("Warning: Are you sure you want to delete the 3 selected items and all sub-items?"));
    EXPECT_EQ(ContentCount(folder->Item()), 2);
    answer = true;
    form->Commands().Delete();
    EXPECT_EQ(ContentCount(folder->Item()), 0);
    EXPECT_EQ(folder->ChildCount(), 0);
    // The root itself is never deleted.
    UseTree(root);
    form->Commands().Delete();
    EXPECT_EQ(questions.size(), 2);
}

TEST_F(ItemCommandsTest, CuttingAnAddressPutsRecordsAndTextOnTheClipboardWithoutAsking)
{
    TTreeNode* person = AddContainer(root, 3, QStringLiteral("Jane"));
    TZVBObject* address = AddLeaf(person, 5, QStringLiteral("Home"), QStringLiteral("1 Main St"),
                                  QStringLiteral("{Addr}1 Main St~~~~~~Springfield~~IL~~62701~~USA~~0"));
    UseList(person, {address});
    form->Commands().Cut();
    EXPECT_TRUE(questions.isEmpty());
    EXPECT_EQ(ContentCount(person->Item()), 0);
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    EXPECT_TRUE(ClipboardTransfer::Records(data).startsWith(QStringLiteral("{1 5 }Home~~1 Main St~~~~")));
    EXPECT_EQ(data->text(), QStringLiteral("1 Main St\r\nSpringfield, IL 62701\r\nUSA\r\n"));
}

TEST_F(ItemCommandsTest, CopyingAFolderCarriesItsGrandchildrenAndPasteGoesToTheSelectedNode)
{
    TTreeNode* folder = AddContainer(root, 0, QStringLiteral("F"));
    TTreeNode* child = AddContainer(folder, 0, QStringLiteral("Child"));
    TTreeNode* grandchild = AddContainer(child, 3, QStringLiteral("Grandchild"));
    AddLeaf(grandchild, 6, QStringLiteral("Phone"), QStringLiteral("555"));
    TTreeNode* target = AddContainer(root, 0, QStringLiteral("Target"));
    UseList(root, {folder->Item()});
    form->Commands().Copy();
    EXPECT_TRUE(QFile::exists(dir.filePath(QStringLiteral("clipdata.dat"))));

    // The list is the active pane; the paste still goes into the tree's node.
    form->SelectNode(target);
    UseList(target, {});
    form->Commands().Paste();
    TTreeNode* copy = form->Tree().FindPath(QStringLiteral("My Contacts/Target/F/Child/Grandchild"));
    ASSERT_NE(copy, nullptr);
    EXPECT_EQ(ContentCount(copy->Item()), 1);
    // The original is still there.
    EXPECT_NE(form->Tree().FindPath(QStringLiteral("My Contacts/F/Child/Grandchild")), nullptr);
}

TEST_F(ItemCommandsTest, PasteIgnoresAClipboardWithoutRecords)
{
    QGuiApplication::clipboard()->setText(QStringLiteral("{1 0 }Plain text~~~~~~1\r\n{Fold}0\r\n"));
    form->SelectNode(root);
    form->Commands().Paste();
    EXPECT_EQ(root->ChildCount(), 0);
}

TEST_F(ItemCommandsTest, DropsIntoTheirOwnSubtreeOrOfTheRootAreRefused)
{
    TTreeNode* a = AddContainer(root, 0, QStringLiteral("A"));
    TTreeNode* a1 = AddContainer(a, 0, QStringLiteral("A1"));
    TTreeNode* b = AddContainer(root, 0, QStringLiteral("B"));
    QMimeData data;
    DragPayload::PutNodes(data, {a});
    EXPECT_FALSE(form->Drops().DropOnNode(&data, a1));
    EXPECT_FALSE(form->Drops().DropOnNode(&data, a));
    QMimeData rootData;
    DragPayload::PutNodes(rootData, {root});
    EXPECT_FALSE(form->Drops().DropOnNode(&rootData, b));
    EXPECT_EQ(form->Tree().TopCount(), 1);
    EXPECT_TRUE(form->Drops().DropOnNode(&data, b));
    EXPECT_EQ(a->Parent(), b);
    // The model refuses node drags of the root altogether.
    EXPECT_EQ(form->FolderModel()->mimeData({form->FolderModel()->IndexOf(root)}), nullptr);
}

TEST_F(ItemCommandsTest, RowsDroppedOnANodeMoveThereWithTheirDueMarks)
{
    TTreeNode* from = AddContainer(root, 0, QStringLiteral("From"));
    TTreeNode* to = AddContainer(root, 0, QStringLiteral("To"));
    TZVBObject* due = AddLeaf(from, 9, QStringLiteral("Due"), {}, QStringLiteral("{Remd}2000,1,1,0~~0"));
    TTreeNode* person = AddContainer(from, 3, QStringLiteral("P"));
    form->SelectNode(from);
    QMimeData data;
    DragPayload::PutItems(data, {due, person->Item()});
    EXPECT_TRUE(form->Drops().DropOnNode(&data, to));
    EXPECT_EQ(ContentCount(to->Item()), 1);
    EXPECT_EQ(person->Parent(), to);
    EXPECT_EQ(from->Item()->DueCount(), 0);
    EXPECT_EQ(to->Item()->DueCount(), 1);
    EXPECT_EQ(form->ListModel()->rowCount(), 0);
}

TEST_F(ItemCommandsTest, ADocumentDroppedOnAPersonWithFaxAndMailAsksTwice)
{
    RecordingHost recording;
    TTreeNode* person = AddContainer(root, 3, QStringLiteral("Jane"), {}, QStringLiteral("{Pers}~~~~~~~~~~~~Fx~~Mail~~~~0"));
    AddLeaf(person, 8, QStringLiteral("Fx"), QStringLiteral("555-0100"));
    AddLeaf(person, 7, QStringLiteral("Mail"), QStringLiteral("jane@example.org"));
    TZVBObject* doc = AddLeaf(root, 10, QStringLiteral("Report"), QStringLiteral("/tmp/report.pdf"));
    QMimeData data;
    DragPayload::PutItems(data, {doc});
    EXPECT_TRUE(form->Drops().ListAccepts(&data, person->Item()));
    EXPECT_FALSE(form->Drops().ListAccepts(&data, doc));
    EXPECT_TRUE(form->Drops().DropOnList(&data, person->Item()));
    EXPECT_EQ(questions, (QStringList{QStringLiteral("Send document via Fax to Jane?"),
                                      QStringLiteral("Send document as an E-Mail attachment to Jane?")}));
    EXPECT_TRUE(recording.calls.contains(QStringLiteral("fax Fx 555-0100 /tmp/report.pdf")));
    EXPECT_TRUE(recording.calls.contains(QStringLiteral("mail jane@example.org /tmp/report.pdf")));
}

TEST_F(ItemCommandsTest, FilesFromTheFileManagerMakeOneDocumentForTheFirstFile)
{
    form->SelectNode(root);
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(QStringLiteral("/home/u/a.txt")), QUrl::fromLocalFile(QStringLiteral("/home/u/b.txt")),
                  QUrl::fromLocalFile(QStringLiteral("/home/u/c.txt"))});
    EXPECT_TRUE(form->Drops().DropOnList(&data, nullptr));
    ASSERT_EQ(ContentCount(root->Item()), 1);
    EXPECT_EQ(ContentAt(root->Item(), 0)->Item()->Title(), QStringLiteral("a.txt"));
    EXPECT_EQ(ContentAt(root->Item(), 0)->Item()->Value(), QStringLiteral("/home/u/a.txt"));
}

// When the copy fails (the clipboard file cannot be written), Cut used to
// show the error and then delete the items anyway.
TEST_F(ItemCommandsTest, CutDeletesOnlyWhatReachedTheClipboard)
{
    TTreeNode* person = AddContainer(root, 3, QStringLiteral("Jane"));
    TZVBObject* phone = AddLeaf(person, 6, QStringLiteral("Office"), QStringLiteral("555"));
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("clipdata.dat")));
    UseList(person, {phone});
    QString shown;
    QTimer closer;
    QObject::connect(&closer, &QTimer::timeout, [&shown] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            shown = box->text();
            box->reject();
        }
    });
    closer.start(10);
    form->Commands().Cut();
    closer.stop();
    EXPECT_TRUE(shown.contains(QStringLiteral("clipdata.dat"))) << shown.toStdString();
    EXPECT_EQ(ContentCount(person->Item()), 1) << "nothing reached the clipboard, so nothing is deleted";
}
