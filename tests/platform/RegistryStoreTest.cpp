#include "platform/RegistryStore.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace {

const QString kDialer = u"Software\\Brimholt\\Dialer"_s;
const QString kLocations = u"Software\\Brimholt\\Dialer\\Locations"_s;

QByteArray ReadBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

class RegistryStoreTest : public ::testing::Test
{
protected:
    QTemporaryDir dir;
    QString path = dir.filePath(u"config/registry.ini"_s);
    RegistryStore store{path};
};

} // namespace

TEST_F(RegistryStoreTest, SubKeysEnumerateInCreationOrderAndDeleteWithTheirSubtree)
{
    EXPECT_FALSE(store.OpenKey(kLocations, false));
    ASSERT_TRUE(store.OpenKey(kLocations + u"\\Work"_s, true));
    ASSERT_TRUE(store.OpenKey(kLocations + u"\\Home"_s, true));
    ASSERT_TRUE(store.WriteString(kLocations + u"\\Cabin\\Card"_s, u"Number"_s, u"1234"_s));
    EXPECT_TRUE(store.OpenKey(u"\\software\\BRIMHOLT\\dialer\\"_s, false));
    EXPECT_EQ(store.EnumerateSubKeys(kLocations), (QStringList{u"Work"_s, u"Home"_s, u"Cabin"_s}));
    EXPECT_EQ(store.EnumerateSubKeys(QString()), QStringList{u"Software"_s});

    RegistryStore reloaded(path);
    EXPECT_EQ(reloaded.EnumerateSubKeys(kLocations.toUpper()), (QStringList{u"Work"_s, u"Home"_s, u"Cabin"_s}));

    ASSERT_TRUE(store.DeleteKey(kLocations + u"\\cabin"_s));
    EXPECT_FALSE(reloaded.KeyExists(kLocations + u"\\Cabin\\Card"_s));
    EXPECT_EQ(reloaded.EnumerateSubKeys(kLocations), (QStringList{u"Work"_s, u"Home"_s}));
    // A deleted key created again comes last.
    ASSERT_TRUE(store.OpenKey(kLocations + u"\\Cabin"_s, true));
    EXPECT_EQ(store.EnumerateSubKeys(kLocations).last(), u"Cabin");
    EXPECT_FALSE(store.KeyExists(kLocations + u"\\Cabin\\Card"_s));

    EXPECT_FALSE(store.DeleteKey(kLocations + u"\\Nowhere"_s));
    EXPECT_FALSE(store.DeleteKey(QString()));
    ASSERT_TRUE(store.DeleteKey(u"Software"_s));
    EXPECT_TRUE(store.EnumerateSubKeys(QString()).isEmpty());
}

TEST_F(RegistryStoreTest, TypedValuesSurviveAReload)
{
    const QString tricky = u"line one\r\nline two 100% = [x] ; é €"_s;
    const QByteArray blob("\x00\xFF\x10\r\n", 5);
    const QString odd = u"Odd ]Key["_s;
    ASSERT_TRUE(store.WriteString(kDialer, u"Text"_s, tricky));
    ASSERT_TRUE(store.WriteInteger(kDialer, u"Min"_s, std::numeric_limits<qint32>::min()));
    ASSERT_TRUE(store.WriteInteger(kDialer, u"Max"_s, std::numeric_limits<qint32>::max()));
    ASSERT_TRUE(store.WriteBinary(kDialer, u"Blob"_s, blob));
    ASSERT_TRUE(store.WriteString(kDialer + u'\\' + odd, u"=;[name"_s, u"v"_s));
    ASSERT_TRUE(store.WriteString(kDialer, QString(), u"default value"_s));

    RegistryStore reloaded(path);
    EXPECT_EQ(reloaded.ReadString(kDialer, u"text"_s), tricky);
    EXPECT_EQ(reloaded.ReadInteger(kDialer, u"MIN"_s), std::numeric_limits<qint32>::min());
    EXPECT_EQ(reloaded.ReadInteger(kDialer, u"Max"_s), std::numeric_limits<qint32>::max());
    EXPECT_EQ(reloaded.ReadBinary(kDialer, u"Blob"_s), blob);
    EXPECT_EQ(reloaded.ReadString(kDialer + u'\\' + odd, u"=;[name"_s), u"v");
    EXPECT_EQ(reloaded.EnumerateSubKeys(kDialer), QStringList{odd});
    EXPECT_EQ(reloaded.ReadString(kDialer, QString()), u"default value");
    EXPECT_EQ(reloaded.EnumerateValues(kDialer),
              (QStringList{u"Text"_s, u"Min"_s, u"Max"_s, u"Blob"_s, QString()}));

    EXPECT_EQ(reloaded.TypeOf(kDialer, u"Blob"_s), RegistryStore::ValueType::Binary);
    EXPECT_EQ(reloaded.TypeOf(kDialer, u"Missing"_s), std::nullopt);
    // A value of another type reads as the default.
    EXPECT_EQ(reloaded.ReadInteger(kDialer, u"Text"_s, 9), 9);
    EXPECT_EQ(reloaded.ReadString(kDialer, u"Min"_s, u"d"_s), u"d");

    // Rewriting replaces the type and keeps the value's place and spelling.
    ASSERT_TRUE(store.WriteInteger(kDialer, u"TEXT"_s, 5));
    EXPECT_EQ(reloaded.TypeOf(kDialer, u"Text"_s), RegistryStore::ValueType::Integer);
    EXPECT_EQ(reloaded.EnumerateValues(kDialer).first(), u"Text");
}

