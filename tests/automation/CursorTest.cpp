#include "FakeAutomationHost.h"
#include "RecordingHost.h"
#include "TreeBuilder.h"

#include "automation/AutomationError.h"
#include "automation/AutomationNames.h"
#include "automation/TZivoApp.h"
#include "model/TreeObserver.h"
#include "model/TreeOps.h"

#include <gtest/gtest.h>

namespace {

// My Contacts (0) with the leaf "Operator"
//   Business (1)
//     Acme (2) with the leaf "Main"
//   Friends (3)
//     Alice (4) with the leaves "Home" and "Mail"
class CursorTest : public ::testing::Test
{
protected:
    CursorTest()
    {
        TTreeNode* root = host.tree.Root();
        business = AddContainer(root, ClassCode::Folder, QStringLiteral("Business"));
        acme = AddContainer(business, ClassCode::Organization, QStringLiteral("Acme"));
        friends = AddContainer(root, ClassCode::Folder, QStringLiteral("Friends"));
        alice = AddContainer(friends, ClassCode::Person, QStringLiteral("Alice"));
        operatorPhone = AddLeaf(root, ClassCode::Phone, QStringLiteral("Operator"), QStringLiteral("0"));
        acmePhone = AddLeaf(acme, ClassCode::Phone, QStringLiteral("Main"), QStringLiteral("555-1000"));
        homePhone = AddLeaf(alice, ClassCode::Phone, QStringLiteral("Home"), QStringLiteral("555-2000"),
                            QStringLiteral("{Phon}12~~0"));
        aliceMail = AddLeaf(alice, ClassCode::EMail, QStringLiteral("Mail"), QStringLiteral("alice@example.org"));
    }

    FakeAutomationHost host;
    TTreeNode* business;
    TTreeNode* acme;
    TTreeNode* friends;
    TTreeNode* alice;
    TZVBObject* operatorPhone;
    TZVBObject* acmePhone;
    TZVBObject* homePhone;
    TZVBObject* aliceMail;
};

struct ChangeRecorder : TreeObserver
{
    void NodeChanged(TTreeNode* node) override { nodes.push_back(node); }
    void ContentsChanged(TZVBObject* container) override { containers.push_back(container); }
    std::vector<TTreeNode*> nodes;
    std::vector<TZVBObject*> containers;
};

void ExpectAt(const TZivoApp& app, int index, const QString& title)
{
    EXPECT_EQ(app.CurrentItemIndex(), index);
    EXPECT_EQ(app.zivoTitle(), title);
}

} // namespace

TEST_F(CursorTest, ANewObjectStandsOnTheRootAndKeepsItsOwnCursor)
{
    TZivoApp first(host);
    EXPECT_EQ(first.zivoClass(), 11);
    EXPECT_EQ(first.CurrentItemIndex(), 0);
    EXPECT_EQ(first.zivoID(), kRootId);
    EXPECT_EQ(first.ItemCount(), 5);

    TZivoApp second(host);
    ASSERT_TRUE(first.Items(4));
    ExpectAt(first, 4, QStringLiteral("Alice"));
    ExpectAt(second, 0, QStringLiteral("My Contacts"));
}

TEST_F(CursorTest, IndexesOutsideTheirRangeAnswerFalseAndLeaveTheCursorAlone)
{
    TZivoApp app(host);
    ASSERT_TRUE(app.Items(2));
    EXPECT_FALSE(app.Items(app.ItemCount()));
    EXPECT_FALSE(app.Items(-1));
    ExpectAt(app, 2, QStringLiteral("Acme"));

    EXPECT_EQ(app.ChildCount(), 1);
    EXPECT_FALSE(app.Child(1));
    EXPECT_FALSE(app.Child(-1));
    ExpectAt(app, 2, QStringLiteral("Acme"));

    EXPECT_FALSE(app.UserSelected(1));
    EXPECT_FALSE(app.UserSelected(-1));
    host.activePane = QStringLiteral("MainItems");
    host.selectedItems = {operatorPhone};
    EXPECT_FALSE(app.UserSelected(1));
    EXPECT_FALSE(app.UserSelected(-5));
    ExpectAt(app, 2, QStringLiteral("Acme"));
}

TEST_F(CursorTest, ChildCountsNodesFirstAndThenLeaves)
{
    TZivoApp app(host);
    EXPECT_EQ(app.ChildCount(), 3);
    ASSERT_TRUE(app.Child(1));
    // The item moves; the node stays.
    ExpectAt(app, 0, QStringLiteral("Friends"));
    EXPECT_EQ(app.zivoClass(), ClassCode::Folder);
    ASSERT_TRUE(app.Child(2));
    EXPECT_EQ(app.zivoTitle(), QStringLiteral("Operator"));
    EXPECT_EQ(app.zivoClass(), ClassCode::Phone);

    ASSERT_TRUE(app.Items(4));
    EXPECT_EQ(app.ChildCount(), 2);
    ASSERT_TRUE(app.Child(0));
    EXPECT_EQ(app.zivoTitle(), QStringLiteral("Home"));
}

