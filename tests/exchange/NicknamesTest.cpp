#include "Corpus.h"
#include "TreeHelpers.h"

#include "exchange/NicknamesFile.h"
#include "exchange/NicknamesImport.h"
#include "model/Exceptions.h"
#include "model/ItemFactory.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {
QString AliasAddress(const char16_t* line)
{
    const std::optional<NicknameLine> parsed = ParseNicknameLine(QStringView(line));
    return parsed && parsed->kind == NicknameLine::Kind::Alias ? parsed->nickname + u'=' + parsed->text : QString();
}
} // namespace

TEST(NicknameLine, AliasTakesTheFirstAddress)
{
    EXPECT_EQ(AliasAddress(u"alias joe joe@a.org, joe@b.org"), u"joe=joe@a.org"_s);
    EXPECT_EQ(AliasAddress(u"alias jhd1 \"Joe D\"<jhd@radix.net>"), u"jhd1=jhd@radix.net"_s);
    EXPECT_EQ(AliasAddress(u"alias \"Harry S\" harry@x.net   "), u"Harry S=harry@x.net"_s);
    EXPECT_EQ(AliasAddress(u"alias me@x.org"), QString()); // one word only
    EXPECT_EQ(AliasAddress(u"alias list2 jhd1,jhd2"), QString());
    EXPECT_EQ(AliasAddress(u"aliases a a@b.c"), QString());
    EXPECT_EQ(AliasAddress(u" alias a a@b.c"), QString());
}

TEST(NicknameLine, NoteTextFollowsTheNickname)
{
    const auto note = [](QStringView line) {
        const std::optional<NicknameLine> parsed = ParseNicknameLine(line);
        return parsed && parsed->kind == NicknameLine::Kind::Note ? parsed->nickname + u'=' + parsed->text : QString();
    };
    EXPECT_EQ(note(u"note  jhd2 Note for jhd2"), u"jhd2=Note for jhd2"_s);
    EXPECT_EQ(note(u"note \"A B\" text"), u"A B=text"_s);
    EXPECT_EQ(note(u"note f <first:F><email:f@x>Free text."), u"f=Free text."_s);
    EXPECT_EQ(note(u"note onlynick"), QString());
    EXPECT_EQ(note(QString(u"note n " + QString(400, u'x'))).size(), 2 + 255);
}

TEST(NicknamesImport, NotesAttachToEarlierAliasesOnly)
{
    TItemTree tree;
    TTreeNode* root = tree.CreateRoot();
    const ImportResult result = ImportEudoraBytes(tree,
        "note ann early\r\nalias ann ann@x.org\r\nnote ann Met in Rome\r\nnote ghost nobody\r\nignored line\r\n"
        "alias bob \"Bob\" <bob@x.org>, bob@y.org\r\n");
    EXPECT_EQ(result.folder->Parent(), root);
    EXPECT_EQ(result.folder->Item()->Title(), u"Eudora Addresses"_s);
    EXPECT_EQ(LeafTexts(result.folder), (QStringList{u"ann|ann@x.org"_s, u"bob|bob@x.org"_s}));
    EXPECT_EQ(result.folder->Item()->Contents()[0]->Item()->Comment(), u"Met in Rome"_s);
    EXPECT_EQ(result.count, 2);
}

TEST(NicknamesImport, FailuresLeaveTheTreeAlone)
{
    TItemTree tree;
    TTreeNode* root = tree.CreateRoot();
    EXPECT_THROW(ImportEudora(tree, u"/nonexistent/nndbase.txt"_s), EReadError);
    EXPECT_EQ(root->ChildCount(), 0);
    TItemTree empty;
    EXPECT_THROW(ImportEudoraBytes(empty, "alias a a@b.c\n"), EZendrivoError);
}

TEST(NicknamesImport, CorpusFilesImport)
{
    const QString dir = CorpusDir(u"eudora"_s);
    if (!QDir(dir).exists())
        GTEST_SKIP() << "corpus not present";
    TItemTree tree;
    tree.CreateRoot();
    const ImportResult sample = ImportEudora(tree, dir + u"/mail-addressbook-convert_EudoraSampleFile.txt"_s);
    const QStringList leaves = LeafTexts(sample.folder);
    EXPECT_TRUE(leaves.contains(u"jhd1|jhd@radix.net"_s));
    EXPECT_TRUE(leaves.contains(u"Harry Shetty|harry@wipsys.spl.net"_s));
    EXPECT_TRUE(leaves.contains(u"Mathew King|mjoseph@wipsys.slp.net"_s));
    const ImportResult horde = ImportEudora(tree, dir + u"/horde_Eudora_nndbase.txt"_s);
    ASSERT_EQ(horde.count, 1);
    EXPECT_EQ(horde.folder->Item()->Contents()[0]->Item()->Comment(), u"It's a notes."_s);
}
