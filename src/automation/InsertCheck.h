#pragma once

#include <QString>

// What Insert accepts before it asks the factory for an item: a class code
// that the factory makes (every class but the root) and a details line that
// reads as that class's record. An empty details line gives the class's
// defaults. Returns the problem in words, or an empty text when all is well.
namespace InsertCheck {

QString Problem(int classCode, const QString& details);

} // namespace InsertCheck
