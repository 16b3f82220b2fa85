#include "TreeBuilder.h"

#include "model/ClassCodes.h"
#include "model/PersonObject.h"
#include "sync/Binding.h"
#include "exchange/CardLines.h"
#include "sync/CardMerge.h"
#include "sync/Multistatus.h"
#include "exchange/StandardCard.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

namespace {

TEST(StandardCard, EscapesValuesAndPutsTheStreetInItsPlace)
{
    TItemTree tree;
    TTreeNode* person = AddContainer(tree.CreateRoot(), ClassCode::Person, QStringLiteral("Tom \"T\" Ray"));
    static_cast<TPersonObject*>(person->Item())->SetNameParts(QString(), QStringLiteral("Tom"), QString(),
                                                               QStringLiteral("Ray; Jr."));
    AddLeaf(person, ClassCode::Address, QStringLiteral("Home"), QString(),
            QStringLiteral("{Addr}12 Elm St, Apt 2~~Floor 3~~PO Box 7~~Spring\\field~~IL~~62701~~USA~~0"));
    AddLeaf(person, ClassCode::Phone, QStringLiteral("Mobile"), QStringLiteral("+49 351 1"));
    AddLeaf(person, ClassCode::Fax, QStringLiteral("Office"), QStringLiteral("2"));
    AddLeaf(person, ClassCode::EMail, QStringLiteral("Work"), QStringLiteral("t@example.org"));
    AddContainer(person, ClassCode::Website, QStringLiteral("Site"), QStringLiteral("https://example.org/a,b"));

    const QString card = StandardCard::Write(*person->Item(), QStringLiteral("u-1"));
    EXPECT_TRUE(card.startsWith(QStringLiteral("BEGIN:VCARD\r\nVERSION:3.0\r\nUID:u-1\r\n")));
    EXPECT_TRUE(card.contains(QStringLiteral("\r\nN:Ray\\; Jr.;Tom;;;\r\n")));
    EXPECT_TRUE(card.contains(QStringLiteral("\r\nFN:Tom \"T\" Ray\r\n")));
    EXPECT_TRUE(card.contains(
        QStringLiteral("\r\nADR;TYPE=HOME:PO Box 7;Floor 3;12 Elm St\\, Apt 2;Spring\\\\field;IL;62701;USA\r\n")));
    EXPECT_TRUE(card.contains(QStringLiteral("\r\nTEL;TYPE=CELL:+49 351 1\r\n")));
    EXPECT_TRUE(card.contains(QStringLiteral("\r\nTEL;TYPE=WORK,FAX:2\r\n")));
    EXPECT_TRUE(card.contains(QStringLiteral("\r\nEMAIL;TYPE=WORK,INTERNET:t@example.org\r\n")));
    EXPECT_TRUE(card.contains(QStringLiteral("\r\nURL:https://example.org/a\\,b\r\n")));
    EXPECT_TRUE(card.endsWith(QStringLiteral("END:VCARD\r\n")));
}

TEST(StandardCard, FoldsLongLinesWithoutSplittingCharacters)
{
    const QString value = QString(40, QChar(0x00E9)); // two octets each
    const QString folded = CardLines::Fold(QStringLiteral("NOTE:") + value);
    for (const QString& line : folded.split(QStringLiteral("\r\n"), Qt::SkipEmptyParts))
        EXPECT_LE(line.toUtf8().size(), 75);
    EXPECT_EQ(CardLines::Unfold(folded), QStringList{QStringLiteral("NOTE:") + value});
    EXPECT_EQ(CardLines::NameOf(QStringLiteral("item1.tel;TYPE=CELL:1")), QStringLiteral("TEL"));
}

TEST(StandardCard, TellsOrganizationsFromPersons)
{
    EXPECT_TRUE(StandardCard::IsOrganization(QStringLiteral("BEGIN:VCARD\r\nKIND:org\r\nFN:Acme\r\nEND:VCARD\r\n")));
    EXPECT_TRUE(StandardCard::IsOrganization(
        QStringLiteral("BEGIN:VCARD\r\nN:Acme;;;;\r\nFN:Acme\r\nORG:Acme\r\nEND:VCARD\r\n")));
    EXPECT_FALSE(StandardCard::IsOrganization(
        QStringLiteral("BEGIN:VCARD\r\nN:Doe;Jo;;;\r\nFN:Acme\r\nORG:Acme\r\nEND:VCARD\r\n")));
    EXPECT_FALSE(StandardCard::IsOrganization(
        QStringLiteral("BEGIN:VCARD\r\nN:Doe;Jo;;;\r\nFN:Jo Doe\r\nORG:Acme\r\nEND:VCARD\r\n")));
}

TEST(CardMerge, KeepsWhatItDoesNotOwnAndReplacesWhatItDoes)
{
    const QString original = QStringLiteral(
        "BEGIN:VCARD\r\nVERSION:4.0\r\nUID:srv-9\r\nN:Old;Name;;;\r\nFN:Old Name\r\nTEL:1\r\nTEL:2\r\n"
        "PHOTO:data:image/jpeg;base64,QUJD\r\n REVG\r\nORG:Acme\r\nURL:http://a\r\nURL:http://b\r\n"
        "X-SOCIAL:@x\r\nEND:VCARD\r\n");
    const QString fresh = QStringLiteral("BEGIN:VCARD\r\nVERSION:3.0\r\nUID:zendrivo-5\r\nN:New;Name;;;;\r\n"
                                         "FN:New Name\r\nTEL;TYPE=CELL:3\r\nURL:http://c\r\nEND:VCARD\r\n");
    const QString merged = CardMerge::Merge(original, fresh);
    const QStringList lines = CardLines::Unfold(merged);
    EXPECT_TRUE(lines.contains(QStringLiteral("VERSION:4.0")));
    EXPECT_TRUE(lines.contains(QStringLiteral("UID:srv-9")));
    EXPECT_FALSE(merged.contains(QStringLiteral("zendrivo-5")));
    EXPECT_TRUE(lines.contains(QStringLiteral("FN:New Name")));
    EXPECT_FALSE(merged.contains(QStringLiteral("Old")));
    EXPECT_TRUE(lines.contains(QStringLiteral("TEL;TYPE=CELL:3")));
    EXPECT_FALSE(lines.contains(QStringLiteral("TEL:1")));
    EXPECT_TRUE(lines.contains(QStringLiteral("PHOTO:data:image/jpeg;base64,QUJDREVG")));
    EXPECT_TRUE(lines.contains(QStringLiteral("ORG:Acme"))); // a person's company is not ours
    EXPECT_TRUE(lines.contains(QStringLiteral("URL:http://c")));
    EXPECT_FALSE(lines.contains(QStringLiteral("URL:http://a")));
    EXPECT_TRUE(lines.contains(QStringLiteral("URL:http://b")));
    EXPECT_TRUE(lines.contains(QStringLiteral("X-SOCIAL:@x")));
    EXPECT_EQ(lines.count(QStringLiteral("BEGIN:VCARD")), 1);
    EXPECT_EQ(lines.last(), QStringLiteral("END:VCARD"));
}

TEST(Multistatus, ReadsEtagsCardsDeletionsAndTheToken)
{
    const QByteArray body = R"(<?xml version="1.0"?>
<multistatus xmlns="DAV:" xmlns:C="urn:ietf:params:xml:ns:carddav">
 <response><href>/b/a.vcf</href>
  <propstat><prop><getetag>"1"</getetag><C:address-data>BEGIN:VCARD&#13;
END:VCARD</C:address-data></prop><status>HTTP/1.1 200 OK</status></propstat>
  <propstat><prop><displayname/></prop><status>HTTP/1.1 404 Not Found</status></propstat></response>
 <response><href>/b/gone.vcf</href><status>HTTP/1.1 404 Not Found</status></response>
 <response><href>/b/</href><propstat><prop><resourcetype><collection/><C:addressbook/></resourcetype>
  <current-user-principal><href>/p/</href></current-user-principal></prop>
  <status>HTTP/1.1 200 OK</status></propstat></response>
 <sync-token>tok-2</sync-token>
</multistatus>)";
    Multistatus parsed;
    ASSERT_TRUE(MultistatusParser::Parse(body, parsed));
    ASSERT_EQ(parsed.resources.size(), 3U);
    EXPECT_EQ(parsed.resources[0].etag, QStringLiteral("\"1\""));
    EXPECT_EQ(parsed.resources[0].status, 200);
    EXPECT_EQ(parsed.resources[0].addressData, QStringLiteral("BEGIN:VCARD\r\nEND:VCARD"));
    EXPECT_EQ(parsed.resources[1].status, 404);
    EXPECT_TRUE(parsed.resources[2].isAddressBook);
    EXPECT_EQ(parsed.resources[2].principalHref, QStringLiteral("/p/"));
    EXPECT_EQ(parsed.syncToken, QStringLiteral("tok-2"));
}

