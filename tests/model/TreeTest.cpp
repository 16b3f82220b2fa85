#include "RecordingHost.h"
#include "TreeBuilder.h"

#include "model/Clock.h"
#include "model/Exceptions.h"
#include "model/FolderObject.h"
#include "model/HelperThreads.h"
#include "model/ReminderObject.h"
#include "model/TextRules.h"
#include "model/TreeOps.h"

#include <gtest/gtest.h>

namespace {
QStringList ChildTitles(const TTreeNode* node)
{
    QStringList titles;
    for (const auto& child : node->Children())
        titles.append(child->Item()->Title());
    return titles;
}

class TreeTest : public ::testing::Test
{
protected:
    void SetUp() override { Clock::SetFixed(QDateTime(QDate(2026, 12, 8), QTime(12, 0))); }
    void TearDown() override { Clock::SetFixed(QDateTime()); }

    TItemTree tree;
    TTreeNode* root = tree.CreateRoot();
};
} // namespace

TEST_F(TreeTest, RootIsMyContactsWithItsFixedIdAndImage)
{
    EXPECT_EQ(root->Item()->Title(), QStringLiteral("My Contacts"));
    EXPECT_EQ(root->Item()->Id(), 32892645);
    EXPECT_EQ(root->Item()->ClassCode(), 11);
    EXPECT_EQ(root->ImageIndex(), 12);
    EXPECT_EQ(root->SelectedImageIndex(), 12);
    EXPECT_EQ(root->AbsoluteIndex(), 0);
}

TEST_F(TreeTest, ContainersGetNodesAndLeavesJoinTheirHoldersContents)
{
    TTreeNode* folder = AddContainer(root, 0, QStringLiteral("Business"));
    TTreeNode* person = AddContainer(folder, 3, QStringLiteral("Jane"));
    TZVBObject* phone = AddLeaf(person, 6, QStringLiteral("Office"), QStringLiteral("555"));
    EXPECT_EQ(folder->ImageIndex(), 0);
    EXPECT_EQ(folder->SelectedImageIndex(), 10);
    EXPECT_EQ(person->SelectedImageIndex(), 3);
    EXPECT_EQ(phone->Node(), person);
    EXPECT_EQ(phone->Holder(), person->Item());
    EXPECT_EQ(person->Item()->Holder(), folder->Item());
    EXPECT_EQ(ContentCount(person->Item()), 1);
    EXPECT_EQ(ContentAt(person->Item(), 0)->Item(), phone);
    EXPECT_EQ(ContentAt(person->Item(), 1), nullptr);
    // Any container may hold any item.
    EXPECT_NE(AddContainer(person, 1, QStringLiteral("Org inside a person")), nullptr);
}

TEST_F(TreeTest, RetitlingSortsSiblingsFoldersFirstIgnoringCase)
{
    AddContainer(root, 3, QStringLiteral("zed"));
    AddContainer(root, 0, QStringLiteral("Work"));
    TTreeNode* b = AddContainer(root, 4, QStringLiteral("x"));
    AddContainer(root, 0, QStringLiteral("archive"));
    b->Item()->SetTitle(QStringLiteral("Bee"));
    EXPECT_EQ(ChildTitles(root), (QStringList{QStringLiteral("archive"), QStringLiteral("Work"), QStringLiteral("Bee"),
                                              QStringLiteral("zed")}));
    EXPECT_EQ(b->Row(), 2);
}

