#pragma once

#include "model/TreeObserver.h"

#include <QString>

class AutomationHost;
class TItemTree;

// One client's automation object: a cursor on the tree (the current node
// and the current item, which is the node's own item, a child node's item
// or an entry of the node item's Contents) and the members that read and
// change the current item. Reads that find no item answer 0, an empty text
// or false; changes that cannot be made throw EZendrivoError.
//
// The cursor follows the tree: when its node or item is deleted by anyone
// (the user in the window, another client), it points at nothing rather
// than at freed memory.
class TZivoApp : public TreeObserver
{
public:
    explicit TZivoApp(AutomationHost& host);
    ~TZivoApp() override;
    TZivoApp(const TZivoApp&) = delete;
    TZivoApp& operator=(const TZivoApp&) = delete;

    void Insert(int classCode, const QString& title, const QString& value, const QString& comment,
                const QString& details);
    void CopyClipboard();
    void DoDefaultAction();
    int zivoID() const;
    int zivoClass() const;
    QString zivoTitle() const;
    void SetzivoTitle(const QString& title);
    QString zivoTarget() const;
    void SetzivoTarget(const QString& value);
    QString zivoComment() const;
    void SetzivoComment(const QString& comment);
    QString zivoField(const QString& name) const;
    void SetzivoField(const QString& name, const QString& value);
    int ItemCount() const;
    bool Items(int index);
    int CurrentItemIndex() const;
    int NextSiblingIndex() const;
    int ChildCount() const;
    bool Child(int index);
    int SelectCount() const;
    bool UserSelected(int index);
    bool NextItemWithTitle(const QString& title);
    bool ItemWithId(int id);

    TTreeNode* CurrentNode() const { return m_node; }
    TZVBObject* CurrentItem() const { return m_item; }

    // TreeObserver
    void NodesAboutToBeRemoved(TTreeNode* parent, int first, int last) override;
    void ContentsChanged(TZVBObject* container) override;
    void TreeAboutToBeReset() override;
    void TreeReset() override;

private:
    void MoveTo(TTreeNode* node, TZVBObject* item, TTreeNode* itemNode);
    // The row's item becomes current, and its node when it has one.
    void MoveToItem(TZVBObject* item);
    bool MoveToSelection(int index, bool listFirst);
    TZVBObject& CurrentOrThrow() const;
    // The current item when it may be changed.
    TZVBObject& ItemToChange() const;
    void Changed(TZVBObject& item) const;

    AutomationHost& m_host;
    TItemTree& m_tree;
    TTreeNode* m_node = nullptr;
    TZVBObject* m_item = nullptr;
    // The node that holds m_item: its own node, or its holder's for a leaf.
    TTreeNode* m_itemNode = nullptr;
    bool m_onRootAtReset = false;
};
