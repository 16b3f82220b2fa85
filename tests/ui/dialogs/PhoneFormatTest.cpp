#include "ui/dialogs/PhoneFormat.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {
QString MaskOf(const QString& name)
{
    for (const PhoneFormat& format : PhoneFormats::Phone()) {
        if (format.name == name)
            return format.editMask;
    }
    ADD_FAILURE() << "no format " << name.toStdString();
    return QString();
}

QString Formatted(const QString& name, const QString& typed)
{
    return PhoneFormats::Format(MaskOf(name), typed);
}
} // namespace

TEST(PhoneFormatTest, ListsKeepTheirOrderAndTheFaxListStartsWithUsa)
{
    QStringList phone, fax;
    for (const PhoneFormat& f : PhoneFormats::Phone())
        phone << f.name;
    for (const PhoneFormat& f : PhoneFormats::Fax())
        fax << f.name;
    ASSERT_EQ(phone.size(), 11);
    EXPECT_EQ(phone.mid(0, 3), (QStringList{u"Free Format"_s, u"USA"_s, u"Denmark"_s}));
    EXPECT_EQ(fax.mid(0, 3), (QStringList{u"USA"_s, u"Free Format"_s, u"Denmark"_s}));
    EXPECT_EQ(phone.mid(2), fax.mid(2));
    EXPECT_TRUE(PhoneFormats::Fax().at(1).editMask.isEmpty());
}

TEST(PhoneFormatTest, PatternsShowTheLiteralsAndABlankPerDigit)
{
    EXPECT_EQ(PhoneFormats::Pattern(MaskOf(u"USA"_s)), u"(___)___-____"_s);
    EXPECT_EQ(PhoneFormats::Pattern(MaskOf(u"Denmark"_s)), u"+45 __ __ __ __"_s);
    EXPECT_EQ(PhoneFormats::Pattern(MaskOf(u"Netherlands"_s)), u"0____-_______"_s);
}

TEST(PhoneFormatTest, TypedDigitsAreStoredWithTheLiteralsOfTheirFormat)
{
    const struct { const char16_t* name; const char16_t* typed; const char16_t* stored; } cases[] = {
        {u"USA", u"5551234567", u"(555)123-4567"},
        {u"USA", u"555 123 4567", u"(555)123-4567"},
        {u"USA", u"1234567", u"123-4567"}, // the optional area code left out
        {u"Denmark", u"12345678", u"+45 12 34 56 78"},
        {u"France", u"87654321", u"16-87-65-43-21"},
        {u"Germany", u"0301234567", u"(030 12) 34567"},
        {u"Italy", u"061234567890", u"(0612) 3456 7890"},
        {u"Netherlands", u"2012345678", u"02012-345678"},
        {u"Norway", u"12345678", u"12 34 56 78"},
        {u"Spain", u"9121234567", u"(912)1234567"},
        {u"Sweden", u"12345678", u"12 34 56 78"},
        {u"United Kingdom", u"2071234567", u"02071 234567"},
    };
    for (const auto& c : cases) {
        const QString name = QString::fromUtf16(c.name);
        EXPECT_EQ(Formatted(name, QString::fromUtf16(c.typed)), QString::fromUtf16(c.stored)) << name.toStdString();
    }
}

TEST(PhoneFormatTest, NumbersThatDoNotFitTheFormatKeepEveryCharacter)
{
    // International numbers, whatever the format.
    EXPECT_EQ(Formatted(u"USA"_s, u"+49 351 1234567"_s), u"+49 351 1234567"_s);
    EXPECT_EQ(Formatted(u"Germany"_s, u" +1 (555) 123-4567 "_s), u"+1 (555) 123-4567"_s);
    // Too many or too few digits for the format.
    EXPECT_EQ(Formatted(u"USA"_s, u"0049 351 1234567"_s), u"0049 351 1234567"_s);
    EXPECT_EQ(Formatted(u"Denmark"_s, u"1234"_s), u"1234"_s);
    // Letters and dialing signs are not a plain number.
    EXPECT_EQ(Formatted(u"USA"_s, u"1-800-FLOWERS"_s), u"1-800-FLOWERS"_s);
    EXPECT_EQ(Formatted(u"USA"_s, u"*31#5551234567"_s), u"*31#5551234567"_s);
}

TEST(PhoneFormatTest, ANumberAlreadyWrittenInTheFormatStaysAsItIs)
{
    // Its digits would not fit again: the literal digits of the pattern count twice.
    EXPECT_EQ(Formatted(u"Netherlands"_s, u"02012-345678"_s), u"02012-345678"_s);
    EXPECT_EQ(Formatted(u"France"_s, u"16-87-65-43-21"_s), u"16-87-65-43-21"_s);
    EXPECT_EQ(Formatted(u"USA"_s, u"(555)123-4567"_s), u"(555)123-4567"_s);
}

TEST(PhoneFormatTest, WithoutAFormatTheTextIsTrimmedAndBlanksAreNotANumber)
{
    EXPECT_EQ(PhoneFormats::Format(QString(), u" 555 1234 "_s), u"555 1234"_s);
    EXPECT_FALSE(PhoneFormats::IsFilled(u"  "_s));
    EXPECT_FALSE(PhoneFormats::IsFilled(u"()-"_s));
    EXPECT_TRUE(PhoneFormats::IsFilled(u"+4"_s));
}
