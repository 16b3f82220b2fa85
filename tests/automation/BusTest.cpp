#include "FakeAutomationHost.h"
#include "PrivateBus.h"
#include "TreeBuilder.h"

#include "automation/AutomationNames.h"
#include "automation/AutomationServer.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusObjectPath>

#include <gtest/gtest.h>

#include <memory>

namespace {

// The service in this process on a private bus, driven by QtDBus clients
// that connect to the same bus as separate peers.
class BusTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        if (bus.Address().isEmpty())
            GTEST_SKIP() << "dbus-daemon is not available";
        TTreeNode* root = host.tree.Root();
        TTreeNode* people = AddContainer(root, ClassCode::Folder, QStringLiteral("People"));
        TTreeNode* bob = AddContainer(people, ClassCode::Person, QStringLiteral("Bob"));
        phone = AddLeaf(bob, ClassCode::Phone, QStringLiteral("Mobile"), QStringLiteral("555-0101"));
        remote = AddContainer(root, ClassCode::Folder, QStringLiteral("Shared"), QStringLiteral("/nowhere.zvd"));
        server = std::make_unique<AutomationServer>(host, Connect(QStringLiteral("server")));
        QString error;
        ASSERT_TRUE(server->Start(&error)) << qPrintable(error);
        QObject::connect(server.get(), &AutomationServer::LastReleased, [this] { ++lastReleased; });
    }

    void TearDown() override
    {
        server.reset();
        for (const QString& name : std::as_const(connections))
            QDBusConnection::disconnectFromBus(name);
    }

    QDBusConnection Connect(const QString& name)
    {
        const QString unique = name + QString::number(reinterpret_cast<quintptr>(this));
        connections.append(unique);
        return QDBusConnection::connectToBus(bus.Address(), unique);
    }

    static QDBusMessage Call(const QDBusConnection& client, const QString& path, const QString& member,
                             const QVariantList& arguments = {})
    {
        const bool factory = path == AutomationNames::FactoryPath();
        QDBusMessage message = QDBusMessage::createMethodCall(
            AutomationNames::ServiceName(), path,
            factory ? AutomationNames::FactoryInterface() : AutomationNames::Interface(), member);
        message.setArguments(arguments);
        return client.call(message, QDBus::BlockWithGui, 10000);
    }

    // The single answer of a call that must succeed.
    static QVariant Answer(const QDBusConnection& client, const QString& path, const QString& member,
                           const QVariantList& arguments = {})
    {
        const QDBusMessage reply = Call(client, path, member, arguments);
        EXPECT_EQ(reply.type(), QDBusMessage::ReplyMessage) << qPrintable(member + u": " + reply.errorMessage());
        return reply.arguments().value(0);
    }

    static QString Create(const QDBusConnection& client)
    {
        return Answer(client, AutomationNames::FactoryPath(), QStringLiteral("Create")).value<QDBusObjectPath>().path();
    }

    PrivateBus bus;
    FakeAutomationHost host;
    TZVBObject* phone = nullptr;
    TTreeNode* remote = nullptr;
    std::unique_ptr<AutomationServer> server;
    QStringList connections;
    int lastReleased = 0;
};

} // namespace

