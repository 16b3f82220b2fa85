#include "cli/CliSession.h"
#include "cli/Commands.h"
#include "cli/VCardCommands.h"
#include "exchange/ExchangeFile.h"
#include "model/Database.h"
#include "model/TreeNode.h"
#include "model/ZVBObject.h"

#include <QFileInfo>

namespace {

void PrintItem(const TZVBObject& item, int depth, QTextStream& out)
{
    out << QString(depth * 2, u' ') << '[' << item.ClassCode() << "] " << item.Title();
    if (!item.Value().isEmpty())
        out << " | " << item.Value();
    if (!item.Comment().isEmpty())
        out << " | " << item.Comment();
    out << '\n';
}

// Database order: an item, its leaves, then its child containers.
void PrintTree(const TTreeNode& node, int depth, QTextStream& out)
{
    PrintItem(*node.Item(), depth, out);
    for (const auto& ref : node.Item()->Contents())
        PrintItem(*ref->Item(), depth + 1, out);
    for (const auto& child : node.Children())
        PrintTree(*child, depth + 1, out);
}

int Tree(const QStringList& args, QTextStream& out)
{
    const CliArguments options(args, {}, {});
    if (options.Positional().size() > 1)
        throw CliError(QStringLiteral("tree takes at most one PATH"));
    CliSession session;
    const TTreeNode* node = options.Positional().isEmpty() ? session.Root() : session.NodeAt(options.Positional()[0]);
    PrintTree(*node, 0, out);
    return 0;
}

int Resave(const QStringList& args, QTextStream& /*out*/)
{
    const CliArguments options(args, {}, {});
    if (!options.Positional().isEmpty())
        throw CliError(QStringLiteral("resave takes no arguments"));
    CliSession session;
    session.Save();
    return 0;
}

// Exchange files and card files below --into (the root by default); the
// database is saved only when every file was read.
int Import(const QStringList& args, QTextStream& out)
{
    const CliArguments options(args, {QStringLiteral("--into"), QStringLiteral("--org-cards")}, {});
    if (options.Positional().isEmpty())
        throw CliError(QStringLiteral("import needs at least one FILE"));
    const bool orgCards = OrgCardsAsOrganizations(options);
    // Paths are taken before the session enters the data directory.
    QStringList files;
    for (const QString& file : options.Positional()) {
        files.append(QFileInfo(file).absoluteFilePath());
        if (!QFileInfo(file).isFile())
            throw CliError(QStringLiteral("No such file: %1").arg(file));
        if (!ExchangeFile::IsExchangeFile(file) && !file.endsWith(u".vcf", Qt::CaseInsensitive))
            throw CliError(QStringLiteral("Not an exchange file (.zvd) or card file (.vcf): %1").arg(file));
    }
    CliSession session;
    TTreeNode* target = options.Has(QStringLiteral("--into")) ? session.NodeAt(options.Value(QStringLiteral("--into")))
                                                                : session.Root();
    int count = 0;
    int skipped = 0;
    for (const QString& file : files) {
        // Exchange files always go below the root, whatever --into names.
        count += file.endsWith(u".vcf", Qt::CaseInsensitive) ? ImportVCardFile(target, file, orgCards)
                                                             : ExchangeFile::ImportExchangeFile(session.Tree(), file, &skipped);
    }
    session.Save();
    out << "Imported " << count << " item(s)\n";
    if (skipped > 0)
        out << "Left out " << skipped << " record(s) inside remote folders, which fill from their source\n";
    return 0;
}

} // namespace

std::vector<CliCommand> DatabaseCommands()
{
    return {
        {QStringLiteral("tree"), QStringLiteral("tree [PATH]"),
         QStringLiteral("print the tree (or the subtree at PATH), one item a line"), Tree},
        {QStringLiteral("resave"), QStringLiteral("resave"),
         QStringLiteral("load the database and save it again through the journal"), Resave},
        {QStringLiteral("import"), QStringLiteral("import FILE... [--into PATH] [--org-cards organization|person]"),
         QStringLiteral("import exchange files (.zvd) below My Contacts and card files (.vcf) below PATH, and save"), Import},
    };
}
