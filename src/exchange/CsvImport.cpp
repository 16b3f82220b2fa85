#include "exchange/CsvImport.h"

#include "exchange/DelimitedText.h"
#include "exchange/FileAccess.h"
#include "model/ItemFactory.h"
#include "model/ItemTree.h"
#include "model/TreeNode.h"
#include "model/TreeOps.h"
#include "model/ZVBObject.h"

#include <QFileInfo>

namespace CsvImport {

int ImportText(TTreeNode* target, QByteArrayView bytes, int classCode, const QStringList& fields,
               Separator separator, const QString& skipHeader)
{
    DelimitedRecordReader records(bytes, separator);
    if (!skipHeader.isEmpty())
        records.SkipFirstLineIf(skipHeader);
    TItemTree& tree = *target->Tree();
    TItemTree::SortBatch batch(tree);
    int taken = 0;
    QString record;
    while (records.Next(record)) {
        QStringList values = DelimitedText::SplitLine(record);
        if (values.isEmpty())
            continue;
        ItemHandle made = CreateItem(classCode, QStringLiteral("New"), QString(), 0, QString(), target, QString());
        if (made.Item()->ImportFields(fields, values)) {
            ++taken;
        } else if (made.node) {
            tree.DeleteNode(made.node);
        } else if (made.ref) {
            DeleteContent(target->Item(), made.ref);
        }
    }
    return taken;
}

int ImportCSV(TTreeNode* target, const QString& path, int classCode, const QStringList& fields, Separator separator,
              const QString& skipHeader)
{
    if (!QFileInfo::exists(path))
        return -1;
    const QByteArray bytes = FileAccess::ReadImportFile(path);
    return ImportText(target, bytes, classCode, fields, separator, skipHeader);
}

} // namespace CsvImport