TEST_F(TreeTest, SiblingsOfTheSameTitleKeepTheirOrderThroughABulkSort)
{
    // Many siblings, few titles, spelt in different cases and named out of
    // order, as an import names them: a sort that let equal titles trade
    // places would shuffle a user's same-named entries on every import.
    // Thousands of siblings are sorted in two halves on two threads where
    // the program allows it, and the halves merged: the order must be the
    // same, folders first.
    const QStringList titles{u"ann"_qs, u"Bob"_qs, u"ANN"_qs, u"carl"_qs, u"Ann"_qs, u"BOB"_qs, u"Zoë"_qs, u"ZOË"_qs,
                             u"zoe"_qs};
    struct Reset
    {
        ~Reset() { HelperThreads::Allow(false); }
    } reset;
    for (const int count : {300, 9000}) {
        TItemTree sorted;
        TTreeNode* top = sorted.CreateRoot();
        HelperThreads::Allow(count > 300);
        {
            TItemTree::SortBatch batch(sorted);
            for (int i = 0; i < count; ++i) {
                TTreeNode* node = AddContainer(top, i % 11 == 0 ? 0 : 3, QString());
                node->Item()->SetComment(QString::number(i));
                node->Item()->SetTitle(titles[(i * 7) % titles.size()]);
            }
        }
        ASSERT_EQ(top->ChildCount(), count);
        const TZVBObject* previous = nullptr;
        for (const auto& child : top->Children()) {
            const TZVBObject* item = child->Item();
            ASSERT_EQ(child->Row(), &child - top->Children().data());
            if (previous && previous->ClassCode() == item->ClassCode()) {
                const int order = TextRules::CompareWithoutCase(previous->Title(), item->Title());
                ASSERT_LE(order, 0) << count;
                if (order == 0) {
                    ASSERT_GT(item->Comment().toInt(), previous->Comment().toInt()) << count << " " << item->Title().toStdString();
                }
            } else if (previous) {
                ASSERT_EQ(previous->ClassCode(), 0) << "folders come first";
            }
            previous = item;
        }
        // Sorted again, nothing moves.
        QList<const TTreeNode*> before;
        for (const auto& child : top->Children())
            before.append(child.get());
        sorted.SortChildren(top);
        for (int i = 0; i < count; ++i)
            ASSERT_EQ(top->Child(i), before[i]);
    }
}

TEST_F(TreeTest, PositionsAndSubtreeSizesFollowChanges)
{
    TTreeNode* a = AddContainer(root, 0, QStringLiteral("A"));
    TTreeNode* a1 = AddContainer(a, 0, QStringLiteral("A1"));
    TTreeNode* b = AddContainer(root, 0, QStringLiteral("B"));
    EXPECT_EQ(tree.Count(), 4);
    EXPECT_EQ(a1->AbsoluteIndex(), 2);
    EXPECT_EQ(b->AbsoluteIndex(), 3);
    EXPECT_EQ(a->SubtreeSize(), 2);
    EXPECT_EQ(tree.NodeAt(3), b);
    ASSERT_TRUE(tree.MoveNode(b, a1));
    EXPECT_EQ(b->AbsoluteIndex(), 3);
    EXPECT_EQ(a->SubtreeSize(), 3);
    tree.DeleteNode(a1);
    EXPECT_EQ(tree.Count(), 2);
    EXPECT_EQ(root->SubtreeSize(), 2);
}

TEST_F(TreeTest, MovesIntoItselfOrItsOwnSubtreeOrOfTheRootAreRefused)
{
    TTreeNode* a = AddContainer(root, 0, QStringLiteral("A"));
    TTreeNode* a1 = AddContainer(a, 0, QStringLiteral("A1"));
    EXPECT_FALSE(tree.MoveNode(a, a));
    EXPECT_FALSE(tree.MoveNode(a, a1));
    EXPECT_FALSE(tree.MoveNode(root, a));
    EXPECT_EQ(a1->Parent(), a);
    EXPECT_EQ(tree.TopCount(), 1);
}

TEST_F(TreeTest, PathsNameNodesFromTheRootDown)
{
    TTreeNode* business = AddContainer(root, 0, QStringLiteral("Business"));
    TTreeNode* acme = AddContainer(business, 1, QStringLiteral("Acme"));
    EXPECT_EQ(tree.FindPath(QStringLiteral("My Contacts/Business/Acme")), acme);
    EXPECT_EQ(tree.FindPath(QStringLiteral("My Contacts/business")), nullptr);
    EXPECT_EQ(TItemTree::PathOf(acme), QStringLiteral("My Contacts/Business/Acme"));
}

