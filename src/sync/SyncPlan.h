#pragma once

#include "sync/SyncState.h"

#include <QString>

#include <cstdint>
#include <vector>

// The folder's persons and organizations as cards, taken before the network
// part of a sync starts, so that part never touches the tree.
struct LocalCard
{
    std::int32_t itemId = 0;
    QString card;   // the standard card without a UID
    QString digest; // of card
};

struct LocalSnapshot
{
    std::int32_t folderId = 0;
    std::vector<LocalCard> cards;
};

// A card as the server holds it.
struct ServerCard
{
    QString href;
    QString etag;
    QString text;
};

// How many cards and items a sync created, changed and deleted on each side.
struct SyncCounts
{
    int localCreated = 0, localUpdated = 0, localDeleted = 0;
    int serverCreated = 0, serverUpdated = 0, serverDeleted = 0;
    int conflicts = 0;

    SyncCounts& operator+=(const SyncCounts& other);
    // True when the tree was changed (items created, changed or deleted).
    bool ChangedLocally() const { return localCreated + localUpdated + localDeleted + conflicts > 0; }
    // "Zendrivo: 1 created, 0 updated, 0 deleted; server: ..." for the user.
    QString Describe() const;
};

// What the network part decided and what the tree must now do. The changes
// to the tree are checked once more when they are made: an item changed by
// the user while the network part ran is never overwritten.
struct SyncPlan
{
    struct Update
    {
        std::int32_t itemId = 0;
        QString expectedDigest; // the item as the snapshot saw it
        ServerCard card;
        bool bothChanged = false; // the item changed here as well: keep both unless equal
    };
    struct Removal
    {
        std::int32_t itemId = 0;
        QString expectedDigest;
    };

    std::vector<ServerCard> creations;  // cards new to this folder
    std::vector<Update> updates;
    std::vector<Removal> removals;
    // Entries of the pairs that stay as they are or were sent to the server.
    std::vector<SyncEntry> entries;
    QString syncToken;
    QString ctag; // the book's version tag before the changes were read
    bool noCtag = false;
    bool pushDeferred = false; // local cards wait until the server's are matched
    SyncCounts counts;         // the server side
};
