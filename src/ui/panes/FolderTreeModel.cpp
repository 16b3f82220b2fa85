#include "ui/panes/FolderTreeModel.h"

#include "model/ItemTree.h"
#include "model/TreeNode.h"
#include "model/ZVBObject.h"
#include "ui/commands/ClipboardTransfer.h"
#include "ui/commands/DragPayload.h"

#include <QMimeData>

FolderTreeModel::FolderTreeModel(TItemTree& tree, QObject* parent) : QAbstractItemModel(parent), m_tree(tree)
{
    m_tree.AddObserver(this);
}

FolderTreeModel::~FolderTreeModel()
{
    m_tree.RemoveObserver(this);
}

void FolderTreeModel::SetIconProvider(IconProvider provider)
{
    m_icons = std::move(provider);
    if (m_tree.TopCount() > 0) {
        beginResetModel();
        endResetModel();
    }
}

TTreeNode* FolderTreeModel::NodeAt(const QModelIndex& index)
{
    return index.isValid() ? static_cast<TTreeNode*>(index.internalPointer()) : nullptr;
}

QModelIndex FolderTreeModel::IndexOf(const TTreeNode* node) const
{
    if (!node)
        return {};
    return createIndex(node->Row(), 0, const_cast<TTreeNode*>(node));
}

QModelIndex FolderTreeModel::index(int row, int column, const QModelIndex& parent) const
{
    if (column != 0 || row < 0)
        return {};
    TTreeNode* node = parent.isValid() ? NodeAt(parent)->Child(row) : m_tree.Top(row);
    return node ? createIndex(row, 0, node) : QModelIndex();
}

QModelIndex FolderTreeModel::parent(const QModelIndex& child) const
{
    const TTreeNode* node = NodeAt(child);
    return node ? IndexOf(node->Parent()) : QModelIndex();
}

int FolderTreeModel::rowCount(const QModelIndex& parent) const
{
    if (parent.column() > 0)
        return 0;
    return parent.isValid() ? NodeAt(parent)->ChildCount() : m_tree.TopCount();
}

int FolderTreeModel::columnCount(const QModelIndex& /*parent*/) const
{
    return 1;
}

QVariant FolderTreeModel::data(const QModelIndex& index, int role) const
{
    const TTreeNode* node = NodeAt(index);
    if (!node || !node->Item())
        return {};
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
        return node->Item()->Title();
    case Qt::DecorationRole:
        if (m_icons)
            return m_icons(node->ImageIndex(), node->SelectedImageIndex(), node->StateIndex());
        return {};
    case Qt::ToolTipRole:
        return node->Item()->Comment().isEmpty() ? QVariant() : QVariant(node->Item()->Comment());
    default:
        return {};
    }
}

bool FolderTreeModel::CanRename(const TTreeNode* node)
{
    return node && node->Parent() && !node->Item()->InRemote();
}

bool FolderTreeModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    TTreeNode* node = NodeAt(index);
    if (role != Qt::EditRole || !CanRename(node))
        return false;
    node->Item()->SetTitle(value.toString());
    return true;
}

Qt::ItemFlags FolderTreeModel::flags(const QModelIndex& index) const
{
    const TTreeNode* node = NodeAt(index);
    if (!node)
        return Qt::NoItemFlags;
    Qt::ItemFlags f = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (CanRename(node))
        f |= Qt::ItemIsEditable;
    // Every node takes drops; all but the root may be dragged.
    f |= Qt::ItemIsDropEnabled;
    if (node->Parent())
        f |= Qt::ItemIsDragEnabled;
    return f;
}

void FolderTreeModel::NodesAboutToBeInserted(TTreeNode* parent, int first, int last)
{
    beginInsertRows(IndexOf(parent), first, last);
}

void FolderTreeModel::NodesInserted(TTreeNode* /*parent*/, int /*first*/, int /*last*/)
{
    endInsertRows();
}

