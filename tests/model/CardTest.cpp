#include "model/AddressObject.h"
#include "FileBytes.h"
#include "model/Card.h"
#include "model/Exceptions.h"
#include "model/ItemFactory.h"
#include "model/ItemTree.h"
#include "model/OrgObject.h"
#include "model/PersonObject.h"
#include "model/TreeNode.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {
TCardProperty Parsed(const QString& line)
{
    TCardProperty p;
    p.Parse(line);
    return p;
}

struct Tree
{
    TItemTree tree;
    TTreeNode* root = tree.CreateRoot();

    template <typename T> T* Add(int code, const QString& title)
    {
        return static_cast<T*>(CreateItem(code, title, QString(), 0, QString(), root, QString()).Item());
    }
    static TZVBObject* Leaf(TZVBObject* holder, int code, const QString& title, const QString& value,
                            const QString& details = QString())
    {
        return CreateItem(code, title, value, 0, details, holder->Node(), QString()).Item();
    }
};
} // namespace

TEST(CardProperty, ParseSetsBareParametersAndSplitsValues)
{
    const TCardProperty tel = Parsed(QStringLiteral("TEL;work;VOICE;PREF:555-1234"));
    EXPECT_EQ(tel.Name(), u"TEL");
    EXPECT_TRUE(tel.Has(CardParameter::Work) && tel.Has(CardParameter::Voice) && tel.Has(CardParameter::Pref));
    EXPECT_EQ(tel.ParameterDescription(), u"Office,Preferred,Voice Line");
    EXPECT_EQ(tel.Values(), QStringList{QStringLiteral("555-1234")});

    // name=value parameters set nothing; commas separate values like semicolons.
    const TCardProperty adr = Parsed(QStringLiteral("ADR;TYPE=HOME:a,b;;\"c;d\""));
    EXPECT_EQ(adr.Parameters(), 0U);
    EXPECT_EQ(adr.Values(), (QStringList{u"a"_qs, u"b"_qs, QString(), u"c;d"_qs}));

    const TCardProperty headless = Parsed(QStringLiteral("no colon here"));
    EXPECT_TRUE(headless.Name().isEmpty());
    EXPECT_EQ(headless.ValueAt(0), u"no colon here");
}

TEST(CardProperty, FormatWritesParametersInTableOrderAndDropsOneTrailingSemicolon)
{
    TCardProperty fax = Parsed(QStringLiteral("TEL;FAX:123"));
    fax.Set(CardParameter::Pref);
    EXPECT_EQ(fax.Format(), u"TEL;PREF;FAX:123");
    EXPECT_EQ(Parsed(QStringLiteral("N:a;b;")).Format(), u"N:a;b;");
    EXPECT_EQ(TCardProperty(u"N"_qs, 0, {u"a"_qs, u"b"_qs, QString(), QString()}).Format(), u"N:a;b;;");
    EXPECT_EQ(Parsed(QStringLiteral("TEL;X400;dom:1")).Format(), u"TEL;DOM;X400:1");
    EXPECT_EQ(TCardProperty().ParameterDescription(), QString());
}

TEST(Card, FindComparesOverThePropertysOwnName)
{
    TCard card;
    card.Add(Parsed(QStringLiteral("NOTE:x")));
    card.Add(Parsed(QStringLiteral("fn:Full")));
    card.Add(Parsed(QStringLiteral("n:Last")));
    card.Add(Parsed(QStringLiteral(":headless")));
    EXPECT_EQ(card.IndexOf(u"N"), 2);
    EXPECT_EQ(card.IndexOf(u"FN"), 1);
    EXPECT_EQ(card.IndexOf(u"TEL"), -1);
    card.Delete(2);
    EXPECT_EQ(card.Find(u"N"), nullptr);
}

TEST(CardWriting, PersonWithoutChildrenGivesFiveLines)
{
    Tree t;
    auto* person = t.Add<TPersonObject>(ClassCode::Person, u"Doe, J"_qs);
    person->SetNameParts(QString(), u"John"_qs, QString(), u"Doe, Jr"_qs);
    person->SetValue(person->FullName());
    QTemporaryDir dir;
    const QString path = dir.filePath(u"p.vcf"_qs);
    person->WriteVCard(path);
    // The commas of the last name and of the title are escaped, not separators.
    EXPECT_EQ(ReadAll(path),
              QByteArray("begin:vcard\r\nN:Doe\\, Jr;John;;\r\nFN:John Doe\\, Jr\r\nTITLE:Doe\\, J\r\nend:vcard\r\n"));
}

TEST(CardWriting, ContentsBecomePropertiesAndPrimariesArePreferred)
{
    Tree t;
    auto* org = t.Add<TOrgObject>(ClassCode::Organization, u"Acme"_qs);
    Tree::Leaf(org, ClassCode::Phone, u"Main"_qs, u"555-1"_qs);
    Tree::Leaf(org, ClassCode::Fax, u"Fax"_qs, u"555-2"_qs);
    Tree::Leaf(org, ClassCode::EMail, u"Mail"_qs, u"a@b.c"_qs);
    Tree::Leaf(org, ClassCode::Address, u"HQ"_qs, u"1 Road"_qs, u"{Addr}1 Road~~~~~~Town~~ST~~123~~US"_qs);
    Tree::Leaf(org, ClassCode::Website, u"Site"_qs, u"http://acme.example"_qs);
    org->Primaries().Fax = u"Fax"_qs;
    org->Primaries().Address = u"HQ"_qs;
    org->Primaries().Website = u"Site"_qs;
    QTemporaryDir dir;
    const QString path = dir.filePath(u"o.vcf"_qs);
    org->WriteVCard(path);
    EXPECT_EQ(ReadAll(path), QByteArray("begin:vcard\r\nN:Acme\r\nFN:Acme\r\nORG:Acme\r\nTEL:555-1\r\nTEL;PREF;FAX:555-2\r\n"
                             "EMAIL;INTERNET:a@b.c\r\nADR;PREF:1 Road;;;Town;ST;123;US\r\nend:vcard\r\n"));
}

