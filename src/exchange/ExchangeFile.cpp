#include "exchange/ExchangeFile.h"

#include "exchange/FileAccess.h"
#include "model/Database.h"
#include "model/ItemTree.h"
#include "model/RecordIO.h"
#include "model/TextCodec.h"
#include "model/TreeNode.h"
#include "model/ZVBObject.h"

#include <cstdint>

namespace ExchangeFile {

namespace {

// The record of a tree item as if its category set were empty. Every
// details line ends in the categories, so only that number is replaced.
QString RecordWithoutCategories(const TZVBObject& item, int level)
{
    QString record = item.WriteRecord(level);
    if (!item.IsContainer() || item.Categories() == 0)
        return record;
    const QString categories = QString::number(static_cast<std::int32_t>(item.Categories()));
    if (record.endsWith(categories)) {
        record.chop(categories.size());
        record += u'0';
    }
    return record;
}

} // namespace

QString FileExtension(const QString& path)
{
    const qsizetype dot = path.lastIndexOf(u'.');
    if (dot < 0)
        return QString();
    for (qsizetype i = dot + 1; i < path.size(); ++i) {
        const QChar c = path[i];
        if (c == u':' || c == u'\\' || c == u'/')
            return QString();
    }
    return path.mid(dot);
}

bool IsExchangeFile(const QString& path)
{
    return FileExtension(path).compare(u".zvd", Qt::CaseInsensitive) == 0;
}

QString ExchangeText(const TTreeNode& start, const ItemFilter& passesFilter)
{
    QString out;
    SubtreeWalk::Walk(start, passesFilter, true, [&out](const TTreeNode& node, int level) {
        const TZVBObject& item = *node.Item();
        out += RecordWithoutCategories(item, level);
        out += u"\r\n";
        if (item.IsRemote())
            return;
        for (const auto& ref : item.Contents())
            RecordIO::WriteRecordTree(*ref->Item(), level + 1, out);
    });
    return out;
}

void ExportSubtree(const TTreeNode& start, const QString& path, const ItemFilter& passesFilter)
{
    FileAccess::WriteTextFile(path, ExchangeText(start, passesFilter));
}

int ImportExchangeFile(TItemTree& tree, const QString& path, QStringList* warnings)
{
    TTreeNode* root = tree.Root();
    if (!root || (!IsExchangeFile(path) && path != QString::fromUtf16(kClipboardFile)))
        return -1;
    const QByteArray bytes = FileAccess::ReadImportFile(path);
    int count = 0;
    RecordIO::ReadStats stats;
    {
        TItemTree::SortBatch batch(tree);
        count = RecordIO::ReadRecords(bytes, 0, root, &stats);
        tree.SortChildren(root);
    }
    if (warnings && stats.damaged > 0)
        warnings->append(QStringLiteral("%1 damaged record(s) were left out").arg(stats.damaged));
    if (warnings && stats.skipped > 0)
        warnings->append(QStringLiteral("%1 record(s) inside remote folders were left out").arg(stats.skipped));
    return count;
}

} // namespace ExchangeFile
