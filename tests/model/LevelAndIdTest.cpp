#include "TreeBuilder.h"

#include "model/Database.h"
#include "model/Exceptions.h"
#include "model/ItemIdGenerator.h"
#include "model/RecordIO.h"
#include "model/TextCodec.h"
#include "model/TreeOps.h"

#include <gtest/gtest.h>

namespace {
QList<QString> FolderChain(int depth, int firstLevel = 1)
{
    QList<QString> lines;
    for (int i = 0; i < depth; ++i) {
        lines.append(QStringLiteral("{%1 0 }F%2~~~~~~%3").arg(firstLevel + i).arg(i).arg(i + 100));
        lines.append(QStringLiteral("{Fold}0"));
    }
    return lines;
}

int Depth(const TItemTree& tree)
{
    int deepest = 0;
    for (int i = 0; i < tree.Count(); ++i)
        deepest = std::max(deepest, tree.NodeAt(i)->Level());
    return deepest;
}

class Levels : public ::testing::Test
{
protected:
    TItemTree tree;
    TTreeNode* root = tree.CreateRoot();
    TTreeNode* mine = AddContainer(root, 0, QStringLiteral("Mine"));
};
} // namespace

// Levels used to be read as 16-bit numbers: 65,537 wrapped to 1 and
// 32,768 to a negative level, moving records out of the imported chain.
TEST_F(Levels, LevelsAreWholeNumbersAndNeverWrap)
{
    const QList<QString> lines = {
        QStringLiteral("{1 0 }Junk~~~~~~1"),     QStringLiteral("{Fold}0"),
        QStringLiteral("{65537 0 }Deep~~~~~~2"), QStringLiteral("{Fold}0"),
        QStringLiteral("{32768 6 }Phone~~~~~~3"), QStringLiteral("{Phon}~~0"),
    };
    RecordIO::ReadStats stats;
    RecordIO::ReadRecords(lines, 0, root, &stats);
    EXPECT_EQ(stats.created, 3);
    ASSERT_EQ(root->ChildCount(), 2) << "Mine and Junk, nothing else at the top";
    TTreeNode* junk = root->Child(1);
    ASSERT_EQ(junk->ChildCount(), 1) << "a jump of many levels attaches to the deepest open container";
    EXPECT_EQ(junk->Child(0)->Item()->Title(), QStringLiteral("Deep"));
    EXPECT_EQ(ContentCount(junk->Item()), 1) << "32768 is below Deep's level, not above the top";
    EXPECT_EQ(ContentCount(root->Item()), 0);
    EXPECT_EQ(mine->ChildCount(), 0);
}

TEST_F(Levels, LevelsBelowOneAreDamagedRecords)
{
    const QList<QString> lines = {
        QStringLiteral("{0 0 }Zero~~~~~~1"),   QStringLiteral("{Fold}0"),
        QStringLiteral("{-3 6 }Minus~~~~~~2"), QStringLiteral("{Phon}~~0"),
        QStringLiteral("{1 0 }Good~~~~~~3"),   QStringLiteral("{Fold}0"),
    };
    RecordIO::ReadStats stats;
    RecordIO::ReadRecords(lines, 0, mine, &stats);
    EXPECT_EQ(stats.damaged, 2);
    EXPECT_EQ(stats.created, 1);
    ASSERT_EQ(mine->ChildCount(), 1);
    EXPECT_EQ(mine->Child(0)->Item()->Title(), QStringLiteral("Good"));
    EXPECT_EQ(root->ChildCount(), 1);
}

TEST_F(Levels, ImportsDeeperThanTheCapAreRefusedWhole)
{
    AddLeaf(mine, 6, QStringLiteral("My phone"));
    QList<QString> lines = FolderChain(RecordIO::kMaxDepth + 5);
    lines.append({QStringLiteral("{1 6 }Top phone~~~~~~9"), QStringLiteral("{Phon}~~0")});
    lines.prepend(QStringLiteral("{Fold}0"));
    lines.prepend(QStringLiteral("{1 0 }First~~~~~~8"));
    try {
        RecordIO::ReadRecords(lines, 0, root);
        FAIL() << "a chain deeper than the cap was read";
    } catch (const EReadError& e) {
        EXPECT_TRUE(e.Message().contains(u"1000 levels")) << e.Message().toStdString();
    }
    ASSERT_EQ(root->ChildCount(), 1) << "everything the read made is gone again";
    EXPECT_EQ(ContentCount(mine->Item()), 1);
    EXPECT_EQ(tree.Count(), 2);
}

