#pragma once

#include "sync/SyncPlan.h"

class TTreeNode;

// The tree's part of a sync, run where the tree lives (the window's thread).
namespace LocalApply {

// The folder's persons and organizations (its own child nodes) as cards.
LocalSnapshot TakeSnapshot(const TTreeNode* folder);

// Makes the plan's changes below the folder and returns the folder's new
// state. The rules that keep both sides whole: an item changed here since
// the snapshot (or, for a card changed on both sides, whose contents differ
// from the server's) keeps its version as a second item titled
// "<title> (conflict)"; an item is removed only when it is as it was; a new
// card whose contents equal an item without a card is paired with it
// instead of doubled.
FolderSyncState Apply(TTreeNode* folder, const SyncPlan& plan, const FolderSyncState& before, SyncCounts& counts);

} // namespace LocalApply