TEST_F(TreeTest, FindChildLooksAtContentsThenChildNodesByExactTitleAndClass)
{
    TTreeNode* person = AddContainer(root, 3, QStringLiteral("P"));
    TZVBObject* phone = AddLeaf(person, 6, QStringLiteral("Home"));
    TZVBObject* fax = AddLeaf(person, 8, QStringLiteral("Home"));
    TTreeNode* site = AddContainer(person, 4, QStringLiteral("Home"));
    EXPECT_EQ(FindChild(person->Item(), QStringLiteral("Home"), 6)->Item(), phone);
    EXPECT_EQ(FindChild(person->Item(), QStringLiteral("Home"), 8)->Item(), fax);
    EXPECT_EQ(FindChild(person->Item(), QStringLiteral("Home"), 4)->Item(), site->Item());
    EXPECT_EQ(FindChild(person->Item(), QStringLiteral("home"), 6), nullptr);
    EXPECT_EQ(FindChild(person->Item(), QString(), 6), nullptr);
}

TEST_F(TreeTest, FindByNumberComparesDigitsOfPhonesAndFaxesOnly)
{
    TTreeNode* person = AddContainer(root, 3, QStringLiteral("P"));
    AddLeaf(person, 7, QStringLiteral("mail"), QStringLiteral("15550107788"));
    TZVBObject* phone = AddLeaf(person, 6, QStringLiteral("phone"), QStringLiteral("+1 (555) 010-7788"));
    EXPECT_EQ(FindByNumber(person->Item(), QStringLiteral("15550107788"))->Item(), phone);
    EXPECT_EQ(FindByNumber(person->Item(), QStringLiteral("5550107788")), nullptr);
    EXPECT_EQ(FindByNumber(person->Item(), QString()), nullptr);
    TTreeNode* other = AddContainer(root, 3, QStringLiteral("Q"));
    TZVBObject* fax = AddLeaf(other, 8, QStringLiteral("fax"), QStringLiteral("1.555.010.7788"));
    EXPECT_EQ(FindByNumber(other->Item(), QStringLiteral("15550107788"))->Item(), fax);
}

TEST_F(TreeTest, FindByWordMatchesAtTheStartOfAWordOnly)
{
    TTreeNode* folder = AddContainer(root, 0, QStringLiteral("F"));
    AddLeaf(folder, 6, QStringLiteral("Jamie"));
    TZVBObject* jane = AddLeaf(folder, 6, QStringLiteral("Jane Miller"));
    EXPECT_EQ(FindByWord(folder->Item(), QStringLiteral("mi"))->Item(), jane);
    EXPECT_FALSE(TitleMatchesWord(QStringLiteral("Blacksmith Smith"), QStringLiteral("sm")));
    EXPECT_TRUE(TitleMatchesWord(QStringLiteral("John Smith"), QStringLiteral("sm")));
    EXPECT_FALSE(TitleMatchesWord(QStringLiteral("Blacksmith"), QStringLiteral("sm")));
}

TEST_F(TreeTest, DueDatesCountOnEveryAncestorButTheRoot)
{
    TTreeNode* b = AddContainer(root, 0, QStringLiteral("B"));
    TTreeNode* a = AddContainer(b, 0, QStringLiteral("A"));
    auto* due = static_cast<TReminderObject*>(AddLeaf(a, 9, QStringLiteral("today"), {}, QStringLiteral("{Remd}2026,12,8,0~~0")));
    EXPECT_EQ(due->Due(), 1);
    EXPECT_EQ(due->ImageIndex(), 11);
    EXPECT_EQ(a->Item()->DueCount(), 1);
    EXPECT_EQ(b->Item()->DueCount(), 1);
    EXPECT_EQ(a->StateIndex(), 1);
    EXPECT_EQ(b->StateIndex(), 1);
    EXPECT_EQ(root->Item()->DueCount(), 0);
    EXPECT_EQ(root->StateIndex(), -1);

    auto* future = static_cast<TReminderObject*>(AddLeaf(b, 9, QStringLiteral("later"), {}, QStringLiteral("{Remd}2027,1,1,0~~0")));
    EXPECT_EQ(future->Due(), 0);
    EXPECT_EQ(future->ImageIndex(), 9);
    EXPECT_EQ(b->Item()->DueCount(), 1);

    // Advancing to a future date lowers the counts again.
    due->AdvanceDate();
    EXPECT_EQ(due->Due(), 0);
    EXPECT_EQ(a->StateIndex(), -1);
    EXPECT_EQ(b->Item()->DueCount(), 0);
}

