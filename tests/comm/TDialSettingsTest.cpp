#include "comm/TDialSettings.h"
#include "platform/RegistryStore.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

class TDialSettingsTest : public ::testing::Test
{
protected:
    TDialSettingsTest() : store(dir.filePath(QStringLiteral("registry.ini"))) {}
    QString Key() const { return TDialSettings::DefaultRegistryPath(); }

    QTemporaryDir dir;
    RegistryStore store;
};

} // namespace

TEST_F(TDialSettingsTest, AFirstStartHasTheDefaults)
{
    TDialSettings settings(&store);
    settings.Load();
    EXPECT_EQ(settings.DeviceID, 0);
    EXPECT_EQ(settings.Location(), u"Default Location");
    EXPECT_EQ(settings.AreaCode, u"");
    EXPECT_EQ(settings.LocalPrefix, u"");
    EXPECT_EQ(settings.DialMode, TDialMode::dmTone);
    EXPECT_FALSE(settings.UseCard);
    EXPECT_EQ(settings.Locations(), QStringList {u"Default Location"_s});
    // Loading creates nothing.
    EXPECT_FALSE(store.KeyExists(Key()));
}

TEST_F(TDialSettingsTest, SavedSettingsReadBackPerLocation)
{
    TDialSettings home(&store);
    home.SetLocation(QStringLiteral("Home"));
    home.DeviceID = 2;
    home.AreaCode = QStringLiteral("303");
    home.LocalPrefix = QStringLiteral("9");
    home.LongPrefix = QStringLiteral("81");
    home.DialMode = TDialMode::dmPulse;
    home.UseCard = true;
    home.Service = QStringLiteral("Calling Card via 0");
    home.Number = QStringLiteral("4444");
    home.Code = QStringLiteral("0 N $4444");
    ASSERT_TRUE(home.Save());
    TDialSettings office(&store);
    office.SetLocation(QStringLiteral("Office"));
    office.AreaCode = QStringLiteral("212");
    ASSERT_TRUE(office.Save());

    // The last saved location is the current one.
    TDialSettings current(&store);
    current.Load();
    EXPECT_EQ(current.Location(), u"Office");
    EXPECT_EQ(current.AreaCode, u"212");
    EXPECT_EQ(current.Locations(), (QStringList {u"Home"_s, u"Office"_s}));

    TDialSettings back(&store);
    back.SetLocation(QStringLiteral("Home"));
    back.Load();
    EXPECT_EQ(back.DeviceID, 0); // the device is shared, and Office saved 0
    EXPECT_EQ(back.AreaCode, u"303");
    EXPECT_EQ(back.LongPrefix, u"81");
    EXPECT_EQ(back.DialMode, TDialMode::dmPulse);
    EXPECT_TRUE(back.UseCard);
    EXPECT_EQ(back.Code, u"0 N $4444");

    TDialSettings copy;
    copy.Assign(back);
    EXPECT_EQ(copy.Location(), u"Home");
    EXPECT_EQ(copy.Number, u"4444");

    EXPECT_TRUE(back.DeleteLocation(QStringLiteral("Home")));
    EXPECT_EQ(back.Locations(), QStringList {u"Office"_s});
}

TEST_F(TDialSettingsTest, ChoosingALocationCreatesItsKeyAndMissingOnesKeepValues)
{
    TDialSettings settings(&store);
    settings.SetLocation(QStringLiteral("Cabin"));
    EXPECT_TRUE(store.KeyExists(Key() + u"\\Cabin"));
    settings.AreaCode = QStringLiteral("970");
    store.DeleteKey(Key() + u"\\Cabin");
    settings.Load();
    EXPECT_EQ(settings.AreaCode, u"970");
}

TEST_F(TDialSettingsTest, ADamagedModeFallsBackToToneWithoutCard)
{
    const QString key = Key() + u"\\Home";
    store.WriteString(Key(), QStringLiteral("Location"), QStringLiteral("Home"));
    store.WriteString(key, QStringLiteral("DialMode"), QStringLiteral("pulse"));
    store.WriteInteger(key, QStringLiteral("UseCard"), 1);
    store.WriteString(key, QStringLiteral("AreaCode"), QStringLiteral("303"));
    store.WriteString(Key(), QStringLiteral("DeviceID"), QStringLiteral("x"));
    TDialSettings settings(&store);
    settings.Load();
    EXPECT_EQ(settings.DeviceID, 0);
    EXPECT_EQ(settings.AreaCode, u"303");
    EXPECT_EQ(settings.DialMode, TDialMode::dmTone);
    EXPECT_FALSE(settings.UseCard);
}

TEST_F(TDialSettingsTest, ModemPortsAndSpeed)
{
    EXPECT_TRUE(TDialSettings::ReadModemSetup(&store).ports.isEmpty());
    EXPECT_EQ(TDialSettings::ReadModemSetup(&store).speed, 115200);
    ASSERT_TRUE(TDialSettings::WriteModemSetup({{u"/dev/modem"_s, u"/dev/ttyUSB3"_s}, 57600}, &store));
    const auto setup = TDialSettings::ReadModemSetup(&store);
    EXPECT_EQ(setup.ports, (QStringList {u"/dev/modem"_s, u"/dev/ttyUSB3"_s}));
    EXPECT_EQ(setup.speed, 57600);
}
