#include "TreeBuilder.h"

#include "model/AddressObject.h"
#include "model/Clock.h"
#include "model/Database.h"
#include "model/OrgObject.h"
#include "model/PersonObject.h"
#include "model/PhoneObject.h"
#include "model/RecordIO.h"
#include "model/ReminderObject.h"
#include "model/TextCodec.h"
#include "model/ToolObject.h"
#include "model/TreeOps.h"

#include <gtest/gtest.h>

namespace {
QList<QString> Lines(const QString& text)
{
    return TextCodec::SplitLines(text.toUtf8());
}

// Every record of the tree in database order, as written.
QString Dump(const TItemTree& tree)
{
    return DatabaseText(tree);
}

class RecordFormat : public ::testing::Test
{
protected:
    void SetUp() override { Clock::SetFixed(QDateTime(QDate(2026, 12, 8), QTime(9, 0))); }
    void TearDown() override { Clock::SetFixed(QDateTime()); }

    TItemTree tree;
    TTreeNode* root = tree.CreateRoot();
};
} // namespace

// The database's bytes are made piece by piece without a detour through
// QString::toUtf8: they must be that function's bytes of the record's text
// whatever the pieces hold, a character beyond ASCII at any place, letters
// of every width, pairs of surrogates and surrogates without their other
// half, also where a piece begins or ends.
TEST_F(RecordFormat, RecordBytesAreTheUtf8OfTheirText)
{
    const char16_t pool[] = {u'a', u'~', u' ', 0x00E9, 0x00FF, 0x0100, 0x07FF, 0x0800, 0x20AC, 0xFFFD, 0xFFFF,
                             0xD83D, 0xDE00, 0xD800, 0xDFFF, 0x0000};
    std::uint32_t state = 12345;
    const auto next = [&state] { return (state = state * 1103515245U + 12345U) >> 16; };
    const auto text = [&](bool tildes) {
        QString made;
        const int length = static_cast<int>(next() % 40);
        for (int c = 0; c < length; ++c) {
            char16_t unit = next() % 3 == 0 ? pool[next() % std::size(pool)] : char16_t(u'a' + next() % 26);
            made += QChar(unit == u'~' && !tildes ? u'b' : unit);
        }
        return made;
    };
    for (int i = 0; i < 400; ++i) {
        const QString title = text(true);
        const QString value = text(true);
        const QString comment = text(true);
        CreateItem(6, title, value, i, u"{Phon}" + text(false) + u"~~0", root, comment);
    }
    QString written;
    QByteArray bytes;
    RecordIO::WriteNodeTree(*root, 0, written);
    RecordIO::WriteNodeTree(*root, 0, bytes);
    ASSERT_GT(written.size(), 20000);
    EXPECT_EQ(bytes, written.toUtf8());
}

TEST_F(RecordFormat, HeaderLinesAreWrittenExactly)
{
    TTreeNode* a = AddContainer(root, 0, QStringLiteral("A"));
    TTreeNode* person = AddContainer(a, 3, QStringLiteral("P"));
    CreateItem(6, QStringLiteral("Office"), QStringLiteral("+1 555 0100"), 184467, QStringLiteral("{Phon}~~0"), person,
               QStringLiteral("front desk"));
    QString out;
    RecordIO::WriteRecordTree(*person->Item(), 2, out);
    EXPECT_TRUE(out.contains(QStringLiteral("{3 6 }Office~~+1 555 0100~~front desk~~184467\r\n{Phon}~~0\r\n")));
    EXPECT_TRUE(Dump(tree).startsWith(QStringLiteral("{Params}\r\n{0 11 }My Contacts~~~~~~32892645\r\n{1 0 }A~~")));
}

