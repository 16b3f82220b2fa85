#pragma once

#include <QString>

#include <cstdint>
#include <optional>
#include <vector>

// A folder bound to an address book: the book's address and the user name.
// Kept in "zvb.ini" under "[CardDAV]" as "Folder<id>=<url> <user>"; the
// password lives only in the desktop's secret store.
struct Binding
{
    std::int32_t folderId = 0;
    QString url;
    QString user;

    static std::optional<Binding> Of(const QString& profilePath, std::int32_t folderId);
    static std::vector<Binding> All(const QString& profilePath);
    // False when "zvb.ini" cannot be written.
    bool Store(const QString& profilePath) const;
    static bool Remove(const QString& profilePath, std::int32_t folderId);

    // How often the program syncs while it runs, in minutes ("[CardDAV]
    // SyncMinutes", default 15, 0 = never).
    static int IntervalMinutes(const QString& profilePath);
};
