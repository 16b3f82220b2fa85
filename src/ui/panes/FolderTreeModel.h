#pragma once

#include "model/TreeObserver.h"

#include <QAbstractItemModel>
#include <QIcon>

#include <functional>

class TItemTree;
class TTreeNode;
class TZVBObject;

// The folder tree pane's view of the item tree: one row per container node.
// Every change of the tree arrives as a before/after pair and is passed on
// one to one, so views keep their selection and expansion.
class FolderTreeModel : public QAbstractItemModel, private TreeObserver
{
    Q_OBJECT

public:
    // The icon of a node: its image and selected image, and the state bullet.
    using IconProvider = std::function<QIcon(int image, int selectedImage, int state)>;

    explicit FolderTreeModel(TItemTree& tree, QObject* parent = nullptr);
    ~FolderTreeModel() override;

    void SetIconProvider(IconProvider provider);

    QModelIndex IndexOf(const TTreeNode* node) const;
    static TTreeNode* NodeAt(const QModelIndex& index);

    QModelIndex index(int row, int column, const QModelIndex& parent = QModelIndex()) const override;
    QModelIndex parent(const QModelIndex& child) const override;
    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    // Drops on a node go to the handler; true when it took them.
    using DropHandler = std::function<bool(const QMimeData* data, TTreeNode* target)>;
    void SetDropHandler(DropHandler handler) { m_dropHandler = std::move(handler); }
    QStringList mimeTypes() const override;
    QMimeData* mimeData(const QModelIndexList& indexes) const override;
    bool canDropMimeData(const QMimeData* data, Qt::DropAction action, int row, int column,
                         const QModelIndex& parent) const override;
    bool dropMimeData(const QMimeData* data, Qt::DropAction action, int row, int column,
                      const QModelIndex& parent) override;
    Qt::DropActions supportedDropActions() const override;
    Qt::DropActions supportedDragActions() const override;

    // A node may be renamed unless it is the root or lies in a remote folder.
    static bool CanRename(const TTreeNode* node);

private:
    void NodesAboutToBeInserted(TTreeNode* parent, int first, int last) override;
    void NodesInserted(TTreeNode* parent, int first, int last) override;
    void NodesAboutToBeRemoved(TTreeNode* parent, int first, int last) override;
    void NodesRemoved(TTreeNode* parent, int first, int last) override;
    void NodeAboutToBeMoved(TTreeNode* node, TTreeNode* newParent, int newRow) override;
    void NodeMoved(TTreeNode* node) override;
    void ChildrenAboutToBeSorted(TTreeNode* parent) override;
    void ChildrenSorted(TTreeNode* parent) override;
    void NodeChanged(TTreeNode* node) override;
    void TreeAboutToBeReset() override;
    void TreeReset() override;

    TItemTree& m_tree;
    IconProvider m_icons;
    DropHandler m_dropHandler;
    QModelIndexList m_sortingPersistent;
    bool m_moving = false;
};
