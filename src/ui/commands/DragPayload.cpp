#include "ui/commands/DragPayload.h"

#include <QCoreApplication>
#include <QDataStream>
#include <QIODevice>
#include <QMimeData>

namespace DragPayload {

namespace {
template <typename T>
void Put(QMimeData& data, const char* type, const QList<T*>& pointers)
{
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out << static_cast<qint64>(QCoreApplication::applicationPid()) << static_cast<quint32>(pointers.size());
    for (T* p : pointers)
        out << static_cast<quint64>(reinterpret_cast<quintptr>(p));
    data.setData(QString::fromLatin1(type), bytes);
}

template <typename T>
QList<T*> Get(const QMimeData* data, const char* type)
{
    QList<T*> pointers;
    if (!data || !data->hasFormat(QString::fromLatin1(type)))
        return pointers;
    QDataStream in(data->data(QString::fromLatin1(type)));
    qint64 pid = 0;
    quint32 count = 0;
    in >> pid >> count;
    if (pid != QCoreApplication::applicationPid() || count > 100000)
        return pointers;
    for (quint32 i = 0; i < count && in.status() == QDataStream::Ok; ++i) {
        quint64 value = 0;
        in >> value;
        pointers.append(reinterpret_cast<T*>(static_cast<quintptr>(value)));
    }
    return pointers;
}
} // namespace

void PutNodes(QMimeData& data, const QList<TTreeNode*>& nodes) { Put(data, kNodesMimeType, nodes); }
void PutItems(QMimeData& data, const QList<TZVBObject*>& items) { Put(data, kItemsMimeType, items); }
QList<TTreeNode*> Nodes(const QMimeData* data) { return Get<TTreeNode>(data, kNodesMimeType); }
QList<TZVBObject*> Items(const QMimeData* data) { return Get<TZVBObject>(data, kItemsMimeType); }

} // namespace DragPayload
