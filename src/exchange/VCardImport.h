#pragma once

#include <QString>
#include <QStringList>

#include <functional>

class TCard;
class TTreeNode;
class TVCardFile;

// The import of a card file below a node of the tree.
namespace VCardImport {

// Asked for each card that names an organization ("ORG"): true imports it as
// an organization, false as a person.
using OrganizationQuestion = std::function<bool(const TCard&)>;

// The name shown when asking: the parts of "N" in the order salutation,
// first, middle (each followed by a blank when present) and last; "New" for
// a card without "N".
QString DisplayName(const TCard& card);

// Creates one person or organization per card of the file below the target,
// in file order, and returns how many. The cards are consumed.
int ImportCards(TVCardFile& file, TTreeNode* target, const OrganizationQuestion& asOrganization);

// Reads the file and imports its cards. When the file cannot be read whole,
// the cards read before the failure are imported and then EReadError is
// thrown. Below a remote folder ERemoteParent is thrown. What the file held
// but the import left out is added to warnings, one line per kind.
int ImportFile(const QString& path, TTreeNode* target, const OrganizationQuestion& asOrganization,
               QStringList* warnings = nullptr);

} // namespace VCardImport