TEST_F(RecordFormat, EveryClassSurvivesASaveAndALoad)
{
    TTreeNode* folder = AddContainer(root, 0, QStringLiteral("Business"));
    folder->Item()->SetCategories(0x80000001U); // category 32 and category 1
    TTreeNode* org = CreateItem(1, QStringLiteral("Acme"), QString(), 11, QStringLiteral("{Orgn}HQ~~Main~~Fx~~Mail~~Web~~4"), folder, QStringLiteral("c")).node;
    TTreeNode* team = CreateItem(2, QStringLiteral("Sales"), QString(), 12, QStringLiteral("{Team}8"), org, {}).node;
    TTreeNode* person = CreateItem(3, QStringLiteral("Jane Miller"), QStringLiteral("Ms. Jane Miller"), 13,
                                   QStringLiteral("{Pers}Ms.~~Jane~~Q~~Miller~~Home~~Cell~~~~Work~~~~16"), team, {}).node;
    CreateItem(4, QStringLiteral("Site"), QStringLiteral("http://acme.example"), 14, QStringLiteral("{Webs}0"), org, {});
    CreateItem(5, QStringLiteral("Home"), QStringLiteral("1 Main St"), 15,
               QStringLiteral("{Addr}1 Main St~~Apt 2~~~~Springfield~~IL~~62701~~USA~~32"), person, {});
    CreateItem(6, QStringLiteral("Cell"), QStringLiteral("(555)123-4567"), 16, QStringLiteral("{Phon}12~~64"), person, {});
    CreateItem(7, QStringLiteral("Work"), QStringLiteral("jane@acme.example"), 17, QStringLiteral("{Mail}0"), person, {});
    CreateItem(8, QStringLiteral("Fx"), QStringLiteral("555-0199"), 18, QStringLiteral("{Faxs}0"), org, {});
    CreateItem(9, QStringLiteral("Birthday"), QStringLiteral("3/15/98"), 19, QStringLiteral("{Remd}1998,3,15,2~~0"), person, {});
    CreateItem(10, QStringLiteral("Contract"), QStringLiteral("/home/j/contract.odt"), 20, QStringLiteral("{Docs}0"), org, {});
    CreateItem(12, QStringLiteral("Map"), QStringLiteral("Springfield"), 21, QStringLiteral("{Tool}/usr/bin/map~~--city~~0"), person, {});
    CreateItem(77, QStringLiteral("Odd"), QStringLiteral("v"), 22, QString(), person, QStringLiteral("unknown kind"));
    const QString saved = Dump(tree);

    TItemTree loaded;
    TTreeNode* loadedRoot = loaded.CreateRoot();
    RecordIO::ReadRecords(Lines(saved), 1, loadedRoot);
    EXPECT_EQ(Dump(loaded), saved);
    EXPECT_EQ(loaded.Count(), tree.Count());

    TTreeNode* p = loaded.FindPath(QStringLiteral("My Contacts/Business/Acme/Sales/Jane Miller"));
    ASSERT_NE(p, nullptr);
    const auto* jane = static_cast<const TPersonObject*>(p->Item());
    EXPECT_EQ(jane->Id(), 13);
    EXPECT_EQ(jane->MiddleName(), QStringLiteral("Q"));
    EXPECT_EQ(jane->Primaries().Phone, QStringLiteral("Cell"));
    EXPECT_EQ(jane->Categories(), 16U);
    EXPECT_EQ(loaded.FindPath(QStringLiteral("My Contacts/Business"))->Item()->Categories(), 0x80000001U);
    const auto* tool = static_cast<const TToolObject*>(ContentAt(jane, 4)->Item());
    EXPECT_EQ(tool->Program(), QStringLiteral("/usr/bin/map"));
    EXPECT_EQ(tool->Parameters(), QStringLiteral("--city"));
    const TZVBObject* odd = ContentAt(jane, 5)->Item();
    EXPECT_EQ(odd->ClassCode(), 77);
    EXPECT_EQ(odd->Comment(), QStringLiteral("unknown kind"));
    const auto* birthday = static_cast<const TReminderObject*>(ContentAt(jane, 3)->Item());
    EXPECT_EQ(birthday->Recurrence().AsText(), QStringLiteral("1998,3,15,2"));
}

