#include "reports/ReportFields.h"

#include "exchange/DelimitedText.h"
#include "model/ItemTree.h"
#include "model/TreeNode.h"
#include "model/ZVBObject.h"

namespace ReportFields {

const QStringList& AddressFieldNames()
{
    static const QStringList names{
        QStringLiteral("Address Line 1"), QStringLiteral("Address Line 2"), QStringLiteral("Address Line 3"),
        QStringLiteral("City"),           QStringLiteral("State/Province"), QStringLiteral("Postal Code"),
        QStringLiteral("Country"),
    };
    return names;
}

QStringList Values(const TZVBObject& item, const QStringList& fieldNames)
{
    QString row;
    for (const QString& name : fieldNames) {
        const QString cell = item.ExportField(name);
        // An unknown field answers nothing; an empty cell keeps the positions.
        row += cell.isEmpty() ? QStringLiteral(",") : cell;
    }
    QStringList values = DelimitedText::SplitLine(row);
    while (values.size() < fieldNames.size())
        values.append(QString());
    return values.mid(0, fieldNames.size());
}

QStringList AddressLines(const QStringList& seven, bool cityLineOnlyWithCity)
{
    QStringList lines;
    for (int i = 0; i < 3; ++i)
        if (!seven.value(i).isEmpty())
            lines.append(seven.value(i));
    if (!cityLineOnlyWithCity || !seven.value(3).isEmpty())
        lines.append(seven.value(3) + u", " + seven.value(4));
    lines.append(seven.value(5) + u' ' + seven.value(6));
    return lines;
}

std::vector<const TTreeNode*> Scope(const TTreeNode& start)
{
    const TItemTree& tree = *start.Tree();
    const int first = tree.PositionOf(&start);
    const int count = tree.SubtreeSizeOf(&start);
    std::vector<const TTreeNode*> nodes;
    nodes.reserve(static_cast<size_t>(count));
    for (int i = first; i < first + count; ++i)
        nodes.push_back(tree.NodeAt(i));
    return nodes;
}

} // namespace ReportFields
