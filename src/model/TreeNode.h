#pragma once

#include <memory>
#include <vector>

class ItemRef;
class TItemTree;
class TZVBObject;

// A node of the folder tree. It owns its container item (through the item's
// cell) and its child nodes; its text is the item's Title.
class TTreeNode
{
public:
    ~TTreeNode();
    TTreeNode(const TTreeNode&) = delete;
    TTreeNode& operator=(const TTreeNode&) = delete;

    TZVBObject* Item() const;
    ItemRef* Data() const { return m_data.get(); }
    TTreeNode* Parent() const { return m_parent; }
    TItemTree* Tree() const { return m_tree; }
    int ChildCount() const { return static_cast<int>(m_children.size()); }
    TTreeNode* Child(int row) const;
    const std::vector<std::unique_ptr<TTreeNode>>& Children() const { return m_children; }
    // Row among the parent's children (or among the tree's top nodes).
    int Row() const { return m_row; }
    // Depth: 0 for a top node.
    int Level() const;
    bool IsAncestorOf(const TTreeNode* other) const;

    // Depth-first position in the tree (the root is 0), answered from the
    // tree's cached flat list.
    int AbsoluteIndex() const;
    // Number of nodes in the subtree, this one included.
    int SubtreeSize() const;

    int ImageIndex() const { return m_imageIndex; }
    int SelectedImageIndex() const { return m_selectedImageIndex; }
    // 1 when the container has due dates below it, -1 for none.
    int StateIndex() const { return m_stateIndex; }
    void SetImages(int image, int selectedImage);
    void SetStateIndex(int state);

private:
    friend class TItemTree;
    TTreeNode(TItemTree* tree, std::unique_ptr<ItemRef> data);

    TItemTree* m_tree;
    TTreeNode* m_parent = nullptr;
    std::unique_ptr<ItemRef> m_data;
    std::vector<std::unique_ptr<TTreeNode>> m_children;
    int m_row = 0;
    int m_imageIndex = 0;
    int m_selectedImageIndex = 0;
    int m_stateIndex = -1;
    mutable int m_position = 0;
    mutable int m_subtreeSize = 1;
};

// For a walk over many nodes in a row, which reaches each node's item
// through its cell: nodes, cells and items lie all over memory. The node a
// few steps ahead is asked for, and its cell and item as soon as the link
// before each is at hand, and the item's texts and leaves the step before
// its own, so that the waits for memory overlap. nodeAt(i)
// gives the node at step i; at is the current step, end the last plus one.
template <typename NodeAt>
void PrefetchAhead(NodeAt nodeAt, int at, int end)
{
    if (at + 8 < end)
        __builtin_prefetch(nodeAt(at + 8));
    if (at + 4 < end)
        __builtin_prefetch(nodeAt(at + 4)->Data());
    if (at + 2 < end)
        __builtin_prefetch(nodeAt(at + 2)->Item());
    if (at + 1 < end) {
        if (const auto* item = nodeAt(at + 1)->Item())
            item->PrefetchRecord();
    }
}
