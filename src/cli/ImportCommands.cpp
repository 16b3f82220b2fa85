#include "cli/CliSession.h"
#include "cli/Commands.h"
#include "exchange/FavoritesImport.h"
#include "exchange/NetscapeImport.h"
#include "exchange/NicknamesImport.h"

#include <QFileInfo>

#include <functional>

namespace {

// The one positional argument, made absolute before the session changes the
// current directory.
QString AbsoluteArgument(const CliArguments& options, const QString& command, const QString& what)
{
    if (options.Positional().size() != 1)
        throw CliError(QStringLiteral("%1 needs exactly one %2").arg(command, what));
    const QString path = options.Positional()[0];
    if (!QFileInfo::exists(path))
        throw CliError(QStringLiteral("No such file or directory: %1").arg(path));
    return QFileInfo(path).absoluteFilePath();
}

void Report(const ImportResult& result, QTextStream& out)
{
    out << "Imported " << result.count << " item(s) into " << TItemTree::PathOf(result.folder) << '\n';
    for (const QString& warning : result.warnings)
        CliSession::Warn(warning);
}

int ImportFavoritesCommand(const QStringList& args, QTextStream& out)
{
    const CliArguments options(args, {QStringLiteral("--into")}, {});
    const QString directory = AbsoluteArgument(options, QStringLiteral("import-favorites"), QStringLiteral("DIR"));
    if (!QFileInfo(directory).isDir())
        throw CliError(QStringLiteral("Not a directory: %1").arg(options.Positional()[0]));
    CliSession session;
    TTreeNode* target = options.Has(QStringLiteral("--into")) ? session.NodeAt(options.Value(QStringLiteral("--into")))
                                                              : session.Root();
    const ImportResult result = ImportFavorites(target, directory);
    session.Save();
    Report(result, out);
    return 0;
}

// The page and nicknames imports place their folder below the root; a
// directory argument names the folder the program's own file lies in.
using FileImport = std::function<ImportResult(TItemTree&, const QString&)>;

int RunFileImport(const QStringList& args, QTextStream& out, const QString& command, const QString& defaultName,
                  const FileImport& import)
{
    const CliArguments options(args, {}, {});
    QString file = AbsoluteArgument(options, command, QStringLiteral("FILE"));
    if (QFileInfo(file).isDir())
        file = QFileInfo(file + u'/' + defaultName).absoluteFilePath();
    if (QFileInfo(file).exists() && !QFileInfo(file).isFile())
        throw CliError(QStringLiteral("Not a regular file: %1").arg(file));
    if (!QFileInfo(file).isFile())
        throw CliError(QStringLiteral("No such file: %1").arg(file));
    CliSession session;
    const ImportResult result = import(session.Tree(), file);
    session.Save();
    Report(result, out);
    return 0;
}

int ImportBookmarksCommand(const QStringList& args, QTextStream& out)
{
    return RunFileImport(args, out, QStringLiteral("import-bookmarks"), QStringLiteral("bookmark.htm"), ImportNSBook);
}

int ImportAddressBookCommand(const QStringList& args, QTextStream& out)
{
    return RunFileImport(args, out, QStringLiteral("import-addressbook"), QStringLiteral("address.htm"), ImportNSAddr);
}

int ImportNicknamesCommand(const QStringList& args, QTextStream& out)
{
    return RunFileImport(args, out, QStringLiteral("import-nicknames"), QStringLiteral("nndbase.txt"),
                         ImportEudora);
}

} // namespace

std::vector<CliCommand> ImportCommands()
{
    return {
        {QStringLiteral("import-favorites"), QStringLiteral("import-favorites DIR [--into PATH]"),
         QStringLiteral("import a folder tree of Internet shortcuts (.url) as websites"), ImportFavoritesCommand, true},
        {QStringLiteral("import-bookmarks"), QStringLiteral("import-bookmarks FILE|DIR"),
         QStringLiteral("import the links of a bookmark page (bookmark.htm) into a folder below the root"),
         ImportBookmarksCommand, true},
        {QStringLiteral("import-addressbook"), QStringLiteral("import-addressbook FILE|DIR"),
         QStringLiteral("import the mail links of an address-book page (address.htm) as e-mail items"),
         ImportAddressBookCommand, true},
        {QStringLiteral("import-nicknames"), QStringLiteral("import-nicknames FILE|DIR"),
         QStringLiteral("import a nicknames file (nndbase.txt) into \"Eudora Addresses\""), ImportNicknamesCommand, true},
    };
}
