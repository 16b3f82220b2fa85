#include "VCardTestSupport.h"
#include "FileBytes.h"

#include "exchange/CardFilePieces.h"
#include "exchange/RepeatedValues.h"
#include "exchange/VCardParser.h"
#include "exchange/VCardValue.h"
#include "model/Exceptions.h"
#include "model/ItemFactory.h"
#include "model/PersonObject.h"
#include "model/ReminderObject.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <map>
#include <stdexcept>

namespace {
std::vector<TCard> Cards(QByteArrayView bytes)
{
    std::vector<TCard> cards;
    VCardParser::Parse(bytes, cards);
    return cards;
}

// The values of the first property of that name in the only card.
QStringList Values(QByteArrayView bytes, const char16_t* name)
{
    const std::vector<TCard> cards = Cards(bytes);
    if (cards.size() != 1 || !cards[0].Find(name))
        return {u"<missing>"_qs};
    return cards[0].Find(name)->Values();
}
} // namespace

TEST(VCardLines, FoldsAreJoinedOnBytesBeforeDecoding)
{
    // "é" (C3 A9) split by a fold, CR LF line ends; a second blank stays text.
    EXPECT_EQ(Values("BEGIN:VCARD\r\nVERSION:3.0\r\nFN:Ren\xC3\r\n \xA9 Arnoux\r\nN:Doe;\r\n\t John\r\nEND:VCARD\r\n", u"FN"),
              QStringList{QString::fromUtf8("Ren\xC3\xA9 Arnoux")});
    EXPECT_EQ(Values("BEGIN:VCARD\nN:Doe;\n\t John\nEND:VCARD\n", u"N"), (QStringList{u"Doe"_qs, u" John"_qs}));
    // A head may be folded too.
    EXPECT_EQ(Values("BEGIN:VCARD\r\nTEL;TY\r\n PE=CELL:1\r\n 23\r\nEND:VCARD", u"TEL"), QStringList{u"123"_qs});
}

TEST(VCardLines, LineEndsOfEveryKind)
{
    for (QByteArrayView text : {"begin:vcard\r\r\nFN:A\r\r\nTEL:1\r\r\nend:vcard\r\r\n", "begin:vcard\rFN:A\rTEL:1\rend:vcard\r",
                                "begin:vcard\nFN:A\r\nTEL:1\nend:vcard"}) {
        const std::vector<TCard> cards = Cards(text);
        ASSERT_EQ(cards.size(), 1U) << text.data();
        EXPECT_EQ(cards[0].Count(), 2);
        EXPECT_EQ(cards[0].Find(u"TEL")->ValueAt(0), u"1");
    }
}

TEST(VCardLines, QuotedPrintableSoftBreaksAndCharsets)
{
    // The continuation of a soft break keeps its leading blank.
    EXPECT_EQ(Values("BEGIN:VCARD\r\nVERSION:2.1\r\nN;CHARSET=UTF-8;ENCODING=QUOTED-PRINTABLE:M=C3=BCl=\r\n ler;Hans\r\nEND:VCARD\r\n", u"N"),
              (QStringList{QString::fromUtf8("M\xC3\xBCl ler"), u"Hans"_qs}));
    EXPECT_EQ(Values("BEGIN:VCARD\nADR;HOME;QUOTED-PRINTABLE:;;L=E4mmer=\nweg 1;Ort\nEND:VCARD\n", u"ADR"),
              (QStringList{QString(), QString(), QString::fromUtf8("L\xC3\xA4mmerweg 1"), u"Ort"_qs}));
    EXPECT_EQ(Values("BEGIN:VCARD\nN;CHARSET=Windows-1252:M\xFCller\nEND:VCARD\n", u"N"),
              QStringList{QString::fromUtf8("M\xC3\xBCller")});
    // Raw Windows-1252 without a character set falls back per line.
    EXPECT_EQ(Values("BEGIN:VCARD\nN:Gr\xF6\xDF\x65\nEND:VCARD\n", u"N"), QStringList{QString::fromUtf8("Gr\xC3\xB6\xC3\x9F" "e")});
    // Shift_JIS "\x88\xc0\x93\xa1" is the family name Ando.
    EXPECT_EQ(Values("BEGIN:VCARD\nN;CHARSET=SHIFT_JIS:\x88\xC0\x93\xA1;\nEND:VCARD\n", u"N").value(0),
              QString::fromUtf8("\xE5\xAE\x89\xE8\x97\xA4"));
    // An unknown character set does not stop the reading.
    EXPECT_EQ(Values("BEGIN:VCARD\nN;CHARSET=X-NONE:Doe\nEND:VCARD\n", u"N"), QStringList{u"Doe"_qs});
}

