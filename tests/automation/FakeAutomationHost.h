#pragma once

#include "automation/AutomationHost.h"
#include "model/ItemTree.h"
#include "model/TreeNode.h"

#include <functional>

// The window as the automation objects see it, set by hand in the tests.
class FakeAutomationHost : public AutomationHost
{
public:
    FakeAutomationHost() { tree.CreateRoot(); }

    TItemTree& Tree() override { return tree; }
    QString ActivePane() const override { return activePane; }
    TTreeNode* SelectedNode() const override { return selectedNode ? selectedNode : tree.Root(); }
    QList<TZVBObject*> SelectedItems() const override { return selectedItems; }
    bool FindTitle(const QString& text) override
    {
        findTexts.append(text);
        return find ? find(text) : false;
    }
    void SetClipboardText(const QString& text) override { clipboard = text; }
    void ShowChanges() override { ++shownChanges; }

    TItemTree tree;
    QString activePane = QStringLiteral("Folders");
    TTreeNode* selectedNode = nullptr;
    QList<TZVBObject*> selectedItems;
    // Plays the window's find: selects what it finds and answers whether it found.
    std::function<bool(const QString&)> find;
    QStringList findTexts;
    QString clipboard;
    int shownChanges = 0;
};
