#include "sync/FolderSync.h"

#include "model/TreeNode.h"
#include "model/ZVBObject.h"
#include "sync/LocalApply.h"
#include "sync/RemoteSync.h"

namespace FolderSync {

SyncCounts Run(TTreeNode* folder, const QUrl& book, DavClient& client, SyncState& state)
{
    const std::int32_t folderId = folder->Item()->Id();
    FolderSyncState folderState = state.ForFolder(folderId, book.toString());
    SyncCounts total;
    for (int round = 0; round < 2; ++round) {
        const SyncPlan plan = RemoteSync::Run(client, book, LocalApply::TakeSnapshot(folder), folderState);
        total += plan.counts;
        folderState = LocalApply::Apply(folder, plan, folderState, total);
        if (!plan.pushDeferred)
            break;
    }
    state.SetFolder(folderId, folderState);
    return total;
}

} // namespace FolderSync
