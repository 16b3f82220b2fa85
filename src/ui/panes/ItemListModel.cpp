#include "ui/panes/ItemListModel.h"

#include "model/ItemTree.h"
#include "model/TreeNode.h"
#include "model/TreeOps.h"
#include "model/ZVBObject.h"
#include "ui/commands/DragPayload.h"

#include <QMimeData>

#include <algorithm>

ItemListModel::ItemListModel(TItemTree& tree, QObject* parent) : QAbstractTableModel(parent), m_tree(tree)
{
    m_tree.AddObserver(this);
}

ItemListModel::~ItemListModel()
{
    m_tree.RemoveObserver(this);
}

void ItemListModel::SetIconProvider(IconProvider provider)
{
    m_icons = std::move(provider);
    Refill();
}

void ItemListModel::SetFilter(Filter filter)
{
    m_filter = std::move(filter);
    Refill();
}

void ItemListModel::Collect(std::vector<Row>& rows) const
{
    rows.clear();
    if (!m_node)
        return;
    rows.reserve(static_cast<size_t>(m_node->ChildCount()) + m_node->Item()->Contents().size());
    for (const auto& child : m_node->Children()) {
        if (!m_filter || m_filter(*child->Item()))
            rows.push_back({child->Item(), child.get()});
    }
    for (const auto& ref : m_node->Item()->Contents()) {
        if (!m_filter || m_filter(*ref->Item()))
            rows.push_back({ref->Item(), nullptr});
    }
    std::stable_sort(rows.begin(), rows.end(),
                     [](const Row& a, const Row& b) { return CompareItems(a.item, b.item) < 0; });
}

void ItemListModel::Fill(TTreeNode* node)
{
    beginResetModel();
    m_node = node;
    Collect(m_rows);
    endResetModel();
    Q_EMIT Refilled();
}

void ItemListModel::Refill()
{
    Fill(m_node);
}

TZVBObject* ItemListModel::ItemAt(int row) const
{
    return row >= 0 && row < static_cast<int>(m_rows.size()) ? m_rows[static_cast<size_t>(row)].item : nullptr;
}

int ItemListModel::RowOf(const TZVBObject* item) const
{
    for (size_t i = 0; i < m_rows.size(); ++i) {
        if (m_rows[i].item == item)
            return static_cast<int>(i);
    }
    return -1;
}

int ItemListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() || m_resetting ? 0 : static_cast<int>(m_rows.size());
}

int ItemListModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant ItemListModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || m_resetting || index.row() >= static_cast<int>(m_rows.size()))
        return {};
    const Row& row = m_rows[static_cast<size_t>(index.row())];
    const TZVBObject* item = row.item;
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
        switch (index.column()) {
        case TitleColumn: return item->Title();
        case TargetColumn: return item->Value();
        case CommentColumn: return item->Comment();
        default: return {};
        }
    case Qt::DecorationRole:
        if (index.column() == TitleColumn && m_icons)
            return m_icons(item->ImageIndex(), row.node ? row.node->StateIndex() : -1);
        return {};
    case Qt::ToolTipRole:
        if (index.column() == TitleColumn && !item->Value().isEmpty())
            return item->Value();
        return {};
    default:
        return {};
    }
}

QVariant ItemListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    switch (section) {
    case TitleColumn: return QStringLiteral("Title");
    case TargetColumn: return QStringLiteral("Target");
    case CommentColumn: return QStringLiteral("Comment");
    default: return {};
    }
}

bool ItemListModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    TZVBObject* item = ItemAt(index.row());
    if (role != Qt::EditRole || index.column() != TitleColumn || !item || item->InRemote())
        return false;
    // The tree node of a container renamed here shows the new title too;
    // the rows follow through the tree's change notice.
    item->SetTitle(value.toString());
    return true;
}

Qt::ItemFlags ItemListModel::flags(const QModelIndex& index) const
{
    const TZVBObject* item = ItemAt(index.row());
    if (!item)
        return Qt::ItemIsDropEnabled;
    Qt::ItemFlags f = Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsDragEnabled | Qt::ItemIsDropEnabled;
    if (index.column() == TitleColumn && !item->InRemote())
        f |= Qt::ItemIsEditable;
    return f;
}

