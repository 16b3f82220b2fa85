#pragma once

#include <QString>

class FilterController;
class ItemListPane;
class QTreeView;
class QWidget;
class TItemTree;
class TTreeNode;

// What the item commands and the find bar need of the window that holds the
// panes: the tree, the two panes and their selection. The main window
// implements it, so nothing below the shell has to know the window itself.
class PaneHost
{
public:
    virtual ~PaneHost() = default;

    // The parent of the commands' actions and messages.
    virtual QWidget* Window() = 0;
    virtual TItemTree& Tree() = 0;
    virtual QTreeView* Folders() const = 0;
    virtual ItemListPane* MainItems() const = 0;
    virtual FilterController& Filters() const = 0;
    // "Folders" or "MainItems": the pane that last had the focus.
    virtual QString ActivePane() const = 0;
    // The selected tree node; the root when nothing is selected.
    virtual TTreeNode* SelectedNode() const = 0;
    virtual void SelectNode(TTreeNode* node) = 0;
    // Fills the list from the node and updates what shows its state.
    virtual void RefreshListPane(TTreeNode* node) = 0;
};
