#pragma once

#include "exchange/SubtreeWalk.h"

#include <QString>
#include <QStringList>

#include <vector>

class TTreeNode;
class TZVBObject;

// What the reports read of items, and the order in which they walk a subtree.
namespace ReportFields {

// The seven fields of a postal address, in report order.
const QStringList& AddressFieldNames();

// The values of the named fields, read through the items' field export and
// split as comma text, by position. A field the item does not know is empty.
QStringList Values(const TZVBObject& item, const QStringList& fieldNames);

// Address lines from the seven values: lines 1 to 3 that are not empty, then
// city + ", " + state/province (always, or only when the city is not empty),
// then postal code + " " + country.
QStringList AddressLines(const QStringList& seven, bool cityLineOnlyWithCity);

// The nodes of the start node's subtree in tree order, the start included.
std::vector<const TTreeNode*> Scope(const TTreeNode& start);

// True when the filter lets the item show (an empty filter lets all through).
inline bool Shows(const ItemFilter& passes, const TZVBObject& item)
{
    return !passes || passes(item);
}

} // namespace ReportFields