TEST_F(Levels, TheDeepestAllowedTreeSavesAndReadsBack)
{
    RecordIO::ReadRecords(FolderChain(RecordIO::kMaxDepth - 1), 0, mine);
    EXPECT_EQ(Depth(tree), RecordIO::kMaxDepth);
    const QString text = DatabaseText(tree);
    TItemTree copy;
    RecordIO::ReadRecords(TextCodec::Encode(text), 1, copy.CreateRoot());
    EXPECT_EQ(DatabaseText(copy), text);

    // Nothing grows the tree past what the reader reads back.
    TTreeNode* deepest = tree.NodeAt(tree.Count() - 1);
    EXPECT_THROW(AddContainer(deepest, 0, QStringLiteral("too deep")), EZendrivoError);
    TTreeNode* pair = AddContainer(root, 0, QStringLiteral("Pair"));
    AddContainer(pair, 0, QStringLiteral("Inner"));
    EXPECT_FALSE(tree.MoveNode(pair, deepest->Parent()));
    EXPECT_TRUE(tree.MoveNode(pair, mine));
}

TEST(ItemIds, EachRunSeedsItsOwnSequence)
{
    // Seeds came from the time of day in 8.64-second steps: two runs a
    // moment apart drew the very same ids.
    ItemIdGenerator first;
    ItemIdGenerator second;
    int same = 0;
    for (int i = 0; i < 10; ++i)
        same += first.NextId() == second.NextId();
    EXPECT_LT(same, 10);
}

TEST(ItemIds, NewIdsAreNeverOnesTheTreeHolds)
{
    TItemTree tree;
    TTreeNode* root = tree.CreateRoot();
    // The next id the shared generator would draw, taken by an item first.
    ItemIdGenerator peek = ItemIdGenerator::Shared();
    const std::int32_t next = peek.NextId();
    CreateItem(6, QStringLiteral("taken"), QString(), next, QString(), root, QString());
    const TZVBObject* fresh = AddLeaf(root, 6, QStringLiteral("fresh"));
    EXPECT_NE(fresh->Id(), next);
    EXPECT_TRUE(tree.HasId(next));
    EXPECT_TRUE(tree.HasId(fresh->Id()));
}

TEST(ItemIds, TheIdIndexFollowsInsertsAndDeletes)
{
    TItemTree tree;
    TTreeNode* root = tree.CreateRoot();
    TTreeNode* folder = CreateItem(0, QStringLiteral("F"), QString(), 501, QString(), root, QString()).node;
    TTreeNode* inner = CreateItem(0, QStringLiteral("G"), QString(), 502, QString(), folder, QString()).node;
    CreateItem(6, QStringLiteral("p"), QString(), 503, QString(), inner, QString());
    TZVBObject* leaf = CreateItem(6, QStringLiteral("q"), QString(), 504, QString(), root, QString()).Item();
    for (int id : {501, 502, 503, 504})
        EXPECT_TRUE(tree.HasId(id)) << id;

    MoveLeaf(root->Item(), leaf->Node() ? ContentAt(root->Item(), 0) : nullptr, folder);
    EXPECT_TRUE(tree.HasId(504)) << "a move keeps the id in the tree";
    tree.DeleteNode(folder);
    for (int id : {501, 502, 503, 504})
        EXPECT_FALSE(tree.HasId(id)) << id;

    CreateItem(6, QStringLiteral("r"), QString(), 505, QString(), root, QString());
    root->Item()->ClearContents();
    EXPECT_FALSE(tree.HasId(505));
    EXPECT_TRUE(tree.HasId(kRootId));
}
