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

int ImportLines(TTreeNode* target, const QList<QString>& lines, int classCode, const QStringList& fields,
                Separator separator)
{
    QList<QString> physical = lines;
    if (separator == Separator::Tab) {
        for (QString& line : physical)
            line.replace(u'\t', u',');
    }
    TItemTree& tree = *target->Tree();
    TItemTree::SortBatch batch(tree);
    int taken = 0;
    for (const QString& record : DelimitedText::JoinRecords(physical)) {
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

int ImportCSV(TTreeNode* target, const QString& path, int classCode, const QStringList& fields, Separator separator)
{
    if (!QFileInfo::exists(path))
        return -1;
    const QList<QString> lines = DelimitedText::DecodeLines(FileAccess::ReadImportFile(path));
    return ImportLines(target, lines, classCode, fields, separator);
}

} // namespace CsvImport
