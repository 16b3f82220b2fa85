#include "comm/DialString.h"
#include "comm/ModemDialString.h"
#include "comm/TDialSettings.h"
#include "platform/RegistryStore.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

class DialStringTest : public ::testing::Test
{
protected:
    DialStringTest() : store(dir.filePath(QStringLiteral("registry.ini"))), settings(&store)
    {
        settings.AreaCode = QStringLiteral("303");
        settings.LocalPrefix = QStringLiteral("9");
        settings.LongPrefix = QStringLiteral("8");
    }

    QTemporaryDir dir;
    RegistryStore store;
    TDialSettings settings;
};

} // namespace

TEST_F(DialStringTest, NumbersInTheAreaDialLocallyWithTheirBlank)
{
    const DialString::Plan plan = DialString::Build(settings, QStringLiteral("(303) 555-1212"));
    // The blank after the area code stays: two blanks after the prefix.
    EXPECT_EQ(plan.dialString, u"9  5551212");
    EXPECT_EQ(plan.reduced, u" 5551212");
    EXPECT_TRUE(plan.longDistanceChoice);
    EXPECT_EQ(DialString::LongDistance(settings, plan.reduced), u"8 303 5551212");
}

TEST_F(DialStringTest, EightCharactersAreLocalNineAreLongDistance)
{
    const DialString::Plan local = DialString::Build(settings, QStringLiteral("555-1212"));
    EXPECT_EQ(local.dialString, u"9 5551212");
    EXPECT_TRUE(local.longDistanceChoice);
    EXPECT_EQ(DialString::LongDistance(settings, local.reduced), u"8 3035551212");

    EXPECT_EQ(DialString::Build(settings, QStringLiteral("12345678")).dialString, u"9 12345678");
    const DialString::Plan distant = DialString::Build(settings, QStringLiteral("123456789"));
    EXPECT_EQ(distant.dialString, u"8 123456789");
    EXPECT_FALSE(distant.longDistanceChoice);
    // Blanks count as characters; other signs than "(", ")" and "-" stay.
    EXPECT_EQ(DialString::Build(settings, QStringLiteral("555 12.12")).dialString, u"8 555 12.12");
}

TEST_F(DialStringTest, EmptyPrefixesAndAreaCodeStillLeaveTheBlank)
{
    settings.AreaCode.clear();
    settings.LocalPrefix.clear();
    settings.LongPrefix.clear();
    EXPECT_EQ(DialString::Build(settings, QStringLiteral("555-1212")).dialString, u" 5551212");
    EXPECT_EQ(DialString::Build(settings, QStringLiteral("(303) 555-1212")).dialString, u" 303 5551212");
}

TEST_F(DialStringTest, CallingCardsDialLongDistanceThroughTheirFormat)
{
    settings.UseCard = true;
    settings.Code = DialString::FillCardFormat(DialString::CardServiceIndex(QStringLiteral("MCI Direct Dial via 102221")),
                                               QStringLiteral("4444"));
    EXPECT_EQ(DialString::Build(settings, QStringLiteral("7185551212")).dialString, u"8 102221 7185551212");
    // Local numbers never go through the card.
    EXPECT_EQ(DialString::Build(settings, QStringLiteral("555-1212")).dialString, u"9 5551212");
    // Only the first N takes the number; a format without N dials without it.
    settings.Code = QStringLiteral("1N2N");
    EXPECT_EQ(DialString::Build(settings, QStringLiteral("7185551212")).dialString, u"8 171855512122N");
    settings.Code = DialString::FillCardFormat(0, QStringLiteral("4444"));
    EXPECT_EQ(DialString::Build(settings, QStringLiteral("7185551212")).dialString, u"8 102881,");
    // Redialled as long distance, the area code goes in front through the card.
    settings.Code = QStringLiteral("0 N $4444");
    EXPECT_EQ(DialString::LongDistance(settings, QStringLiteral(" 5551212")), u"8 0 303 5551212 $4444");
}

TEST(DialStringCards, EveryServiceFillsItsFormat)
{
    const QStringList expected = {
        u"102881,"_s, u"18003210288 $N $9876"_s, u"102880 N $9876"_s, u"144 $9876, 0N"_s, u"0 N $9876"_s,
        u"3610,9876,16,N#"_s, u"0502333 $9876,0N"_s, u"0080,102880 $N $9876"_s, u"102221 N"_s,
        u"18006740700,,,,,,9876,,N"_s, u"18006747000,,,,,,9876,,N"_s, u"18008888000,,,,,,9876,,N"_s,
        u"102220 N $9876"_s, u"0500800800 $9876,0N"_s, u"N"_s, u"N"_s, u"1818 $9876,N#"_s,
        u"012,0N ?9876"_s, u"103331 N"_s, u"18008778000,,,0N,,9876"_s, u"103330 N $9876"_s,
    };
    ASSERT_EQ(DialString::CardServices().size(), 21);
    for (int i = 0; i < 21; ++i)
        EXPECT_EQ(DialString::FillCardFormat(i, QStringLiteral("9876")), expected.at(i)) << i;
    EXPECT_EQ(DialString::CardServiceNames().first(), u"AT&T Direct Dial via 10ATT1");
    EXPECT_EQ(DialString::CardServiceNames().last(), u"US Sprint via 103330");
    EXPECT_EQ(DialString::CardServiceIndex(QStringLiteral("No such card")), -1);
    EXPECT_EQ(DialString::FillCardFormat(21, QStringLiteral("1")), u"");
}

TEST(ModemDialString, PassesWhatTheModemUnderstands)
{
    EXPECT_EQ(ModemDialString::FromDialString(QStringLiteral("9  5551212")), "95551212");
    EXPECT_EQ(ModemDialString::FromDialString(QStringLiteral("8 18008778000,,,0N,,H")), QByteArray());
    EXPECT_EQ(ModemDialString::FromDialString(QStringLiteral("9 w 1818 $4444,555#*")), "9W1818$4444,555#*");
    EXPECT_EQ(ModemDialString::FromDialString(QStringLiteral("012,0555 ?4444")), "012,0555,4444");
    EXPECT_EQ(ModemDialString::FromDialString(QStringLiteral("(303) 555-1212")), "3035551212");
}

TEST(ModemDialString, RefusesWhatWouldBecomeACommand)
{
    EXPECT_EQ(ModemDialString::FromDialString(QStringLiteral("555;ATH")), QByteArray());
    EXPECT_EQ(ModemDialString::FromDialString(QStringLiteral("555\rATZ")), QByteArray());
    EXPECT_EQ(ModemDialString::FromDialString(QStringLiteral(" ,,, ")), QByteArray());
    EXPECT_EQ(ModemDialString::FromDialString(QString(ModemDialString::MaxLength + 1, u'1')), QByteArray());
    EXPECT_EQ(ModemDialString::FromDialString(QString(ModemDialString::MaxLength, u'1')).size(),
              ModemDialString::MaxLength);
}