TEST(VCardLines, Utf16FilesWithAndWithoutByteOrderMark)
{
    const QString text = QString::fromUtf8("BEGIN:VCARD\r\nN:Stra\xC3\x9F" "e;\xC3\xB6\r\nEND:VCARD\r\n");
    QByteArray le("\xFF\xFE", 2), be("\xFE\xFF", 2), bare;
    for (QChar c : text) {
        le.append(char(c.unicode() & 0xFF)).append(char(c.unicode() >> 8));
        be.append(char(c.unicode() >> 8)).append(char(c.unicode() & 0xFF));
        bare.append(char(c.unicode() & 0xFF)).append(char(c.unicode() >> 8));
    }
    const QStringList expected{QString::fromUtf8("Stra\xC3\x9F" "e"), QString::fromUtf8("\xC3\xB6")};
    EXPECT_EQ(Values(le, u"N"), expected);
    EXPECT_EQ(Values(be, u"N"), expected);
    EXPECT_EQ(Values(bare, u"N"), expected);
}

TEST(VCardLines, TypeParametersInEverySpelling)
{
    const auto bits = [](QByteArrayView line) {
        const std::vector<TCard> cards = Cards(QByteArray("BEGIN:VCARD\n" + line.toByteArray() + "\nEND:VCARD\n"));
        return cards.at(0).Count() ? cards[0].At(0).Parameters() : ~0U;
    };
    const std::uint32_t workVoice = Bits({CardParameter::Work, CardParameter::Voice});
    EXPECT_EQ(bits("TEL;WORK;VOICE:1"), workVoice);
    EXPECT_EQ(bits("TEL;TYPE=work,voice:1"), workVoice);
    EXPECT_EQ(bits("TEL;TYPE=WORK;TYPE=VOICE:1"), workVoice);
    EXPECT_EQ(bits("TEL;TYPE=\"work,voice\":1"), workVoice);
    EXPECT_EQ(bits("tel;type=Work;Voice:1"), workVoice);
    EXPECT_EQ(bits("TEL;PREF=1:1"), Bits({CardParameter::Pref}));
    EXPECT_EQ(bits("EMAIL;type=INTERNET;type=pref:a@b"), Bits({CardParameter::Internet, CardParameter::Pref}));
    EXPECT_EQ(bits("TEL;X-COUCHDB-UUID=\"a:b;c\";TYPE=CELL:1"), Bits({CardParameter::Cell}));
    EXPECT_EQ(bits("TEL;LANGUAGE=de;utf-8;x-unknown:1"), 0U);
    // Groups, blanks and empty parts around the parameters.
    EXPECT_EQ(bits("item1.TEL; TYPE = work , voice ;;:1"), workVoice);
    EXPECT_EQ(bits("TEL;;WORK VOICE:1"), workVoice);
    EXPECT_EQ(bits("TEL;TYPE=\"work\";VOICE:1"), workVoice);
    // Every parameter in either case; words that only begin or end like
    // one, or share its length and first letter, are none.
    for (int bit = 0; bit < CardParameter::kCount; ++bit) {
        const QByteArray name = CardParameter::Name(bit).toLatin1();
        EXPECT_EQ(bits(QByteArray("TEL;TYPE=" + name.toLower() + ":1")), 1U << bit) << name.constData();
        EXPECT_EQ(bits(QByteArray("TEL;" + name.toUpper() + ":1")), 1U << bit) << name.constData();
        const QByteArray nearly = name + "S," + name.chopped(1) + ",Q" + name.sliced(1);
        EXPECT_EQ(bits(QByteArray("TEL;TYPE=" + nearly + ":1")), 0U) << name.constData();
    }
    EXPECT_EQ(bits("TEL;TYPE=CAT,IDSN,VOIDE,PARCAL,1,\xC3\x89:1"), 0U);
}

TEST(VCardLines, ValueFormsOfNewerVersions)
{
    EXPECT_EQ(Values("BEGIN:VCARD\nVERSION:4.0\nTEL;VALUE=uri:tel:+1-555-0100\nEND:VCARD\n", u"TEL"),
              QStringList{u"+1-555-0100"_qs});
    EXPECT_EQ(Values("BEGIN:VCARD\nEMAIL:MAILTO:a@b.example\nEND:VCARD\n", u"EMAIL"), QStringList{u"a@b.example"_qs});
    EXPECT_EQ(Values("BEGIN:VCARD\nitem1.EMAIL;type=INTERNET:a@b\nitem1.X-ABLabel:x\nEND:VCARD\n", u"EMAIL"),
              QStringList{u"a@b"_qs});
    // 3.0 escapes, a bare comma is text; the version may come after the property.
    EXPECT_EQ(Values("BEGIN:VCARD\nN:Doe\\, Jr;A\\;B;C\\nD\\ND\\\\,http\\://x;\"q\"\nVERSION:3.0\nEND:VCARD\n", u"N"),
              (QStringList{u"Doe, Jr"_qs, u"A;B"_qs, u"C\nD\nD\\,http://x"_qs, u"\"q\""_qs}));
    // 2.1 knows only "\;". Without a version (our own files) the escapes our
    // writer uses are read back, and a backslash before anything else is text.
    EXPECT_EQ(Values("BEGIN:VCARD\nVERSION:2.1\nORG:A\\;B\\n;C\nEND:VCARD\n", u"ORG"),
              (QStringList{u"A;B\\n"_qs, u"C"_qs}));
    EXPECT_EQ(Values("BEGIN:VCARD\nORG:C:\\dir\\;x\\,y;\\\"z\\\"\nEND:VCARD\n", u"ORG"),
              (QStringList{u"C:\\dir;x,y"_qs, u"\"z\""_qs}));
}

