#include "platform/ProfileFile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

#include <csignal>
#include <sys/resource.h>
#include <unistd.h>

namespace {

QByteArray ReadBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void WriteBytes(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

class ProfileFileTest : public ::testing::Test
{
protected:
    QTemporaryDir dir;
    QString path = dir.filePath(QStringLiteral("zvb.ini"));
    ProfileFile ini{path};
};

} // namespace

TEST_F(ProfileFileTest, SectionsAndKeysMatchWithoutCaseAndKeepTheirSpelling)
{
    ASSERT_TRUE(ini.WriteString(QStringLiteral("Browser"), QStringLiteral("Path"), QStringLiteral("/usr/bin/a")));
    EXPECT_EQ(ini.ReadString(QStringLiteral("BROWSER"), QStringLiteral("path")), u"/usr/bin/a");
    ASSERT_TRUE(ini.WriteString(QStringLiteral("browser"), QStringLiteral("PATH"), QStringLiteral("/usr/bin/b")));
    EXPECT_EQ(ReadBytes(path), "[Browser]\r\nPath=/usr/bin/b\r\n");
    EXPECT_TRUE(ini.SectionExists(QStringLiteral("bRoWsEr")));
    EXPECT_TRUE(ini.ValueExists(QStringLiteral("browser"), QStringLiteral("path")));
    EXPECT_FALSE(ini.ValueExists(QStringLiteral("browser"), QStringLiteral("DDE")));
    EXPECT_EQ(ini.ReadString(QStringLiteral("Browser"), QStringLiteral("DDE"), QStringLiteral("IExplore")), u"IExplore");
}

TEST_F(ProfileFileTest, WritingKeepsFileOrderCommentsAndForeignLines)
{
    WriteBytes(path,
               "; written by hand\n"
               "[Settings]\n"
               "CallerId=0\n"
               "  ; about the next line\n"
               "not a key line\n"
               "\n"
               "[View]\n"
               "Style=vsIcon\n");
    ASSERT_TRUE(ini.WriteString(QStringLiteral("Settings"), QStringLiteral("INetMail"), QStringLiteral("2")));
    ASSERT_TRUE(ini.WriteInteger(QStringLiteral("view"), QStringLiteral("style"), 7));
    ASSERT_TRUE(ini.WriteBool(QStringLiteral("Toolbar"), QStringLiteral("Find"), false));
    EXPECT_EQ(ReadBytes(path),
              "; written by hand\r\n"
              "[Settings]\r\n"
              "CallerId=0\r\n"
              "  ; about the next line\r\n"
              "not a key line\r\n"
              "INetMail=2\r\n"
              "\r\n"
              "[View]\r\n"
              "Style=7\r\n"
              "[Toolbar]\r\n"
              "Find=0\r\n");
    EXPECT_EQ(ini.ReadSections(), (QStringList{u"Settings"_s, u"View"_s, u"Toolbar"_s}));
    EXPECT_EQ(ini.ReadSection(QStringLiteral("Settings")), (QStringList{u"CallerId"_s, u"INetMail"_s}));
}

TEST_F(ProfileFileTest, ReadsLfOnlyFilesAndSingleByteLines)
{
    // Cat1 is UTF-8, Cat2 Windows-1252 (an e acute and a euro sign).
    WriteBytes(path, "[Categories]\nCat1 = Gr\xC3\xBC\xC3\x9F" "e \nCat2=Caf\xE9 \x80\n");
    EXPECT_EQ(ini.ReadString(QStringLiteral("Categories"), QStringLiteral("Cat1")), u"Grüße");
    EXPECT_EQ(ini.ReadString(QStringLiteral("Categories"), QStringLiteral("Cat2")), u"Café €");
    EXPECT_EQ(ini.ReadSectionValues(QStringLiteral("Categories")),
              (QStringList{u"Cat1=Grüße"_s, u"Cat2=Café €"_s}));
    // A rewrite stores every line as UTF-8 with CR LF.
    ASSERT_TRUE(ini.WriteString(QStringLiteral("Categories"), QStringLiteral("Cat3"), QStringLiteral("x")));
    EXPECT_EQ(ReadBytes(path),
              "[Categories]\r\nCat1 = Gr\xC3\xBC\xC3\x9F" "e \r\nCat2=Caf\xC3\xA9 \xE2\x82\xAC\r\nCat3=x\r\n");
}

TEST_F(ProfileFileTest, IntegersAndBooleansFallBackToTheDefault)
{
    WriteBytes(path, "[S]\nNum=42\nNeg= -7 \nHex=$1F\nHex2=0x10\nText=abc\nEmpty=\n"
                     "Yes=Yes\nTrue=true\nOne=1\nZero=0\nNo=no\n");
    const QString s = QStringLiteral("S");
    EXPECT_EQ(ini.ReadInteger(s, QStringLiteral("Num"), 0), 42);
    EXPECT_EQ(ini.ReadInteger(s, QStringLiteral("Neg"), 0), -7);
    EXPECT_EQ(ini.ReadInteger(s, QStringLiteral("Hex"), 0), 31);
    EXPECT_EQ(ini.ReadInteger(s, QStringLiteral("Hex2"), 0), 16);
    EXPECT_EQ(ini.ReadInteger(s, QStringLiteral("Text"), 5), 5);
    EXPECT_EQ(ini.ReadInteger(s, QStringLiteral("Empty"), 5), 5);
    EXPECT_EQ(ini.ReadInteger(s, QStringLiteral("Missing"), -1), -1);
    EXPECT_TRUE(ini.ReadBool(s, QStringLiteral("Yes"), false));
    EXPECT_TRUE(ini.ReadBool(s, QStringLiteral("True"), false));
    EXPECT_TRUE(ini.ReadBool(s, QStringLiteral("One"), false));
    EXPECT_FALSE(ini.ReadBool(s, QStringLiteral("Zero"), true));
    EXPECT_FALSE(ini.ReadBool(s, QStringLiteral("No"), true));
    EXPECT_FALSE(ini.ReadBool(s, QStringLiteral("Empty"), true));
    EXPECT_TRUE(ini.ReadBool(s, QStringLiteral("Missing"), true));
}

TEST_F(ProfileFileTest, DeletingKeysAndErasingSections)
{
    WriteBytes(path, "[Tools]\r\nTool0=a,b,c,1\r\n; old tools\r\nTool1=d,e,f,0\r\n\r\n"
                     "[Window]\r\nLeft=3\r\nleft=4\r\n[tools]\r\nTool9=x\r\n");
    ASSERT_TRUE(ini.DeleteKey(QStringLiteral("window"), QStringLiteral("LEFT")));
    EXPECT_FALSE(ini.ValueExists(QStringLiteral("Window"), QStringLiteral("Left")));
    EXPECT_TRUE(ini.SectionExists(QStringLiteral("Window")));
    EXPECT_TRUE(ini.DeleteKey(QStringLiteral("Window"), QStringLiteral("Missing")));
    EXPECT_TRUE(ini.DeleteKey(QStringLiteral("Nowhere"), QStringLiteral("Missing")));

    // Saving the tools: erase the section (every copy of it), then write anew.
    ASSERT_TRUE(ini.EraseSection(QStringLiteral("TOOLS")));
    EXPECT_FALSE(ini.SectionExists(QStringLiteral("Tools")));
    ASSERT_TRUE(ini.WriteString(QStringLiteral("Tools"), QStringLiteral("Tool0"), QStringLiteral("n,p,,0")));
    EXPECT_EQ(ReadBytes(path), "[Window]\r\n[Tools]\r\nTool0=n,p,,0\r\n");
    EXPECT_TRUE(ini.EraseSection(QStringLiteral("Nowhere")));
}

TEST_F(ProfileFileTest, EachAccessSeesTheFileAsItIsNow)
{
    ProfileFile other(path);
    ASSERT_TRUE(ini.WriteString(QStringLiteral("A"), QStringLiteral("k"), QStringLiteral("1")));
    EXPECT_EQ(other.ReadString(QStringLiteral("A"), QStringLiteral("k")), u"1");
    ASSERT_TRUE(other.WriteString(QStringLiteral("A"), QStringLiteral("j"), QStringLiteral("2")));
    EXPECT_EQ(ini.ReadSection(QStringLiteral("A")), (QStringList{u"k"_s, u"j"_s}));
    QFile::remove(path);
    EXPECT_FALSE(ini.SectionExists(QStringLiteral("A")));
}

TEST_F(ProfileFileTest, MissingDirectoryIsCreated)
{
    ProfileFile nested(dir.filePath(QStringLiteral("a/b/zvb.ini")));
    ASSERT_TRUE(nested.WriteBool(QStringLiteral("Settings"), QStringLiteral("CallerId"), true));
    EXPECT_TRUE(nested.ReadBool(QStringLiteral("Settings"), QStringLiteral("CallerId"), false));
}

TEST_F(ProfileFileTest, RefusedWritesLeaveTheFileAlone)
{
    WriteBytes(path, "[A]\r\nk=1\r\n");
    EXPECT_FALSE(ini.WriteString(QStringLiteral("A"), QStringLiteral("k"), QStringLiteral("two\nlines")));
    EXPECT_FALSE(ini.WriteString(QStringLiteral("A"), QStringLiteral("k=v"), QStringLiteral("x")));
    EXPECT_FALSE(ini.WriteString(QStringLiteral("A]"), QStringLiteral("k"), QStringLiteral("x")));
    EXPECT_FALSE(ini.WriteString(QString(), QStringLiteral("k"), QStringLiteral("x")));
    EXPECT_EQ(ReadBytes(path), "[A]\r\nk=1\r\n");
}

TEST_F(ProfileFileTest, FailedWritesKeepTheOldFile)
{
    const QString locked = dir.filePath(QStringLiteral("locked"));
    ASSERT_TRUE(QDir().mkpath(locked));
    const QString lockedPath = locked + QStringLiteral("/zvb.ini");
    WriteBytes(lockedPath, "[A]\r\nk=1\r\n");
    ProfileFile lockedIni(lockedPath);
    QFile::setPermissions(locked, QFile::ReadOwner | QFile::ExeOwner);
    const bool writable = QFile(locked + QStringLiteral("/probe")).open(QIODevice::WriteOnly);
    if (!writable) {
        EXPECT_FALSE(lockedIni.WriteString(QStringLiteral("A"), QStringLiteral("k"), QStringLiteral("2")));
        EXPECT_FALSE(lockedIni.EraseSection(QStringLiteral("A")));
        EXPECT_EQ(ReadBytes(lockedPath), "[A]\r\nk=1\r\n");
    }
    QFile::setPermissions(locked, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);

    // Where permissions do not bind (root), a size limit makes the write fail instead.
    WriteBytes(path, "[A]\r\nk=1\r\n");
    rlimit old{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &old), 0);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = old;
    small.rlim_cur = 16;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    const bool written = ini.WriteString(QStringLiteral("A"), QStringLiteral("k"), QString(100, u'x'));
    setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, oldHandler);
    EXPECT_FALSE(written);
    EXPECT_EQ(ReadBytes(path), "[A]\r\nk=1\r\n");

    // A file that exists but cannot be read is never replaced.
    const QString unreadable = dir.filePath(QStringLiteral("isdir.ini"));
    ASSERT_TRUE(QDir().mkpath(unreadable));
    ProfileFile dirIni(unreadable);
    EXPECT_FALSE(dirIni.WriteString(QStringLiteral("A"), QStringLiteral("k"), QStringLiteral("1")));
    EXPECT_EQ(dirIni.ReadString(QStringLiteral("A"), QStringLiteral("k"), QStringLiteral("d")), u"d");
    EXPECT_TRUE(QFileInfo(unreadable).isDir());
}

TEST(ProfileFileDefault, LivesInTheConfigDirectory)
{
    QTemporaryDir dir;
    qputenv("ZENDRIVO_HOME", dir.path().toUtf8());
    EXPECT_EQ(ProfileFile::Default(), dir.path() + QStringLiteral("/zvb.ini"));
    qunsetenv("ZENDRIVO_HOME");
}