TEST(Multistatus, RefusesWhatIsNotAMultistatusAndSurvivesDeepNesting)
{
    Multistatus parsed;
    QString error;
    EXPECT_FALSE(MultistatusParser::Parse("<html><body>Login</body></html>", parsed, &error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_FALSE(MultistatusParser::Parse("<d:multistatus xmlns:d=\"DAV:\"><d:response>", parsed, &error));
    EXPECT_FALSE(MultistatusParser::Parse("", parsed, &error));
    QByteArray deep = "<d:multistatus xmlns:d=\"DAV:\"><d:response><d:propstat><d:prop>";
    for (int i = 0; i < 100000; ++i)
        deep += "<x>";
    for (int i = 0; i < 100000; ++i)
        deep += "</x>";
    deep += "</d:prop></d:propstat></d:response></d:multistatus>";
    EXPECT_TRUE(MultistatusParser::Parse(deep, parsed, &error)) << error.toStdString();
    EXPECT_EQ(MultistatusParser::StatusCode(u"HTTP/1.1 207 Multi-Status"), 207);
    EXPECT_EQ(MultistatusParser::StatusCode(u"207"), 0);
}

TEST(Binding, KeepsUserNamesWithBlanksAndPercentSigns)
{
    QTemporaryDir dir;
    const QString ini = dir.filePath(QStringLiteral("zvb.ini"));
    ASSERT_TRUE((Binding{7, QStringLiteral("https://dav.example/b/"), QStringLiteral("Ann Lee %20")}).Store(ini));
    ASSERT_TRUE((Binding{9, QStringLiteral("http://x/"), QString()}).Store(ini));
    const auto seven = Binding::Of(ini, 7);
    ASSERT_TRUE(seven.has_value());
    EXPECT_EQ(seven->user, QStringLiteral("Ann Lee %20"));
    EXPECT_EQ(seven->url, QStringLiteral("https://dav.example/b/"));
    EXPECT_EQ(Binding::All(ini).size(), 2U);
    EXPECT_TRUE(Binding::Remove(ini, 7));
    EXPECT_FALSE(Binding::Of(ini, 7).has_value());
    EXPECT_EQ(Binding::IntervalMinutes(ini), 15);
}

} // namespace
