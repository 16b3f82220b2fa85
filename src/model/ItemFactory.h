#pragma once

#include <QString>

#include <cstdint>
#include <memory>

class ItemRef;
class TItemTree;
class TTreeNode;
class TZVBObject;

// What CreateItem made: for a container its new node, and in every case the
// item's cell. An item attached nowhere (the root, a leaf without a parent)
// comes back owned by the caller in ownedRef.
struct ItemHandle
{
    TTreeNode* node = nullptr;
    ItemRef* ref = nullptr;
    std::unique_ptr<ItemRef> ownedRef;

    TZVBObject* Item() const;
};

// The one factory for items. An id of 0 draws a new one. Throws ERemoteParent
// when the parent is a remote folder or lies inside one, unless a remote
// folder is refreshing (RemoteLoadInProgress). A container without a parent
// becomes a top node of topTree, or stays attached nowhere without one.
ItemHandle CreateItem(int classCode, const QString& title, const QString& value, std::int32_t id,
                      const QString& details, TTreeNode* parent, const QString& comment,
                      TItemTree* topTree = nullptr);

// Set only while a remote folder refreshes its contents.
bool RemoteLoadInProgress();
void SetRemoteLoadInProgress(bool inProgress);

// Sets RemoteLoadInProgress for a scope and clears it on leaving, whatever happens.
class RemoteLoadScope
{
public:
    RemoteLoadScope() { SetRemoteLoadInProgress(true); }
    ~RemoteLoadScope() { SetRemoteLoadInProgress(false); }
    RemoteLoadScope(const RemoteLoadScope&) = delete;
    RemoteLoadScope& operator=(const RemoteLoadScope&) = delete;
};
