#include "VCardTestSupport.h"

#include "model/PersonObject.h"

#include <QFile>

#include <gtest/gtest.h>

namespace {
QByteArray CorpusFile(const char* name)
{
    QFile file(CorpusDir() + u'/' + QString::fromLatin1(name));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

struct Expectation
{
    const char* file;
    int persons;
};

// Every file of the corpus, with the number of cards it holds.
constexpr Expectation kFiles[] = {
    {"android_v21_complicated.vcf", 1}, {"android_v21_japanese_qp_shiftjis.vcf", 1},
    {"android_v21_japanese_shiftjis.vcf", 1}, {"android_v21_winmo65.vcf", 1}, {"ezvcard_fullcontact.vcf", 1},
    {"ezvcard_gmail-single.vcf", 1}, {"ezvcard_issue114.vcf", 1}, {"ezvcard_John_Doe_ANDROID.vcf", 6},
    {"ezvcard_John_Doe_BLACK_BERRY.vcf", 1}, {"ezvcard_John_Doe_EVOLUTION.vcf", 1},
    {"ezvcard_John_Doe_GMAIL.vcf", 1}, {"ezvcard_John_Doe_IPHONE.vcf", 1},
    {"ezvcard_John_Doe_MAC_ADDRESS_BOOK.vcf", 1}, {"ezvcard_John_Doe_MS_OUTLOOK.vcf", 1},
    {"ezvcard_outlook-2003.vcf", 1}, {"ezvcard_outlook-2007.vcf", 1}, {"ezvcard_thunderbird-MFFAB.vcf", 1},
    {"folkerkinzel_cardbook_photo_v3.vcf", 1}, {"folkerkinzel_google_utf16le_bom.vcf", 2},
    {"folkerkinzel_outlook_ansi1252.vcf", 1}, {"folkerkinzel_v2_1_wab.vcf", 1}, {"folkerkinzel_v4_cardbook.vcf", 2},
    {"kcontacts_apple_item_groups.vcf", 1}, {"kcontacts_vcard10_qp_utf8_multi.vcf", 5},
    {"kcontacts_vcard12_evolution_photos.vcf", 1}, {"kcontacts_vcard3_netscape.vcf", 1},
    {"kcontacts_vcard4_ximian.vcf", 1}, {"kcontacts_vcard5_kaddressbook.vcf", 1},
    {"kcontacts_vcard9_owncloud_utf8.vcf", 1}, {"thunderbird_export_v4.vcf", 2}};

class VCardCorpus : public ::testing::Test
{
protected:
    void SetUp() override
    {
        if (!QDir(CorpusDir()).exists())
            GTEST_SKIP() << "no corpus";
    }

    // Imports one file; the only (or first) person of it.
    TPersonObject* Person(const char* name, int index = 0)
    {
        EXPECT_GE(cards.Import(CorpusFile(name)), index + 1) << name;
        auto* person = dynamic_cast<TPersonObject*>(cards.Item(index));
        EXPECT_NE(person, nullptr);
        return person;
    }

    static QString Str(const char* utf8) { return QString::fromUtf8(utf8); }
    static QString Value(const TZVBObject* item) { return item ? item->Value() : u"<none>"_qs; }
    static const TAddressObject* Address(const TZVBObject* holder, int nth = 0)
    {
        return static_cast<const TAddressObject*>(ImportedCards::Leaf(holder, ClassCode::Address, nth));
    }

    ImportedCards cards;
};
} // namespace

TEST_F(VCardCorpus, EveryFileImportsItsCardsAsPersons)
{
    const QStringList present = QDir(CorpusDir()).entryList({u"*.vcf"_qs});
    EXPECT_EQ(present.size(), std::size(kFiles)) << "the corpus changed";
    for (const Expectation& e : kFiles) {
        ImportedCards one;
        EXPECT_EQ(one.Import(CorpusFile(e.file)), e.persons) << e.file;
        int persons = 0;
        for (const auto& child : one.root->Children())
            persons += child->Item()->ClassCode() == ClassCode::Person;
        EXPECT_EQ(persons, e.persons) << e.file;
    }
}

TEST_F(VCardCorpus, GmailGroupsEscapesAndFolds)
{
    TPersonObject* p = Person("ezvcard_John_Doe_GMAIL.vcf");
    EXPECT_EQ(p->LastName(), u"Doe");
    EXPECT_EQ(p->MiddleName(), u"Richter, James"); // an escaped comma stays in the value
    EXPECT_EQ(p->Salutation(), u"Mr.");
    EXPECT_EQ(Value(ImportedCards::Leaf(p, ClassCode::EMail)), u"john.doe@ibm.com");
    EXPECT_EQ(ImportedCards::Leaf(p, ClassCode::EMail)->Title(), u"Home,Internet");
    EXPECT_EQ(Value(ImportedCards::Leaf(p, ClassCode::Phone, 1)), u"905-666-1234");
    EXPECT_EQ(p->Primaries().Website, u"Web URL");
    EXPECT_EQ(Value(p->Primaries().ResolveWebsite(p)), u"http://www.ibm.com"); // "\:" unescaped
    // The folded street with escaped line breaks becomes one line.
    EXPECT_TRUE(Address(p)->Lines()[1].endsWith(u"New York 12345 United States of America"));
}

TEST_F(VCardCorpus, Outlook21QuotedPrintableLabelsAndPhoto)
{
    TPersonObject* p = Person("ezvcard_John_Doe_MS_OUTLOOK.vcf");
    EXPECT_EQ(p->FirstName(), u"John");
    EXPECT_EQ(ImportedCards::LeafCount(p, ClassCode::Address), 2);
    EXPECT_EQ(p->Primaries().Address, u"Office,Preferred");
    EXPECT_EQ(Address(p)->Lines()[0], u"Cresent moon drive");
    EXPECT_EQ(Address(p)->PostalCode(), u"12345");
    EXPECT_EQ(Value(p->Primaries().ResolveEMail(p)), u"john.doe@ibm.cm");
    EXPECT_EQ(ImportedCards::LeafCount(p, ClassCode::Phone), 2);
    // Nothing from the photo block or the QP labels; the birthday becomes a date.
    EXPECT_EQ(p->Contents().size(), 6U);
    EXPECT_EQ(ImportedCards::LeafCount(p, ClassCode::Reminder), 1);
}

TEST_F(VCardCorpus, IPhoneCrCrLfAndFoldedPhoto)
{
    TPersonObject* p = Person("ezvcard_John_Doe_IPHONE.vcf");
    EXPECT_EQ(p->LastName(), u"Doe");
    EXPECT_EQ(p->FirstName(), u"John");
    EXPECT_EQ(Value(p->Primaries().ResolvePhone(p)), u"905-555-1234");
    EXPECT_EQ(Value(p->Primaries().ResolveEMail(p)), u"john.doe@ibm.com");
    EXPECT_EQ(ImportedCards::LeafCount(p, ClassCode::Fax), 2);
    EXPECT_EQ(Address(p)->City(), u"New York");
}

TEST_F(VCardCorpus, EvolutionFoldsInsideValues)
{
    TPersonObject* p = Person("ezvcard_John_Doe_EVOLUTION.vcf");
    EXPECT_EQ(p->MiddleName(), u"Richter, James");
    EXPECT_EQ(Value(ImportedCards::Leaf(p, ClassCode::EMail)), u"john.doe@ibm.com");
    EXPECT_EQ(Value(ImportedCards::Leaf(p, ClassCode::Phone, 1)), u"905-555-1234");
    EXPECT_EQ(ImportedCards::Leaf(p, ClassCode::Phone, 1)->Title(), u"Office,Voice Line");
    EXPECT_EQ(Address(p)->Country(), u"United States of America");
    EXPECT_EQ(Value(p->Primaries().ResolveWebsite(p)), u"http://www.ibm.com");
}

TEST_F(VCardCorpus, OwnCloudFoldsInsideUtf8Sequences)
{
    TPersonObject* p = Person("kcontacts_vcard9_owncloud_utf8.vcf");
    EXPECT_FALSE(p->LastName().contains(QChar::ReplacementCharacter));
    EXPECT_TRUE(p->LastName().startsWith(Str("123\xE3\x84\x93\xE3\x84\x95\xE3\x84\x96" "bcde\xCE\xB1")));
    EXPECT_EQ(p->Title().count(Str("\xCE\xB2\xCE\xB3\xCE\xB4\xCE\xB5\xCE\xB1\xCE\xB2\xCE\xB3\xCE\xB4" "1")), 11);
}

TEST_F(VCardCorpus, Utf16WithByteOrderMark)
{
    ASSERT_EQ(cards.Import(CorpusFile("folkerkinzel_google_utf16le_bom.vcf")), 2);
    const TZVBObject* second = cards.tree.FindPath(Str("My Contacts/KMS Au\xC3\x9F" "enstelle"))->Item();
    EXPECT_EQ(Value(ImportedCards::Leaf(second, ClassCode::EMail)), Str("blabl\xC3\xB6@blub.com"));
    const TZVBObject* first = cards.tree.FindPath(u"My Contacts/Folker Kinzel"_qs)->Item();
    EXPECT_EQ(Address(first)->City(), u"Halle");
}

TEST_F(VCardCorpus, Windows1252WithoutCharset)
{
    TPersonObject* p = Person("folkerkinzel_outlook_ansi1252.vcf");
    EXPECT_EQ(Address(p)->Lines()[0], Str("L\xC3\xA4mmerweg 12"));
    EXPECT_EQ(p->Primaries().Address, u"Home,Preferred");
    EXPECT_EQ(p->Contents().size(), 1U);
}

TEST_F(VCardCorpus, ShiftJisAndQuotedPrintableShiftJis)
{
    TPersonObject* p = Person("android_v21_japanese_shiftjis.vcf");
    EXPECT_EQ(p->LastName(), Str("\xE5\xAE\x89\xE8\x97\xA4\xE3\x83\xAD\xE3\x82\xA4\xE3\x83\x89"));
    ImportedCards qp;
    ASSERT_EQ(qp.Import(CorpusFile("android_v21_japanese_qp_shiftjis.vcf")), 1);
    EXPECT_TRUE(Address(qp.Item(0))->Lines()[1].startsWith(Str("\xE6\x9D\xB1\xE4\xBA\xAC\xE9\x83\xBD")));
}

TEST_F(VCardCorpus, AndroidQuotedPrintableUtf8AndLongPhotoBlock)
{
    TPersonObject* c = Person("android_v21_complicated.vcf");
    EXPECT_EQ(c->LastName(), u"Gump");
    EXPECT_EQ(c->MiddleName(), u"Hoge");
    EXPECT_EQ(ImportedCards::LeafCount(c, ClassCode::Phone), 5);
    EXPECT_EQ(Value(c->Primaries().ResolveEMail(c)), u"forrestgump@walladalla.com");
    ImportedCards android;
    ASSERT_EQ(android.Import(CorpusFile("ezvcard_John_Doe_ANDROID.vcf")), 6);
    // Quoted-printable UTF-8 names; the e-mail of another card runs across a soft break.
    const auto* n = static_cast<TPersonObject*>(android.tree.FindPath(u"My Contacts/ÑÑÑÑ"_qs)->Item());
    EXPECT_EQ(n->LastName(), u"ÑÑÑÑ");
    EXPECT_EQ(Value(n->Primaries().ResolvePhone(n)), u"55556666");
}

TEST_F(VCardCorpus, Version4TypesAndPreferences)
{
    ASSERT_EQ(cards.Import(CorpusFile("folkerkinzel_v4_cardbook.vcf")), 2);
    const TZVBObject* max = cards.tree.FindPath(u"My Contacts/Dr. Max Horst Mustermann jr. Maxl SED"_qs)->Item();
    EXPECT_EQ(ImportedCards::LeafCount(max, ClassCode::Fax), 3);
    EXPECT_EQ(ImportedCards::Leaf(max, ClassCode::Fax, 1)->Title(), u"Home,Fax Line");
    ImportedCards tb;
    ASSERT_EQ(tb.Import(CorpusFile("thunderbird_export_v4.vcf")), 2);
    auto* two = static_cast<TPersonObject*>(tb.tree.FindPath(u"My Contacts/contact number two"_qs)->Item());
    EXPECT_EQ(two->Primaries().EMail, u"Preferred");
    EXPECT_EQ(two->LastName(), u"two");
}
