// Sync with a real CardDAV server (Radicale on loopback): the first sync of
// N persons to an empty address book, the first sync of that book into a
// fresh folder, and a sync with nothing changed (median of 7, with its
// request count and the part of it spent waiting for the server).
//
// Usage: sync_bench [N] [--seed] [--runs K]   (N defaults to 5000)
//   --seed    writes the N cards straight into the server's storage folder
//             instead of sending them (the first sync up is then not
//             measured: it takes minutes at N = 5000, one PUT per card).
//   --runs K  syncs with nothing changed K times instead of 7 (more runs
//             give a profiler something to see).
#include "RadicaleServer.h"

#include "model/ClassCodes.h"
#include "model/ItemFactory.h"
#include "model/ItemTree.h"
#include "model/PersonObject.h"
#include "model/TreeNode.h"
#include "sync/DavClient.h"
#include "sync/FolderSync.h"
#include "sync/RemoteSync.h"
#include "exchange/StandardCard.h"
#include "sync/SyncState.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>

#include <algorithm>
#include <cstdio>
#include <cstring>
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

// The folder's persons as the server keeps them after a sync up: one file
// per card, named by its UID.
bool Seed(const TTreeNode* folder, const QString& bookFolder)
{
    for (const auto& child : folder->Children()) {
        const QString uid = StandardCard::UidForItem(child->Item()->Id());
        QFile file(QDir(bookFolder).filePath(uid + QStringLiteral(".vcf")));
        if (!file.open(QIODevice::WriteOnly) || file.write(StandardCard::Write(*child->Item(), uid).toUtf8()) < 0)
            return false;
    }
    return true;
}

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    int count = 5000;
    bool seed = false;
    int runs = 7;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--seed") == 0)
            seed = true;
        else if (std::strcmp(argv[i], "--runs") == 0 && i + 1 < argc)
            runs = std::max(1, std::atoi(argv[++i]));
        else
            count = std::max(1, std::atoi(argv[i]));
    }
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
    server.MakeBook(client);

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
        QElapsedTimer timer;
        if (seed) {
            if (!Seed(upFolder, server.BookFolder())) {
                std::fprintf(stderr, "could not write the cards into %s\n", qPrintable(server.BookFolder()));
                return 1;
            }
            std::printf("first sync up: not measured, %d cards written straight into the server's storage\n",
                        count);
            // The server reads files it did not store itself into its cache on
            // the first listing, which can outlast a client's time-out; a server
            // that received the cards one by one has done this long before.
            for (int attempt = 0; attempt < 20; ++attempt) {
                if (client.Propfind(server.Book(), 1, "<?xml version=\"1.0\"?><propfind xmlns=\"DAV:\"><prop>"
                                                      "<getetag/></prop></propfind>")
                        .status == 207)
                    break;
            }
        } else {
            SyncState upState;
            qint64 waited = 0;
            client.SetRequestLog([&waited](const QByteArray&, const QUrl&, int, qint64 ns) { waited += ns; });
            timer.start();
            FolderSync::Run(upFolder, server.Book(), client, upState);
            std::printf("first sync up of %d persons: %.2f s (%d requests, %.2f s of it waiting for the server)\n",
                        count, Seconds(timer), client.RequestCount(), static_cast<double>(waited) / 1e9);
        }

        TItemTree down;
        TTreeNode* downFolder = NewFolder(down);
        SyncState downState;
        DavClient downClient(QStringLiteral("alice"), QStringLiteral("secret"));
        qint64 downWaited = 0;
        downClient.SetRequestLog([&downWaited](const QByteArray&, const QUrl&, int, qint64 ns) { downWaited += ns; });
        timer.start();
        FolderSync::Run(downFolder, server.Book(), downClient, downState);
        std::printf("first sync down into a fresh folder: %.2f s (%d requests, %d persons, %.2f s of it waiting for "
                    "the server)\n",
                    Seconds(timer), downClient.RequestCount(), downFolder->ChildCount(),
                    static_cast<double>(downWaited) / 1e9);

        std::vector<double> times;
        std::vector<double> waits;
        int requests = 0;
        for (int i = 0; i < runs; ++i) {
            DavClient quiet(QStringLiteral("alice"), QStringLiteral("secret"));
            qint64 waited = 0;
            quiet.SetRequestLog([&waited](const QByteArray&, const QUrl&, int, qint64 ns) { waited += ns; });
            timer.restart();
            FolderSync::Run(downFolder, server.Book(), quiet, downState);
            times.push_back(Seconds(timer));
            waits.push_back(static_cast<double>(waited) / 1e9);
            requests = quiet.RequestCount();
        }
        std::printf("sync with nothing changed: median %.3f s (%d request(s), %.3f s of it waiting for the server)\n",
                    Median(times), requests, Median(waits));
    } catch (const std::exception& e) {
        std::fprintf(stderr, "sync failed: %s\n", e.what());
        return 1;
    }
    return 0;
}
