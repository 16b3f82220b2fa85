#pragma once

#include <QString>

#include <cstdint>
#include <map>
#include <vector>

// What the last sync of a folder left behind, per card: the item it belongs
// to, where the card lives on the server, the server's version (ETag), its
// UID, a digest of the item's card at that moment (to see local changes),
// and the card text as the server sent it (to keep what we do not own).
struct SyncEntry
{
    std::int32_t itemId = 0;
    QString href;
    QString etag;
    QString uid;
    QString digest;
    QString card;
};

struct FolderSyncState
{
    QString url;        // the address book the entries belong to
    QString syncToken;  // empty: the next sync compares ETags
    std::vector<SyncEntry> entries;

    const SyncEntry* ForItem(std::int32_t itemId) const;
    const SyncEntry* ForHref(const QString& href) const;
};

// The sync state of every bound folder, kept in "zivo.sync" beside the
// database and replaced atomically. A missing or damaged file reads as an
// empty state: the next sync compares everything (it never deletes on
// either side for want of a state, and matches cards to items by UID and
// contents instead of making duplicates).
class SyncState
{
public:
    static constexpr qint64 kMaxBytes = qint64(256) << 20;

    // Reads the file; a damaged one gives an empty state and a warning.
    static SyncState Load(const QString& path, QString* warning = nullptr);
    // Throws EZendrivoError with the reason when the file cannot be written.
    void Save(const QString& path) const;

    // The state of a folder; an empty one (for this url) when none is kept
    // or the kept one belongs to another address book.
    FolderSyncState ForFolder(std::int32_t folderId, const QString& url) const;
    void SetFolder(std::int32_t folderId, FolderSyncState state);
    void Forget(std::int32_t folderId);

    static QString DefaultPath(); // "zivo.sync" in the data directory

private:
    std::map<std::int32_t, FolderSyncState> m_folders;
};

// A short digest of a text (for comparing cards without keeping two copies).
QString DigestOf(const QString& text);
