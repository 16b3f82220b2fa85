#pragma once

#include "model/ItemTree.h"
#include "model/TreeNode.h"
#include "model/ZVBObject.h"

#include <QString>
#include <QStringList>

// "title|value" of each leaf in a container, in order.
inline QStringList LeafTexts(const TTreeNode* node)
{
    QStringList out;
    for (const auto& ref : node->Item()->Contents())
        out.append(ref->Item()->Title() + u'|' + ref->Item()->Value());
    return out;
}

// "title|value" of each child node, in order.
inline QStringList ChildTexts(const TTreeNode* node)
{
    QStringList out;
    for (const auto& child : node->Children())
        out.append(child->Item()->Title() + u'|' + child->Item()->Value());
    return out;
}
