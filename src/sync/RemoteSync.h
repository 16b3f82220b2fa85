#pragma once

#include "sync/SyncPlan.h"

#include <QUrl>

#include <stdexcept>

class DavClient;

// A sync that could not be finished: nothing of the tree or the state has
// been changed by it.
class ESyncError : public std::runtime_error
{
public:
    explicit ESyncError(const QString& message) : std::runtime_error(message.toStdString()), m_message(message) {}
    const QString& Message() const { return m_message; }

private:
    QString m_message;
};

// The network part of one sync round: reads what changed on the server
// (by its sync token where it offers one, else by comparing ETags), fetches
// those cards, sends the folder's own changes (PUT with If-Match or
// If-None-Match, DELETE with If-Match), and decides what the tree must do.
// It works on copies only, so it may run in a thread of its own. Throws
// ESyncError when the server fails or answers nonsense.
namespace RemoteSync {

SyncPlan Run(DavClient& client, const QUrl& book, const LocalSnapshot& local, const FolderSyncState& state);

} // namespace RemoteSync
