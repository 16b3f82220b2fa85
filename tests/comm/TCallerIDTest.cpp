#include "comm/ModemCallerIdFields.h"
#include "comm/TCallerID.h"

#include <gtest/gtest.h>

namespace {

TCallerID Parsed(std::uint32_t flags, const QString& number, const QString& name = {})
{
    TCallerID id;
    id.Parse(flags, number, name);
    return id;
}

} // namespace

TEST(TCallerID, TenCharacterNumbersAreDashedOthersStay)
{
    EXPECT_EQ(Parsed(0, QStringLiteral("3035551212")).Number(), u"303-555-1212");
    EXPECT_EQ(Parsed(0, QStringLiteral("303-5551212")).Number(), u"303-5551212");
    EXPECT_EQ(Parsed(0, QStringLiteral("303555121")).Number(), u"303555121");
    // A dash already in place is not doubled.
    EXPECT_EQ(TCallerID::FormatTenDigits(QStringLiteral("303-555121")), u"303-555-121");
    // The second dash goes after the seventh character whatever stands there.
    EXPECT_EQ(TCallerID::FormatTenDigits(QStringLiteral("3035551-12")), u"303-555-1-12");

    TCallerID plain;
    plain.SetFormatNumber(false);
    plain.Parse(0, QStringLiteral("3035551212"), {});
    EXPECT_EQ(plain.Number(), u"3035551212");
}

TEST(TCallerID, NamesAreCapitalisedAtWordStarts)
{
    EXPECT_EQ(Parsed(0, {}, QStringLiteral("JOHN Q PUBLIC")).Name(), u"John Q Public");
    EXPECT_EQ(Parsed(0, {}, QStringLiteral("o'neil  mary-ann")).Name(), u"O'neil  Mary-ann");
    // Only A to Z are raised; other letters are only lowered.
    EXPECT_EQ(TCallerID::Capitalize(QStringLiteral("ÉMILE ZOLA")), u"émile Zola");
    TCallerID asSent;
    asSent.SetCapitalizeName(false);
    asSent.Parse(0, {}, QStringLiteral("JOHN Q PUBLIC"));
    EXPECT_EQ(asSent.Name(), u"JOHN Q PUBLIC");
}

TEST(TCallerID, MarkersFollowTheNumberInTheirOrder)
{
    const TCallerID blocked = Parsed(TCallerID::Blocked, QStringLiteral("3035551212"), QStringLiteral("X"));
    EXPECT_EQ(blocked.Number(), u"*Private");
    EXPECT_EQ(blocked.Name(), u"");
    EXPECT_TRUE(blocked.Private());
    EXPECT_FALSE(blocked.OutOfAreaFlag());

    EXPECT_EQ(Parsed(TCallerID::Partial, QStringLiteral("5551212")).Number(), u"5551212, *Partial");
    const TCallerID away = Parsed(TCallerID::OutOfArea | TCallerID::Unavail, {});
    EXPECT_EQ(away.Number(), u"*Out of Area, *Unavailable");
    EXPECT_TRUE(away.OutOfAreaFlag());
    EXPECT_EQ(Parsed(TCallerID::Blocked | TCallerID::OutOfArea | TCallerID::Partial | TCallerID::Unknown
                         | TCallerID::Unavail, {})
                  .Number(),
              u"*Private, *Out of Area, *Partial, *Unknown, *Unavailable");

    // A new report replaces the flags of the last one.
    TCallerID id;
    id.Parse(TCallerID::Blocked, {}, {});
    id.Parse(0, QStringLiteral("5551212"), {});
    EXPECT_FALSE(id.Private());
    EXPECT_EQ(id.Number(), u"5551212");
}

TEST(TCallerID, NetworkFieldsAreCutAndLoseControls)
{
    const QString longName = QString(200, u'A');
    const TCallerID id = Parsed(0, QString(100, u'9'), longName);
    EXPECT_EQ(id.Number().size(), TCallerID::MaxNumberLength);
    EXPECT_EQ(id.Name().size(), TCallerID::MaxNameLength);
    // Line breaks and tabs would split records and output lines; "~~" would
    // split a record's fields.
    const TCallerID hostile = Parsed(0, {}, QStringLiteral("EVIL\r\n{1 6 }X~~Y\tZ~"));
    EXPECT_FALSE(hostile.Name().contains(u'\n'));
    EXPECT_FALSE(hostile.Name().contains(u'\t'));
    EXPECT_FALSE(hostile.Name().contains(u"~~"));
    EXPECT_FALSE(hostile.Name().endsWith(u'~'));
}

TEST(ModemCallerIdFields, GathersTheBlockBetweenRings)
{
    ModemCallerIdFields fields;
    EXPECT_FALSE(fields.Feed("RING"));
    EXPECT_FALSE(fields.Pending());
    EXPECT_TRUE(fields.Feed("DATE = 1209"));
    EXPECT_TRUE(fields.Feed("TIME=0931"));
    EXPECT_TRUE(fields.Feed("NMBR = 3035551212"));
    EXPECT_TRUE(fields.Feed("name = JOHN Q PUBLIC"));
    ASSERT_TRUE(fields.Pending());
    const auto report = fields.Take();
    EXPECT_EQ(report.number, u"3035551212");
    EXPECT_EQ(report.name, u"JOHN Q PUBLIC");
    EXPECT_EQ(report.date, u"1209");
    EXPECT_EQ(report.time, u"0931");
    EXPECT_EQ(report.flags, std::uint32_t(TCallerID::HasAddress | TCallerID::HasName));
    EXPECT_FALSE(fields.Pending());
}

TEST(ModemCallerIdFields, PrivateAndOutOfAreaMarks)
{
    ModemCallerIdFields fields;
    fields.Feed("NMBR = P");
    fields.Feed("NAME = P");
    EXPECT_EQ(fields.Take().flags, std::uint32_t(TCallerID::Blocked));
    fields.Feed("NMBR = O");
    EXPECT_EQ(fields.Take().flags, std::uint32_t(TCallerID::OutOfArea));
    // A withheld name beside a number hides only the name.
    fields.Feed("NMBR = 5551212");
    fields.Feed("NAME = P");
    const auto report = fields.Take();
    EXPECT_EQ(report.flags, std::uint32_t(TCallerID::HasAddress));
    EXPECT_EQ(report.name, u"");
    // Only a date: nothing to show.
    fields.Feed("DATE = 0101");
    EXPECT_EQ(fields.Take().flags, std::uint32_t(TCallerID::Unavail));
}

TEST(ModemCallerIdFields, AnyBytesAreTakenAsText)
{
    ModemCallerIdFields fields;
    QByteArray hostile = "NAME = ";
    for (int byte = 1; byte < 256; ++byte)
        hostile += static_cast<char>(byte);
    EXPECT_TRUE(fields.Feed(hostile));
    EXPECT_TRUE(fields.Feed("NMBR = \xff\xfe\x01\x02"));
    const auto report = fields.Take();
    EXPECT_LE(report.name.size(), TCallerID::MaxNameLength);
    for (QChar c : QString(report.name + report.number))
        EXPECT_NE(c.category(), QChar::Other_Control);
}