TEST_F(BusTest, TwoClientsWalkTheTreeWithCursorsOfTheirOwn)
{
    const QDBusConnection first = Connect(QStringLiteral("first"));
    const QDBusConnection second = Connect(QStringLiteral("second"));
    const QString a = Create(first);
    const QString b = Create(second);
    ASSERT_FALSE(a.isEmpty());
    ASSERT_NE(a, b);
    EXPECT_EQ(server->ObjectCount(), 2);

    EXPECT_EQ(Answer(first, a, QStringLiteral("zivoClass")).toInt(), 11);
    EXPECT_EQ(Answer(first, a, QStringLiteral("CurrentItemIndex")).toInt(), 0);
    const int count = Answer(first, a, QStringLiteral("ItemCount")).toInt();
    EXPECT_EQ(count, 4);
    EXPECT_TRUE(Answer(first, a, QStringLiteral("Items"), {2}).toBool());
    EXPECT_FALSE(Answer(first, a, QStringLiteral("Items"), {count}).toBool());
    EXPECT_EQ(Answer(first, a, QStringLiteral("CurrentItemIndex")).toInt(), 2);
    EXPECT_EQ(Answer(second, b, QStringLiteral("CurrentItemIndex")).toInt(), 0);

    // Bob has no child node, so Child(0) is his first leaf.
    EXPECT_EQ(Answer(first, a, QStringLiteral("ChildCount")).toInt(), 1);
    EXPECT_TRUE(Answer(first, a, QStringLiteral("Child"), {0}).toBool());
    EXPECT_EQ(Answer(first, a, QStringLiteral("zivoTitle")).toString(), QStringLiteral("Mobile"));

    EXPECT_TRUE(Answer(second, b, QStringLiteral("ItemWithId"), {phone->Id()}).toBool());
    EXPECT_EQ(Answer(second, b, QStringLiteral("CurrentItemIndex")).toInt(), 2);
    EXPECT_EQ(Answer(second, b, QStringLiteral("zivoField"), {QStringLiteral("Title")}).toString(),
              QStringLiteral("\"Mobile\","));
}

TEST_F(BusTest, PutsAndInsertsChangeTheTree)
{
    const QDBusConnection client = Connect(QStringLiteral("client"));
    const QString path = Create(client);
    ASSERT_TRUE(Answer(client, path, QStringLiteral("ItemWithId"), {phone->Id()}).toBool());
    Answer(client, path, QStringLiteral("zivoTitle"), {QStringLiteral("Cell")});
    Answer(client, path, QStringLiteral("zivoTarget"), {QStringLiteral("555-0202")});
    Answer(client, path, QStringLiteral("zivoComment"), {QStringLiteral("work")});
    EXPECT_EQ(phone->Title(), QStringLiteral("Cell"));
    EXPECT_EQ(phone->Value(), QStringLiteral("555-0202"));
    EXPECT_EQ(phone->Comment(), QStringLiteral("work"));
    ASSERT_TRUE(Answer(client, path, QStringLiteral("Items"), {2}).toBool());
    Answer(client, path, QStringLiteral("zivoField"), {QStringLiteral("Last Name"), QStringLiteral("Builder")});
    EXPECT_EQ(Answer(client, path, QStringLiteral("zivoField"), {QStringLiteral("Last Name")}).toString(),
              QStringLiteral("\"Builder\","));

    ASSERT_TRUE(Answer(client, path, QStringLiteral("Items"), {0}).toBool());
    Answer(client, path, QStringLiteral("Insert"),
           {ClassCode::EMail, QStringLiteral("Help"), QStringLiteral("help@example.org"), QString(), QString()});
    EXPECT_EQ(host.tree.Root()->Item()->Contents().size(), 1U);
    EXPECT_EQ(Answer(client, path, QStringLiteral("ChildCount")).toInt(), 3);
}

TEST_F(BusTest, FailuresComeBackAsErrorsThatNameTheProblem)
{
    const QDBusConnection client = Connect(QStringLiteral("client"));
    const QString path = Create(client);
    ASSERT_TRUE(Answer(client, path, QStringLiteral("Items"), {remote->AbsoluteIndex()}).toBool());
    QDBusMessage reply = Call(client, path, QStringLiteral("Insert"),
                              {ClassCode::Phone, QStringLiteral("x"), QString(), QString(), QString()});
    EXPECT_EQ(reply.type(), QDBusMessage::ErrorMessage);
    EXPECT_EQ(reply.errorName(), AutomationNames::ErrorReadOnlyFolder());
    EXPECT_EQ(reply.errorMessage(), QStringLiteral("Cannot create new records within a remote (read-only) folder"));

    ASSERT_TRUE(Answer(client, path, QStringLiteral("Items"), {0}).toBool());
    reply = Call(client, path, QStringLiteral("Insert"), {42, QStringLiteral("x"), QString(), QString(), QString()});
    EXPECT_EQ(reply.errorName(), AutomationNames::ErrorBadArgument());
    EXPECT_EQ(reply.errorMessage(), QStringLiteral("Unknown class code 42"));
    EXPECT_TRUE(host.tree.Root()->Item()->Contents().empty());

    // A member called with the wrong arguments is refused by the bus layer.
    reply = Call(client, path, QStringLiteral("Items"), {QStringLiteral("two")});
    EXPECT_EQ(reply.type(), QDBusMessage::ErrorMessage);
}