TEST_F(RegistryStoreTest, DeletingValues)
{
    ASSERT_TRUE(store.WriteInteger(kDialer, u"CurrentLocation"_s, 2));
    EXPECT_TRUE(store.ValueExists(kDialer, u"currentlocation"_s));
    ASSERT_TRUE(store.DeleteValue(kDialer, u"CURRENTLOCATION"_s));
    EXPECT_FALSE(store.ValueExists(kDialer, u"CurrentLocation"_s));
    EXPECT_TRUE(store.KeyExists(kDialer));
    EXPECT_FALSE(store.DeleteValue(kDialer, u"CurrentLocation"_s));
    EXPECT_FALSE(store.DeleteValue(kLocations, u"CurrentLocation"_s));
}

TEST_F(RegistryStoreTest, FileIsStableText)
{
    ASSERT_TRUE(store.WriteString(kLocations + u"\\Home"_s, u"AreaCode"_s, u"0161"_s));
    ASSERT_TRUE(store.WriteInteger(kDialer, u"CurrentLocation"_s, 1));
    ASSERT_TRUE(store.WriteBinary(kLocations + u"\\Home"_s, u"Card"_s, QByteArray("\x01\xAB", 2)));
    const QByteArray expected = "[Software]\r\n"
                                "[Software\\Brimholt]\r\n"
                                "[Software\\Brimholt\\Dialer]\r\n"
                                "CurrentLocation=integer:1\r\n"
                                "[Software\\Brimholt\\Dialer\\Locations]\r\n"
                                "[Software\\Brimholt\\Dialer\\Locations\\Home]\r\n"
                                "AreaCode=string:0161\r\n"
                                "Card=binary:01ab\r\n";
    EXPECT_EQ(ReadBytes(path), expected);
    // Rewriting what is there changes nothing, and a damaged line costs only itself.
    ASSERT_TRUE(store.WriteInteger(kDialer, u"currentlocation"_s, 1));
    EXPECT_EQ(ReadBytes(path), expected);

    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::Append));
    file.write("garbage\r\nBad=integer:x\r\nWho=knows:1\r\n");
    file.close();
    ASSERT_TRUE(store.OpenKey(kDialer, true));
    EXPECT_EQ(store.EnumerateValues(kLocations + u"\\Home"_s), (QStringList{u"AreaCode"_s, u"Card"_s}));
}

TEST_F(RegistryStoreTest, AnUnreadableFileIsNeverReplaced)
{
    ASSERT_TRUE(QDir().mkpath(path));
    EXPECT_FALSE(store.OpenKey(kDialer, true));
    EXPECT_FALSE(store.WriteInteger(kDialer, u"X"_s, 1));
    EXPECT_EQ(store.ReadInteger(kDialer, u"X"_s, 7), 7);
    EXPECT_TRUE(QFileInfo(path).isDir());
}
