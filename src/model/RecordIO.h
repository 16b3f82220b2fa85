#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QString>

#include <functional>

class TItemTree;
class TTreeNode;
class TZVBObject;

// The record format shared by the database, exchange files, the clipboard
// file, the call history and remote folders.
namespace RecordIO {

// How deep containers may nest below the root. Deeper files are refused,
// and the tree never grows deeper, so everything written reads back.
inline constexpr int kMaxDepth = 1000;

// Appends the item's record and then, one level deeper, the records of its
// Contents; every line ends with CR LF.
void WriteRecordTree(const TZVBObject& item, int level, QString& out);

// Writes the node's item, its leaves and its child containers with their
// subtrees, the node at the given level. A remote folder writes its own
// record only, unless withRemoteContents is set.
void WriteNodeTree(const TTreeNode& node, int level, QString& out, bool withRemoteContents = false);
// The same as UTF-8 bytes.
void WriteNodeTree(const TTreeNode& node, int level, QByteArray& out, bool withRemoteContents = false);
// Every top node of the tree so, at level 0, as UTF-8 bytes, appended to
// out. Where flush is given, out is handed to it and emptied whenever it
// holds a good part of a megabyte, and so is each piece of a large tree
// that two threads write (where HelperThreads allows it); what out holds
// at the end is the caller's to hand on.
using Flush = std::function<void(QByteArrayView bytes)>;
void WriteTree(const TItemTree& tree, QByteArray& out, const Flush& flush = {});
// About how many bytes WriteTree makes of the tree: records average 70 to
// 80 bytes, so this errs high for room reserved once.
qsizetype ExpectedBytes(const TItemTree& tree);

// What a read found besides the items it made.
struct ReadStats
{
    int created = 0; // items made and kept
    int records = 0; // well-formed records, the root's own and skipped ones included
    int damaged = 0; // records skipped for a level below 1
    int skipped = 0; // records left out because they would land inside a remote folder
    bool text = false; // any line other than blank ones was seen
};

// Reads records from the lines and creates their items below the target.
// Levels are whole numbers counted from the target: a record goes below the
// nearest open container read at a lower level, so a jump of more than one
// level attaches to the deepest open container. A record of level below 1
// is damaged and skipped (the root's own record, level 0, is read and
// dropped). A record that would land inside a remote folder is skipped and
// counted.
// A container deeper than kMaxDepth below the root throws EReadError, and
// then everything this read made is removed again. Returns the number of
// items created.
int ReadRecords(const QList<QString>& lines, qsizetype firstLine, TTreeNode* target, ReadStats* stats = nullptr);
// The same over a whole file's bytes, decoding one line at a time.
int ReadRecords(QByteArrayView bytes, qsizetype firstLine, TTreeNode* target, ReadStats* stats = nullptr);
// The same over the lines nextLine hands out (false at the end). When it
// throws EReadError, the items made so far are removed as well.
int ReadRecords(const std::function<bool(QString&)>& nextLine, qsizetype firstLine, TTreeNode* target,
                ReadStats* stats = nullptr);

} // namespace RecordIO
