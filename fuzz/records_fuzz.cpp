// Reads arbitrary bytes as a file of records below a small tree and writes
// the result back: nothing may crash, what was read must save and read back
// to the same text, and nothing may land inside the items that were there
// before. The first byte picks the input's form: the bytes as they are, or
// a chain of records whose levels are drawn from deep and wrapping values
// (16-bit and 32-bit edges, long runs deeper than the tree may grow).
#include "model/Database.h"
#include "model/Exceptions.h"
#include "model/ItemFactory.h"
#include "model/ItemTree.h"
#include "model/RecordIO.h"
#include "model/TextCodec.h"
#include "model/TreeNode.h"
#include "model/TreeOps.h"
#include "model/ZVBObject.h"

#include <QCoreApplication>

#include <algorithm>
#include <cstdint>
#include <cstdlib>

namespace {
constexpr std::int64_t kLevels[] = {0, 1, 2, 3, -1, 999, 1000, 1001, 1002, 32767, 32768, 32769, 65535, 65536, 65537,
                                    131072, 2147483647LL, 2147483648LL, -2147483648LL, 4294967297LL};

// Two bytes a record: a level (from the table, or one deeper or shallower
// than the last) and a class code.
QByteArray LevelChain(const std::uint8_t* data, std::size_t size)
{
    QByteArray out;
    std::int64_t level = 1;
    for (std::size_t i = 0; i + 1 < size; i += 2) {
        const std::uint8_t pick = data[i];
        if (pick < 64)
            level = level + 1;
        else if (pick < 96)
            level = std::max<std::int64_t>(level - 1, 0);
        else
            level = kLevels[pick % std::size(kLevels)];
        const int code = data[i + 1] % 14;
        out += '{' + QByteArray::number(level) + ' ' + QByteArray::number(code) + " }T" + QByteArray::number(i)
            + "~~v~~c~~" + QByteArray::number(static_cast<int>(i) + 1) + "\r\n";
        if (code != 11)
            out += "{Fold}0\r\n";
    }
    return out;
}

int Depth(const TItemTree& tree)
{
    int deepest = 0;
    for (int i = 0; i < tree.Count(); ++i)
        deepest = std::max(deepest, tree.NodeAt(i)->Level());
    return deepest;
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 1 || size > 1 << 20)
        return 0;
    const bool chain = data[0] & 1;
    const QByteArray bytes = chain ? LevelChain(data + 1, size - 1)
                                   : QByteArray(reinterpret_cast<const char*>(data + 1), static_cast<qsizetype>(size - 1));
    TItemTree tree;
    TTreeNode* root = tree.CreateRoot();
    TTreeNode* mine = CreateItem(0, QStringLiteral("Mine"), QString(), 7, QString(), root, QString()).node;
    CreateItem(6, QStringLiteral("Phone"), QString(), 8, QString(), mine, QString());
    const QString before = DatabaseText(tree);
    try {
        RecordIO::ReadRecords(bytes, 0, root);
    } catch (const EReadError&) {
        // Refused whole: the tree is as it was.
        if (DatabaseText(tree) != before)
            std::abort();
        return 0;
    }
    if (mine->ChildCount() != 0 || ContentCount(mine->Item()) != 1 || root->Child(0) != mine)
        std::abort();
    if (Depth(tree) > RecordIO::kMaxDepth)
        std::abort();
    const QString first = DatabaseText(tree);

    TItemTree again;
    RecordIO::ReadRecords(TextCodec::Encode(first), 1, again.CreateRoot());
    if (DatabaseText(again) != first)
        std::abort();
    return 0;
}
