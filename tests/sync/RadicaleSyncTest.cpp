#include "SyncFixture.h"

#include "model/TreeOps.h"
#include "sync/Discovery.h"
#include "exchange/StandardCard.h"
#include "sync/RemoteSync.h"

#include <QTemporaryDir>

namespace {

TEST_F(SyncFixture, FirstSyncUploadsTheFolderAndAnUnchangedSyncIsOneRequest)
{
    AddPerson(QStringLiteral("Ann"), QStringLiteral("Smith"), QStringLiteral("+49 351 1234567"));
    AddPerson(QStringLiteral("Bob"), QStringLiteral("Jones"), QStringLiteral("555-0100"));
    AddLeaf(folder, ClassCode::Phone, QStringLiteral("Desk"), QStringLiteral("1")); // not a card: stays local

    const SyncCounts first = Sync();
    EXPECT_EQ(first.serverCreated, 2);
    const auto cards = ServerCards();
    ASSERT_EQ(cards.size(), 2);
    const QString joined = QStringList(cards.values()).join(QString());
    EXPECT_TRUE(joined.contains(QStringLiteral("FN:Ann Smith")));
    EXPECT_TRUE(joined.contains(QStringLiteral("TEL;TYPE=CELL:+49 351 1234567")));

    DavClient counting(QStringLiteral("alice"), QStringLiteral("secret"));
    Sync(counting); // sees its own uploads once
    DavClient quiet(QStringLiteral("alice"), QStringLiteral("secret"));
    const SyncCounts unchanged = Sync(quiet);
    EXPECT_EQ(quiet.RequestCount(), 1);
    EXPECT_EQ(unchanged.Describe(), SyncCounts().Describe());
    EXPECT_EQ(Titles(), (QStringList{QStringLiteral("Ann Smith"), QStringLiteral("Bob Jones")}));
    EXPECT_EQ(folder->Item()->Contents().size(), 1U);
}

TEST_F(SyncFixture, CardsCreatedChangedAndDeletedOnTheServerArrive)
{
    Sync();
    PutCard(QStringLiteral("c1.vcf"), Card(QStringLiteral("u1"), QStringLiteral("Cleo"), QStringLiteral("Park"), QStringLiteral("111")));
    PutCard(QStringLiteral("c2.vcf"), Card(QStringLiteral("u2"), QStringLiteral("Dan"), QStringLiteral("Ruiz"), QStringLiteral("222")));
    EXPECT_EQ(Sync().localCreated, 2);
    ASSERT_NE(Find(QStringLiteral("Cleo Park")), nullptr);
    EXPECT_EQ(PhoneOf(Find(QStringLiteral("Cleo Park"))), QStringLiteral("111"));

    PutCard(QStringLiteral("c1.vcf"), Card(QStringLiteral("u1"), QStringLiteral("Cleo"), QStringLiteral("Park"), QStringLiteral("333")));
    DeleteCard(QStringLiteral("c2.vcf"));
    const SyncCounts counts = Sync();
    EXPECT_EQ(counts.localUpdated, 1);
    EXPECT_EQ(counts.localDeleted, 1);
    EXPECT_EQ(PhoneOf(Find(QStringLiteral("Cleo Park"))), QStringLiteral("333"));
    EXPECT_EQ(Titles(), QStringList{QStringLiteral("Cleo Park")});
}

TEST_F(SyncFixture, ItemsCreatedChangedAndDeletedHereReachTheServer)
{
    TTreeNode* ann = AddPerson(QStringLiteral("Ann"), QStringLiteral("Smith"), QStringLiteral("100"));
    TTreeNode* bob = AddPerson(QStringLiteral("Bob"), QStringLiteral("Jones"), QStringLiteral("200"));
    Sync();
    ChangeHereAndExpectItOnTheServer(ann, bob);
}

// Once the book's version tag is known a quiet sync asks for nothing else;
// what changes on either side afterwards must still arrive.
TEST_F(SyncFixture, ChangesOnEitherSideAfterAQuietSyncStillArrive)
{
    TTreeNode* ann = AddPerson(QStringLiteral("Ann"), QStringLiteral("Smith"), QStringLiteral("100"));
    TTreeNode* bob = AddPerson(QStringLiteral("Bob"), QStringLiteral("Jones"), QStringLiteral("200"));
    Sync();
    Sync(); // sees its own uploads once
    auto quietSyncIsOneRequest = [this] {
        DavClient quiet(QStringLiteral("alice"), QStringLiteral("secret"));
        EXPECT_EQ(Sync(quiet).Describe(), SyncCounts().Describe());
        EXPECT_EQ(quiet.RequestCount(), 1);
    };
    quietSyncIsOneRequest();

    // Changed on the server only.
    QString annCard;
    for (auto [name, text] : ServerCards().asKeyValueRange()) {
        if (text.contains(QStringLiteral("FN:Ann Smith")))
            annCard = name;
    }
    ASSERT_FALSE(annCard.isEmpty());
    PutCard(annCard, Card(StandardCard::UidForItem(ann->Item()->Id()), QStringLiteral("Ann"), QStringLiteral("Smith"),
                          QStringLiteral("999")));
    PutCard(QStringLiteral("c.vcf"), Card(QStringLiteral("c-1"), QStringLiteral("Cleo"), QStringLiteral("Park"),
                                          QStringLiteral("111")));
    const SyncCounts counts = Sync();
    EXPECT_EQ(counts.localUpdated, 1);
    EXPECT_EQ(counts.localCreated, 1);
    EXPECT_EQ(PhoneOf(ann), QStringLiteral("999"));
    EXPECT_EQ(Titles(), (QStringList{QStringLiteral("Ann Smith"), QStringLiteral("Bob Jones"),
                                     QStringLiteral("Cleo Park")}));
    quietSyncIsOneRequest();
    DeleteCard(QStringLiteral("c.vcf"));
    EXPECT_EQ(Sync().localDeleted, 1);
    quietSyncIsOneRequest();

    // Changed here only.
    ChangeHereAndExpectItOnTheServer(ann, bob);
    EXPECT_EQ(Sync().Describe(), SyncCounts().Describe()); // sees its own uploads once
    quietSyncIsOneRequest();
    EXPECT_EQ(Titles(), (QStringList{QStringLiteral("Ann Smith"), QStringLiteral("Eve Stone")}));
}

// The version tag is kept in the state file, and a sync that found nothing
// to do leaves the state unchanged (so the file is not written).
TEST_F(SyncFixture, AQuietSyncAfterALoadChangesNoState)
{
    AddPerson(QStringLiteral("Ann"), QStringLiteral("Smith"), QStringLiteral("100"));
    Sync();
    Sync();
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("zivo.sync"));
    state.Save(path);
    state = SyncState::Load(path);
    DavClient quiet(QStringLiteral("alice"), QStringLiteral("secret"));
    Sync(quiet);
    EXPECT_EQ(quiet.RequestCount(), 1);
    EXPECT_FALSE(state.Changed());