TEST_F(TreeTest, DeletingOrMovingDueItemsKeepsTheCountsRight)
{
    TTreeNode* b = AddContainer(root, 0, QStringLiteral("B"));
    TTreeNode* a = AddContainer(b, 0, QStringLiteral("A"));
    TTreeNode* c = AddContainer(root, 0, QStringLiteral("C"));
    const ItemHandle due = CreateItem(9, QStringLiteral("due"), {}, 0, QStringLiteral("{Remd}2000,1,1,0~~0"), a, {});
    MoveLeaf(a->Item(), due.ref, c);
    EXPECT_EQ(b->Item()->DueCount(), 0);
    EXPECT_EQ(c->Item()->DueCount(), 1);
    ASSERT_TRUE(tree.MoveNode(c, a));
    EXPECT_EQ(a->Item()->DueCount(), 1);
    EXPECT_EQ(b->Item()->DueCount(), 1);
    tree.DeleteNode(c);
    EXPECT_EQ(a->Item()->DueCount(), 0);
    EXPECT_EQ(b->StateIndex(), -1);
}

TEST_F(TreeTest, RemoteFoldersRefuseNewItemsExceptDuringTheirRefresh)
{
    TTreeNode* remote = AddContainer(root, 0, QStringLiteral("R"), QStringLiteral("/nowhere/r.zvd"));
    EXPECT_TRUE(remote->Item()->IsRemote());
    EXPECT_EQ(remote->ImageIndex(), 14);
    EXPECT_EQ(remote->SelectedImageIndex(), 15);
    try {
        AddLeaf(remote, 6, QStringLiteral("x"));
        FAIL() << "no ERemoteParent";
    } catch (const ERemoteParent& e) {
        EXPECT_EQ(e.Message(), QStringLiteral("Cannot create new records within a remote (read-only) folder"));
    }
    EXPECT_EQ(ContentCount(remote->Item()), 0);
    TTreeNode* inner = nullptr;
    {
        RemoteLoadScope loading;
        inner = AddContainer(remote, 0, QStringLiteral("inner"));
    }
    EXPECT_TRUE(inner->Item()->InRemote());
    EXPECT_THROW(AddLeaf(inner, 6, QStringLiteral("y")), ERemoteParent);
    EXPECT_FALSE(RemoteLoadInProgress());
}

TEST_F(TreeTest, FolderSourceChangesRemoveItsItemsOnlyWhenTheSourceIsNew)
{
    TTreeNode* folder = AddContainer(root, 0, QStringLiteral("F"));
    AddContainer(folder, 0, QStringLiteral("child"));
    AddLeaf(folder, 6, QStringLiteral("leaf"));
    auto* item = static_cast<TFolderObject*>(folder->Item());
    item->SetValue(QString());
    EXPECT_EQ(folder->ChildCount(), 1);
    item->SetValue(QStringLiteral("/srv/a.zvd"));
    EXPECT_EQ(folder->ChildCount(), 0);
    EXPECT_EQ(ContentCount(item), 0);
    EXPECT_EQ(folder->ImageIndex(), 14);
    {
        RemoteLoadScope loading;
        AddLeaf(folder, 6, QStringLiteral("fetched"));
    }
    item->SetValue(QStringLiteral("/srv/a.zvd"));
    EXPECT_EQ(ContentCount(item), 1);
    // Cleared: an ordinary folder that keeps what it holds.
    item->SetValue(QString());
    EXPECT_FALSE(item->IsRemote());
    EXPECT_EQ(ContentCount(item), 1);
    EXPECT_FALSE(ContentAt(item, 0)->Item()->InRemote());
    EXPECT_EQ(folder->ImageIndex(), 0);
}