bool ItemListModel::Shows(const TTreeNode* node) const
{
    return m_node && node == m_node;
}

// The list changes whenever the shown node gains, loses or changes a row.
// Removals empty the rows before anything is freed.
void ItemListModel::NodesAboutToBeInserted(TTreeNode*, int, int) {}

void ItemListModel::NodesInserted(TTreeNode* parent, int, int)
{
    if (Shows(parent))
        Refill();
}

void ItemListModel::NodesAboutToBeRemoved(TTreeNode* parent, int first, int last)
{
    if (!m_node)
        return;
    bool showsRemoved = false;
    for (int row = first; row <= last; ++row) {
        const TTreeNode* going = parent ? parent->Child(row) : m_tree.Top(row);
        if (going == m_node || (going && going->IsAncestorOf(m_node)))
            showsRemoved = true;
    }
    if (showsRemoved) {
        Fill(nullptr);
    } else if (Shows(parent)) {
        beginResetModel();
        m_resetting = true;
        m_rows.clear();
    }
}

void ItemListModel::NodesRemoved(TTreeNode* parent, int, int)
{
    if (m_resetting && Shows(parent)) {
        m_resetting = false;
        Collect(m_rows);
        endResetModel();
        Q_EMIT Refilled();
    }
}

void ItemListModel::NodeAboutToBeMoved(TTreeNode*, TTreeNode*, int) {}

void ItemListModel::NodeMoved(TTreeNode* node)
{
    if (m_node && (Shows(node->Parent()) || RowOf(node->Item()) >= 0))
        Refill();
}

void ItemListModel::NodeChanged(TTreeNode* node)
{
    // During a removal the rows are collected again once it ends.
    if (m_resetting)
        return;
    if (m_node && (node == m_node || node->Parent() == m_node))
        Refill();
}

void ItemListModel::ContentsChanged(TZVBObject* container)
{
    if (m_resetting)
        return;
    if (m_node && container == m_node->Item())
        Refill();
}

void ItemListModel::TreeAboutToBeReset()
{
    beginResetModel();
    m_resetting = true;
    m_rows.clear();
    m_node = nullptr;
}

void ItemListModel::TreeReset()
{
    m_resetting = false;
    endResetModel();
    Q_EMIT Refilled();
}

QStringList ItemListModel::mimeTypes() const
{
    return {QString::fromLatin1(DragPayload::kItemsMimeType), QString::fromLatin1(DragPayload::kNodesMimeType),
            QStringLiteral("text/uri-list")};
}

QMimeData* ItemListModel::mimeData(const QModelIndexList& indexes) const
{
    QList<TZVBObject*> items;
    for (const QModelIndex& index : indexes) {
        TZVBObject* item = ItemAt(index.row());
        if (item && !items.contains(item))
            items.append(item);
    }
    if (items.isEmpty())
        return nullptr;
    auto* data = new QMimeData;
    DragPayload::PutItems(*data, items);
    return data;
}

bool ItemListModel::canDropMimeData(const QMimeData* data, Qt::DropAction /*action*/, int row, int /*column*/,
                                    const QModelIndex& parent) const
{
    const TZVBObject* target = parent.isValid() ? ItemAt(parent.row()) : ItemAt(row);
    return m_dropTest && m_dropTest(data, target);
}

bool ItemListModel::dropMimeData(const QMimeData* data, Qt::DropAction action, int row, int column,
                                 const QModelIndex& parent)
{
    if (!canDropMimeData(data, action, row, column, parent) || !m_dropHandler)
        return false;
    return m_dropHandler(data, parent.isValid() ? ItemAt(parent.row()) : ItemAt(row));
}

Qt::DropActions ItemListModel::supportedDropActions() const
{
    return Qt::CopyAction | Qt::MoveAction;
}

Qt::DropActions ItemListModel::supportedDragActions() const
{
    return Qt::CopyAction | Qt::MoveAction;
}
