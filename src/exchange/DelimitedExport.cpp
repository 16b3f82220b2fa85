#include "exchange/DelimitedExport.h"

#include "exchange/DelimitedText.h"
#include "exchange/FileAccess.h"
#include "model/TreeNode.h"
#include "model/ZVBObject.h"

namespace DelimitedExport {

namespace {

void CollectRows(const TZVBObject& item, const DelimitedLayout& layout, QString& out)
{
    if (item.ClassCode() == layout.classCode) {
        const QString row = Row(item, layout.fields);
        if (!row.isEmpty()) {
            out += row;
            out += u"\r\n";
        }
        return;
    }
    for (const auto& ref : item.Contents())
        CollectRows(*ref->Item(), layout, out);
}

} // namespace

QString Row(const TZVBObject& item, const QStringList& fields)
{
    // Each cell is a quoted value and a comma; a lone comma is an empty
    // column, so every row holds exactly the chosen fields.
    QString row;
    for (const QString& field : fields) {
        const QString cell = item.ExportField(field);
        if (cell.isEmpty())
            row += u',';
        else
            row += cell;
    }
    row.chop(1);
    return row;
}

QString Text(const TTreeNode& start, const DelimitedLayout& layout, const ItemFilter& passesFilter)
{
    QString out;
    if (layout.fieldNamesFirst) {
        out += DelimitedText::HeaderLine(layout.fields);
        out += u"\r\n";
    }
    SubtreeWalk::Walk(start, passesFilter, false,
                      [&](const TTreeNode& node, int /*level*/) { CollectRows(*node.Item(), layout, out); });
    return out;
}

void ExportSubtree(const TTreeNode& start, const QString& path, const DelimitedLayout& layout,
                   const ItemFilter& passesFilter)
{
    FileAccess::WriteTextFile(path, Text(start, layout, passesFilter));
}

} // namespace DelimitedExport
