#include "model/ItemTree.h"

#include "model/HelperThreads.h"
#include "model/ItemFactory.h"
#include "model/RecordIO.h"
#include "model/TextRules.h"
#include "model/TreeNode.h"
#include "model/TreeObserver.h"
#include "model/TreeOps.h"
#include "model/ZVBObject.h"

#include <QStringList>

#include <algorithm>
#include <thread>

TItemTree::TItemTree() = default;

TItemTree::~TItemTree()
{
    m_destroying = true;
    m_observers.clear();
    while (!m_top.empty())
        m_top.pop_back();
}

TTreeNode* TItemTree::CreateRoot()
{
    ItemHandle root = CreateItem(ClassCode::Root, QStringLiteral("My Contacts"), QString(), kRootId, QString(), nullptr, QString());
    TTreeNode* node = AddNode(nullptr, std::move(root.ownedRef));
    node->SetImages(ImageIndex::Root, ImageIndex::Root);
    // Attached like every container, so the root's own leaves are known to
    // the tree (its id index, its observers).
    node->Item()->AttachToNode(node);
    return node;
}

TTreeNode* TItemTree::Root() const
{
    return m_top.empty() ? nullptr : m_top.front().get();
}

TTreeNode* TItemTree::Top(int row) const
{
    if (row < 0 || row >= TopCount())
        return nullptr;
    return m_top[static_cast<size_t>(row)].get();
}

template <typename F>
void TItemTree::Notify(F&& f)
{
    if (m_destroying || m_resetDepth > 0)
        return;
    for (TreeObserver* observer : m_observers)
        f(*observer);
}

TTreeNode* TItemTree::AddNode(TTreeNode* parent, std::unique_ptr<ItemRef> data)
{
    auto& siblings = parent ? parent->m_children : m_top;
    const int row = static_cast<int>(siblings.size());
    Notify([&](TreeObserver& o) { o.NodesAboutToBeInserted(parent, row, row); });
    std::unique_ptr<TTreeNode> node(new TTreeNode(this, std::move(data)));
    node->m_parent = parent;
    node->m_row = row;
    TTreeNode* raw = node.get();
    if (const TZVBObject* item = raw->Item()) {
        IndexId(item->Id());
        for (const auto& ref : item->Contents())
            IndexId(ref->Item()->Id());
    }
    siblings.push_back(std::move(node));
    Invalidate();
    Notify([&](TreeObserver& o) { o.NodesInserted(parent, row, row); });
    return raw;
}

void TItemTree::DeleteNode(TTreeNode* node)
{
    if (!node)
        return;
    TTreeNode* parent = node->m_parent;
    auto& siblings = parent ? parent->m_children : m_top;
    const int row = node->m_row;
    // The doomed subtree leaves the id index, and pending sorts must not
    // outlive their nodes.
    {
        const bool sorts = m_sortBatchDepth > 0 && !m_pendingSorts.empty();
        std::vector<TTreeNode*> stack{node};
        while (!stack.empty()) {
            TTreeNode* n = stack.back();
            stack.pop_back();
            if (sorts)
                m_pendingSorts.erase(n);
            if (const TZVBObject* item = n->Item()) {
                UnindexId(item->Id());
                for (const auto& ref : item->Contents())
                    UnindexId(ref->Item()->Id());
            }
            for (const auto& child : n->m_children)
                stack.push_back(child.get());
        }
    }
    Notify([&](TreeObserver& o) { o.NodesAboutToBeRemoved(parent, row, row); });
    std::unique_ptr<TTreeNode> doomed = std::move(siblings[static_cast<size_t>(row)]);
    siblings.erase(siblings.begin() + row);
    Renumber(siblings);
    Invalidate();
    doomed.reset();
    Notify([&](TreeObserver& o) { o.NodesRemoved(parent, row, row); });
}

void TItemTree::DeleteChildren(TTreeNode* node)
{
    while (node && node->ChildCount() > 0)
        DeleteNode(node->Child(node->ChildCount() - 1));
}

