#pragma once

#include <QString>

#include <functional>

class TItemTree;
class TTreeNode;
class TZVBObject;

// The find bar's walks through the tree: from the node after the start, in
// depth-first order, wrapping to the root, the start node examined last.
namespace Finder {

struct Match
{
    TTreeNode* node = nullptr;   // the node whose title matched, or that holds the leaf
    TZVBObject* leaf = nullptr;  // the matching leaf, or null for a node match
    explicit operator bool() const { return node != nullptr; }
};

// Called with each step's count (0-based) so a progress display can follow.
using Progress = std::function<void(int step)>;

// A node whose title has the text's first occurrence at the start of a word,
// else the first such leaf of that node (case ignored).
Match Locate(const TItemTree& tree, int startPosition, const QString& text, const Progress& progress = {});
// The first phone or fax whose digits equal the number's digits.
Match LocatePhone(const TItemTree& tree, int startPosition, const QString& number, const Progress& progress = {});

} // namespace Finder
