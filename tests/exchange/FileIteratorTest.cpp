#include "exchange/FileIterator.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {
void Touch(const QString& path)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("x");
}

class FileIteratorTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        Touch(dir.filePath(u"a.txt"_s));
        Touch(dir.filePath(u"sub/b.url"_s));
        Touch(dir.filePath(u"sub/deeper/c.url"_s));
        Touch(dir.filePath(u".hidden/d.url"_s));
        it.SetRootFolder(dir.path() + u'/');
    }
    QTemporaryDir dir;
    TFileIterator it;
    QStringList seen;
};
} // namespace

TEST_F(FileIteratorTest, WalksDepthFirstAndSkipsDotFolders)
{
    it.OnAddFile = [this](TFileIterator&, const QString& name, const TFileInfo& info) {
        seen.append(QDir(dir.path()).relativeFilePath(name));
        EXPECT_EQ(info.size, 1);
    };
    it.Run();
    EXPECT_EQ(seen, (QStringList{u"a.txt"_s, u"sub/b.url"_s, u"sub/deeper/c.url"_s}));

    seen.clear();
    it.SetOptions(TFileIteratorOption::fiRecurseFolders);
    it.OnAddFile = [this](TFileIterator&, const QString& name, const TFileInfo& info) {
        seen.append(name);
        EXPECT_EQ(info.size, 0); // no details asked for
    };
    it.Run();
    EXPECT_EQ(seen, (QStringList{u"a.txt"_s, u"b.url"_s, u"c.url"_s}));
}

TEST_F(FileIteratorTest, QueryVetoesAndStopEnds)
{
    it.OnAddFileQuery = [](TFileIterator&, const QString& name, const TFileInfo&, bool& canAdd) {
        canAdd = !name.endsWith(u"b.url"_s);
    };
    it.OnAddFile = [this](TFileIterator& sender, const QString& name, const TFileInfo&) {
        seen.append(QFileInfo(name).fileName());
        if (seen.size() == 2)
            sender.Stop();
    };
    it.Run();
    EXPECT_EQ(seen, (QStringList{u"a.txt"_s, u"c.url"_s}));
}

TEST_F(FileIteratorTest, RefusesChangesWhileRunningAndRecoversFromErrors)
{
    int terminated = 0;
    it.OnTerminate = [&terminated](TFileIterator&) { ++terminated; };
    it.OnAddFile = [](TFileIterator& sender, const QString&, const TFileInfo&) {
        EXPECT_THROW(sender.SetRootFolder(u"/"_s), EFileIteratorError);
        EXPECT_THROW(sender.SetOptions({}), EFileIteratorError);
        EXPECT_THROW(sender.Run(), EFileIteratorError);
        throw std::runtime_error("handler failed");
    };
    EXPECT_THROW(it.Run(), std::runtime_error);
    EXPECT_EQ(terminated, 1);
    EXPECT_FALSE(it.Running());
    it.SetRootFolder(dir.path()); // idle again

    TFileIterator idle;
    idle.OnTerminate = [&terminated](TFileIterator&) { ++terminated; };
    idle.Run(); // no file handler: nothing happens
    EXPECT_EQ(terminated, 1);
}
