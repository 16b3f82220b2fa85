#include "cli/CliSession.h"
#include "cli/Commands.h"
#include "model/Finder.h"
#include "model/TreeNode.h"
#include "model/ZVBObject.h"

namespace {

int PrintMatch(const Finder::Match& match, QTextStream& out)
{
    if (!match)
        return 1;
    QString path = TItemTree::PathOf(match.node);
    if (match.leaf)
        path += u'/' + match.leaf->Title();
    out << path << '\n';
    return 0;
}

int Find(const QStringList& args, QTextStream& out)
{
    const CliArguments options(args, {QStringLiteral("--from")}, {});
    if (options.Positional().size() != 1)
        throw CliError(QStringLiteral("find needs exactly one TEXT"));
    CliSession session;
    const TTreeNode* from = options.Has(QStringLiteral("--from")) ? session.NodeAt(options.Value(QStringLiteral("--from")))
                                                                   : session.Root();
    return PrintMatch(Finder::Locate(session.Tree(), from->AbsoluteIndex(), options.Positional()[0]), out);
}

int FindPhone(const QStringList& args, QTextStream& out)
{
    const CliArguments options(args, {QStringLiteral("--from")}, {});
    if (options.Positional().size() != 1)
        throw CliError(QStringLiteral("find-phone needs exactly one NUMBER"));
    CliSession session;
    const TTreeNode* from = options.Has(QStringLiteral("--from")) ? session.NodeAt(options.Value(QStringLiteral("--from")))
                                                                   : session.Root();
    return PrintMatch(Finder::LocatePhone(session.Tree(), from->AbsoluteIndex(), options.Positional()[0]), out);
}

} // namespace

std::vector<CliCommand> FindCommands()
{
    return {
        {QStringLiteral("find"), QStringLiteral("find TEXT [--from PATH]"),
         QStringLiteral("print the path of the next item with a word starting with TEXT"), Find},
        {QStringLiteral("find-phone"), QStringLiteral("find-phone NUMBER [--from PATH]"),
         QStringLiteral("print the path of the next phone or fax with NUMBER's digits"), FindPhone},
    };
}