void FolderTreeModel::NodesAboutToBeRemoved(TTreeNode* parent, int first, int last)
{
    beginRemoveRows(IndexOf(parent), first, last);
}

void FolderTreeModel::NodesRemoved(TTreeNode* /*parent*/, int /*first*/, int /*last*/)
{
    endRemoveRows();
}

void FolderTreeModel::NodeAboutToBeMoved(TTreeNode* node, TTreeNode* newParent, int newRow)
{
    m_moving = beginMoveRows(IndexOf(node->Parent()), node->Row(), node->Row(), IndexOf(newParent), newRow);
    if (!m_moving)
        beginResetModel();
}

void FolderTreeModel::NodeMoved(TTreeNode* /*node*/)
{
    if (m_moving)
        endMoveRows();
    else
        endResetModel();
    m_moving = false;
}

void FolderTreeModel::ChildrenAboutToBeSorted(TTreeNode* parent)
{
    const QModelIndex parentIndex = IndexOf(parent);
    Q_EMIT layoutAboutToBeChanged({QPersistentModelIndex(parentIndex)}, QAbstractItemModel::VerticalSortHint);
    m_sortingPersistent = persistentIndexList();
}

void FolderTreeModel::ChildrenSorted(TTreeNode* parent)
{
    // Persistent indexes point at nodes; their rows are read again.
    QModelIndexList moved;
    for (const QModelIndex& old : std::as_const(m_sortingPersistent)) {
        const TTreeNode* node = NodeAt(old);
        moved.append(createIndex(node->Row(), old.column(), const_cast<TTreeNode*>(node)));
    }
    changePersistentIndexList(m_sortingPersistent, moved);
    m_sortingPersistent.clear();
    Q_EMIT layoutChanged({QPersistentModelIndex(IndexOf(parent))}, QAbstractItemModel::VerticalSortHint);
}

void FolderTreeModel::NodeChanged(TTreeNode* node)
{
    const QModelIndex index = IndexOf(node);
    Q_EMIT dataChanged(index, index);
}

void FolderTreeModel::TreeAboutToBeReset()
{
    beginResetModel();
}

void FolderTreeModel::TreeReset()
{
    endResetModel();
}

QStringList FolderTreeModel::mimeTypes() const
{
    return {QString::fromLatin1(DragPayload::kNodesMimeType), QString::fromLatin1(DragPayload::kItemsMimeType),
            QString::fromLatin1(ClipboardTransfer::kRecordsMimeType)};
}

QMimeData* FolderTreeModel::mimeData(const QModelIndexList& indexes) const
{
    QList<TTreeNode*> nodes;
    for (const QModelIndex& index : indexes) {
        TTreeNode* node = NodeAt(index);
        if (node && node->Parent() && !nodes.contains(node))
            nodes.append(node);
    }
    if (nodes.isEmpty())
        return nullptr;
    auto* data = new QMimeData;
    DragPayload::PutNodes(*data, nodes);
    return data;
}

bool FolderTreeModel::canDropMimeData(const QMimeData* data, Qt::DropAction /*action*/, int /*row*/, int /*column*/,
                                      const QModelIndex& parent) const
{
    return parent.isValid()
        && (!DragPayload::Nodes(data).isEmpty() || !DragPayload::Items(data).isEmpty()
            || data->hasFormat(QString::fromLatin1(ClipboardTransfer::kRecordsMimeType)));
}

bool FolderTreeModel::dropMimeData(const QMimeData* data, Qt::DropAction action, int row, int column,
                                   const QModelIndex& parent)
{
    // A drop between nodes does not land on a node and does nothing.
    if (row >= 0 || !canDropMimeData(data, action, row, column, parent) || !m_dropHandler)
        return false;
    return m_dropHandler(data, NodeAt(parent));
}

Qt::DropActions FolderTreeModel::supportedDropActions() const
{
    return Qt::CopyAction | Qt::MoveAction;
}

Qt::DropActions FolderTreeModel::supportedDragActions() const
{
    return Qt::CopyAction | Qt::MoveAction;
}