TEST_F(BusTest, ReleaseEndsAnObjectAndTheLastReleaseIsAnnounced)
{
    const QDBusConnection client = Connect(QStringLiteral("client"));
    const QString first = Create(client);
    const QString second = Create(client);
    EXPECT_EQ(Answer(client, AutomationNames::FactoryPath(), QStringLiteral("ObjectCount")).toInt(), 2);
    Answer(client, first, QStringLiteral("Release"));
    EXPECT_EQ(server->ObjectCount(), 1);
    EXPECT_EQ(Call(client, first, QStringLiteral("zivoClass")).type(), QDBusMessage::ErrorMessage);
    EXPECT_EQ(Answer(client, second, QStringLiteral("zivoClass")).toInt(), 11);
    ASSERT_TRUE(WaitUntil([] { return true; }, 0));
    EXPECT_EQ(lastReleased, 0);

    Answer(client, second, QStringLiteral("Release"));
    EXPECT_EQ(server->ObjectCount(), 0);
    EXPECT_TRUE(WaitUntil([this] { return lastReleased == 1; }));
}

TEST_F(BusTest, AClientThatLeavesWithoutReleaseLosesItsObjects)
{
    const QDBusConnection staying = Connect(QStringLiteral("staying"));
    const QString kept = Create(staying);
    {
        const QDBusConnection leaving = Connect(QStringLiteral("leaving"));
        Create(leaving);
        Create(leaving);
    }
    EXPECT_EQ(server->ObjectCount(), 3);
    // The connection closes with its last handle.
    QDBusConnection::disconnectFromBus(connections.last());
    EXPECT_TRUE(WaitUntil([this] { return server->ObjectCount() == 1; }));
    EXPECT_EQ(Answer(staying, kept, QStringLiteral("zivoClass")).toInt(), 11);
    EXPECT_EQ(lastReleased, 0);
}

TEST_F(BusTest, AnObjectMadeForAProcessLastsUntilTheProcessEnds)
{
    QProcess sleeper;
    sleeper.start(QStringLiteral("sleep"), {QStringLiteral("60")});
    ASSERT_TRUE(sleeper.waitForStarted());
    {
        const QDBusConnection client = Connect(QStringLiteral("client"));
        const QVariant path = Answer(client, AutomationNames::FactoryPath(), QStringLiteral("CreateForProcess"),
                                     {static_cast<uint>(sleeper.processId())});
        EXPECT_FALSE(path.value<QDBusObjectPath>().path().isEmpty());
    }
    // The caller's own leaving does not matter for it.
    QDBusConnection::disconnectFromBus(connections.last());
    const QDBusConnection other = Connect(QStringLiteral("other"));
    Answer(other, AutomationNames::FactoryPath(), QStringLiteral("ObjectCount"));
    QCoreApplication::processEvents();
    EXPECT_EQ(server->ObjectCount(), 1);
    sleeper.kill();
    sleeper.waitForFinished();
    EXPECT_TRUE(WaitUntil([this] { return server->ObjectCount() == 0; }));
    EXPECT_TRUE(WaitUntil([this] { return lastReleased == 1; }));

    const QDBusMessage reply =
        Call(other, AutomationNames::FactoryPath(), QStringLiteral("CreateForProcess"), {0U});
    EXPECT_EQ(reply.type(), QDBusMessage::ErrorMessage);
    EXPECT_EQ(server->ObjectCount(), 0);
}
