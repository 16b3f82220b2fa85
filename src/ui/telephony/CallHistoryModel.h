#pragma once

#include <QAbstractTableModel>

class CallHistory;

// The call history as the rows "Name", "Number" and "When" of the
// caller-ID window. Names are edited in place; rows drag out as item
// records, which the main window takes in as new items.
class CallHistoryModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    explicit CallHistoryModel(CallHistory& history, QObject* parent = nullptr);

    CallHistory& History() const { return m_history; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    QStringList mimeTypes() const override;
    QMimeData* mimeData(const QModelIndexList& indexes) const override;
    Qt::DropActions supportedDragActions() const override;

    // A call at the top; the last row goes when there are more than keep.
    void AddCall(const QString& name, const QString& number, const QDateTime& when, int keep);
    void RemoveRows(QList<int> rows);
    void Reload(const QString& path);

private:
    CallHistory& m_history;
};
