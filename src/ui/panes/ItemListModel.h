#pragma once

#include "model/TreeObserver.h"

#include <QAbstractTableModel>
#include <QIcon>

#include <functional>
#include <vector>

class TItemTree;
class TTreeNode;
class TZVBObject;

// The list pane's rows: what lies directly inside the selected node, its
// child containers and its own leaves, sorted by the compare rule (folders
// first, then one order of titles ignoring case). Columns "Title", "Target"
// and "Comment".
class ItemListModel : public QAbstractTableModel, private TreeObserver
{
    Q_OBJECT

public:
    enum Column { TitleColumn, TargetColumn, CommentColumn, ColumnCount };
    using IconProvider = std::function<QIcon(int image, int state)>;
    using Filter = std::function<bool(const TZVBObject&)>;

    explicit ItemListModel(TItemTree& tree, QObject* parent = nullptr);
    ~ItemListModel() override;

    void SetIconProvider(IconProvider provider);
    // Items the filter rejects are not listed; no filter lists everything.
    void SetFilter(Filter filter);

    // Fills the list from the node (null empties it).
    void Fill(TTreeNode* node);
    TTreeNode* Node() const { return m_node; }
    TZVBObject* ItemAt(int row) const;
    int RowOf(const TZVBObject* item) const;

    // Drops on a row (or on the list, target null) go to the handler.
    using DropHandler = std::function<bool(const QMimeData* data, TZVBObject* target)>;
    using DropTest = std::function<bool(const QMimeData* data, const TZVBObject* target)>;
    void SetDropHandler(DropTest accepts, DropHandler handler)
    {
        m_dropTest = std::move(accepts);
        m_dropHandler = std::move(handler);
    }
    QStringList mimeTypes() const override;
    QMimeData* mimeData(const QModelIndexList& indexes) const override;
    bool canDropMimeData(const QMimeData* data, Qt::DropAction action, int row, int column,
                         const QModelIndex& parent) const override;
    bool dropMimeData(const QMimeData* data, Qt::DropAction action, int row, int column,
                      const QModelIndex& parent) override;
    Qt::DropActions supportedDropActions() const override;
    Qt::DropActions supportedDragActions() const override;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

Q_SIGNALS:
    // The rows were filled again (the status bar shows their count).
    void Refilled();

private:
    struct Row
    {
        TZVBObject* item;
        TTreeNode* node; // for child containers
    };
    void Collect(std::vector<Row>& rows) const;
    bool Shows(const TTreeNode* node) const;
    void Refill();

    void NodesAboutToBeInserted(TTreeNode* parent, int first, int last) override;
    void NodesInserted(TTreeNode* parent, int first, int last) override;
    void NodesAboutToBeRemoved(TTreeNode* parent, int first, int last) override;
    void NodesRemoved(TTreeNode* parent, int first, int last) override;
    void NodeAboutToBeMoved(TTreeNode* node, TTreeNode* newParent, int newRow) override;
    void NodeMoved(TTreeNode* node) override;
    void NodeChanged(TTreeNode* node) override;
    void ContentsChanged(TZVBObject* container) override;
    void TreeAboutToBeReset() override;
    void TreeReset() override;

    TItemTree& m_tree;
    TTreeNode* m_node = nullptr;
    std::vector<Row> m_rows;
    IconProvider m_icons;
    Filter m_filter;
    DropTest m_dropTest;
    DropHandler m_dropHandler;
    bool m_resetting = false;
};