bool TItemTree::MoveNode(TTreeNode* node, TTreeNode* newParent)
{
    if (!node || !newParent || !node->m_parent || node == newParent || node->IsAncestorOf(newParent))
        return false;
    if (node->m_parent == newParent)
        return true;
    // The deepest node of the moving subtree, relative to the node itself.
    int height = 0;
    {
        std::vector<std::pair<const TTreeNode*, int>> stack{{node, 0}};
        while (!stack.empty()) {
            const auto [n, depth] = stack.back();
            stack.pop_back();
            height = std::max(height, depth);
            for (const auto& child : n->m_children)
                stack.push_back({child.get(), depth + 1});
        }
    }
    if (newParent->Level() + 1 + height > RecordIO::kMaxDepth)
        return false;
    const int dueCount = node->Item()->DueCount();
    ChangeAncestorsDueCount(node->m_parent, -dueCount);
    const int newRow = newParent->ChildCount();
    Notify([&](TreeObserver& o) { o.NodeAboutToBeMoved(node, newParent, newRow); });
    auto& oldSiblings = node->m_parent->m_children;
    const int row = node->m_row;
    std::unique_ptr<TTreeNode> moving = std::move(oldSiblings[static_cast<size_t>(row)]);
    oldSiblings.erase(oldSiblings.begin() + row);
    Renumber(oldSiblings);
    moving->m_parent = newParent;
    moving->m_row = newRow;
    newParent->m_children.push_back(std::move(moving));
    Invalidate();
    ChangeAncestorsDueCount(newParent, dueCount);
    node->Item()->AttachToNode(node);
    Notify([&](TreeObserver& o) { o.NodeMoved(node); });
    return true;
}

void TItemTree::SortChildren(TTreeNode* parent)
{
    if (m_sortBatchDepth > 0) {
        if (parent)
            m_pendingSorts.insert(parent);
        else
            m_pendingTopSort = true;
        return;
    }
    auto& siblings = parent ? parent->m_children : m_top;
    if (siblings.size() < 2)
        return;
    // The keys sit beside the nodes, so comparing does not chase a node, its
    // cell and its item each time (a bulk import sorts many thousands), and
    // their prefixes mostly settle the order without reading the titles.
    struct Keyed
    {
        bool folder;
        TextRules::CasePrefix prefix;
        const QString* title;
        std::size_t at;
    };
    const std::size_t count = siblings.size();
    std::vector<Keyed> keyed(count);
    const auto sibling = [&siblings](int i) { return siblings[static_cast<std::size_t>(i)].get(); };
    const auto makeKeys = [&](std::size_t from, std::size_t to) {
        for (std::size_t at = from; at < to; ++at) {
            PrefetchAhead(sibling, static_cast<int>(at), static_cast<int>(to));
            const TZVBObject* item = siblings[at]->Item();
            static const QString none;
            const QString* title = item ? &item->Title() : &none;
            keyed[at] = {item && item->ClassCode() == ClassCode::Folder, TextRules::CasePrefixOf(*title), title, at};
        }
    };
    const auto less = [](const Keyed& a, const Keyed& b) {
        if (a.folder != b.folder)
            return a.folder;
        return TextRules::CompareWithoutCase(a.prefix, *a.title, b.prefix, *b.title) < 0;
    };
    // Thousands of siblings are keyed and sorted in two halves at once, the
    // second on a thread of its own, and the halves then merged: the keys
    // come from all over memory, and the sort is most of the rest.
    constexpr std::size_t kSiblingsToSplit = 4096;
    if (count >= kSiblingsToSplit && HelperThreads::Allowed()) {
        const auto middle = keyed.begin() + static_cast<std::ptrdiff_t>(count / 2);
        std::thread second([&] {
            makeKeys(count / 2, count);
            std::stable_sort(middle, keyed.end(), less);
        });
        makeKeys(0, count / 2);
        std::stable_sort(keyed.begin(), middle, less);
        second.join();
        std::inplace_merge(keyed.begin(), middle, keyed.end(), less);
        const bool moved = std::any_of(keyed.begin(), keyed.end(), [&keyed](const Keyed& key) {
            return key.at != static_cast<std::size_t>(&key - keyed.data());
        });
        if (!moved)
            return;
    } else {
        makeKeys(0, count);
        if (std::is_sorted(keyed.begin(), keyed.end(), less))
            return;
        std::stable_sort(keyed.begin(), keyed.end(), less);
    }
    Notify([&](TreeObserver& o) { o.ChildrenAboutToBeSorted(parent); });
    std::vector<std::unique_ptr<TTreeNode>> sorted;
    sorted.reserve(count);
    for (const Keyed& key : keyed)
        sorted.push_back(std::move(siblings[key.at]));
    siblings.swap(sorted);
    Renumber(siblings);
    Invalidate();
    Notify([&](TreeObserver& o) { o.ChildrenSorted(parent); });
}

