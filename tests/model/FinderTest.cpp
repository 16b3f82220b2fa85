#include "TreeBuilder.h"

#include "model/Finder.h"

#include <gtest/gtest.h>

namespace {
class FinderTest : public ::testing::Test
{
protected:
    QString Path(const Finder::Match& m) const
    {
        if (!m)
            return QStringLiteral("(none)");
        return TItemTree::PathOf(m.node) + (m.leaf ? u'/' + m.leaf->Title() : QString());
    }
    TItemTree tree;
    TTreeNode* root = tree.CreateRoot();
};
} // namespace

TEST_F(FinderTest, WordsMatchAtTheirStartAndOnlyTheFirstOccurrenceCounts)
{
    TTreeNode* folder = AddContainer(root, 0, QStringLiteral("People"));
    AddContainer(folder, 3, QStringLiteral("Blacksmith"));
    AddContainer(folder, 3, QStringLiteral("Blacksmith Smith"));
    EXPECT_FALSE(Finder::Locate(tree, 0, QStringLiteral("sm")));
    AddContainer(folder, 3, QStringLiteral("John Smith"));
    EXPECT_EQ(Path(Finder::Locate(tree, 0, QStringLiteral("SM"))), QStringLiteral("My Contacts/People/John Smith"));
}

TEST_F(FinderTest, RepeatedFindsMoveFromMatchToMatchAndWrap)
{
    TTreeNode* a = AddContainer(root, 0, QStringLiteral("Ann Lee"));
    TTreeNode* b = AddContainer(root, 0, QStringLiteral("Folder"));
    AddLeaf(b, 6, QStringLiteral("Lee office"));
    AddLeaf(b, 6, QStringLiteral("Lee home")); // never found: the next search starts after this container
    TTreeNode* c = AddContainer(b, 3, QStringLiteral("Bruce Lee"));
    Finder::Match m = Finder::Locate(tree, 0, QStringLiteral("lee"));
    EXPECT_EQ(m.node, a);
    m = Finder::Locate(tree, m.node->AbsoluteIndex(), QStringLiteral("lee"));
    EXPECT_EQ(Path(m), QStringLiteral("My Contacts/Folder/Lee office"));
    m = Finder::Locate(tree, m.node->AbsoluteIndex(), QStringLiteral("lee"));
    EXPECT_EQ(m.node, c);
    m = Finder::Locate(tree, m.node->AbsoluteIndex(), QStringLiteral("lee"));
    EXPECT_EQ(m.node, a); // wrapped
    // The start node itself is examined last.
    EXPECT_EQ(Finder::Locate(tree, c->AbsoluteIndex(), QStringLiteral("bruce")).node, c);
}

TEST_F(FinderTest, PhoneSearchComparesEveryDigit)
{
    TTreeNode* p = AddContainer(root, 3, QStringLiteral("P"));
    AddLeaf(p, 6, QStringLiteral("With country"), QStringLiteral("1-555-123-4567"));
    AddLeaf(p, 7, QStringLiteral("Mail"), QStringLiteral("5551234567"));
    EXPECT_FALSE(Finder::LocatePhone(tree, 0, QStringLiteral("(555) 123-4567")));
    TTreeNode* q = AddContainer(root, 3, QStringLiteral("Q"));
    AddLeaf(q, 8, QStringLiteral("Dotted fax"), QStringLiteral("555.123.4567"));
    EXPECT_EQ(Path(Finder::LocatePhone(tree, 0, QStringLiteral("(555) 123-4567"))), QStringLiteral("My Contacts/Q/Dotted fax"));
    EXPECT_FALSE(Finder::LocatePhone(tree, 0, QStringLiteral("no digits")));
}
