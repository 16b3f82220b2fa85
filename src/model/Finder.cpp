#include "model/Finder.h"

#include "model/ItemTree.h"
#include "model/TextRules.h"
#include "model/TreeNode.h"
#include "model/TreeOps.h"
#include "model/ZVBObject.h"

namespace Finder {

namespace {
template <typename Test>
Match Walk(const TItemTree& tree, int start, const Progress& progress, Test&& test)
{
    const int count = tree.Count();
    if (count == 0)
        return {};
    if (start < 0 || start >= count)
        start = 0;
    int index = start;
    for (int step = 0; step < count; ++step) {
        if (progress)
            progress(step);
        index = index + 1 == count ? 0 : index + 1;
        TTreeNode* node = tree.NodeAt(index);
        if (node->Item()) {
            if (Match match = test(node))
                return match;
        }
    }
    return {};
}
} // namespace

Match Locate(const TItemTree& tree, int startPosition, const QString& text, const Progress& progress)
{
    const QString needle = text.toLower();
    if (needle.isEmpty())
        return {};
    return Walk(tree, startPosition, progress, [&needle](TTreeNode* node) -> Match {
        if (TitleMatchesWord(node->Item()->Title(), needle))
            return {node, nullptr};
        if (ItemRef* leaf = FindByWord(node->Item(), needle))
            return {node, leaf->Item()};
        return {};
    });
}

Match LocatePhone(const TItemTree& tree, int startPosition, const QString& number, const Progress& progress)
{
    const QString digits = TextRules::DigitsOnly(number);
    if (digits.isEmpty())
        return {};
    return Walk(tree, startPosition, progress, [&digits](TTreeNode* node) -> Match {
        if (ItemRef* leaf = FindByNumber(node->Item(), digits))
            return {node, leaf->Item()};
        return {};
    });
}

} // namespace Finder
