#include "cli/CliSession.h"
#include "cli/full/FullCommands.h"
#include "comm/HttpRemoteFetcher.h"
#include "comm/TBrowserDDE.h"
#include "model/ClassCodes.h"
#include "model/FolderObject.h"
#include "model/TreeNode.h"
#include "platform/ProfileFile.h"

#include <QFileInfo>

namespace {

TFolderObject* FolderAt(CliSession& session, const QString& path)
{
    TTreeNode* node = session.NodeAt(path);
    auto* folder = dynamic_cast<TFolderObject*>(node->Item());
    if (!folder || node->Item()->ClassCode() != ClassCode::Folder)
        throw CliError(QStringLiteral("Not a folder: %1").arg(path));
    return folder;
}

// Items below the node: its leaves, its child containers and theirs.
int CountBelow(const TTreeNode& node)
{
    int count = static_cast<int>(node.Item()->Contents().size());
    for (const auto& child : node.Children())
        count += 1 + CountBelow(*child);
    return count;
}

int Source(const QStringList& args, QTextStream& out)
{
    const CliArguments options(args, {}, {QStringLiteral("--replace")});
    if (options.Positional().isEmpty() || options.Positional().size() > 2)
        throw CliError(QStringLiteral("source takes a PATH and optionally a URL or FILE"));
    QString source;
    if (options.Positional().size() == 2) {
        // As the folder dialog: a web address as given, anything else a file,
        // named before the session enters the data directory.
        source = options.Positional()[1].trimmed();
        if (!source.isEmpty() && !TFolderObject::IsWebSource(source)) {
            if (source.startsWith(u"http", Qt::CaseInsensitive) && source.contains(u"://"))
                throw CliError(QStringLiteral("Only http:// and https:// addresses can be fetched: %1").arg(source));
            source = QFileInfo(source).absoluteFilePath();
        }
    }
    CliSession session;
    TFolderObject* folder = FolderAt(session, options.Positional()[0]);
    if (options.Positional().size() == 1) {
        out << folder->Value() << '\n';
        return 0;
    }
    if (folder->InRemote())
        throw CliError(QStringLiteral("Cannot create new records within a remote (read-only) folder"));
    // A source replaces everything below the folder; the window's dialog
    // shows that, a script must say so.
    if (!source.isEmpty() && !folder->IsRemote() && !options.Has(QStringLiteral("--replace"))
        && (!folder->Contents().empty() || folder->Node()->ChildCount() > 0))
        throw CliError(QStringLiteral("%1 holds items that a source would replace; add --replace to drop them")
                           .arg(options.Positional()[0]));
    folder->SetValue(source);
    session.Save();
    return 0;
}

int Refresh(const QStringList& args, QTextStream& out)
{
    const CliArguments options(args, {}, {});
    if (options.Positional().size() != 1)
        throw CliError(QStringLiteral("refresh takes one PATH"));
    HttpRemoteFetcher fetcher;
    CliSession session;
    TFolderObject* folder = FolderAt(session, options.Positional()[0]);
    if (!folder->IsRemote())
        throw CliError(QStringLiteral("Not a remote folder: %1").arg(options.Positional()[0]));
    folder->Refresh();
    session.Save();
    out << CountBelow(*folder->Node()) << '\n';
    return 0;
}

int BrowserUrl(const QStringList& args, QTextStream& out)
{
    const CliArguments options(args, {}, {});
    if (!options.Positional().isEmpty())
        throw CliError(QStringLiteral("browser-url takes no arguments"));
    TBrowserDDE browser{ProfileFile(ProfileFile::Default())};
    const BrowserPage page = browser.CurrentPage();
    out << page.url << '\n' << page.title << '\n';
    return 0;
}

} // namespace

std::vector<CliCommand> RemoteCommands()
{
    return {FullOnlyCommand(QStringLiteral("source"), Source), FullOnlyCommand(QStringLiteral("refresh"), Refresh),
            FullOnlyCommand(QStringLiteral("browser-url"), BrowserUrl)};
}
