#include "TreeFixture.h"

#include "exchange/ContactsHeader.h"
#include "exchange/CsvImport.h"
#include "exchange/RecordTypes.h"
#include "model/ClassCodes.h"
#include "model/PersonObject.h"

#include "TextList.h"

#include <gtest/gtest.h>

namespace {

// A list of texts written as plain literals.
const char* const kIgnore = "(Ignore column)";

QStringList PersonFields()
{
    return RecordTypes::Find(u"Person")->fields;
}

TEST(ContactsHeader, RecognisesTheThreeAddressBooks)
{
    const ContactsHeader::Guess google = ContactsHeader::Recognise(
        QStringLiteral("Name,Given Name,Additional Name,Family Name,Yomi Name,Notes,E-mail 1 - Type,E-mail 1 - Value,"
                       "Phone 1 - Type,Phone 1 - Value"),
        PersonFields());
    EXPECT_EQ(google.source, u"Google Contacts");
    EXPECT_EQ(google.fields, L({"Title", "First Name", "Middle Name", "Last Name", kIgnore, "Comment", kIgnore,
                                          "E-Mail Address", kIgnore, "Phone Number"}));

    const ContactsHeader::Guess outlook = ContactsHeader::Recognise(
        QStringLiteral("\"Title\",\"First Name\",\"Middle Name\",\"Last Name\",\"Suffix\",\"Company\","
                       "\"Business Street\",\"Business City\",\"E-mail Address\",\"E-mail Type\""),
        PersonFields());
    EXPECT_EQ(outlook.source, u"Outlook");
    // Its "Title" is the salutation; columns after the last one taken are dropped.
    EXPECT_EQ(outlook.fields, L({"Salutation", "First Name", "Middle Name", "Last Name", kIgnore, kIgnore,
                                           "Address Line 1", "City", "E-Mail Address"}));

    const ContactsHeader::Guess thunderbird = ContactsHeader::Recognise(
        QStringLiteral("First Name,Last Name,Display Name,Nickname,Primary Email,Secondary Email,Screen Name,Work Phone"),
        PersonFields());
    EXPECT_EQ(thunderbird.source, u"Thunderbird");
    EXPECT_EQ(thunderbird.fields, L({"First Name", "Last Name", "Title", kIgnore, "E-Mail Address", kIgnore,
                                               kIgnore, "Phone Number"}));
}

TEST(ContactsHeader, OtherLinesAndOtherTypesGiveNoGuess)
{
    EXPECT_TRUE(ContactsHeader::Recognise(QStringLiteral("Ann,Lee,ann@example.com"), PersonFields()).source.isEmpty());
    EXPECT_TRUE(ContactsHeader::Recognise(QString(), PersonFields()).fields.isEmpty());
    // A type that takes none of the columns.
    const ContactsHeader::Guess none = ContactsHeader::Recognise(QStringLiteral("Given Name,Family Name"),
                                                                 RecordTypes::Find(u"FAX Numbers")->fields);
    EXPECT_TRUE(none.source.isEmpty());
}

TEST(ContactsHeader, GuessedFieldsImportTheRowsBelowTheHeader)
{
    TreeFixture t;
    const QByteArray file = "Name,Given Name,Family Name,Group Membership,E-mail 1 - Value\r\n"
                            "Ann Lee,Ann,Lee,* myContacts,ann@example.com\r\n";
    const QString header = DelimitedRecordReader::FirstLine(file);
    const ContactsHeader::Guess guess = ContactsHeader::Recognise(header, PersonFields());
    ASSERT_EQ(CsvImport::ImportText(t.root, file, ClassCode::Person, guess.fields, CsvImport::Separator::Comma, header),
              1);
    const auto* ann = static_cast<const TPersonObject*>(t.root->Child(0)->Item());
    EXPECT_EQ(ann->Title(), u"Ann Lee");
    EXPECT_EQ(ann->LastName(), u"Lee");
    ASSERT_NE(ann->Primaries().ResolveEMail(ann), nullptr);
    EXPECT_EQ(ann->Primaries().ResolveEMail(ann)->Value(), u"ann@example.com");
}

} // namespace
