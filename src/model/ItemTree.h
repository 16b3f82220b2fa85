#pragma once

#include "model/IdIndex.h"

#include <QString>

#include <cstdint>

#include <memory>
#include <set>
#include <vector>

class ItemRef;
class TreeObserver;
class TTreeNode;
class TZVBObject;

// The folder tree: normally one top node, the root "My Contacts". It keeps a
// flat depth-first list of its nodes, rebuilt lazily after a change, so that
// positions and subtree runs are answered without walking the tree.
class TItemTree
{
public:
    TItemTree();
    ~TItemTree();
    TItemTree(const TItemTree&) = delete;
    TItemTree& operator=(const TItemTree&) = delete;

    // Creates the root item "My Contacts" with its fixed id as the top node.
    TTreeNode* CreateRoot();
    TTreeNode* Root() const;
    int TopCount() const { return static_cast<int>(m_top.size()); }
    TTreeNode* Top(int row) const;

    // Adds a node holding the item as the last child of the parent (a top
    // node when the parent is null) and returns it.
    TTreeNode* AddNode(TTreeNode* parent, std::unique_ptr<ItemRef> data);
    // Deletes the node with its subtree and every item in it.
    void DeleteNode(TTreeNode* node);
    // Deletes every node below the given one.
    void DeleteChildren(TTreeNode* node);
    // Moves a node with its subtree to the end of another node's children.
    // Refused (false) for a top node, a move into itself or its own subtree,
    // or one that would nest containers deeper than the record format reads.
    bool MoveNode(TTreeNode* node, TTreeNode* newParent);
    // Sorts a node's children by the compare rule (folders first, then titles
    // ignoring case). While a SortBatch is open, sorting waits for its end.
    void SortChildren(TTreeNode* parent);

    // Depth-first positions and the flat list.
    int Count() const;
    TTreeNode* NodeAt(int position) const;
    int PositionOf(const TTreeNode* node) const;
    int SubtreeSizeOf(const TTreeNode* node) const;

    // The node at a path of titles joined by "/" from the root's title down,
    // for example "My Contacts/Business/Acme"; null when there is none.
    TTreeNode* FindPath(const QString& path) const;
    // The titles from the root down joined by "/".
    static QString PathOf(const TTreeNode* node);

    // Ids of the items in the tree (containers and their Contents), kept in
    // step with every insert and delete, so a new id is checked cheaply.
    bool HasId(std::int32_t id) const { return m_ids.Contains(id); }
    void PrefetchId(std::int32_t id) const { m_ids.Prefetch(id); }
    // Distinct ids held: about the number of items.
    int IdCount() const { return m_ids.Size(); }
    // Room for about count more items' ids, for a bulk import.
    void ReserveIds(int count) { m_ids.Reserve(m_ids.Size() + count); }
    // Called by the tree and by a container's Contents as items come and go.
    void IndexId(std::int32_t id);
    void UnindexId(std::int32_t id);

    // A tree whose database could not be read must never be saved over it.
    // LoadDatabase sets this when the file exists but could not be read, a
    // good load clears it, and SaveDatabase refuses while it is set.
    bool LoadFailed() const { return !m_loadFailure.isEmpty(); }
    // Why the load failed, one line; empty after a good load.
    const QString& LoadFailure() const { return m_loadFailure; }
    void SetLoadFailure(const QString& message) { m_loadFailure = message; }
    void ClearLoadFailure() { m_loadFailure.clear(); }

    void AddObserver(TreeObserver* observer);
    void RemoveObserver(TreeObserver* observer);

    // Defers sorting during bulk changes; each touched node sorts once at the end.
    class SortBatch
    {
    public:
        explicit SortBatch(TItemTree& tree);
        ~SortBatch();
        SortBatch(const SortBatch&) = delete;
        SortBatch& operator=(const SortBatch&) = delete;

    private:
        TItemTree& m_tree;
    };

    // Resets the observers around many changes (load, revert).
    class ResetScope
    {
    public:
        explicit ResetScope(TItemTree& tree);
        ~ResetScope();
        ResetScope(const ResetScope&) = delete;
        ResetScope& operator=(const ResetScope&) = delete;

    private:
        TItemTree& m_tree;
    };

    // Notifications, sent by the tree operations.
    void NotifyNodeChanged(TTreeNode* node);
    void NotifyContentsChanged(TZVBObject* container);
    bool Resetting() const { return m_resetDepth > 0; }

private:
    void Invalidate() { m_flatValid = false; }
    void EnsureFlat() const;
    void Renumber(std::vector<std::unique_ptr<TTreeNode>>& nodes);
    template <typename F> void Notify(F&& f);

    std::vector<std::unique_ptr<TTreeNode>> m_top;
    std::vector<TreeObserver*> m_observers;
    mutable std::vector<TTreeNode*> m_flat;
    mutable bool m_flatValid = false;
    int m_sortBatchDepth = 0;
    std::set<TTreeNode*> m_pendingSorts;
    bool m_pendingTopSort = false;
    int m_resetDepth = 0;
    bool m_destroying = false;
    IdIndex m_ids;
    QString m_loadFailure;
};