TEST(CardWriting, FailureNamesTheFileAndKeepsTheOldOne)
{
    Tree t;
    auto* person = t.Add<TPersonObject>(ClassCode::Person, u"P"_qs);
    EXPECT_THROW(person->WriteVCard(u"/nonexistent-dir/p.vcf"_qs), EZendrivoError);
    QTemporaryDir dir;
    const QString path = dir.filePath(u"keep.vcf"_qs);
    QFile old(path);
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write("old");
    old.close();
    QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    if (QFileInfo(dir.path()).isWritable()) { // the superuser writes anyway
        QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        GTEST_SKIP();
    }
    try {
        person->WriteVCard(path);
        ADD_FAILURE() << "write into a read-only directory succeeded";
    } catch (const EZendrivoError& e) {
        EXPECT_TRUE(e.Message().contains(path));
    }
    QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    EXPECT_EQ(ReadAll(path), QByteArray("old"));
}

TEST(CardReading, PersonTakesNamesTitleAndContactPoints)
{
    Tree t;
    auto* person = t.Add<TPersonObject>(ClassCode::Person, QString());
    TCard card;
    for (const char16_t* line : {u"N:Doe;John;Q;Dr.", u"FN:John Doe", u"TEL;WORK;VOICE;PREF:555-1234",
                                 u"EMAIL;INTERNET:j@d.example", u"ADR:;;3 Street", u"URL:http://one",
                                 u"URL:http://two", u"TEL;FAX:555-9"})
        card.Add(Parsed(QString::fromUtf16(line)));
    person->ImportVCard(card);
    EXPECT_EQ(person->Title(), u"John Doe"); // no TITLE: from FN
    EXPECT_EQ(person->Value(), u"Dr. John Doe");
    EXPECT_EQ(person->MiddleName(), u"Q");
    EXPECT_EQ(person->Primaries().Phone, u"Office,Preferred,Voice Line");
    EXPECT_EQ(person->Primaries().Website, u"Web URL");
    EXPECT_TRUE(person->Primaries().Fax.isEmpty());
    ASSERT_NE(person->Primaries().ResolvePhone(person), nullptr);
    EXPECT_EQ(person->Primaries().ResolvePhone(person)->Value(), u"555-1234");
    ASSERT_EQ(person->Contents().size(), 4U);
    const TZVBObject* address = person->Contents()[0]->Item();
    EXPECT_EQ(address->ClassCode(), ClassCode::Address);
    EXPECT_TRUE(address->Title().isEmpty());
    EXPECT_EQ(static_cast<const TAddressObject*>(address)->Lines(), (QStringList{QString(), QString(), u"3 Street"_qs}));
    EXPECT_EQ(person->Contents()[1]->Item()->Title(), u"Internet");
    EXPECT_EQ(person->Contents()[3]->Item()->ClassCode(), ClassCode::Fax);
    ASSERT_EQ(person->Node()->Children().size(), 1U); // the second URL is ignored
    EXPECT_EQ(person->Node()->Children()[0]->Item()->Value(), u"http://one");
    EXPECT_EQ(card.Find(u"TEL"), nullptr);
    EXPECT_NE(card.Find(u"URL"), nullptr);
    // What the import leaves of the card stays whole and in file order.
    ASSERT_EQ(card.Count(), 3);
    EXPECT_EQ(card.At(0).Values(), (QStringList{u"Doe"_qs, u"John"_qs, u"Q"_qs, u"Dr."_qs}));
    EXPECT_EQ(card.At(1).ValueAt(0), u"John Doe");
    EXPECT_EQ(card.At(2).ValueAt(0), u"http://two");
}

TEST(CardReading, PersonTitleFallsBackToFirstAndLastName)
{
    Tree t;
    auto* person = t.Add<TPersonObject>(ClassCode::Person, QString());
    TCard card;
    card.Add(Parsed(u"N:Doe;Jane"_qs));
    person->ImportVCard(card);
    EXPECT_EQ(person->Title(), u"Jane Doe");
    EXPECT_EQ(person->Value(), u" Jane Doe");
}

TEST(CardReading, OrganizationWithPreferredFaxSetsOnlyThePrimaryFax)
{
    Tree t;
    auto* org = t.Add<TOrgObject>(ClassCode::Organization, QString());
    TCard card;
    for (const char16_t* line : {u"N:Ignored", u"ORG:Acme;Sales", u"TEL;WORK:555-1", u"TEL;FAX;PREF:555-2"})
        card.Add(Parsed(QString::fromUtf16(line)));
    org->ImportVCard(card);
    EXPECT_EQ(org->Title(), u"Acme");
    EXPECT_TRUE(org->Value().isEmpty());
    ASSERT_EQ(org->Contents().size(), 2U);
    EXPECT_EQ(org->Contents()[0]->Item()->ClassCode(), ClassCode::Phone);
    EXPECT_EQ(org->Contents()[1]->Item()->ClassCode(), ClassCode::Fax);
    EXPECT_EQ(org->Primaries().Fax, u"Preferred,Fax Line");
    EXPECT_TRUE(org->Primaries().Phone.isEmpty());
    EXPECT_TRUE(org->Primaries().Address.isEmpty() && org->Primaries().EMail.isEmpty());
}
