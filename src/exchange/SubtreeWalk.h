#pragma once

#include <functional>

class TTreeNode;
class TZVBObject;

// Answers whether the category filter lets an item show. An empty filter
// lets everything through.
using ItemFilter = std::function<bool(const TZVBObject&)>;

namespace SubtreeWalk {

// Visits the start node and its descendants in tree order, the run of the
// tree's flat node list, with levels counted from 1 for the start. An item
// the filter hides is passed over, but its descendants are still visited.
// With skipRemoteContents, what lies below a remote folder is not visited
// (the folder itself is).
void Walk(const TTreeNode& start, const ItemFilter& passes, bool skipRemoteContents,
          const std::function<void(const TTreeNode& node, int level)>& visit);

} // namespace SubtreeWalk