// Names are read in any case, a name beginning with one that is read is read
// too (NOTE and NICKNAME by N), and every other line is passed over; a name
// keeps its spelling.
TEST(VCardLines, NamesAreReadByTheirStartInAnyCase)
{
    const std::vector<TCard> cards = Cards("BEGIN:VCARD\nfn:a\nNote:b\nNICKNAME:c\nX-FOO:d\ntel:e\nTITLE:f\nUID:g\n"
                                           "bday:h\nEmail:i\nadr:j\nORG:k\nurl:l\nTELX:m\nnote:n\nFNORD:o\nPHOTO:p\nEND:VCARD\n");
    ASSERT_EQ(cards.size(), 1u);
    QStringList names;
    for (int i = 0; i < cards[0].Count(); ++i)
        names.append(cards[0].At(i).Name() + u'=' + cards[0].At(i).ValueAt(0));
    EXPECT_EQ(names, (QStringList{u"fn=a"_qs, u"Note=b"_qs, u"NICKNAME=c"_qs, u"tel=e"_qs, u"TITLE=f"_qs, u"bday=h"_qs,
                                  u"Email=i"_qs, u"adr=j"_qs, u"ORG=k"_qs, u"url=l"_qs, u"TELX=m"_qs, u"note=n"_qs,
                                  u"FNORD=o"_qs}));
}

// Values are searched for separators several characters at a time: one
// must be found wherever it stands, in values of any length.
TEST(VCardLines, ASeparatorIsFoundWhereverItStands)
{
    using VCardValue::Escapes;
    for (const Escapes escapes : {Escapes::Plain, Escapes::Version21, Escapes::Version3}) {
        for (int size = 1; size <= 20; ++size) {
            for (int at = 0; at < size; ++at) {
                for (const char16_t separator : {u';', u',', u'"', u'\\'}) {
                    QString text(size, u'x');
                    text[at] = separator;
                    // An escaped semicolon is one, not a separator.
                    if (separator == u'\\' && at + 1 < size)
                        text[at + 1] = u';';
                    QString room(size, u' ');
                    std::vector<QStringView> values;
                    VCardValue::Split(text, escapes, room.data(), values);
                    QStringList got;
                    for (const QStringView value : values)
                        got.append(value.toString());
                    const QString before(at, u'x');
                    const QString after(size - at - 1, u'x');
                    QStringList want;
                    if (separator == u'\\' && at + 1 < size)
                        want = {before + u';' + QString(size - at - 2, u'x')};
                    else if (separator == u';' || (separator == u',' && escapes != Escapes::Version3))
                        want = {before, after};
                    else if (separator == u'"' && escapes != Escapes::Version3)
                        want = {before + after}; // a lone quote opens a quoted stretch and is dropped
                    else
                        want = {text};
                    EXPECT_EQ(got, want) << "size " << size << ", '" << char(separator) << "' at " << at
                                         << ", escapes " << int(escapes);
                }
            }
        }
    }
}

TEST(VCardLines, Base64BlocksAreSkippedWhole)
{
    // 2.1: continuation lines without indent until a blank line; the data
    // would otherwise pass for properties.
    const QByteArray v21 = "BEGIN:VCARD\r\nVERSION:2.1\r\nPHOTO;ENCODING=BASE64;TYPE=JPEG:\r\nNOTEaGVsbG8=\r\nTELaGVsbG8\r\n"
                           "\r\nTEL:1\r\nEND:VCARD\r\n";
    ASSERT_EQ(Cards(v21).size(), 1U);
    EXPECT_EQ(Cards(v21)[0].Count(), 2); // VERSION and TEL
    // 3.0: folded, the next property follows at once.
    const QByteArray v30 = "BEGIN:VCARD\nVERSION:3.0\nPHOTO;ENCODING=b;TYPE=JPEG:aGVs\n  TEL:bG8=\n Ng==\nTEL:2\nEND:VCARD\n";
    EXPECT_EQ(Values(v30, u"TEL"), QStringList{u"2"_qs});
    EXPECT_EQ(Cards(v30)[0].Count(), 2);
    // Bare BASE64 and a block ended by the end of the card.
    EXPECT_EQ(Cards("BEGIN:VCARD\nLOGO;BASE64:\n  AAAA\nEND:VCARD\nBEGIN:VCARD\nFN:Next\nEND:VCARD\n").size(), 2U);
}

