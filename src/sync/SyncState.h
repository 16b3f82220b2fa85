#pragma once

#include <QHash>
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

    bool operator==(const SyncEntry&) const = default;
};

struct FolderSyncState
{
    QString url;        // the address book the entries belong to
    QString syncToken;  // empty: the next sync compares ETags
    // The book's version tag (getctag) as it was before the last sync read
    // the changes: while the server still gives this one, nothing there has
    // changed since. Empty: none known.
    QString ctag;
    bool noCtag = false; // the server offers no version tag: none is asked for
    std::vector<SyncEntry> entries;

    bool operator==(const FolderSyncState&) const = default;

    // The entries by their card's path on the server.
    QHash<QString, const SyncEntry*> ByHref() const;
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
    // True when SetFolder or Forget changed anything since the load: a
    // sync that changed nothing leaves the file alone.
    bool Changed() const { return m_changed; }

    static QString DefaultPath(); // "zivo.sync" in the data directory

private:
    std::map<std::int32_t, FolderSyncState> m_folders;
    bool m_changed = false;
};

// A short digest of a text (for comparing cards without keeping two copies).
QString DigestOf(const QString& text);