TEST_F(TreeTest, PopUpEntriesFollowTheClassAndThePrimaryLinks)
{
    const auto shows = [](const TZVBObject* item, ListMenuEntry e) {
        ListMenuMask menu;
        item->AdjustListMenu(menu);
        return menu.Shows(e);
    };
    TTreeNode* person = AddContainer(root, 3, QStringLiteral("P"), {}, QStringLiteral("{Pers}~~~~~~~~~~Cell~~~~~~~~0"));
    EXPECT_TRUE(shows(person->Item(), ListMenuEntry::Open));
    EXPECT_TRUE(shows(person->Item(), ListMenuEntry::Dial));
    EXPECT_FALSE(shows(person->Item(), ListMenuEntry::SendMail));
    EXPECT_FALSE(shows(person->Item(), ListMenuEntry::Browse));
    TZVBObject* fax = AddLeaf(person, 8, QStringLiteral("f"));
    EXPECT_TRUE(shows(fax, ListMenuEntry::SendFax));
    EXPECT_TRUE(shows(fax, ListMenuEntry::Dial));
    EXPECT_FALSE(shows(fax, ListMenuEntry::Open));
    TZVBObject* address = AddLeaf(person, 5, QStringLiteral("a"));
    for (int e = 0; e < kListMenuEntryCount; ++e)
        EXPECT_FALSE(shows(address, static_cast<ListMenuEntry>(e)));
    EXPECT_TRUE(shows(AddLeaf(person, 9, QStringLiteral("d")), ListMenuEntry::AdvanceDate));
    EXPECT_TRUE(shows(AddLeaf(person, 10, QStringLiteral("doc")), ListMenuEntry::Launch));
    EXPECT_TRUE(shows(AddContainer(root, 4, QStringLiteral("w"))->Item(), ListMenuEntry::Browse));
    EXPECT_TRUE(shows(root->Item(), ListMenuEntry::Open));
}

TEST_F(TreeTest, ActionsGoThroughTheHostAndPrimaryLinksResolveOnEachUse)
{
    RecordingHost host;
    TTreeNode* person = AddContainer(root, 3, QStringLiteral("P"), {}, QStringLiteral("{Pers}~~~~~~~~~~Cell~~~~~~Site~~0"));
    person->Item()->Dial();
    EXPECT_TRUE(host.calls.isEmpty()); // the link dangles
    AddLeaf(person, 6, QStringLiteral("Cell"), QStringLiteral("555-1234"));
    AddContainer(person, 4, QStringLiteral("Site"), QStringLiteral("http://example.org"));
    person->Item()->Dial();
    person->Item()->Browse();
    EXPECT_EQ(host.calls, (QStringList{QStringLiteral("dial Cell 555-1234"), QStringLiteral("browse http://example.org")}));
    host.calls.clear();
    person->Item()->DefaultAction();
    EXPECT_EQ(host.calls, QStringList{QStringLiteral("select P")});
    // A new person whose dialog is cancelled answers false.
    EXPECT_FALSE(person->Item()->EditNew(person));
    host.onEdit = [](TZVBObject&, bool) { return true; };
    EXPECT_TRUE(person->Item()->EditNew(person));
    // Folders and teams are named in place.
    TTreeNode* folder = AddContainer(root, 0, QStringLiteral("New Folder"));
    EXPECT_TRUE(folder->Item()->EditNew(folder));
    EXPECT_EQ(host.calls.last(), QStringLiteral("rename New Folder"));
}

TEST_F(TreeTest, ToolsPassTheirParametersOnlyFromTwoCharactersOn)
{
    RecordingHost host;
    TTreeNode* folder = AddContainer(root, 0, QStringLiteral("F"));
    AddLeaf(folder, 12, QStringLiteral("bare"), {}, QStringLiteral("{Tool}/usr/bin/tool~~~~0"))->Launch();
    AddLeaf(folder, 12, QStringLiteral("one"), QStringLiteral("x"), QStringLiteral("{Tool}/usr/bin/tool~~~~0"))->Launch();
    AddLeaf(folder, 12, QStringLiteral("both"), QStringLiteral("file"), QStringLiteral("{Tool}/opt/t/run~~-v~~0"))->Launch();
    EXPECT_EQ(host.calls, (QStringList{QStringLiteral("open /usr/bin/tool [] in /usr/bin"),
                                       QStringLiteral("open /usr/bin/tool [ x] in /usr/bin"),
                                       QStringLiteral("open /opt/t/run [-v file] in /opt/t")}));
}