TEST(VCardLines, CardBoundaries)
{
    // Lower case, a missing END at the end of the file, lines outside cards.
    const std::vector<TCard> cards = Cards("junk\nbegin:vcard\nfn:One\nend:vcard\nFN:outside\nBEGIN:VCARD\nFN:Two");
    ASSERT_EQ(cards.size(), 2U);
    EXPECT_EQ(cards[1].Find(u"FN")->ValueAt(0), u"Two");
    // Only the read names (as prefixes) are kept; a head without name is dropped.
    const std::vector<TCard> one = Cards("BEGIN:VCARD\nNOTE:n\nX-FOO:x\nBDAY:1\nTELEX:t\nFN\n:v\nEND:VCARD\n");
    ASSERT_EQ(one.size(), 1U);
    EXPECT_EQ(one[0].Count(), 3);
    EXPECT_EQ(one[0].At(1).Name(), u"BDAY");
    EXPECT_EQ(one[0].At(2).Name(), u"TELEX");
    EXPECT_TRUE(Cards("").empty());
    EXPECT_TRUE(Cards("\xFF\xFE").empty());
}

TEST(VCardImport, DescribedEdgeCases)
{
    ImportedCards cards;
    // An organization card followed by three person cards; capitals and lower case.
    const int n = cards.Import("BEGIN:VCARD\r\nORG:Acme\r\nTEL;WORK;VOICE;PREF:555-1234\r\nEND:VCARD\r\n"
                               "begin:vcard\r\nN:One;A\r\nend:vcard\r\nBEGIN:VCARD\r\nN:Two;B\r\nEND:VCARD\r\n"
                               "BEGIN:VCARD\r\nFN:Three\r\nEMAIL;INTERNET:t@x\r\nEND:VCARD\r\n",
                               true);
    EXPECT_EQ(n, 4);
    ASSERT_EQ(cards.root->Children().size(), 4U);
    const auto at = [&](const char16_t* title) { return cards.tree.FindPath(u"My Contacts/"_qs + QString::fromUtf16(title))->Item(); };
    const TZVBObject* org = at(u"Acme");
    EXPECT_EQ(org->ClassCode(), ClassCode::Organization);
    EXPECT_EQ(ImportedCards::Leaf(org, ClassCode::Phone)->Title(), u"Office,Preferred,Voice Line");
    for (const char16_t* person : {u"A One", u"B Two", u"Three"})
        EXPECT_EQ(at(person)->ClassCode(), ClassCode::Person);
    EXPECT_EQ(ImportedCards::Leaf(at(u"Three"), ClassCode::EMail)->Title(), u"Internet");
}

TEST(VCardImport, AskingNamesTheCard)
{
    TVCardFile file;
    file.ReadBytes("BEGIN:VCARD\nN:Doe;John;Q;Dr.\nORG:Acme\nEND:VCARD\nBEGIN:VCARD\nORG:Solo\nEND:VCARD\n"
                   "BEGIN:VCARD\nN:Last\nEND:VCARD\n");
    EXPECT_EQ(VCardImport::DisplayName(file.Card(0)), u"Dr. John Q Doe");
    EXPECT_EQ(VCardImport::DisplayName(file.Card(1)), u"New");
    TItemTree tree;
    TTreeNode* root = tree.CreateRoot();
    QStringList asked;
    VCardImport::ImportCards(file, root, [&](const TCard& card) {
        asked.append(VCardImport::DisplayName(card));
        return false;
    });
    EXPECT_EQ(asked, (QStringList{u"Dr. John Q Doe"_qs, u"New"_qs})); // a card without ORG is not asked about
    for (const auto& child : root->Children())
        EXPECT_EQ(child->Item()->ClassCode(), ClassCode::Person);
}

TEST(VCardImport, UnreadableFileKeepsTheTree)
{
    TItemTree tree;
    TTreeNode* root = tree.CreateRoot();
    CreateItem(ClassCode::Person, u"Kept"_qs, QString(), 0, QString(), root, QString());
    try {
        VCardImport::ImportFile(u"/nonexistent/cards.vcf"_qs, root, {});
        ADD_FAILURE() << "no error for a missing file";
    } catch (const EReadError& e) {
        EXPECT_EQ(e.Message(), u"Unable to access the file: /nonexistent/cards.vcf");
    }
    QTemporaryDir dir;
    EXPECT_THROW(VCardImport::ImportFile(dir.path(), root, {}), EReadError); // a directory reads as nothing
    ASSERT_EQ(root->Children().size(), 1U);
    EXPECT_EQ(root->Children()[0]->Item()->Title(), u"Kept");
}

