#include "ui/telephony/CallHistoryModel.h"

#include "comm/CallHistory.h"
#include "model/ZVBObject.h"
#include "ui/commands/ClipboardTransfer.h"
#include "ui/common/ImageLists.h"

#include <QMimeData>

#include <algorithm>

CallHistoryModel::CallHistoryModel(CallHistory& history, QObject* parent)
    : QAbstractTableModel(parent), m_history(history)
{
}

int CallHistoryModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : m_history.Count();
}

int CallHistoryModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : 3;
}

QVariant CallHistoryModel::data(const QModelIndex& index, int role) const
{
    const TZVBObject* item = m_history.Item(index.row());
    if (!item)
        return {};
    if (role == Qt::DisplayRole || role == Qt::EditRole) {
        switch (index.column()) {
        case 0: return item->Title();
        case 1: return item->Value();
        default: return item->Comment();
        }
    }
    if (role == Qt::DecorationRole && index.column() == 0)
        return ImageLists::StandardIcon(item->ImageIndex());
    return {};
}

QVariant CallHistoryModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    static const char* const kNames[] = {"Name", "Number", "When"};
    return section >= 0 && section < 3 ? QString::fromLatin1(kNames[section]) : QVariant();
}

Qt::ItemFlags CallHistoryModel::flags(const QModelIndex& index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    Qt::ItemFlags f = Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsDragEnabled;
    if (index.column() == 0)
        f |= Qt::ItemIsEditable;
    return f;
}

bool CallHistoryModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    TZVBObject* item = m_history.Item(index.row());
    if (!item || role != Qt::EditRole || index.column() != 0)
        return false;
    item->SetTitle(value.toString());
    Q_EMIT dataChanged(index, index);
    return true;
}

QStringList CallHistoryModel::mimeTypes() const
{
    return {QString::fromLatin1(ClipboardTransfer::kRecordsMimeType), QStringLiteral("text/plain")};
}

QMimeData* CallHistoryModel::mimeData(const QModelIndexList& indexes) const
{
    QList<int> rows;
    for (const QModelIndex& index : indexes) {
        if (!rows.contains(index.row()))
            rows << index.row();
    }
    std::sort(rows.begin(), rows.end());
    QString records;
    QString text;
    for (int row : rows) {
        const TZVBObject* item = m_history.Item(row);
        if (!item)
            continue;
        records += item->WriteRecord(1) + u"\r\n";
        text += item->Title() + u'\t' + item->Value() + u'\t' + item->Comment() + u'\n';
    }
    auto* data = new QMimeData;
    data->setData(QString::fromLatin1(ClipboardTransfer::kRecordsMimeType), records.toUtf8());
    data->setText(text);
    return data;
}

Qt::DropActions CallHistoryModel::supportedDragActions() const
{
    return Qt::CopyAction;
}

void CallHistoryModel::AddCall(const QString& name, const QString& number, const QDateTime& when, int keep)
{
    beginResetModel();
    m_history.AddCall(name, number, when, keep);
    endResetModel();
}

void CallHistoryModel::RemoveRows(QList<int> rows)
{
    std::sort(rows.begin(), rows.end(), std::greater<>());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    for (int row : rows) {
        if (row < 0 || row >= m_history.Count())
            continue;
        beginRemoveRows({}, row, row);
        m_history.Remove(row);
        endRemoveRows();
    }
}

void CallHistoryModel::Reload(const QString& path)
{
    beginResetModel();
    m_history.Load(path);
    endResetModel();
}
