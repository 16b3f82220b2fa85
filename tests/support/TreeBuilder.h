#pragma once

#include "model/ItemFactory.h"
#include "model/ItemTree.h"
#include "model/TreeNode.h"
#include "model/ZVBObject.h"

#include <QString>

// Short hands for building trees in tests.
inline TTreeNode* AddContainer(TTreeNode* parent, int code, const QString& title, const QString& value = {},
                               const QString& details = {})
{
    return CreateItem(code, title, value, 0, details, parent, QString()).node;
}

inline TZVBObject* AddLeaf(TTreeNode* parent, int code, const QString& title, const QString& value = {},
                           const QString& details = {}, const QString& comment = {})
{
    return CreateItem(code, title, value, 0, details, parent, comment).Item();
}
