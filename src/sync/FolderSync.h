#pragma once

#include "sync/SyncPlan.h"

#include <QUrl>

class DavClient;
class SyncState;
class TTreeNode;

// One whole sync of a folder in the calling thread, as the command line
// runs it: snapshot, network, tree, and a second round when the first had
// to match the server's cards before sending the folder's own. The state
// in memory changes only when every round succeeded; the caller saves the
// database first and the state after it. Throws ESyncError.
namespace FolderSync {

SyncCounts Run(TTreeNode* folder, const QUrl& book, DavClient& client, SyncState& state);

} // namespace FolderSync