TEST_F(RecordFormat, TextsWithSeparatorsOrLineBreaksAreCleanedAndReadBack)
{
    TTreeNode* folder = AddContainer(root, 0, QStringLiteral("a~~b"));
    TZVBObject* phone = AddLeaf(folder, 6, QStringLiteral("line\r\nbreak"), QStringLiteral("tail~"), {}, QStringLiteral("x~~~y"));
    static_cast<TPhoneObject*>(phone)->SetExtension(QStringLiteral("1~~2"));
    folder->Item()->SetComment(QStringLiteral("multi\nline"));
    const QString saved = Dump(tree);
    TItemTree loaded;
    RecordIO::ReadRecords(Lines(saved), 1, loaded.CreateRoot());
    EXPECT_EQ(Dump(loaded), saved);
    const TZVBObject* back = ContentAt(loaded.Root()->Child(0)->Item(), 0)->Item();
    EXPECT_EQ(back->Title(), QStringLiteral("line break"));
    EXPECT_EQ(back->Value(), QStringLiteral("tail"));
    EXPECT_EQ(back->Comment(), QStringLiteral("x~y"));
    EXPECT_EQ(static_cast<const TPhoneObject*>(back)->Extension(), QStringLiteral("1~2"));
}

TEST_F(RecordFormat, MalformedLinesAreSkippedAndClassCodesUseTheLowByte)
{
    const QString text = QStringLiteral(
        "{1 262 }Low byte~~555~~~~1\r\n{Phon}~~0\r\n"
        "{1 6 }Three fields~~555~~2\r\n"           // skipped; its details line too
        "{Phon}~~0\r\n"
        "{x 6 }No level~~~~~~3\r\n"
        "garbage\r\n"
        "{1 6}No blank~~~~~~4\r\n"
        "{1 7 }Mail~~a@b~~~~5\r\n{Pers}1~~2\r\n"  // a foreign tag: defaults
        "{1 5 }Damaged~~x~~~~6\r\n{Addr}only one\r\n");
    RecordIO::ReadRecords(Lines(text), 0, root);
    ASSERT_EQ(ContentCount(root->Item()), 3);
    EXPECT_EQ(ContentAt(root->Item(), 0)->Item()->ClassCode(), 6);
    EXPECT_EQ(ContentAt(root->Item(), 1)->Item()->Categories(), 0U);
    const auto* address = static_cast<const TAddressObject*>(ContentAt(root->Item(), 2)->Item());
    EXPECT_EQ(address->Lines(), (QStringList{QStringLiteral("only one"), QString(), QString()}));
    EXPECT_EQ(address->Categories(), 0U);
}

TEST_F(RecordFormat, TooFewDetailFieldsKeepWhatWasReadWithCategoriesZero)
{
    const QString text = QStringLiteral("{1 3 }P~~~~~~1\r\n{Pers}Mr.~~John\r\n{1 3 }Q~~~~~~2\r\n{Pers}Mr.~~J~~~~S~~~~~~~~~~~~\r\n");
    RecordIO::ReadRecords(Lines(text), 0, root);
    const auto* p = static_cast<const TPersonObject*>(root->Child(0)->Item());
    EXPECT_EQ(p->Salutation(), QStringLiteral("Mr."));
    EXPECT_EQ(p->FirstName(), QStringLiteral("John"));
    EXPECT_EQ(p->LastName(), QString());
    EXPECT_EQ(root->Child(1)->Item()->Categories(), 0U);
}