    PutCard(QStringLiteral("c.vcf"), Card(QStringLiteral("c-1"), QStringLiteral("Cleo"), QStringLiteral("Park"),
                                          QStringLiteral("111")));
    EXPECT_EQ(Sync().localCreated, 1);
    EXPECT_TRUE(state.Changed());

    // A server without a version tag is not asked for one again.
    SyncState kept;
    FolderSyncState folderState;
    folderState.url = server.Book().toString();
    folderState.noCtag = true;
    kept.SetFolder(7, folderState);
    kept.Save(path);
    EXPECT_TRUE(SyncState::Load(path).ForFolder(7, folderState.url).noCtag);
}

TEST_F(SyncFixture, ACardChangedOnBothSidesKeepsTheServersVersionAndALocalCopy)
{
    TTreeNode* ann = AddPerson(QStringLiteral("Ann"), QStringLiteral("Smith"), QStringLiteral("100"));
    Sync();
    const QString name = ServerCards().firstKey();
    const QString uid = StandardCard::UidForItem(ann->Item()->Id());
    PutCard(name, Card(uid, QStringLiteral("Ann"), QStringLiteral("Smith"), QStringLiteral("999")));
    ann->Item()->Contents().front()->Item()->SetValue(QStringLiteral("555"));

    const SyncCounts counts = Sync();
    EXPECT_EQ(counts.conflicts, 1);
    EXPECT_EQ(PhoneOf(Find(QStringLiteral("Ann Smith"))), QStringLiteral("999"));
    ASSERT_NE(Find(QStringLiteral("Ann Smith (conflict)")), nullptr);
    EXPECT_EQ(PhoneOf(Find(QStringLiteral("Ann Smith (conflict)"))), QStringLiteral("555"));

    // The copy is an item of its own and goes up with the next sync.
    Sync();
    EXPECT_EQ(ServerCards().size(), 2);
}

TEST_F(SyncFixture, AnItemDeletedHereComesBackWhenTheServerChangedItsCard)
{
    TTreeNode* ann = AddPerson(QStringLiteral("Ann"), QStringLiteral("Smith"), QStringLiteral("100"));
    Sync();
    const QString name = ServerCards().firstKey();
    PutCard(name, Card(StandardCard::UidForItem(ann->Item()->Id()), QStringLiteral("Ann"), QStringLiteral("Smith"),
                       QStringLiteral("777")));
    tree.DeleteNode(ann);
    Sync();
    EXPECT_EQ(ServerCards().size(), 1);
    ASSERT_NE(Find(QStringLiteral("Ann Smith")), nullptr);
    EXPECT_EQ(PhoneOf(Find(QStringLiteral("Ann Smith"))), QStringLiteral("777"));
}

