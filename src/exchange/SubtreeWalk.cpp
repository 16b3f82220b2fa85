#include "exchange/SubtreeWalk.h"

#include "model/ItemTree.h"
#include "model/TreeNode.h"
#include "model/ZVBObject.h"

namespace SubtreeWalk {

void Walk(const TTreeNode& start, const ItemFilter& passes, bool skipRemoteContents,
          const std::function<void(const TTreeNode& node, int level)>& visit)
{
    const TItemTree& tree = *start.Tree();
    const int first = tree.PositionOf(&start);
    const int last = first + tree.SubtreeSizeOf(&start) - 1;
    const int startDepth = start.Level();
    for (int i = first; i <= last; ++i) {
        const TTreeNode* node = tree.NodeAt(i);
        const TZVBObject& item = *node->Item();
        if (!passes || passes(item))
            visit(*node, node->Level() - startDepth + 1);
        if (skipRemoteContents && item.IsRemote())
            i += tree.SubtreeSizeOf(node) - 1;
    }
}

} // namespace SubtreeWalk
