#include "model/RecordIO.h"

#include "model/Exceptions.h"
#include "model/HelperThreads.h"
#include "model/ItemFactory.h"
#include "model/ItemTree.h"
#include "model/OrderedPieces.h"
#include "model/RecordText.h"
#include "model/SharedTexts.h"
#include "model/TextCodec.h"
#include "model/TextRules.h"
#include "model/TreeOps.h"
#include "model/TreeNode.h"
#include "model/ZVBObject.h"

#include <QVarLengthArray>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <exception>
#include <thread>
#include <vector>

namespace RecordIO {

namespace {

// The item's record and its line end, straight at the end of out.
template <typename Out>
void AppendRecord(Out& out, const TZVBObject& item, int level)
{
    RecordText text(out);
    item.WriteRecord(text, level);
    text.EndLine();
    text.Finish();
}

template <typename Out>
void WriteItemWithContents(const TZVBObject& item, int level, Out& out)
{
    // Leaves hold no Contents of their own as a rule; a stack still keeps
    // any chain from reaching the call stack. Its first cells live here, so
    // an item with a few leaves costs no allocation.
    struct Pending
    {
        const TZVBObject* item;
        int level;
    };
    // Leaves, their cells and their texts lie all over memory. Each is asked
    // for a step before it is needed: the cells before the holder's record
    // is made, the leaves as they are stacked, a leaf's texts while the one
    // before it is written.
    QVarLengthArray<Pending, 32> stack{{&item, level}};
    while (!stack.empty()) {
        const Pending next = stack.back();
        stack.pop_back();
        const auto contents = next.item->Contents();
        for (const auto& cell : contents)
            __builtin_prefetch(cell.get());
        if (!stack.empty())
            stack.back().item->PrefetchRecord();
        AppendRecord(out, *next.item, next.level);
        for (auto it = contents.rbegin(); it != contents.rend(); ++it) {
            const TZVBObject* leaf = (*it)->Item();
            __builtin_prefetch(leaf);
            stack.push_back({leaf, next.level + 1});
        }
    }
}

template <typename Out>
void WriteNodes(const TTreeNode& node, int level, Out& out, bool withRemoteContents)
{
    struct Pending
    {
        const TTreeNode* node;
        int level;
    };
    std::vector<Pending> stack{{&node, level}};
    while (!stack.empty()) {
        const Pending next = stack.back();
        stack.pop_back();
        const TZVBObject* item = next.node->Item();
        if (item->IsRemote() && !withRemoteContents) {
            AppendRecord(out, *item, next.level);
            continue;
        }
        WriteItemWithContents(*item, next.level, out);
        const auto& children = next.node->Children();
        for (auto it = children.rbegin(); it != children.rend(); ++it)
            stack.push_back({it->get(), next.level + 1});
    }
}

} // namespace

void WriteRecordTree(const TZVBObject& item, int level, QString& out)
{
    WriteItemWithContents(item, level, out);
}

void WriteNodeTree(const TTreeNode& node, int level, QString& out, bool withRemoteContents)
{
    WriteNodes(node, level, out, withRemoteContents);
}

void WriteNodeTree(const TTreeNode& node, int level, QByteArray& out, bool withRemoteContents)
{
    WriteNodes(node, level, out, withRemoteContents);
}

namespace {
// What WriteTree lets out gather before handing it on.
constexpr qsizetype kFlushBytes = 512 * 1024;

// Called once out holds kFlushBytes: passes the bytes on and leaves out
// empty, with room for the next ones.
using Full = std::function<void(QByteArray& out)>;

// Asks for what the records of the nodes ahead are made of, some steps
// before each is needed: a node brings its cell, its item, its texts and
// its leaves, each leaf through a cell of its own, all over memory. Each
// link is asked for once the one before it has had time to arrive, so that
// the waits for memory overlap; the leaves' texts are asked for one node
// ahead. Reaching down to the leaves here, rather than only when their
// holder is written, made writing the records of an import about a tenth
// faster.
void PrefetchRecordsAhead(const TItemTree& tree, int at, int end)
{
    const auto itemAt = [&tree, end](int i) { return i < end ? tree.NodeAt(i)->Item() : nullptr; };
    if (at + 10 < end)
        __builtin_prefetch(tree.NodeAt(at + 10));
    if (at + 8 < end)
        __builtin_prefetch(tree.NodeAt(at + 8)->Data());
    if (at + 6 < end)
        __builtin_prefetch(itemAt(at + 6));
    if (const TZVBObject* item = itemAt(at + 4))
        item->PrefetchRecord();
    if (const TZVBObject* item = itemAt(at + 3)) {
        for (const auto& cell : item->Contents())
            __builtin_prefetch(cell.get());
    }
    if (const TZVBObject* item = itemAt(at + 2)) {
        for (const auto& cell : item->Contents())
            __builtin_prefetch(cell->Item());
    }
    if (const TZVBObject* item = itemAt(at + 1)) {
        for (const auto& cell : item->Contents())
            cell->Item()->PrefetchRecord();
    }
}

// The records of the nodes at the tree's depth-first positions first up to
// end, in the order WriteNodes gives them.
void WriteFlatRange(const TItemTree& tree, int first, int end, QByteArray& out, const Full& full)
{
    int at = first;
    // A range that begins inside a remote folder begins after it.
    const TTreeNode* outermostRemote = nullptr;
    for (const TTreeNode* up = tree.NodeAt(first)->Parent(); up; up = up->Parent()) {
        if (up->Item()->IsRemote())
            outermostRemote = up;
    }
    if (outermostRemote)
        at = tree.PositionOf(outermostRemote) + tree.SubtreeSizeOf(outermostRemote);
    while (at < end) {
        PrefetchRecordsAhead(tree, at, end);
        const TTreeNode* node = tree.NodeAt(at);
        const TZVBObject* item = node->Item();
        if (item->IsRemote()) {
            AppendRecord(out, *item, node->Level());
            at += tree.SubtreeSizeOf(node);
        } else {
            WriteItemWithContents(*item, node->Level(), out);
            ++at;
        }
        if (full && out.size() >= kFlushBytes)
            full(out);
    }
}
} // namespace

qsizetype ExpectedBytes(const TItemTree& tree)
{
    constexpr qsizetype kBytesPerItem = 112;
    return tree.IdCount() * kBytesPerItem + 4096;
}

void WriteTree(const TItemTree& tree, QByteArray& out, const Flush& flush)
{
    // The tree's depth-first list is made here, before another thread reads it.
    const int count = tree.Count();
    // A large tree is written by two threads at once: the time goes into
    // reading items from all over memory, which two cores do side by side.
    constexpr int kItemsToShare = 20000;
    if (!HelperThreads::Allowed() || count < 2 || tree.IdCount() < kItemsToShare) {
        Full handOut;
        if (flush) {
            handOut = [&flush](QByteArray& piece) {
                flush(piece);
                piece.resize(0); // keeps its room for the next piece
            };
        }
        WriteFlatRange(tree, 0, count, out, handOut);
        return;
    }
    // The nodes are cut into runs of about a third of a megabyte of records,
    // which both threads take in turn, and this thread hands the records on
    // in order as soon as the runs before them are made. The bytes reach
    // the disk in the order and at the pace both threads make them, and a
    // few runs' room carries them all. Cut into two halves instead, the
    // second half waited whole in fresh memory until the first was out, and
    // then reached the disk in one burst at the end.
    constexpr qsizetype kRunBytes = 384 * 1024;
    const qsizetype expected = ExpectedBytes(tree);
    const int runs = static_cast<int>(std::clamp<qsizetype>(expected / kRunBytes, 2, count));
    const auto runStart = [count, runs](int run) { return static_cast<int>(qint64(count) * run / runs); };
    OrderedPieces pieces(runs);
    const auto make = [&](int run) {
        QByteArray room = pieces.Room();
        room.reserve(expected / runs);
        WriteFlatRange(tree, runStart(run), runStart(run + 1), room, {});
        pieces.Made(run, std::move(room));
    };
    // What out held before comes first: the first piece joins it.
    const OrderedPieces::Hand hand = [&out, &flush](QByteArray& piece) {
        if (flush && out.isEmpty()) {
            flush(piece);
            return;
        }
        out += piece;
        if (flush) {
            flush(out);
            out.resize(0);
        }
    };
    std::exception_ptr failure;
    std::thread helper([&] {
        try {
            for (int run; (run = pieces.Take()) >= 0;)
                make(run);
        } catch (...) {
            failure = std::current_exception();
            pieces.Stop();
        }
    });
    try {
        for (int run; (run = pieces.Take()) >= 0;) {
            make(run);
            pieces.HandOn(hand, false);
        }
        pieces.HandOn(hand, true);
    } catch (...) {
        pieces.Stop();
        helper.join();
        throw;
    }
    helper.join();
    if (failure)
        std::rethrow_exception(failure);
}

namespace {

struct Header
{
    int level = 0;
    int classCode = 0;
    TextRules::FieldViews fields; // Title, Value, Comment, Id: views into the line
};

// "{" level class one-character "}" Title~~Value~~Comment~~Id
bool ParseHeader(const QString& line, Header& header)
{
    if (line.isEmpty() || line[0] != u'{')
        return false;
    QStringView rest = QStringView(line).sliced(1);
    const TextRules::ScannedInteger level = TextRules::ScanInteger(rest);
    if (!level.ok)
        return false;
    rest = rest.sliced(level.consumed);
    const TextRules::ScannedInteger code = TextRules::ScanInteger(rest);
    if (!code.ok)
        return false;
    rest = rest.sliced(code.consumed);
    if (rest.size() < 2 || rest[1] != u'}')
        return false;
    TextRules::SplitFieldViews(rest.sliced(2), header.fields);
    if (header.fields.size() != 4)
        return false;
    header.level = level.value;
    header.classCode = code.value & 0xFF;
    return true;
}

struct OpenContainer
{
    TTreeNode* node;
    int level;
};

int TargetDepth(const TTreeNode* target)
{
    int depth = 0;
    for (const TTreeNode* n = target ? target->Parent() : nullptr; n; n = n->Parent())
        ++depth;
    return depth;
}

// What a read added directly below its target, to be taken back when the
// read is refused part-way.
struct Added
{
    std::vector<TTreeNode*> nodes;
    std::vector<const ItemRef*> leaves;

