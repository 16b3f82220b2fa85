#include "cli/CliSession.h"
#include "cli/Commands.h"
#include "cli/VCardCommands.h"
#include "exchange/ExchangeFile.h"
#include "model/Database.h"
#include "model/TreeNode.h"
#include "model/ZVBObject.h"

#include <QFileInfo>

#include <vector>

namespace {

void AppendItem(const TZVBObject& item, int depth, QString& text)
{
    text.resize(text.size() + depth * 2, u' ');
    text += u'[';
    text += QString::number(item.ClassCode());
    text += u"] ";
    text += item.Title();
    if (!item.Value().isEmpty()) {
        text += u" | ";
        text += item.Value();
    }
    if (!item.Comment().isEmpty()) {
        text += u" | ";
        text += item.Comment();
    }
    text += u'\n';
}

// Database order: an item, its leaves, then its child containers. The text
// goes out in large pieces, and the walk keeps its own stack, so a deep
// tree needs no deep call stack.
void PrintTree(const TTreeNode& top, QTextStream& out)
{
    struct Pending
    {
        const TTreeNode* node;
        int depth;
    };
    constexpr qsizetype kPiece = 1 << 16;
    QString text;
    text.reserve(kPiece + 1024);
    std::vector<Pending> stack{{&top, 0}};
    while (!stack.empty()) {
        const Pending next = stack.back();
        stack.pop_back();
        AppendItem(*next.node->Item(), next.depth, text);
        for (const auto& ref : next.node->Item()->Contents())
            AppendItem(*ref->Item(), next.depth + 1, text);
        const auto& children = next.node->Children();
        for (auto it = children.rbegin(); it != children.rend(); ++it)
            stack.push_back({it->get(), next.depth + 1});
        if (text.size() >= kPiece) {
            out << text;
            text.resize(0);
        }
    }
    out << text;
}

int Tree(const QStringList& args, QTextStream& out)
{
    const CliArguments options(args, {}, {});
    if (options.Positional().size() > 1)
        throw CliError(QStringLiteral("tree takes at most one PATH"));
    CliSession session;
    const TTreeNode* node = options.Positional().isEmpty() ? session.Root() : session.NodeAt(options.Positional()[0]);
    PrintTree(*node, out);
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
        if (QFileInfo(file).exists() && !QFileInfo(file).isFile())
            throw CliError(QStringLiteral("Not a regular file: %1").arg(file));
        if (!QFileInfo(file).isFile())
            throw CliError(QStringLiteral("No such file: %1").arg(file));
        if (!ExchangeFile::IsExchangeFile(file) && !file.endsWith(u".vcf", Qt::CaseInsensitive))
            throw CliError(QStringLiteral("Not an exchange file (.zvd) or card file (.vcf): %1").arg(file));
    }
    CliSession session;
    TTreeNode* target = options.Has(QStringLiteral("--into")) ? session.NodeAt(options.Value(QStringLiteral("--into")))
                                                                : session.Root();
    int count = 0;
    for (const QString& file : files) {
        // Exchange files always go below the root, whatever --into names.
        if (file.endsWith(u".vcf", Qt::CaseInsensitive)) {
            count += ImportVCardFile(target, file, orgCards);
            continue;
        }
        QStringList warnings;
        count += ExchangeFile::ImportExchangeFile(session.Tree(), file, &warnings);
        for (const QString& warning : warnings)
            CliSession::Warn(QStringLiteral("%1: %2").arg(file, warning));
    }
    session.Save();
    out << "Imported " << count << " item(s)\n";
    return 0;
}

} // namespace

std::vector<CliCommand> DatabaseCommands()
{
    return {
        {QStringLiteral("tree"), QStringLiteral("tree [PATH]"),
         QStringLiteral("print the tree (or the subtree at PATH), one item a line"), Tree},
        {QStringLiteral("resave"), QStringLiteral("resave"),
         QStringLiteral("load the database and save it again through the journal"), Resave, true},
        {QStringLiteral("import"), QStringLiteral("import FILE... [--into PATH] [--org-cards organization|person]"),
         QStringLiteral("import exchange files (.zvd) below My Contacts and card files (.vcf) below PATH, and save"), Import, true},
    };
}
