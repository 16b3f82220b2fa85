#include "TreeFixture.h"

#include "exchange/ExchangeFile.h"
#include "model/ClassCodes.h"
#include "model/Exceptions.h"
#include "model/TreeOps.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace ExchangeFile;

namespace {

QStringList Headers(const QString& text)
{
    QStringList headers;
    for (const QString& line : text.split(QStringLiteral("\r\n"), Qt::SkipEmptyParts)) {
        if (line.size() > 1 && line[0] == u'{' && line[1].isDigit())
            headers.append(line.section(u'}', 0, 0) + u'}' + line.section(u'}', 1).section(QStringLiteral("~~"), 0, 0));
    }
    return headers;
}

// Work (folder, categories 5) / Ann (person, 2) with a phone (categories 9).
struct Sample : TreeFixture
{
    TTreeNode* work = Container(ClassCode::Folder, QStringLiteral("Work"), root, QStringLiteral("{Fold}5"));
    TTreeNode* ann = Container(ClassCode::Person, QStringLiteral("Ann"), work, QStringLiteral("{Pers}~~~~~~~~~~~~~~~~~~2"));
    TZVBObject* phone = Leaf(ClassCode::Phone, QStringLiteral("Desk"), QStringLiteral("555"), ann, QStringLiteral("{Phon}~~9"));
};

} // namespace

TEST(ExchangeFile, ExtensionTest)
{
    EXPECT_TRUE(IsExchangeFile(QStringLiteral("/tmp/a.ZVD")));
    EXPECT_TRUE(IsExchangeFile(QStringLiteral("a.zvd")));
    EXPECT_FALSE(IsExchangeFile(QStringLiteral("/tmp/a.zvd.txt")));
    EXPECT_FALSE(IsExchangeFile(QStringLiteral("/tmp/archive.zvd/notes")));
    EXPECT_FALSE(IsExchangeFile(QStringLiteral("zvd")));
    EXPECT_EQ(FileExtension(QStringLiteral("C:\\dir.x\\name")), QString());
    EXPECT_EQ(FileExtension(QStringLiteral("dir/name.tar.gz")), QStringLiteral(".gz"));
}

TEST(ExchangeFile, LevelsCountFromOneAndTreeItemsLoseTheirCategories)
{
    Sample s;
    const QString text = ExchangeText(*s.work);
    EXPECT_FALSE(text.contains(u"{Params}"));
    EXPECT_EQ(text, QStringLiteral("{1 0 }Work~~~~~~%1\r\n{Fold}0\r\n"
                                   "{2 3 }Ann~~~~~~%2\r\n{Pers}~~~~~~~~~~~~~~~~~~0\r\n"
                                   "{3 6 }Desk~~555~~~~%3\r\n{Phon}~~9\r\n")
                        .arg(s.work->Item()->Id())
                        .arg(s.ann->Item()->Id())
                        .arg(s.phone->Id()));
    EXPECT_EQ(s.work->Item()->Categories(), 5U) << "the items keep their categories";
    EXPECT_EQ(s.ann->Item()->Categories(), 2U);
    // A person alone: level 1, its contact points level 2.
    EXPECT_EQ(Headers(ExchangeText(*s.ann)), (QStringList{QStringLiteral("{1 3 }Ann"), QStringLiteral("{2 6 }Desk")}));
}

TEST(ExchangeFile, HiddenItemsAndRemoteFolders)
{
    Sample s;
    const ItemFilter hideFolders = [](const TZVBObject& item) { return item.ClassCode() != ClassCode::Folder; };
    EXPECT_EQ(Headers(ExchangeText(*s.work, hideFolders)),
              (QStringList{QStringLiteral("{2 3 }Ann"), QStringLiteral("{3 6 }Desk")}));

    TTreeNode* remote = s.Container(ClassCode::Folder, QStringLiteral("Shared"), s.work, QStringLiteral("{Fold}0"),
                                    QStringLiteral("/nowhere/shared.zvd"));
    {
        RemoteLoadScope loading;
        s.Container(ClassCode::Person, QStringLiteral("Inside"), remote);
    }
    const QString text = ExchangeText(*s.work);
    EXPECT_TRUE(text.contains(u"}Shared~~/nowhere/shared.zvd"));
    EXPECT_FALSE(text.contains(u"Inside"));
    EXPECT_TRUE(text.contains(u"{2 3 }Ann")) << "siblings after the remote folder are still written";
}

TEST(ExchangeFile, RoundTripLandsBelowTheRootWhateverIsSelected)
{
    Sample s;
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("work.ZVD"));
    ExportSubtree(*s.work, path);

    TreeFixture target;
    TTreeNode* deep = target.Container(ClassCode::Folder, QStringLiteral("Deep"), target.root);
    target.Container(ClassCode::Folder, QStringLiteral("Zeta"), target.root);
    EXPECT_EQ(ImportExchangeFile(target.tree, path), 3);
    EXPECT_EQ(ImportExchangeFile(target.tree, path), 3) << "a second import adds a second copy";
    EXPECT_EQ(deep->ChildCount(), 0);
    ASSERT_EQ(target.root->ChildCount(), 4);
    // The root's children are sorted after the import.
    QStringList titles;
    for (const auto& child : target.root->Children())
        titles.append(child->Item()->Title());
    EXPECT_EQ(titles, (QStringList{QStringLiteral("Deep"), QStringLiteral("Work"), QStringLiteral("Work"),
                                   QStringLiteral("Zeta")}));
    const TTreeNode* copy = target.tree.FindPath(QStringLiteral("My Contacts/Work/Ann"));
    ASSERT_NE(copy, nullptr);
    EXPECT_EQ(copy->Item()->Id(), s.ann->Item()->Id());
    EXPECT_EQ(copy->Item()->Categories(), 0U);
    ASSERT_EQ(ContentCount(copy->Item()), 1);
    EXPECT_EQ(ContentAt(copy->Item(), 0)->Item()->Categories(), 9U);
    EXPECT_EQ(ExchangeText(*copy->Parent()), ExchangeText(*s.work).replace(QStringLiteral("{Fold}5"), QStringLiteral("{Fold}0")).replace(
                                                 QString::number(s.work->Item()->Id()),
                                                 QString::number(copy->Parent()->Item()->Id())));
}

TEST(ExchangeFile, FailuresLeaveTreeAndFilesWhole)
{
    Sample s;
    QTemporaryDir dir;
    EXPECT_EQ(ImportExchangeFile(s.tree, dir.filePath(QStringLiteral("notes.txt"))), -1);
    EXPECT_THROW(ImportExchangeFile(s.tree, dir.filePath(QStringLiteral("missing.zvd"))), EReadError);
    EXPECT_EQ(s.root->ChildCount(), 1);

    const QString path = dir.filePath(QStringLiteral("keep.zvd"));
    QFile old(path);
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write("old");
    old.close();
    const ItemFilter failing = [](const TZVBObject&) -> bool { throw EZendrivoError(QStringLiteral("stop")); };
    EXPECT_THROW(ExportSubtree(*s.work, path, failing), EZendrivoError);
    ASSERT_TRUE(old.open(QIODevice::ReadOnly));
    EXPECT_EQ(old.readAll(), QByteArray("old"));
    EXPECT_THROW(ExportSubtree(*s.work, path + u"/under-a-file.zvd"), EZendrivoError);
}
