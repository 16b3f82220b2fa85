#include "cli/CliSession.h"
#include "cli/Commands.h"
#include "cli/full/FullCommands.h"
#include "model/ClassCodes.h"
#include "model/Exceptions.h"
#include "model/TreeNode.h"
#include "model/ZVBObject.h"
#include "platform/ProfileFile.h"
#include "sync/Binding.h"
#include "sync/DavClient.h"
#include "sync/Discovery.h"
#include "sync/FolderSync.h"
#include "sync/RemoteSync.h"
#include "sync/SecretStore.h"
#include "sync/SyncState.h"
#include "exchange/FileAccess.h"

#include <QFileInfo>

using namespace Qt::StringLiterals;

namespace {

const QString kUser = u"--user"_s;
const QString kPasswordFile = u"--password-file"_s;

// The first line of a password file, without its line end.
QString ReadPasswordFile(const QString& path)
{
    try {
        const QByteArray bytes = FileAccess::ReadImportFile(QFileInfo(path).absoluteFilePath());
        return QString::fromUtf8(bytes.left(bytes.indexOf('\n') < 0 ? bytes.size() : bytes.indexOf('\n')))
            .remove(u'\r');
    } catch (const EZendrivoError& e) {
        throw CliError(e.Message());
    }
}

TTreeNode* BindableFolder(CliSession& session, const QString& path)
{
    TTreeNode* node = session.NodeAt(path);
    // A folder with a source is a read-only copy of it, and the root is no folder.
    if (node->Item()->ClassCode() != ClassCode::Folder || !node->Item()->Value().isEmpty())
        throw CliError(u"Only a plain folder can be bound to an address book: \"%1\" is not one"_s.arg(path));
    return node;
}

int Bind(const QStringList& args, QTextStream& out)
{
    const CliArguments options(args, {kUser, kPasswordFile}, {});
    if (options.Positional().size() != 3 || options.Positional()[0] != u"bind")
        throw CliError(u"carddav bind needs a folder PATH and the address book's URL"_s);
    const QString password =
        options.Has(kPasswordFile) ? ReadPasswordFile(options.Value(kPasswordFile)) : QString();
    const QUrl typed(options.Positional()[2]);
    if (!typed.isValid() || (typed.scheme() != u"http" && typed.scheme() != u"https"))
        throw CliError(u"\"%1\" is not an http or https address"_s.arg(options.Positional()[2]));
    CliSession session;
    TTreeNode* folder = BindableFolder(session, options.Positional()[1]);
    const QString user = options.Value(kUser);
    DavClient client(user, password);
    QString error;
    const QUrl book = Discovery::FindAddressBook(client, typed, &error);
    if (book.isEmpty())
        throw CliError(u"No address book at %1: %2"_s.arg(typed.toDisplayString(), error));
    const Binding binding{folder->Item()->Id(), book.toString(), user};
    if (!binding.Store(ProfileFile::Default()))
        throw CliError(u"Unable to write \"%1\""_s.arg(ProfileFile::Default()));
    out << "Bound " << TItemTree::PathOf(folder) << " to " << book.toString() << '\n';
    if (!password.isEmpty() && !SecretStore::Write(binding.url, user, password, &error))
        out << "Warning: " << error << "; give --password-file to each sync\n";
    return 0;
}

int Unbind(const QStringList& args, QTextStream& out)
{
    const CliArguments options(args, {}, {});
    if (options.Positional().size() != 2 || options.Positional()[0] != u"unbind")
        throw CliError(u"carddav unbind needs a folder PATH"_s);
    CliSession session;
    TTreeNode* folder = session.NodeAt(options.Positional()[1]);
    const std::int32_t folderId = folder->Item()->Id();
    const auto binding = Binding::Of(ProfileFile::Default(), folderId);
    if (!binding)
        throw CliError(u"\"%1\" is not bound to an address book"_s.arg(options.Positional()[1]));
    if (!Binding::Remove(ProfileFile::Default(), folderId))
        throw CliError(u"Unable to write \"%1\""_s.arg(ProfileFile::Default()));
    SyncState state = SyncState::Load(SyncState::DefaultPath());
    state.Forget(folderId);
    try {
        state.Save(SyncState::DefaultPath());
    } catch (const EZendrivoError& e) {
        throw CliError(e.Message());
    }
    SecretStore::Remove(binding->url, binding->user);
    out << "Unbound " << TItemTree::PathOf(folder) << '\n';
    return 0;
}

int CardDav(const QStringList& args, QTextStream& out)
{
    if (!args.isEmpty() && args[0] == u"bind")
        return Bind(args, out);
    if (!args.isEmpty() && args[0] == u"unbind")
        return Unbind(args, out);
    throw CliError(u"carddav needs bind or unbind"_s);
}

int Sync(const QStringList& args, QTextStream& out)
{
    const CliArguments options(args, {kPasswordFile}, {});
    if (options.Positional().size() > 1)
        throw CliError(u"sync takes at most one folder PATH"_s);
    const QString filePassword =
        options.Has(kPasswordFile) ? ReadPasswordFile(options.Value(kPasswordFile)) : QString();
    CliSession session;
    std::vector<Binding> bindings;
    if (options.Positional().isEmpty()) {
        bindings = Binding::All(ProfileFile::Default());
    } else {
        const TTreeNode* folder = session.NodeAt(options.Positional()[0]);
        const auto binding = Binding::Of(ProfileFile::Default(), folder->Item()->Id());
        if (!binding)
            throw CliError(u"\"%1\" is not bound to an address book"_s.arg(options.Positional()[0]));
        bindings.push_back(*binding);
    }
    if (bindings.empty())
        throw CliError(u"No folder is bound to an address book"_s);

    QString warning;
    SyncState state = SyncState::Load(SyncState::DefaultPath(), &warning);
    if (!warning.isEmpty())
        out << "Warning: " << warning << '\n';
    std::vector<QString> lines;
    bool changedHere = false;
    for (const Binding& binding : bindings) {
        TTreeNode* folder = nullptr;
        for (int i = 0; i < session.Tree().Count() && !folder; ++i) {
            TTreeNode* node = session.Tree().NodeAt(i);
            if (node->Item()->Id() == binding.folderId)
                folder = node;
        }
        if (!folder)
            throw CliError(u"The folder bound to %1 is no longer in the database"_s.arg(binding.url));
        QString password = filePassword;
        QString error;
        if (password.isEmpty() && !binding.user.isEmpty() && !SecretStore::Read(binding.url, binding.user, password, &error))
            throw CliError(u"No password for %1: %2"_s.arg(binding.url, error));
        DavClient client(binding.user, password);
        try {
            const SyncCounts counts = FolderSync::Run(folder, QUrl(binding.url), client, state);
            lines.push_back(TItemTree::PathOf(folder) + u": "_s + counts.Describe());
            changedHere = changedHere || counts.ChangedLocally();
        } catch (const ESyncError& e) {
            throw CliError(TItemTree::PathOf(folder) + u": "_s + e.Message());
        }
    }
    // The database first: a state that names items the database lacks
    // would read as items deleted here. A sync that changed nothing writes
    // neither.
    if (changedHere || state.Changed()) {
        session.Save();
        try {
            state.Save(SyncState::DefaultPath());
        } catch (const EZendrivoError& e) {
            throw CliError(e.Message());
        }
    }
    for (const QString& line : lines)
        out << line << '\n';
    return 0;
}

} // namespace

std::vector<CliCommand> SyncCommands()
{
    return {FullOnlyCommand(u"carddav"_s, CardDav), FullOnlyCommand(u"sync"_s, Sync)};
}