TEST(VCardImport, RoundTripOfWrittenCards)
{
    ImportedCards source;
    source.Import("BEGIN:VCARD\nVERSION:3.0\nN:M\xC3\xBCller;Hans;Peter;Dr.\nFN:x\nTITLE:Hans M\xC3\xBCller\n"
                  "TEL;TYPE=WORK,VOICE;PREF=1:+49 30 1234\nTEL;TYPE=FAX:+49 30 9\nEMAIL;TYPE=INTERNET,pref:h@m.example\n"
                  "EMAIL:X400 name\nADR;TYPE=HOME,pref:;;Weg 1;Berlin;BE;10115;DE\nEND:VCARD\n");
    auto* person = static_cast<TPersonObject*>(source.Item(0));
    QTemporaryDir dir;
    const QString path = dir.filePath(u"p.vcf"_qs);
    person->WriteVCard(path);
    ImportedCards back;
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    ASSERT_EQ(back.Import(file.readAll()), 1);
    auto* again = static_cast<TPersonObject*>(back.Item(0));
    EXPECT_EQ(again->Title(), person->Title());
    EXPECT_EQ(again->Value(), person->Value());
    EXPECT_EQ(again->FirstName(), u"Hans");
    EXPECT_EQ(again->MiddleName(), u"Peter");
    EXPECT_EQ(again->LastName(), QString::fromUtf8("M\xC3\xBCller"));
    EXPECT_EQ(again->Salutation(), u"Dr.");
    ASSERT_EQ(again->Contents().size(), person->Contents().size());
    for (size_t i = 0; i < person->Contents().size(); ++i) {
        const TZVBObject* a = person->Contents()[i]->Item();
        const TZVBObject* b = again->Contents()[i]->Item();
        EXPECT_EQ(b->ClassCode(), a->ClassCode());
        EXPECT_EQ(b->Value(), a->Value());
        EXPECT_EQ(b->WriteRecord(1).section(u'\n', 1), a->WriteRecord(1).section(u'\n', 1));
    }
    // The primary links come back (titles now name the written parameters).
    EXPECT_EQ(again->Primaries().ResolvePhone(again)->Value(), u"+49 30 1234");
    EXPECT_EQ(again->Primaries().ResolveEMail(again)->Value(), u"h@m.example");
    EXPECT_EQ(static_cast<TAddressObject*>(again->Primaries().ResolveAddress(again))->City(), u"Berlin");
    EXPECT_EQ(again->Primaries().ResolveFax(again), nullptr);
}

TEST(VCardPersons, OtherProgramsCardsAreNamedByFullNameOursByTitle)
{
    ImportedCards foreign;
    ASSERT_EQ(foreign.Import("BEGIN:VCARD\r\nVERSION:3.0\r\nN:Miller;Jane;;;\r\nFN:Jane Miller\r\n"
                             "TITLE:Money Counter\r\nEND:VCARD\r\n"),
              1);
    EXPECT_EQ(foreign.Item(0)->Title(), QStringLiteral("Jane Miller"));
    // Cards written here carry no version line; their TITLE is the item's title.
    ImportedCards own;
    ASSERT_EQ(own.Import("BEGIN:VCARD\r\nN:Miller;Jane;;\r\nFN: Jane Miller\r\nTITLE:Jane\r\nEND:VCARD\r\n"), 1);
    EXPECT_EQ(own.Item(0)->Title(), QStringLiteral("Jane"));
}

