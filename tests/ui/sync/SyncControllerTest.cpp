#include "../../sync/RadicaleServer.h"
#include "TreeBuilder.h"

#include "model/ClassCodes.h"
#include "sync/Binding.h"
#include "sync/DavClient.h"
#include "sync/SyncState.h"
#include "ui/sync/SyncController.h"

#include <gtest/gtest.h>

#include <QDateTime>
#include <QFileInfo>
#include <QMenu>
#include <QSignalSpy>

namespace {

// The window's sync: the network part in its own thread, the tree's part
// and the saves back in the window's thread, in that order.
class SyncControllerTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        if (!RadicaleServer::Available())
            GTEST_SKIP() << "radicale is not installed";
        ASSERT_TRUE(home.isValid());
        oldHome = qgetenv("ZENDRIVO_HOME");
        qputenv("ZENDRIVO_HOME", home.path().toUtf8());
        ASSERT_TRUE(server.Start());
        DavClient admin(QStringLiteral("alice"), QStringLiteral("secret"));
        ASSERT_EQ(server.MakeBook(admin).status, 201);
        root = tree.CreateRoot();
        folder = AddContainer(root, ClassCode::Folder, QStringLiteral("Phone"));
        plain = AddContainer(root, ClassCode::Folder, QStringLiteral("Plain"));
        AddLeaf(AddContainer(folder, ClassCode::Person, QStringLiteral("Ann Smith")), ClassCode::Phone,
                QStringLiteral("Cellular"), QStringLiteral("100"));
        profile = home.filePath(QStringLiteral("zvb.ini"));
    }

    void TearDown() override { qputenv("ZENDRIVO_HOME", oldHome); }

    SyncController::Hooks Hooks()
    {
        SyncController::Hooks hooks;
        hooks.saveDatabase = [this] {
            saves.append(QFile::exists(SyncState::DefaultPath()) ? QStringLiteral("state before database")
                                                                 : QStringLiteral("database first"));
            return saveResult;
        };
        hooks.showStatus = [this](const QString& text) { status = text; };
        hooks.showError = [](const QString&) {};
        hooks.askPassword = [this](const QString&, const QString&, QString& password) {
            ++asked;
            password = QStringLiteral("secret");
            return true;
        };
        return hooks;
    }

    QTemporaryDir home;
    QByteArray oldHome;
    RadicaleServer server;
    TItemTree tree;
    TTreeNode* root = nullptr;
    TTreeNode* folder = nullptr;
    TTreeNode* plain = nullptr;
    QString profile;
    QStringList saves;
    QString status;
    int asked = 0;
    bool saveResult = true;
};

TEST_F(SyncControllerTest, SyncsABoundFolderFromTheServersAddressInTheBackground)
{
    ASSERT_TRUE((Binding{folder->Item()->Id(), server.Root().toString(), QStringLiteral("alice")}).Store(profile));
    SyncController controller(tree, profile, Hooks());
    QSignalSpy finished(&controller, &SyncController::Finished);
    EXPECT_FALSE(controller.SyncFolder(plain));
    ASSERT_TRUE(controller.SyncFolder(folder));
    EXPECT_TRUE(controller.Running());
    EXPECT_TRUE(status.startsWith(QStringLiteral("Syncing Phone")));
    ASSERT_TRUE(finished.wait(60000));
    EXPECT_TRUE(finished.at(0).at(0).toBool()) << finished.at(0).at(1).toString().toStdString();
    EXPECT_TRUE(status.contains(QStringLiteral("server: 1 created"))) << status.toStdString();
    EXPECT_EQ(asked, 1); // no secret store here: asked once, kept for the session
    EXPECT_EQ(saves, QStringList{QStringLiteral("database first")});
    // The address found from the server's root replaces what was typed.
    EXPECT_EQ(Binding::Of(profile, folder->Item()->Id())->url, server.Book().toString());
    EXPECT_TRUE(QFile::exists(SyncState::DefaultPath()));

    ASSERT_TRUE(controller.SyncFolder(folder));
    ASSERT_TRUE(finished.wait(60000));
    EXPECT_EQ(asked, 1);

    // Nothing changed on either side: neither the database nor the state is written.
    const QDateTime written = QFileInfo(SyncState::DefaultPath()).lastModified();
    const qsizetype savesBefore = saves.size();
    ASSERT_TRUE(controller.SyncFolder(folder));
    ASSERT_TRUE(finished.wait(60000));
    EXPECT_TRUE(finished.last().at(0).toBool());
    EXPECT_EQ(saves.size(), savesBefore);
    EXPECT_EQ(QFileInfo(SyncState::DefaultPath()).lastModified(), written);
}

TEST_F(SyncControllerTest, AFailedDatabaseSaveKeepsTheOldState)
{
    ASSERT_TRUE((Binding{folder->Item()->Id(), server.Book().toString(), QStringLiteral("alice")}).Store(profile));
    saveResult = false;
    SyncController controller(tree, profile, Hooks());
    QSignalSpy finished(&controller, &SyncController::Finished);
    ASSERT_TRUE(controller.SyncFolder(folder));
    ASSERT_TRUE(finished.wait(60000));
    EXPECT_FALSE(finished.at(0).at(0).toBool());
    EXPECT_FALSE(QFile::exists(SyncState::DefaultPath()));
    EXPECT_TRUE(status.contains(QStringLiteral("failed")));
}

TEST_F(SyncControllerTest, SyncNowIsOfferedOnlyForBoundFolders)
{
    ASSERT_TRUE((Binding{folder->Item()->Id(), server.Book().toString(), QStringLiteral("alice")}).Store(profile));
    SyncController controller(tree, profile, Hooks());
    QMenu menu;
    QAction* last = menu.addAction(QStringLiteral("Delete"));
    TTreeNode* selected = plain;
    controller.InstallMenuEntry(&menu, last, [&selected] { return selected; });
    QAction* syncNow = menu.findChild<QAction*>(QStringLiteral("SyncNow"));
    ASSERT_NE(syncNow, nullptr);
    Q_EMIT menu.aboutToShow();
    EXPECT_FALSE(syncNow->isVisible());
    selected = folder;
    Q_EMIT menu.aboutToShow();
    EXPECT_TRUE(syncNow->isVisible());
    EXPECT_EQ(syncNow->text(), QStringLiteral("&Sync now"));
}

} // namespace
