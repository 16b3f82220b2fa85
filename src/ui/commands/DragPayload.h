#pragma once

#include <QList>

class QMimeData;
class TTreeNode;
class TZVBObject;

// What a drag inside the window carries: the dragged tree nodes or list
// items, valid only in the process that started the drag.
namespace DragPayload {

inline constexpr const char* kNodesMimeType = "application/x-zendrivo-nodes";
inline constexpr const char* kItemsMimeType = "application/x-zendrivo-items";

void PutNodes(QMimeData& data, const QList<TTreeNode*>& nodes);
void PutItems(QMimeData& data, const QList<TZVBObject*>& items);
// Empty when the data holds none, or comes from another process.
QList<TTreeNode*> Nodes(const QMimeData* data);
QList<TZVBObject*> Items(const QMimeData* data);

} // namespace DragPayload
