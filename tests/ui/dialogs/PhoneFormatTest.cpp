#include "ui/dialogs/PhoneFormat.h"

#include <QLineEdit>
#include <QTest>

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

// Types the keys into a line edit carrying the format's mask, as the user would.
QString Typed(const QString& name, const QString& keys, QString* plain = nullptr)
{
    const QString mask = MaskOf(name);
    QLineEdit edit;
    edit.setInputMask(PhoneFormats::ToInputMask(mask));
    edit.setCursorPosition(0);
    QTest::keyClicks(&edit, keys);
    if (plain)
        *plain = PhoneFormats::PlainText(mask, edit.displayText());
    return PhoneFormats::StoredText(mask, edit.displayText());
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

TEST(PhoneFormatTest, EditMasksTranslateToQtInputMasks)
{
    // Required digits become "9", optional ones "0"; literal digits and the
    // mask characters of Qt are escaped; "!" goes.
    const struct { const char16_t* name; const char16_t* qt; } expected[] = {
        {u"USA", u"(000)999-9999;_"},
        {u"Denmark", u"+45 99 99 99 99;_"},
        {u"France", u"16-99-99-99-99;_"},
        {u"Germany", u"(000 00) 00000;_"},
        {u"Italy", u"(0000) 9999 9999;_"},
        {u"Netherlands", u"\\09900-9999000;_"},
        {u"Norway", u"99 90 00 00;_"},
        {u"Spain", u"(000)9999999;_"},
        {u"Sweden", u"99 90 00 00;_"},
        {u"United Kingdom", u"\\09990 9999900;_"},
    };
    for (const auto& e : expected) {
        const QString name = QString::fromUtf16(e.name);
        EXPECT_EQ(PhoneFormats::ToInputMask(MaskOf(name)), QString::fromUtf16(e.qt)) << name.toStdString();
    }
    EXPECT_TRUE(PhoneFormats::ToInputMask(QString()).isEmpty());
}

TEST(PhoneFormatTest, TypedNumbersAreStoredWithTheLiteralsOfTheirFormat)
{
    const struct { const char16_t* name; const char16_t* keys; const char16_t* stored; const char16_t* plain; } cases[] = {
        {u"USA", u"5551234567", u"(555)123-4567", u"5551234567"},
        {u"Denmark", u"12345678", u"+45 12 34 56 78", u"12345678"},
        {u"France", u"87654321", u"16-87-65-43-21", u"87654321"},
        {u"Germany", u"0301234567", u"(030 12) 34567", u"0301234567"},
        {u"Italy", u"061234567890", u"(0612) 3456 7890", u"061234567890"},
        {u"Netherlands", u"2012345678", u"02012-345678", u"2012345678"},
        {u"Norway", u"12345678", u"12 34 56 78", u"12345678"},
        {u"Spain", u"9121234567", u"(912)1234567", u"9121234567"},
        {u"Sweden", u"12345678", u"12 34 56 78", u"12345678"},
        {u"United Kingdom", u"2071234567", u"02071 234567", u"2071234567"},
    };
    for (const auto& c : cases) {
        const QString name = QString::fromUtf16(c.name);
        QString plain;
        EXPECT_EQ(Typed(name, QString::fromUtf16(c.keys), &plain), QString::fromUtf16(c.stored)) << name.toStdString();
        EXPECT_EQ(plain, QString::fromUtf16(c.plain)) << name.toStdString();
    }
}

TEST(PhoneFormatTest, ANumberOfLiteralsAloneIsNotFilled)
{
    for (const PhoneFormat& format : PhoneFormats::Phone()) {
        QString plain;
        Typed(format.name, QString(), &plain);
        EXPECT_TRUE(plain.isEmpty()) << format.name.toStdString();
    }
    // Literal digits of the pattern ("45", "16", the leading 0) do not count.
    EXPECT_TRUE(PhoneFormats::PlainText(MaskOf(u"Denmark"_s), u"+45 __ __ __ __"_s).isEmpty());
    EXPECT_TRUE(PhoneFormats::PlainText(MaskOf(u"France"_s), u"16-__-__-__-__"_s).isEmpty());
    // Without a mask the text is what was typed, blanks aside.
    EXPECT_TRUE(PhoneFormats::PlainText(QString(), u"   "_s).isEmpty());
    EXPECT_EQ(PhoneFormats::StoredText(QString(), u" 555 1234 "_s), u"555 1234"_s);
}

TEST(PhoneFormatTest, APartlyTypedNumberKeepsWhatWasTyped)
{
    EXPECT_EQ(Typed(u"USA"_s, u"55512"_s), u"(555)12-"_s);
}
