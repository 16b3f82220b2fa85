// Reads arbitrary bytes as a file of records below a small tree and writes
// the result back: nothing may crash, and what was read must save and read
// back to the same text.
#include "model/Database.h"
#include "model/ItemTree.h"
#include "model/RecordIO.h"
#include "model/TextCodec.h"
#include "model/TreeNode.h"

#include <QCoreApplication>

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size > 1 << 20)
        return 0;
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    TItemTree tree;
    TTreeNode* root = tree.CreateRoot();
    RecordIO::ReadRecords(TextCodec::SplitLines(bytes), 0, root);
    const QString first = DatabaseText(tree);

    TItemTree again;
    RecordIO::ReadRecords(TextCodec::SplitLines(first.toUtf8()), 1, again.CreateRoot());
    if (DatabaseText(again) != first)
        std::abort();
    return 0;
}