TEST(VCardPersons, OtherProgramsAddressesPutTheStreetOnTheFirstLine)
{
    ImportedCards foreign;
    ASSERT_EQ(foreign.Import("BEGIN:VCARD\r\nVERSION:3.0\r\nN:Miller;Jane;;;\r\nFN:Jane Miller\r\n"
                             "ADR;TYPE=WORK:PO Box 7;Building C;12 Main Street;Springfield;IL;62701;USA\r\n"
                             "ADR;TYPE=HOME:;;3 Elm Road;Springfield;;;\r\nEND:VCARD\r\n"),
              1);
    const auto* work = static_cast<const TAddressObject*>(ImportedCards::Leaf(foreign.Item(0), ClassCode::Address, 0));
    const auto* home = static_cast<const TAddressObject*>(ImportedCards::Leaf(foreign.Item(0), ClassCode::Address, 1));
    ASSERT_TRUE(work && home);
    EXPECT_EQ(work->Lines(), (QStringList{u"12 Main Street"_qs, u"Building C"_qs, u"PO Box 7"_qs}));
    EXPECT_EQ(work->Value(), u"12 Main Street"_qs);
    EXPECT_EQ(work->City(), u"Springfield"_qs);
    EXPECT_EQ(home->Lines().value(0), u"3 Elm Road"_qs);
    EXPECT_EQ(home->Value(), u"3 Elm Road"_qs);

    // Our own cards carry no version line and their three lines in order.
    ImportedCards own;
    ASSERT_EQ(own.Import("BEGIN:VCARD\r\nN:Miller;Jane;;\r\nTITLE:Jane\r\n"
                         "ADR;HOME:Line one;Line two;Line three;Springfield;IL;62701;USA\r\nEND:VCARD\r\n"),
              1);
    const auto* mine = static_cast<const TAddressObject*>(ImportedCards::Leaf(own.Item(0), ClassCode::Address));
    ASSERT_NE(mine, nullptr);
    EXPECT_EQ(mine->Lines(), (QStringList{u"Line one"_qs, u"Line two"_qs, u"Line three"_qs}));
    EXPECT_EQ(mine->Value(), u"Line one"_qs);
}

TEST(VCardPersons, ABirthdayBecomesAYearlyDateAndTheNoteTheComment)
{
    ImportedCards cards;
    ASSERT_EQ(cards.Import("BEGIN:VCARD\r\nVERSION:3.0\r\nN:Miller;Jane;;;\r\nFN:Jane Miller\r\n"
                           "BDAY:1970-03-15\r\nNOTE:Met at the fair\\, 2019\r\nEND:VCARD\r\n"
                           "BEGIN:VCARD\r\nVERSION:4.0\r\nN:Doe;John;;;\r\nFN:John Doe\r\nBDAY:19851224T080000Z\r\n"
                           "END:VCARD\r\n"
                           "BEGIN:VCARD\r\nVERSION:3.0\r\nN:Roe;Rob;;;\r\nFN:Rob Roe\r\nBDAY:not a date\r\nEND:VCARD\r\n"),
              3);
    const TZVBObject* jane = cards.Item(0);
    EXPECT_EQ(jane->Comment(), u"Met at the fair, 2019"_qs);
    const auto* birthday = static_cast<const TReminderObject*>(ImportedCards::Leaf(jane, ClassCode::Reminder));
    ASSERT_NE(birthday, nullptr);
    EXPECT_EQ(birthday->Title(), u"Birthday"_qs);
    EXPECT_EQ(birthday->Recurrence().AsDate(), QDate(1970, 3, 15));
    EXPECT_EQ(birthday->Recurrence().RecurMode(), 2);
    // The person's name "N" is no note.
    EXPECT_EQ(cards.Item(1)->Comment(), QString());
    const auto* john = static_cast<const TReminderObject*>(ImportedCards::Leaf(cards.Item(1), ClassCode::Reminder));
    ASSERT_NE(john, nullptr);
    EXPECT_EQ(john->Recurrence().AsDate(), QDate(1985, 12, 24));
    EXPECT_EQ(ImportedCards::LeafCount(cards.Item(2), ClassCode::Reminder), 0);
}

namespace {
// Cards of every form the reader knows, numbered so that each is its own.
QByteArray VariedCard(int n)
{
    const QByteArray k = QByteArray::number(n);
    if (n == 777)
        return "BEGIN:VCARD\r\nFN:Long " + k + "\r\nNOTE:" + QByteArray(VCardLineReader::kMaxLineBytes / 2, 'x') + "\r\n " +
               QByteArray(VCardLineReader::kMaxLineBytes / 2, 'x') + "\r\nEMAIL:l" + k + "@example.org\r\nEND:VCARD\r\n";
    switch (n % 5) {
    case 0: return "BEGIN:VCARD\r\nVERSION:3.0\r\nN:Doe" + k + ";Ann\\, Jr.;;;\r\nFN:Ann\r\n  Doe " + k +
                   "\r\nTEL;TYPE=CELL,PREF:+1 555 " + k + "\r\nNOTE:a\\nb\\;c\r\nEND:VCARD\r\n";
    case 1: return "BEGIN:VCARD\nVERSION:2.1\nN;CHARSET=UTF-8;ENCODING=QUOTED-PRINTABLE:M=C3=BCller" + k +
                   ";J=\n=C3=B6rg\nADR;HOME:;;Main St\\; 5;Town;;" + k + ";\nTELEX:" + k + "\nEND:VCARD\n";
    case 2: return "begin:vcard\nversion:4.0\ntel;value=uri:tel:+49-" + k + "\nemail;pref=1:mailto:x" + k +
                   "@example.org\nitem1.URL:https://example.org/" + k + "\nend:vcard\n";
    case 3: return "BEGIN:VCARD\nFN:\"Quoted, " + k + "\"\nORG:Firm;Dept " + k +
                   "\nPHOTO;ENCODING=BASE64:AAAA\n BBBB\n\nBDAY:1970-01-0" + QByteArray::number(n % 9 + 1) +
                   "\nEND:VCARD\n";
    default: return "junk line " + k + "\nBEGIN:VCARD\nN:Only" + k + "\nTITLE:Caf\xE9 " + k + "\nEND:VCARD\n";
    }
}
} // namespace

