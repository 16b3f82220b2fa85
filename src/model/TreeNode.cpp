#include "model/TreeNode.h"

#include "model/ItemTree.h"
#include "model/ZVBObject.h"

TTreeNode::TTreeNode(TItemTree* tree, std::unique_ptr<ItemRef> data)
    : m_tree(tree), m_data(std::move(data))
{
}

TTreeNode::~TTreeNode()
{
    // Children first: an item leaving clears its due mark on the ancestors,
    // which must still be alive then.
    while (!m_children.empty())
        m_children.pop_back();
    m_data.reset();
}

TZVBObject* TTreeNode::Item() const
{
    return m_data ? m_data->Item() : nullptr;
}

TTreeNode* TTreeNode::Child(int row) const
{
    if (row < 0 || row >= ChildCount())
        return nullptr;
    return m_children[static_cast<size_t>(row)].get();
}

int TTreeNode::Level() const
{
    int level = 0;
    for (const TTreeNode* n = m_parent; n; n = n->m_parent)
        ++level;
    return level;
}

bool TTreeNode::IsAncestorOf(const TTreeNode* other) const
{
    for (const TTreeNode* n = other ? other->m_parent : nullptr; n; n = n->m_parent) {
        if (n == this)
            return true;
    }
    return false;
}

int TTreeNode::AbsoluteIndex() const
{
    return m_tree->PositionOf(this);
}

int TTreeNode::SubtreeSize() const
{
    return m_tree->SubtreeSizeOf(this);
}

void TTreeNode::SetImages(int image, int selectedImage)
{
    if (m_imageIndex == image && m_selectedImageIndex == selectedImage)
        return;
    m_imageIndex = image;
    m_selectedImageIndex = selectedImage;
    m_tree->NotifyNodeChanged(this);
}

void TTreeNode::SetStateIndex(int state)
{
    if (m_stateIndex == state)
        return;
    m_stateIndex = state;
    m_tree->NotifyNodeChanged(this);
}
