#pragma once

#include <QList>
#include <QString>

class TItemTree;
class TTreeNode;
class TZVBObject;

// What the automation objects ask of the window that shows the tree: only
// the window knows its panes, their selection and its find. The desktop
// program implements it over the main window; tests use a fake.
class AutomationHost
{
public:
    virtual ~AutomationHost() = default;

    virtual TItemTree& Tree() = 0;
    // "Folders" or "MainItems": the pane that last had the focus.
    virtual QString ActivePane() const = 0;
    // The node selected in the folder tree; the root when none is.
    virtual TTreeNode* SelectedNode() const = 0;
    // The items of the selected rows of the list pane, in row order.
    virtual QList<TZVBObject*> SelectedItems() const = 0;
    // Runs the window's find for the next title holding the text after the
    // current selection and selects what it finds; false when nothing matches.
    virtual bool FindTitle(const QString& text) = 0;
    // Puts plain text on the clipboard.
    virtual void SetClipboardText(const QString& text) = 0;
    // Shows a change made from outside at once: the panes repaint.
    virtual void ShowChanges() = 0;
};
