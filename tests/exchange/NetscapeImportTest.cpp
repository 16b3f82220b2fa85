#include "Corpus.h"
#include "TreeHelpers.h"

#include "exchange/NetscapeImport.h"
#include "exchange/NetscapePage.h"
#include "model/ClassCodes.h"
#include "model/Exceptions.h"
#include "model/TextRules.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

TEST(BookmarkPage, KeepsEveryAnchorLineInOrder)
{
    const BookmarkPage page = ParseBookmarkPage(
        "<TITLE>Mine</TITLE>\n<DL><p>\n<DT><H3 FOLDED>Folder</H3>\n<DD>About <A HREF=\"http://in.dd/\">x</A>\n"
        "<HR>    <DT><A HREF=\"http://b.org/\"></A>\n<DT><a href=\"http://lower.org/\">no</a>\n");
    EXPECT_EQ(page.title, u"Mine"_s);
    ASSERT_EQ(page.links.size(), 2);
    EXPECT_EQ(page.links[0].link, u"http://in.dd/"_s);
    EXPECT_EQ(page.links[1].caption, QString());
}

TEST(AddressPage, TakesMailLinksOnly)
{
    const AddressPage page = ParseAddressPage(
        "<TITLE>People</TITLE>\n<DT><A HREF=\"mailto:ann@x.org\">Ann</A>\n<DT><A HREF=\"MAILTO:bob@x.org?subject=hi\">"
        "Bob</A>\n<DT><A HREF=\"http://x.org/\">Home</A>\n<DT><A HREF=\"mailto:nobody\">No</A>\n");
    ASSERT_EQ(page.entries.size(), 2);
    EXPECT_EQ(page.entries[0].name, u"Ann"_s);
    EXPECT_EQ(page.entries[0].address, u"ann@x.org"_s);
    EXPECT_EQ(page.entries[1].address, u"bob@x.org"_s);
}

TEST(AddressPage, ReadsLdifExports)
{
    const AddressPage page = ParseAddressPage(
        "junk\ndn: cn=A,mail=a@x.org\ncn: A\nmail: a@x.org\n\ndn: cn=list\ncn: list\nmember: cn=A\n\n"
        "dn: mail=b@x.org\ndisplayName:: QsOkcg==\nmail: b@x.o\n rg\n");
    ASSERT_EQ(page.entries.size(), 2);
    EXPECT_EQ(page.entries[1].name, u"Bär"_s);
    EXPECT_EQ(page.entries[1].address, u"b@x.org"_s);
}

TEST(NetscapeImport, CreatesOneFolderBelowTheRoot)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(u"bookmark.htm"_s);
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("<title>Lower end</title>\n<A HREF=\"http://a.org/\">A</A>\n<A HREF=\"http://b.org/\"></A>\n");
    f.close();
    TItemTree tree;
    TTreeNode* root = tree.CreateRoot();
    const ImportResult result = ImportNSBook(tree, path);
    EXPECT_EQ(result.folder->Parent(), root);
    EXPECT_EQ(result.folder->Item()->Title(), QString()); // the lower-case end tag gives no title
    EXPECT_EQ(ChildTexts(result.folder), (QStringList{u"A|http://a.org/"_s, u"http://b.org/|http://b.org/"_s}));

    EXPECT_THROW(ImportNSAddr(tree, dir.filePath(u"address.htm"_s)), EReadError);
    EXPECT_EQ(root->ChildCount(), 1);
}

namespace {
class NetscapeCorpus : public ::testing::Test
{
protected:
    // The corpus folder, or a skip when it is not present.
    QDir Folder(const QString& name)
    {
        const QDir dir(CorpusDir(name));
        if (!dir.exists())
            skip = true;
        return dir;
    }
    bool skip = false;
    TItemTree tree;
    TTreeNode* root = tree.CreateRoot();
};
} // namespace

TEST_F(NetscapeCorpus, EveryCorpusBookmarkFileGivesNamedLinks)
{
    const QDir dir = Folder(u"bookmarks"_s);
    if (skip)
        GTEST_SKIP() << "corpus not present";
    for (const QString& name : dir.entryList(QDir::Files)) {
        SCOPED_TRACE(name.toStdString());
        const ImportResult result = ImportNSBook(tree, dir.filePath(name));
        EXPECT_GT(result.count, 0);
        EXPECT_FALSE(result.folder->Item()->Title().isEmpty());
        for (const auto& child : result.folder->Children()) {
            const TZVBObject* item = child->Item();
            EXPECT_FALSE(item->Title().isEmpty());
            EXPECT_FALSE(item->Title().contains(u"&amp;"_s)) << item->Title().toStdString();
            EXPECT_FALSE(item->Title().contains(u'<')) << item->Title().toStdString();
            EXPECT_FALSE(item->Title().contains(QChar(0xFFFD))) << item->Title().toStdString();
            EXPECT_TRUE(item->Value().contains(u':')) << item->Value().toStdString();
            EXPECT_FALSE(item->Value().startsWith(u'"')) << item->Value().toStdString();
        }
    }
}

TEST_F(NetscapeCorpus, CorpusSpecifics)
{
    const QDir dir = Folder(u"bookmarks"_s);
    if (skip)
        GTEST_SKIP() << "corpus not present";
    const auto titles = [&](const char16_t* file) {
        QStringList out;
        for (const auto& child : ImportNSBook(tree, dir.filePath(QString::fromUtf16(file))).folder->Children())
            out.append(child->Item()->Title());
        return out;
    };
    EXPECT_TRUE(titles(u"bookmarks-parser_chrome.html").contains(
        u"Лучшие публикации за сутки / Хабр"_s));
    EXPECT_TRUE(titles(u"netscape-bookmarks_Mozilla1x.html").contains(
        u"O'Reilly & Associates: New and Upcoming Titles"_s));
    EXPECT_TRUE(titles(u"netscape-bookmarks_Netscape_alias.html").contains(u"O'Reilly & Associates"_s));
    EXPECT_EQ(titles(u"shaarli_internet_explorer_bom.htm").size(), 1);
}

TEST_F(NetscapeCorpus, EveryCorpusAddressBookGivesMailItems)
{
    const QDir dir = Folder(u"netscape-address"_s);
    if (skip)
        GTEST_SKIP() << "corpus not present";
    for (const QString& name : dir.entryList(QDir::Files)) {
        SCOPED_TRACE(name.toStdString());
        const ImportResult result = ImportNSAddr(tree, dir.filePath(name));
        EXPECT_GT(result.count, 0);
        for (const auto& ref : result.folder->Item()->Contents()) {
            EXPECT_EQ(ref->Item()->ClassCode(), ClassCode::EMail);
            EXPECT_FALSE(ref->Item()->Title().isEmpty());
            EXPECT_TRUE(TextRules::IsInternetMail(ref->Item()->Value()));
        }
    }
}
