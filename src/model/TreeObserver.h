#pragma once

class TTreeNode;
class TZVBObject;

// Announces each change of the tree as a pair, before and after, so that
// item models can map them onto their own begin/end notifications.
class TreeObserver
{
public:
    virtual ~TreeObserver() = default;
    virtual void NodesAboutToBeInserted(TTreeNode* /*parent*/, int /*first*/, int /*last*/) {}
    virtual void NodesInserted(TTreeNode* /*parent*/, int /*first*/, int /*last*/) {}
    virtual void NodesAboutToBeRemoved(TTreeNode* /*parent*/, int /*first*/, int /*last*/) {}
    virtual void NodesRemoved(TTreeNode* /*parent*/, int /*first*/, int /*last*/) {}
    virtual void NodeAboutToBeMoved(TTreeNode* /*node*/, TTreeNode* /*newParent*/, int /*newRow*/) {}
    virtual void NodeMoved(TTreeNode* /*node*/) {}
    virtual void ChildrenAboutToBeSorted(TTreeNode* /*parent*/) {}
    virtual void ChildrenSorted(TTreeNode* /*parent*/) {}
    // A node's text, images or state image changed.
    virtual void NodeChanged(TTreeNode* /*node*/) {}
    // Leaves were added to, removed from or changed in a container.
    virtual void ContentsChanged(TZVBObject* /*container*/) {}
    // Many changes at once (a load, a revert): observers should start over.
    virtual void TreeAboutToBeReset() {}
    virtual void TreeReset() {}
};
