#include "cli/VCardCommands.h"

#include "cli/CliSession.h"
#include "exchange/FileAccess.h"
#include "exchange/StandardCard.h"
#include "exchange/VCardImport.h"
#include "model/Exceptions.h"
#include "model/ClassCodes.h"
#include "model/TreeNode.h"
#include "model/ZVBObject.h"

#include <QFileInfo>

bool OrgCardsAsOrganizations(const CliArguments& options)
{
    const QString choice = options.Value(QStringLiteral("--org-cards"), QStringLiteral("person"));
    if (choice == u"organization")
        return true;
    if (choice == u"person")
        return false;
    throw CliError(QStringLiteral("--org-cards takes organization or person, not %1").arg(choice));
}

int ImportVCardFile(TTreeNode* target, const QString& absolutePath, bool orgCardsAsOrganizations)
{
    QStringList warnings;
    const int count = VCardImport::ImportFile(
        absolutePath, target, [orgCardsAsOrganizations](const TCard&) { return orgCardsAsOrganizations; }, &warnings);
    for (const QString& warning : warnings)
        CliSession::Warn(QStringLiteral("%1: %2").arg(absolutePath, warning));
    return count;
}

int ExportVCard(const CliArguments& options, QTextStream& out)
{
    // Positional: "vcf" FILE.
    if (options.Positional().size() != 2)
        throw CliError(QStringLiteral("export vcf needs exactly one FILE"));
    if (!options.Has(QStringLiteral("--node")))
        throw CliError(QStringLiteral("export vcf needs --node PATH"));
    const QString file = QFileInfo(options.Positional()[1]).absoluteFilePath();
    if (!file.endsWith(u".vcf", Qt::CaseInsensitive))
        throw CliError(QStringLiteral("The exported filename needs to have an extension of \".vcf\""));
    CliSession session;
    const TZVBObject* item = session.NodeAt(options.Value(QStringLiteral("--node")))->Item();
    if (item->ClassCode() != ClassCode::Person && item->ClassCode() != ClassCode::Organization)
        throw CliError(QStringLiteral("vCard publishing is only supported for Person and Organization items."));
    item->WriteVCard(file);
    out << "Wrote " << file << '\n';
    return 0;
}

int ExportStandardCards(TTreeNode* node, const QString& path, QTextStream& out)
{
    QString text;
    int count = 0;
    const int end = node->Tree()->PositionOf(node) + node->SubtreeSize();
    for (int i = node->Tree()->PositionOf(node); i < end; ++i) {
        const TZVBObject* item = node->Tree()->NodeAt(i)->Item();
        const QString card = StandardCard::Write(*item, StandardCard::UidForItem(item->Id()));
        if (!card.isEmpty()) {
            text += card;
            ++count;
        }
    }
    if (count == 0)
        throw CliError(QStringLiteral("There is no person or organization at or below %1").arg(TItemTree::PathOf(node)));
    try {
        FileAccess::WriteTextFile(path, text);
    } catch (const EZendrivoError& e) {
        throw CliError(e.Message());
    }
    out << "Wrote " << count << " card(s) to " << path << '\n';
    return 0;
}