TEST(VCardLargeFiles, AFileReadOnTwoThreadsGivesTheCardsOfItsCardsReadOneByOne)
{
    QByteArray whole;
    std::vector<TCard> expected;
    VCardParser::Dropped expectedDropped;
    for (int n = 0; n < 20000 && whole.size() < 3 * VCardParser::kReadBesideBytes + VCardLineReader::kMaxLineBytes; ++n) {
        const QByteArray card = VariedCard(n);
        VCardParser::Parse(card, expected, &expectedDropped);
        whole += card;
    }
    // The last card has no end.
    whole += "BEGIN:VCARD\nFN:Unended";
    VCardParser::Parse(QByteArrayView("BEGIN:VCARD\nFN:Unended"), expected, &expectedDropped);
    ASSERT_GE(whole.size(), VCardParser::kReadBesideBytes);

    std::vector<TCard> cards;
    VCardParser::Dropped dropped;
    VCardParser::Parse(whole, cards, &dropped);
    ASSERT_EQ(cards.size(), expected.size());
    for (size_t i = 0; i < cards.size(); ++i) {
        ASSERT_EQ(cards[i].Count(), expected[i].Count()) << i;
        for (int p = 0; p < cards[i].Count(); ++p)
            ASSERT_EQ(cards[i].At(p), expected[i].At(p)) << i << " " << cards[i].At(p).Name().toStdString();
    }
    EXPECT_GT(dropped.longLines, 0);
    EXPECT_EQ(dropped.longLines, expectedDropped.longLines);
    // Spot checks that the forms above were read as meant.
    EXPECT_EQ(cards[0].Find(u"N")->Values(), (QStringList{u"Doe0"_qs, u"Ann, Jr."_qs, {}, {}, {}}));
    EXPECT_EQ(cards[1].Find(u"N")->Values(), (QStringList{u"Müller1"_qs, u"Jörg"_qs}));
    EXPECT_EQ(cards[1].Find(u"ADR")->ValueAt(2), u"Main St; 5");
    EXPECT_EQ(cards[2].Find(u"TEL")->ValueAt(0), u"+49-2");
    EXPECT_EQ(cards[4].Find(u"TITLE")->ValueAt(0), u"Café 4");
}

TEST(VCardLargeFiles, ATakerThatGivesUpStopsTheReadAndKeepsTheCardsBefore)
{
    QByteArray whole;
    for (int n = 0; whole.size() < 2 * VCardParser::kReadBesideBytes; ++n)
        whole += "BEGIN:VCARD\nFN:" + QByteArray::number(n) + "\nEND:VCARD\n";
    // Again and again, as the reading thread may be anywhere when the taker gives up.
    for (const int stopAt : {0, 1, 63, 64, 4000, 15000}) {
        int taken = 0;
        bool inOrder = true;
        EXPECT_THROW(VCardParser::Parse(whole,
                                        [&](TCard& card) {
                                            inOrder = inOrder && card.Find(u"FN")->ValueAt(0) == QString::number(taken);
                                            if (taken == stopAt)
                                                throw std::runtime_error("enough");
                                            ++taken;
                                        }),
                     std::runtime_error);
        EXPECT_EQ(taken, stopAt);
        EXPECT_TRUE(inOrder);
    }
}