void TItemTree::Renumber(std::vector<std::unique_ptr<TTreeNode>>& nodes)
{
    int row = 0;
    for (auto& n : nodes)
        n->m_row = row++;
}

void TItemTree::EnsureFlat() const
{
    if (m_flatValid)
        return;
    m_flat.clear();
    // Iterative pre-order walk; subtree sizes are filled on the way back.
    std::vector<TTreeNode*> stack;
    for (auto it = m_top.rbegin(); it != m_top.rend(); ++it)
        stack.push_back(it->get());
    while (!stack.empty()) {
        TTreeNode* n = stack.back();
        stack.pop_back();
        n->m_position = static_cast<int>(m_flat.size());
        m_flat.push_back(n);
        for (auto it = n->m_children.rbegin(); it != n->m_children.rend(); ++it)
            stack.push_back(it->get());
    }
    for (auto it = m_flat.rbegin(); it != m_flat.rend(); ++it) {
        TTreeNode* n = *it;
        int size = 1;
        for (const auto& child : n->m_children)
            size += child->m_subtreeSize;
        n->m_subtreeSize = size;
    }
    m_flatValid = true;
}

int TItemTree::Count() const
{
    EnsureFlat();
    return static_cast<int>(m_flat.size());
}

TTreeNode* TItemTree::NodeAt(int position) const
{
    EnsureFlat();
    if (position < 0 || position >= static_cast<int>(m_flat.size()))
        return nullptr;
    return m_flat[static_cast<size_t>(position)];
}

int TItemTree::PositionOf(const TTreeNode* node) const
{
    EnsureFlat();
    return node ? node->m_position : -1;
}

int TItemTree::SubtreeSizeOf(const TTreeNode* node) const
{
    EnsureFlat();
    return node ? node->m_subtreeSize : 0;
}

TTreeNode* TItemTree::FindPath(const QString& path) const
{
    const QStringList parts = path.split(u'/');
    TTreeNode* found = nullptr;
    const std::vector<std::unique_ptr<TTreeNode>>* level = &m_top;
    for (const QString& part : parts) {
        found = nullptr;
        for (const auto& n : *level) {
            if (n->Item()->Title() == part) {
                found = n.get();
                break;
            }
        }
        if (!found)
            return nullptr;
        level = &found->m_children;
    }
    return found;
}

QString TItemTree::PathOf(const TTreeNode* node)
{
    QStringList parts;
    for (; node; node = node->Parent())
        parts.prepend(node->Item()->Title());
    return parts.join(u'/');
}

void TItemTree::IndexId(std::int32_t id)
{
    m_ids.Add(id);
}

void TItemTree::UnindexId(std::int32_t id)
{
    m_ids.Remove(id);
}

void TItemTree::AddObserver(TreeObserver* observer)
{
    m_observers.push_back(observer);
}

void TItemTree::RemoveObserver(TreeObserver* observer)
{
    m_observers.erase(std::remove(m_observers.begin(), m_observers.end(), observer), m_observers.end());
}

void TItemTree::NotifyNodeChanged(TTreeNode* node)
{
    Notify([&](TreeObserver& o) { o.NodeChanged(node); });
}

void TItemTree::NotifyContentsChanged(TZVBObject* container)
{
    Notify([&](TreeObserver& o) { o.ContentsChanged(container); });
}

TItemTree::SortBatch::SortBatch(TItemTree& tree) : m_tree(tree)
{
    ++m_tree.m_sortBatchDepth;
}

TItemTree::SortBatch::~SortBatch()
{
    if (--m_tree.m_sortBatchDepth > 0)
        return;
    const std::set<TTreeNode*> pending = std::move(m_tree.m_pendingSorts);
    m_tree.m_pendingSorts.clear();
    for (TTreeNode* node : pending)
        m_tree.SortChildren(node);
    if (m_tree.m_pendingTopSort) {
        m_tree.m_pendingTopSort = false;
        m_tree.SortChildren(nullptr);
    }
}

TItemTree::ResetScope::ResetScope(TItemTree& tree) : m_tree(tree)
{
    if (m_tree.m_resetDepth++ == 0) {
        for (TreeObserver* o : m_tree.m_observers)
            o->TreeAboutToBeReset();
    }
}

TItemTree::ResetScope::~ResetScope()
{
    if (--m_tree.m_resetDepth == 0) {
        for (TreeObserver* o : m_tree.m_observers)
            o->TreeReset();
    }
}