TEST_F(CursorTest, NextSiblingIndexFallsBackToTheLastChildThenZero)
{
    TZivoApp app(host);
    EXPECT_EQ(app.NextSiblingIndex(), 3); // the root has no sibling: its last child
    ASSERT_TRUE(app.Items(1));
    EXPECT_EQ(app.NextSiblingIndex(), 3);
    ASSERT_TRUE(app.Items(3));
    EXPECT_EQ(app.NextSiblingIndex(), 4);
    ASSERT_TRUE(app.Items(4));
    EXPECT_EQ(app.NextSiblingIndex(), 0);
}

TEST_F(CursorTest, ItemWithIdFindsALeafAndStandsOnItsHolder)
{
    TZivoApp app(host);
    ASSERT_TRUE(app.ItemWithId(homePhone->Id()));
    ExpectAt(app, 4, QStringLiteral("Home"));
    EXPECT_EQ(app.zivoClass(), ClassCode::Phone);
    EXPECT_EQ(app.zivoTarget(), QStringLiteral("555-2000"));
    EXPECT_EQ(app.zivoField(QStringLiteral("Title")), QStringLiteral("\"Home\","));
    EXPECT_EQ(app.zivoField(QStringLiteral("Extension")), QStringLiteral("\"12\","));
    EXPECT_EQ(app.zivoField(QStringLiteral("No Such Field")), QString());

    ASSERT_TRUE(app.ItemWithId(acme->Item()->Id()));
    ExpectAt(app, 2, QStringLiteral("Acme"));
    EXPECT_FALSE(app.ItemWithId(12345));
    ExpectAt(app, 2, QStringLiteral("Acme"));
}

TEST_F(CursorTest, ChangesReachTheItemAndEveryoneWatchingTheTree)
{
    ChangeRecorder recorder;
    host.tree.AddObserver(&recorder);
    TZivoApp app(host);
    ASSERT_TRUE(app.ItemWithId(homePhone->Id()));
    app.SetzivoTarget(QStringLiteral("555-3000"));
    app.SetzivoComment(QStringLiteral("evenings"));
    // A phone takes a row only with its title and number; the extension alone changes nothing.
    app.SetzivoField(QStringLiteral("Extension"), QStringLiteral("77"));
    EXPECT_EQ(homePhone->Value(), QStringLiteral("555-3000"));
    EXPECT_EQ(homePhone->Comment(), QStringLiteral("evenings"));
    EXPECT_EQ(app.zivoField(QStringLiteral("Extension")), QStringLiteral("\"12\","));
    EXPECT_EQ(std::count(recorder.containers.begin(), recorder.containers.end(), alice->Item()), 5);

    ASSERT_TRUE(app.Items(4));
    app.SetzivoField(QStringLiteral("First Name"), QStringLiteral("Alicia"));
    EXPECT_EQ(app.zivoField(QStringLiteral("First Name")), QStringLiteral("\"Alicia\","));
    app.SetzivoTitle(QStringLiteral("Alicia"));
    EXPECT_EQ(alice->Item()->Title(), QStringLiteral("Alicia"));
    EXPECT_GE(std::count(recorder.nodes.begin(), recorder.nodes.end(), alice), 2);
    EXPECT_EQ(host.shownChanges, 5);
    host.tree.RemoveObserver(&recorder);
}

TEST_F(CursorTest, InsertMakesEveryClassBelowTheCurrentNode)
{
    TZivoApp app(host);
    ASSERT_TRUE(app.Items(3));
    const int nodesBefore = host.tree.Count();
    for (int code : {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 12})
        app.Insert(code, u"New " + QString::number(code), QStringLiteral("v"), QStringLiteral("c"), QString());
    EXPECT_EQ(host.tree.Count(), nodesBefore + 5);
    EXPECT_EQ(friends->ChildCount(), 6);
    EXPECT_EQ(friends->Item()->Contents().size(), 7U);
    QList<int> codes;
    for (const auto& child : friends->Children())
        codes.append(child->Item()->ClassCode());
    for (const auto& entry : friends->Item()->Contents())
        codes.append(entry->Item()->ClassCode());
    std::sort(codes.begin(), codes.end());
    EXPECT_EQ(codes, (QList<int>{0, 1, 2, 3, 3, 4, 5, 6, 7, 8, 9, 10, 12}));
    // The cursor stays; new containers take their sorted places.
    ExpectAt(app, 3, QStringLiteral("Friends"));
    EXPECT_EQ(friends->Child(0)->Item()->ClassCode(), ClassCode::Folder);

    app.Insert(ClassCode::Phone, QStringLiteral("Desk"), QStringLiteral("555-4000"), QString(),
               QStringLiteral("{Phon}31~~5"));
    ASSERT_TRUE(app.Child(app.ChildCount() - 1));
    EXPECT_EQ(app.zivoField(QStringLiteral("Extension")), QStringLiteral("\"31\","));
    EXPECT_EQ(app.CurrentItem()->Categories(), 5U);
    EXPECT_EQ(host.shownChanges, 13);
}