TEST_F(SyncFixture, PhotosAndPropertiesOfOtherProgramsSurviveAChangeMadeHere)
{
    const QString extra = QStringLiteral("PHOTO;ENCODING=b;TYPE=JPEG:QUJDREVGRw==\r\nX-FOO;X-A=1:bar\\, baz\r\n"
                                         "BDAY:1980-07-14\r\nitem1.X-ABLabel:Boat\r\n");
    PutCard(QStringLiteral("p.vcf"), Card(QStringLiteral("p-1"), QStringLiteral("Pia"), QStringLiteral("Roth"),
                                          QStringLiteral("100"), extra));
    Sync();
    TTreeNode* pia = Find(QStringLiteral("Pia Roth"));
    ASSERT_NE(pia, nullptr);
    pia->Item()->Contents().front()->Item()->SetValue(QStringLiteral("200"));
    EXPECT_EQ(Sync().serverUpdated, 1);
    const QString card = ServerCards().value(QStringLiteral("p.vcf"));
    EXPECT_TRUE(card.contains(QStringLiteral("PHOTO;ENCODING=b;TYPE=JPEG:QUJDREVGRw==")));
    EXPECT_TRUE(card.contains(QStringLiteral("X-FOO;X-A=1:bar\\, baz")));
    EXPECT_TRUE(card.contains(QStringLiteral("BDAY:1980-07-14")));
    EXPECT_TRUE(card.contains(QStringLiteral("UID:p-1")));
    EXPECT_TRUE(card.contains(QStringLiteral(":200\r\n")));
    EXPECT_FALSE(card.contains(QStringLiteral(":100\r\n")));
}

TEST_F(SyncFixture, ALostStateNeitherDoublesNorDeletes)
{
    AddPerson(QStringLiteral("Ann"), QStringLiteral("Smith"), QStringLiteral("100"));
    PutCard(QStringLiteral("c.vcf"), Card(QStringLiteral("c-1"), QStringLiteral("Cleo"), QStringLiteral("Park"), QStringLiteral("111")));
    Sync();
    ASSERT_EQ(ServerCards().size(), 2);
    ASSERT_EQ(Titles().size(), 2);

    state = SyncState(); // the state file was lost
    const SyncCounts counts = Sync();
    EXPECT_EQ(ServerCards().size(), 2);
    EXPECT_EQ(Titles(), (QStringList{QStringLiteral("Ann Smith"), QStringLiteral("Cleo Park")}));
    EXPECT_EQ(counts.localDeleted + counts.serverDeleted + counts.localCreated + counts.serverCreated, 0);

    // A damaged file reads as no state, with a warning.
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("zivo.sync"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("{\"folders\": {\"12\": ");
    file.close();
    QString warning;
    SyncState::Load(path, &warning);
    EXPECT_TRUE(warning.contains(QStringLiteral("damaged")));
}

TEST_F(SyncFixture, AWrongPasswordLeavesTheFolderAndTheStateAsTheyWere)
{
    AddPerson(QStringLiteral("Ann"), QStringLiteral("Smith"), QStringLiteral("100"));
    Sync();
    PutCard(QStringLiteral("c.vcf"), Card(QStringLiteral("c-1"), QStringLiteral("Cleo"), QStringLiteral("Park"), QStringLiteral("111")));
    const SyncState before = state;
    DavClient wrong(QStringLiteral("alice"), QStringLiteral("wrong"));
    try {
        Sync(wrong);
        FAIL() << "a refused password must fail the sync";
    } catch (const ESyncError& e) {
        EXPECT_TRUE(e.Message().contains(QStringLiteral("refused"))) << e.Message().toStdString();
    }
    EXPECT_EQ(Titles(), QStringList{QStringLiteral("Ann Smith")});
    EXPECT_EQ(state.ForFolder(folder->Item()->Id(), server.Book().toString()).entries.size(), 1U);
}

TEST_F(SyncFixture, TheServersRootLeadsToTheAddressBook)
{
    QString error;
    EXPECT_EQ(Discovery::FindAddressBook(alice, server.Root(), &error), server.Book()) << error.toStdString();
    DavClient wrong(QStringLiteral("alice"), QStringLiteral("wrong"));
    EXPECT_TRUE(Discovery::FindAddressBook(wrong, server.Root(), &error).isEmpty());
    EXPECT_FALSE(error.isEmpty());
}

} // namespace
