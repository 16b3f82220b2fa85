#pragma once

#include <QString>
#include <QTextStream>

class CliArguments;
class TTreeNode;

// How cards that name an organization are taken: "organization" or "person"
// (the default); throws CliError for any other word.
bool OrgCardsAsOrganizations(const CliArguments& options);

// Imports a card file below the node; the number of items made.
int ImportVCardFile(TTreeNode* target, const QString& absolutePath, bool orgCardsAsOrganizations);

// "export vcf FILE --node PATH": the card of the person or organization at PATH.
int ExportVCard(const CliArguments& options, QTextStream& out);

// "export vcf FILE --version 3.0 [--node PATH]": the standard cards (with a
// version line, UIDs and escaped values) of the person or organization at
// PATH, or of every one below it, for other programs.
int ExportStandardCards(TTreeNode* node, const QString& absolutePath, QTextStream& out);
