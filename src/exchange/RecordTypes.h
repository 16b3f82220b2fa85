#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

#include <vector>

// The record types of delimited text, each with the item class it makes
// and the fields it offers, in the order the wizards list them.
struct RecordType
{
    QString name;      // "Person", "Phone Numbers", ...
    int classCode = 0;
    QStringList fields;
};

namespace RecordTypes {

// The seven types in list order.
const std::vector<RecordType>& All();

// The type of that name, ignoring case; null when there is none.
const RecordType* Find(QStringView name);

// The type that makes items of the class code; null for other codes.
const RecordType* OfClass(int classCode);

} // namespace RecordTypes
