#pragma once

#include <QByteArrayView>
#include <QList>
#include <QString>

#include <functional>

class TTreeNode;
class TZVBObject;

// The record format shared by the database, exchange files, the clipboard
// file, the call history and remote folders.
namespace RecordIO {

// Appends the item's record and then, one level deeper, the records of its
// Contents; every line ends with CR LF.
void WriteRecordTree(const TZVBObject& item, int level, QString& out);

// Writes the node's item, its leaves and its child containers with their
// subtrees, the node at the given level. A remote folder writes its own
// record only, unless withRemoteContents is set.
void WriteNodeTree(const TTreeNode& node, int level, QString& out, bool withRemoteContents = false);

// Reads records from the lines and creates their items below the target.
// A record goes below the nearest open container read at a lower level, or
// below the target when there is none; levels count from the target. A
// record that would land inside a remote folder is skipped and counted in
// *skipped when given. Returns the number of items created.
int ReadRecords(const QList<QString>& lines, qsizetype firstLine, TTreeNode* target, int* skipped = nullptr);
// The same over a whole file's bytes, decoding one line at a time.
int ReadRecords(QByteArrayView bytes, qsizetype firstLine, TTreeNode* target, int* skipped = nullptr);

} // namespace RecordIO