    void Remove(TTreeNode* target)
    {
        TItemTree* tree = target->Tree();
        for (auto it = nodes.rbegin(); it != nodes.rend(); ++it)
            tree->DeleteNode(*it);
        for (auto it = leaves.rbegin(); it != leaves.rend(); ++it)
            DeleteContent(target->Item(), *it);
    }
};

// Reads records from the lines that nextLine hands out.
int ReadRecordLines(const std::function<bool(QString&)>& nextLine, TTreeNode* target, ReadStats& stats)
{
    // Equal short texts of the records share one copy in the tree.
    SharedTexts::Scope sharedTexts;
    std::vector<OpenContainer> open;
    open.push_back({target, 0});
    const int targetDepth = TargetDepth(target);
    Added added;
    Header header;
    QString line;
    QString details;
    // A line that cannot be read takes back what this read made.
    const auto next = [&](QString& into) {
        try {
            return nextLine(into);
        } catch (const EReadError&) {
            added.Remove(target);
            stats.created = 0;
            throw;
        }
    };
    while (next(line)) {
        if (!stats.text && !line.trimmed().isEmpty())
            stats.text = true;
        if (!ParseHeader(line, header))
            continue;
        ++stats.records;
        details.resize(0);
        if (header.classCode != ClassCode::Root)
            next(details);
        if (header.level < 1) {
            // Level 0 is the root's own record in the database; anything
            // else below 1 cannot be placed.
            if (header.level < 0 || header.classCode != ClassCode::Root)
                ++stats.damaged;
            continue;
        }
        if (header.classCode == ClassCode::Root)
            continue; // a root record inside the tree is made by nobody
        while (open.size() > 1 && open.back().level >= header.level)
            open.pop_back();
        TTreeNode* parent = open.back().node;
        const bool container = ClassCode::IsContainer(header.classCode);
        if (container && targetDepth + static_cast<int>(open.size()) > kMaxDepth) {
            added.Remove(target);
            stats.created = 0;
            throw EReadError(QStringLiteral("The file nests folders more than %1 levels deep").arg(kMaxDepth));
        }
        const std::int32_t id = TextRules::ParseInteger(header.fields[3]);
        try {
            ItemHandle made = CreateItem(header.classCode, SharedTexts::Text(header.fields[0]),
                                         SharedTexts::Text(header.fields[1]), id, details, parent,
                                         SharedTexts::Text(header.fields[2]));
            ++stats.created;
            if (made.node) {
                open.push_back({made.node, header.level});
                if (parent == target)
                    added.nodes.push_back(made.node);
            } else if (parent == target) {
                added.leaves.push_back(made.ref);
            }
        } catch (const ERemoteParent&) {
            // Nothing below a remote folder is read outside its refresh.
            ++stats.skipped;
        }
    }
    return stats.created;
}

} // namespace

int ReadRecords(const QList<QString>& lines, qsizetype firstLine, TTreeNode* target, ReadStats* stats)
{
    ReadStats own;
    qsizetype at = firstLine;
    return ReadRecordLines(
        [&](QString& line) {
            if (at >= lines.size())
                return false;
            line = lines[at++];
            return true;
        },
        target, stats ? *stats : own);
}

int ReadRecords(QByteArrayView bytes, qsizetype firstLine, TTreeNode* target, ReadStats* stats)
{
    ReadStats own;
    TextCodec::LineReader reader(bytes);
    QString passed;
    for (qsizetype i = 0; i < firstLine && reader.Next(passed); ++i) {
    }
    return ReadRecordLines([&reader](QString& line) { return reader.Next(line); }, target, stats ? *stats : own);
}

int ReadRecords(const std::function<bool(QString&)>& nextLine, qsizetype firstLine, TTreeNode* target,
                ReadStats* stats)
{
    ReadStats own;
    QString passed;
    for (qsizetype i = 0; i < firstLine && nextLine(passed); ++i) {
    }
    return ReadRecordLines(nextLine, target, stats ? *stats : own);
}

} // namespace RecordIO