TEST_F(CursorTest, InsertRefusesWhatWouldMakeABrokenItem)
{
    TZivoApp app(host);
    const int nodes = host.tree.Count();
    const auto leaves = host.tree.Root()->Item()->Contents().size();
    const auto refused = [&](int code, const QString& details) {
        try {
            app.Insert(code, QStringLiteral("x"), QString(), QString(), details);
        } catch (const EAutomationError& e) {
            EXPECT_EQ(e.ErrorName(), AutomationNames::ErrorBadArgument());
            return e.Message();
        }
        return QStringLiteral("accepted");
    };
    EXPECT_EQ(refused(13, {}), QStringLiteral("Unknown class code 13"));
    EXPECT_EQ(refused(-1, {}), QStringLiteral("Unknown class code -1"));
    EXPECT_EQ(refused(256 + 6, {}), QStringLiteral("Unknown class code 262"));
    EXPECT_TRUE(refused(11, {}).contains(u"root"));
    EXPECT_EQ(refused(6, QStringLiteral("{Mail}0")),
              QStringLiteral("The details of class 6 must begin with \"{Phon}\""));
    EXPECT_TRUE(refused(9, QStringLiteral("{Remd}tomorrow~~0")).contains(u"tomorrow"));
    EXPECT_TRUE(refused(9, QStringLiteral("{Remd}2026,1~~0")).contains(u"2026,1"));
    EXPECT_EQ(refused(6, QStringLiteral("{Phon}1~~0\r\n{1 6 }x")), QStringLiteral("The details must be one line"));
    EXPECT_EQ(host.tree.Count(), nodes);
    EXPECT_EQ(host.tree.Root()->Item()->Contents().size(), leaves);

    app.Insert(ClassCode::Reminder, QStringLiteral("Birthday"), QString(), QString(),
               QStringLiteral("{Remd}2026,3,15,1~~0"));
    EXPECT_EQ(host.tree.Root()->Item()->Contents().size(), leaves + 1);
}

TEST_F(CursorTest, InsertBelowARemoteFolderFailsWithTheFixedMessage)
{
    TTreeNode* remote = AddContainer(host.tree.Root(), ClassCode::Folder, QStringLiteral("Shared"),
                                     QStringLiteral("/nowhere/shared.zvd"));
    TZivoApp app(host);
    ASSERT_TRUE(app.Items(remote->AbsoluteIndex()));
    try {
        app.Insert(ClassCode::Phone, QStringLiteral("x"), QString(), QString(), QString());
        FAIL() << "inserted below a remote folder";
    } catch (const ERemoteParent& e) {
        EXPECT_EQ(e.Message(), QStringLiteral("Cannot create new records within a remote (read-only) folder"));
    }
    EXPECT_TRUE(remote->Item()->Contents().empty());

    // Its own records cannot be changed either; the folder itself can be renamed.
    TTreeNode* inside = nullptr;
    {
        RemoteLoadScope refreshing;
        inside = AddContainer(remote, ClassCode::Person, QStringLiteral("Copied"));
    }
    ASSERT_TRUE(app.Items(inside->AbsoluteIndex()));
    try {
        app.SetzivoTitle(QStringLiteral("Changed"));
        FAIL() << "changed a record of a remote folder";
    } catch (const EAutomationError& e) {
        EXPECT_EQ(e.ErrorName(), AutomationNames::ErrorReadOnlyFolder());
    }
    EXPECT_THROW(app.SetzivoField(QStringLiteral("Last Name"), QStringLiteral("x")), EAutomationError);
    EXPECT_EQ(inside->Item()->Title(), QStringLiteral("Copied"));
    ASSERT_TRUE(app.Items(remote->AbsoluteIndex()));
    app.SetzivoTitle(QStringLiteral("Shared (copy)"));
    EXPECT_EQ(remote->Item()->Title(), QStringLiteral("Shared (copy)"));
}