TEST_F(RecordFormat, RecordsAfterALevelJumpLandBesideTheirSiblings)
{
    // A leaf three levels deeper than its container, then a sibling container.
    const QString text = QStringLiteral(
        "{1 0 }A~~~~~~1\r\n{Fold}0\r\n"
        "{4 6 }Deep leaf~~1~~~~2\r\n{Phon}~~0\r\n"
        "{2 0 }A1~~~~~~3\r\n{Fold}0\r\n"
        "{3 6 }In A1~~2~~~~4\r\n{Phon}~~0\r\n"
        "{2 0 }A2~~~~~~5\r\n{Fold}0\r\n"
        "{1 0 }B~~~~~~6\r\n{Fold}0\r\n");
    EXPECT_EQ(RecordIO::ReadRecords(Lines(text), 0, root), 6);
    TTreeNode* a = root->Child(0);
    EXPECT_EQ(ContentAt(a->Item(), 0)->Item()->Title(), QStringLiteral("Deep leaf"));
    EXPECT_EQ(QStringList({a->Child(0)->Item()->Title(), a->Child(1)->Item()->Title()}),
              (QStringList{QStringLiteral("A1"), QStringLiteral("A2")}));
    EXPECT_EQ(ContentAt(a->Child(0)->Item(), 0)->Item()->Title(), QStringLiteral("In A1"));
    EXPECT_EQ(root->Child(1)->Item()->Title(), QStringLiteral("B"));
    EXPECT_EQ(tree.TopCount(), 1);
}

TEST_F(RecordFormat, LevelsCountFromTheTargetAndTheRootRecordIsDropped)
{
    TTreeNode* target = AddContainer(AddContainer(root, 0, QStringLiteral("X")), 0, QStringLiteral("Y"));
    const QString text = QStringLiteral("{0 11 }My Contacts~~~~~~32892645\r\n{1 0 }Top~~~~~~1\r\n{Fold}0\r\n{2 7 }m~~a@b~~~~2\r\n{Mail}0\r\n");
    EXPECT_EQ(RecordIO::ReadRecords(Lines(text), 0, target), 2);
    ASSERT_EQ(target->ChildCount(), 1);
    EXPECT_EQ(ContentCount(target->Child(0)->Item()), 1);
}

TEST_F(RecordFormat, NothingBelowARemoteFolderIsSavedOrLoaded)
{
    TTreeNode* remote = AddContainer(root, 0, QStringLiteral("R"), QStringLiteral("/srv/shared.zvd"));
    {
        RemoteLoadScope loading;
        AddLeaf(AddContainer(remote, 0, QStringLiteral("fetched")), 6, QStringLiteral("p"));
    }
    AddContainer(root, 0, QStringLiteral("After"));
    const QString saved = Dump(tree);
    EXPECT_FALSE(saved.contains(QStringLiteral("fetched")));
    EXPECT_TRUE(saved.contains(QStringLiteral("After")));
    // A file that does hold records below a remote folder: they are skipped, the load goes on.
    const QString text = QStringLiteral("{1 0 }R~~/srv/r.zvd~~~~1\r\n{Fold}0\r\n{2 0 }inside~~~~~~2\r\n{Fold}0\r\n"
                                        "{3 6 }deeper~~~~~~3\r\n{Phon}~~0\r\n{1 0 }Next~~~~~~4\r\n{Fold}0\r\n");
    TItemTree loaded;
    TTreeNode* loadedRoot = loaded.CreateRoot();
    EXPECT_EQ(RecordIO::ReadRecords(Lines(text), 0, loadedRoot), 2);
    EXPECT_EQ(loadedRoot->Child(0)->ChildCount(), 0);
    EXPECT_EQ(loadedRoot->Child(1)->Item()->Title(), QStringLiteral("Next"));
}

TEST_F(RecordFormat, AddressesKeepThreeLinesInTheRecord)
{
    auto* address = static_cast<TAddressObject*>(AddLeaf(root, 5, QStringLiteral("Home"), QStringLiteral("1")));
    address->SetLines({QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3"), QStringLiteral("4"), QStringLiteral("5")});
    EXPECT_EQ(address->Lines().size(), 5);
    TItemTree loaded;
    RecordIO::ReadRecords(Lines(Dump(tree)), 1, loaded.CreateRoot());
    const auto* back = static_cast<const TAddressObject*>(ContentAt(loaded.Root()->Item(), 0)->Item());
    EXPECT_EQ(back->Lines(), (QStringList{QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3")}));
}
