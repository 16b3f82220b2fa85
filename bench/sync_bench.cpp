// Sync with a real CardDAV server (Radicale on loopback): the first sync of
// N persons to an empty address book, the first sync of that book into a
// fresh folder, and a sync with nothing changed (median of 7, with its
// request count). Usage: sync_bench [N] (default 5000).
#include "RadicaleServer.h"

#include "model/ClassCodes.h"
#include "model/ItemFactory.h"
#include "model/ItemTree.h"
#include "model/PersonObject.h"
#include "model/TreeNode.h"
#include "sync/DavClient.h"
#include "sync/FolderSync.h"
#include "sync/SyncState.h"

#include <QCoreApplication>
#include <QElapsedTimer>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

TTreeNode* NewFolder(TItemTree& tree)
{
    return CreateItem(ClassCode::Folder, QStringLiteral("Phone"), QString(), 0, QString(), tree.CreateRoot(), QString())
        .node;
}

double Seconds(const QElapsedTimer& timer)
{
    return static_cast<double>(timer.nsecsElapsed()) / 1e9;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const int count = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5000;
    if (!RadicaleServer::Available()) {
        std::fprintf(stderr, "radicale is not installed\n");
        return 1;
    }
    RadicaleServer server;
    if (!server.Start()) {
        std::fprintf(stderr, "radicale did not start: %s\n", qPrintable(server.Output()));
        return 1;
    }
    DavClient client(QStringLiteral("alice"), QStringLiteral("secret"));
    client.Send("MKCOL", server.Book(),
                "<?xml version=\"1.0\"?><mkcol xmlns=\"DAV:\" xmlns:C=\"urn:ietf:params:xml:ns:carddav\"><set><prop>"
                "<resourcetype><collection/><C:addressbook/></resourcetype></prop></set></mkcol>");

    TItemTree up;
    TTreeNode* upFolder = NewFolder(up);
    for (int i = 0; i < count; ++i) {
        const QString first = QStringLiteral("First%1").arg(i);
        const QString last = QStringLiteral("Last%1").arg(i);
        TTreeNode* person =
            CreateItem(ClassCode::Person, first + u' ' + last, QString(), 0, QString(), upFolder, QString()).node;
        static_cast<TPersonObject*>(person->Item())->SetNameParts(QString(), first, QString(), last);
        CreateItem(ClassCode::Phone, QStringLiteral("Cellular"), QStringLiteral("+49 351 %1").arg(100000 + i), 0,
                   QString(), person, QString());
        CreateItem(ClassCode::EMail, QStringLiteral("Internet"), QStringLiteral("p%1@example.org").arg(i), 0,
                   QString(), person, QString());
    }
    try {
        SyncState upState;
        QElapsedTimer timer;
        timer.start();
        FolderSync::Run(upFolder, server.Book(), client, upState);
        std::printf("first sync up of %d persons: %.2f s (%d requests)\n", count, Seconds(timer),
                    client.RequestCount());

        TItemTree down;
        TTreeNode* downFolder = NewFolder(down);
        SyncState downState;
        DavClient downClient(QStringLiteral("alice"), QStringLiteral("secret"));
        timer.restart();
        FolderSync::Run(downFolder, server.Book(), downClient, downState);
        std::printf("first sync down into a fresh folder: %.2f s (%d requests, %d persons)\n", Seconds(timer),
                    downClient.RequestCount(), downFolder->ChildCount());

        std::vector<double> times;
        int requests = 0;
        for (int i = 0; i < 7; ++i) {
            DavClient quiet(QStringLiteral("alice"), QStringLiteral("secret"));
            timer.restart();
            FolderSync::Run(downFolder, server.Book(), quiet, downState);
            times.push_back(Seconds(timer));
            requests = quiet.RequestCount();
        }
        std::sort(times.begin(), times.end());
        std::printf("sync with nothing changed: median %.3f s (%d request(s))\n", times[times.size() / 2], requests);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "sync failed: %s\n", e.what());
        return 1;
    }
    return 0;
}
