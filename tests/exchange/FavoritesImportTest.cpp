#include "Corpus.h"
#include "TreeHelpers.h"

#include "exchange/FavoritesImport.h"
#include "model/ClassCodes.h"
#include "model/Exceptions.h"
#include "model/ItemFactory.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {
void WriteShortcut(const QString& path, const QByteArray& url)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("[InternetShortcut]\r\nURL=" + url + "\r\n");
}

class FavoritesImportTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        root = tree.CreateRoot();
        fav = dir.filePath(u"Favs"_s);
    }
    QTemporaryDir dir;
    TItemTree tree;
    TTreeNode* root = nullptr;
    QString fav;
};
} // namespace

TEST_F(FavoritesImportTest, NestedFoldersLandOneLevelBelowTheImportFolder)
{
    WriteShortcut(fav + u"/Top.url"_s, "http://top.org/");
    WriteShortcut(fav + u"/News/Daily.URL"_s, "http://daily.org/");
    WriteShortcut(fav + u"/News/Local/Town.url"_s, "http://town.org/");
    WriteShortcut(fav + u"/News/notes.txt"_s, "http://ignored.org/");
    WriteShortcut(fav + u"/News/Empty.url"_s, "");
    TTreeNode* business = CreateItem(ClassCode::Folder, u"Business"_s, {}, 0, {}, root, {}).node;

    const ImportResult result = ImportFavorites(business, fav + u'/');
    EXPECT_EQ(result.count, 3);
    ASSERT_EQ(result.folder->Parent(), business);
    EXPECT_EQ(result.folder->Item()->Title(), u"Favs"_s);
    // Sorted: folders first, then websites.
    EXPECT_EQ(ChildTexts(result.folder), (QStringList{u"Local|"_s, u"News|"_s, u"Top|http://top.org/"_s}));
    TTreeNode* news = tree.FindPath(u"My Contacts/Business/Favs/News"_s);
    TTreeNode* local = tree.FindPath(u"My Contacts/Business/Favs/Local"_s);
    ASSERT_TRUE(news && local);
    EXPECT_EQ(ChildTexts(news), QStringList{u"Daily|http://daily.org/"_s});
    EXPECT_EQ(ChildTexts(local), QStringList{u"Town|http://town.org/"_s});
}

TEST_F(FavoritesImportTest, ADirectoryNamedLikeAnExistingNodeFillsThatNode)
{
    TTreeNode* elsewhere = CreateItem(ClassCode::Folder, u"Elsewhere"_s, {}, 0, {}, root, {}).node;
    TTreeNode* shops = CreateItem(ClassCode::Folder, u"Shops"_s, {}, 0, {}, elsewhere, {}).node;
    WriteShortcut(fav + u"/Shops/Books.url"_s, "http://books.org/");
    ImportFavorites(root, fav);
    EXPECT_EQ(ChildTexts(shops), QStringList{u"Books|http://books.org/"_s});
    EXPECT_EQ(ChildTexts(tree.FindPath(u"My Contacts/Favs"_s)), QStringList());
}

TEST_F(FavoritesImportTest, FailuresSurfaceAndKeepWhatWasMade)
{
    EXPECT_THROW(ImportFavorites(root, dir.filePath(u"missing"_s)), EReadError);
    EXPECT_EQ(root->ChildCount(), 0);

    WriteShortcut(fav + u"/a.url"_s, "http://a.org/");
    TTreeNode* remote = CreateItem(ClassCode::Folder, u"Remote"_s, u"/tmp/r.zvd"_s, 0, {}, root, {}).node;
    EXPECT_THROW(ImportFavorites(remote, fav), ERemoteParent);

    // An unreadable shortcut (a link to nowhere) ends the walk; the ones before it stay.
    ASSERT_TRUE(QFile::link(dir.filePath(u"gone"_s), fav + u"/b.url"_s));
    try {
        ImportFavorites(root, fav);
        FAIL() << "no error";
    } catch (const EReadError& e) {
        EXPECT_TRUE(e.Message().contains(u"b.url"_s));
    }
    EXPECT_EQ(ChildTexts(tree.FindPath(u"My Contacts/Favs"_s)), QStringList{u"a|http://a.org/"_s});
}

TEST_F(FavoritesImportTest, CorpusShortcutsImport)
{
    const QString corpus = CorpusDir(u"url"_s);
    if (!QDir(corpus).exists())
        GTEST_SKIP() << "corpus not present";
    const ImportResult result = ImportFavorites(root, corpus);
    EXPECT_EQ(result.count, QDir(corpus).entryList({u"*.url"_s}, QDir::Files).size());
    for (const auto& child : result.folder->Children()) {
        EXPECT_EQ(child->Item()->ClassCode(), ClassCode::Website);
        EXPECT_TRUE(child->Item()->Value().startsWith(u"http"_s));
    }
}
