#pragma once

#include "model/ItemFactory.h"
#include "model/ItemTree.h"
#include "model/TreeNode.h"
#include "model/ZVBObject.h"

#include <QString>

#include <ostream>

// Readable texts in failure messages.
inline void PrintTo(const QString& text, std::ostream* os)
{
    *os << '"' << text.toStdString() << '"';
}

// A tree with its root, and short ways to hang items below it.
struct TreeFixture
{
    TItemTree tree;
    TTreeNode* root = tree.CreateRoot();

    TTreeNode* Container(int code, const QString& title, TTreeNode* parent, const QString& details = {},
                         const QString& value = {})
    {
        return CreateItem(code, title, value, 0, details, parent, QString()).node;
    }
    TZVBObject* Leaf(int code, const QString& title, const QString& value, TTreeNode* holder,
                     const QString& details = {})
    {
        return CreateItem(code, title, value, 0, details, holder, QString()).Item();
    }
};