TEST_F(CursorTest, TheCursorLetsGoOfWhatIsDeletedUnderIt)
{
    TZivoApp onLeaf(host);
    TZivoApp onNode(host);
    TZivoApp onChild(host);
    ASSERT_TRUE(onLeaf.ItemWithId(aliceMail->Id()));
    ASSERT_TRUE(onNode.Items(4));
    ASSERT_TRUE(onChild.Child(0)); // Business, seen from the root

    DeleteContent(alice->Item(), alice->Item()->Contents().back().get());
    EXPECT_EQ(onLeaf.zivoID(), 0);
    EXPECT_EQ(onLeaf.zivoTitle(), QString());
    EXPECT_EQ(onLeaf.CurrentItemIndex(), 4);
    EXPECT_THROW(onLeaf.SetzivoTitle(QStringLiteral("x")), EAutomationError);

    host.tree.DeleteNode(friends);
    EXPECT_EQ(onNode.zivoClass(), 0);
    EXPECT_EQ(onNode.ChildCount(), 0);
    EXPECT_EQ(onNode.NextSiblingIndex(), 0);
    EXPECT_THROW(onNode.Insert(ClassCode::Phone, QStringLiteral("x"), {}, {}, {}), EAutomationError);
    EXPECT_THROW(onNode.DoDefaultAction(), EAutomationError);
    // A lost cursor finds its way back through the tree.
    EXPECT_TRUE(onNode.Items(0));
    EXPECT_EQ(onNode.zivoClass(), 11);

    host.tree.DeleteNode(business);
    EXPECT_EQ(onChild.zivoTitle(), QString());
    EXPECT_EQ(onChild.ChildCount(), 1); // still on the root, with "Operator" left
}

TEST_F(CursorTest, AReloadOfTheTreeKeepsOnlyACursorOnTheRoot)
{
    TZivoApp onRoot(host);
    TZivoApp onAlice(host);
    ASSERT_TRUE(onAlice.Items(4));
    {
        TItemTree::ResetScope reset(host.tree);
        host.tree.DeleteChildren(host.tree.Root());
        AddContainer(host.tree.Root(), ClassCode::Folder, QStringLiteral("Reloaded"));
    }
    EXPECT_EQ(onRoot.ChildCount(), 2);
    ASSERT_TRUE(onRoot.Child(0));
    EXPECT_EQ(onRoot.zivoTitle(), QStringLiteral("Reloaded"));
    EXPECT_EQ(onAlice.CurrentItem(), nullptr);
    EXPECT_EQ(onAlice.CurrentNode(), nullptr);
}

TEST_F(CursorTest, UserSelectedFollowsThePaneThatHadTheFocus)
{
    TZivoApp app(host);
    host.selectedNode = friends;
    EXPECT_EQ(app.SelectCount(), 1);
    ASSERT_TRUE(app.UserSelected(0));
    ExpectAt(app, 3, QStringLiteral("Friends"));

    host.activePane = QStringLiteral("MainItems");
    host.selectedItems = {acme->Item(), operatorPhone};
    EXPECT_EQ(app.SelectCount(), 2);
    ASSERT_TRUE(app.UserSelected(1));
    ExpectAt(app, 0, QStringLiteral("Operator"));
    ASSERT_TRUE(app.UserSelected(0));
    ExpectAt(app, 2, QStringLiteral("Acme"));

    // An empty list selection falls back to the tree's node.
    host.selectedItems.clear();
    EXPECT_EQ(app.SelectCount(), 0);
    ASSERT_TRUE(app.UserSelected(0));
    ExpectAt(app, 3, QStringLiteral("Friends"));
}

TEST_F(CursorTest, NextItemWithTitleTakesTheFindsMatchOrAnswersFalse)
{
    TZivoApp app(host);
    host.find = [this](const QString&) {
        host.selectedNode = alice;
        host.selectedItems = {homePhone};
        return true;
    };
    ASSERT_TRUE(app.NextItemWithTitle(QStringLiteral("hom")));
    ExpectAt(app, 4, QStringLiteral("Home"));
    EXPECT_EQ(host.findTexts, QStringList{QStringLiteral("hom")});

    host.find = [](const QString&) { return false; };
    EXPECT_FALSE(app.NextItemWithTitle(QStringLiteral("zzz")));
    EXPECT_FALSE(app.NextItemWithTitle(QString()));
    ExpectAt(app, 4, QStringLiteral("Home"));
}

TEST_F(CursorTest, ClipboardAndDefaultActionWorkOnTheCurrentItem)
{
    RecordingHost desktop;
    TZivoApp app(host);
    ASSERT_TRUE(app.ItemWithId(acmePhone->Id()));
    app.CopyClipboard();
    EXPECT_EQ(host.clipboard, QStringLiteral("555-1000"));
    app.DoDefaultAction();
    ASSERT_EQ(desktop.calls.size(), 1);
    EXPECT_TRUE(desktop.calls.first().startsWith(u"dial ")) << qPrintable(desktop.calls.first());
    EXPECT_TRUE(desktop.calls.first().endsWith(u"555-1000")) << qPrintable(desktop.calls.first());
}