TEST(VCardLargeFiles, RepeatedValuesAreSharedAndADifferentValueInTheSameSlotIsNot)
{
    // Two different short values that fall into the same slot.
    RepeatedValues probe;
    std::map<int, QString> bySlot;
    QString first;
    QString second;
    for (int n = 0; second.isEmpty(); ++n) {
        const QString value = u"v"_qs + QString::number(n);
        const int slot = probe.Look(value).slot;
        if (const auto found = bySlot.find(slot); found != bySlot.end()) {
            first = found->second;
            second = value;
        } else {
            bySlot.emplace(slot, value);
        }
    }
    RepeatedValues table;
    EXPECT_FALSE(table.Look(first).repeat);
    EXPECT_TRUE(table.Look(first).repeat);
    EXPECT_FALSE(table.Look(second).repeat) << "a value the slot did not hold";
    EXPECT_FALSE(table.Look(first).repeat) << "taken over by the other value";
    EXPECT_EQ(table.Look(QString(16, u'x')).slot, -1);
    EXPECT_EQ(table.Look(QString()).slot, -1);
    EXPECT_TRUE(table.Look(u"Springfield"_qs).slot >= 0);

    // Cards that alternate them read each as written, on one thread and on two.
    QByteArray bytes;
    const QByteArray a = first.toLatin1();
    const QByteArray b = second.toLatin1();
    while (bytes.size() < 2 * VCardParser::kReadBesideBytes)
        bytes += "BEGIN:VCARD\nN:" + a + ";" + b + ";" + a + ";" + a + "\nFN:" + b + "\nEND:VCARD\n";
    for (const QByteArrayView input : {QByteArrayView(bytes).first(bytes.indexOf("BEGIN", 10) * 3), QByteArrayView(bytes)}) {
        std::vector<TCard> cards;
        VCardParser::Parse(input, cards);
        ASSERT_GT(cards.size(), 2U);
        for (const TCard& card : cards) {
            ASSERT_EQ(card.Find(u"N")->Values(), (QStringList{first, second, first, first}));
            ASSERT_EQ(card.Find(u"FN")->ValueAt(0), second);
        }
    }
}

namespace {
// The cards of the bytes read from a file (a piece at a time) and from memory.
void ExpectSameCardsFromFileAndMemory(const QByteArray& bytes, const char* what)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(u"big.vcf"_qs);
    WriteAll(path, bytes);
    TVCardFile fromFile;
    fromFile.Filename = path;
    fromFile.Read();
    TVCardFile fromMemory;
    fromMemory.ReadBytes(bytes);
    ASSERT_EQ(fromFile.Count(), fromMemory.Count()) << what;
    ASSERT_GT(fromFile.Count(), 0) << what;
    for (int i = 0; i < fromFile.Count(); ++i)
        ASSERT_TRUE(fromFile.Card(i) == fromMemory.Card(i)) << what << " card " << i;
    EXPECT_EQ(fromFile.Warnings(), fromMemory.Warnings()) << what;
}
} // namespace

TEST(VCardLargeFiles, AFileReadInPiecesGivesTheCardsOfTheWholeFile)
{
    // Many cards, some without an end (their lines run on into the next
    // card), a picture larger than a piece, junk before the first card.
    QByteArray lf = "junk\n";
    for (int n = 0; lf.size() < 3 * CardFilePieces::kBlockBytes; ++n) {
        lf += VariedCard(n % 777 == 776 ? 1 : n);
        if (n % 97 == 0)
            lf += "begin:vcard\nFN:Unended " + QByteArray::number(n) + "\n";
        if (n == 500)
            lf += "BEGIN:VCARD\nFN:Picture\nPHOTO;ENCODING=b:" + QByteArray(CardFilePieces::kBlockBytes * 2, 'A') +
                  "\nTEL:1\nEND:VCARD\n";
    }
    lf += "BEGIN:VCARD\nFN:Last, without an end";
    ExpectSameCardsFromFileAndMemory(lf, "LF");

    QByteArray crlf = lf;
    crlf.replace("\r\n", "\n").replace("\n", "\r\n");
    ExpectSameCardsFromFileAndMemory(crlf, "CR LF");
    QByteArray cr = lf;
    cr.replace("\r\n", "\n").replace('\n', '\r');
    ExpectSameCardsFromFileAndMemory(cr, "CR");
    ExpectSameCardsFromFileAndMemory("\xEF\xBB\xBF" + lf, "UTF-8 with a byte order mark");
    const QString text = QString::fromUtf8(lf.first(lf.indexOf("BEGIN:VCARD\nFN:Picture")));
    QByteArray utf16("\xFF\xFE");
    utf16.append(reinterpret_cast<const char*>(text.utf16()), text.size() * 2);
    ExpectSameCardsFromFileAndMemory(utf16, "UTF-16");
}

TEST(VCardLargeFiles, AFileAboveTheLimitIsRefusedBeforeAnyCardIsTaken)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(u"huge.vcf"_qs);
    QFile out(path);
    ASSERT_TRUE(out.open(QIODevice::WriteOnly));
    out.write("BEGIN:VCARD\nFN:First\nEND:VCARD\n");
    ASSERT_TRUE(out.resize(TVCardFile::kMaxFileBytes + 1));
    out.close();
    TItemTree tree;
    TTreeNode* root = tree.CreateRoot();
    try {
        VCardImport::ImportFile(path, root, {});
        FAIL() << "no error";
    } catch (const EReadError& e) {
        EXPECT_EQ(e.Message(), u"Cannot read "_qs + path + u": the file is larger than 64 MB");
    }
    EXPECT_TRUE(root->Children().empty());
}
