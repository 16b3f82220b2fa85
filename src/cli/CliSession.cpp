#include "cli/CliSession.h"

#include "cli/WriterAccess.h"
#include "platform/DatabaseLock.h"

#include "model/Database.h"
#include "model/Exceptions.h"
#include "model/TreeNode.h"
#include "platform/DataPaths.h"

#include <QFile>
#include <QTextStream>

#include <sys/stat.h>

#include <vector>

namespace {
bool keepTrees = false;
TItemTree* hostTree = nullptr;
std::function<void()> hostSave;

CliSession::FileStamp StampOf(const QString& path)
{
    CliSession::FileStamp stamp;
    struct stat info{};
    if (::stat(QFile::encodeName(path).constData(), &info) != 0)
        return stamp;
    stamp.exists = true;
    stamp.device = info.st_dev;
    stamp.inode = info.st_ino;
    stamp.size = info.st_size;
    stamp.modifiedNs = static_cast<qint64>(info.st_mtim.tv_sec) * 1000000000 + info.st_mtim.tv_nsec;
    return stamp;
}
// Never destroyed (static destructors would free the trees after all), and
// still reachable, so leak checkers do not count them.
std::vector<std::unique_ptr<TItemTree>>& KeptTrees()
{
    static auto* kept = new std::vector<std::unique_ptr<TItemTree>>;
    return *kept;
}
} // namespace

void CliSession::KeepTreesUntilExit() { keepTrees = true; }

namespace {
std::function<void(const QString&)>& WarningSink()
{
    static std::function<void(const QString&)> sink;
    return sink;
}
} // namespace

void CliSession::SetWarningSink(std::function<void(const QString&)> sink)
{
    WarningSink() = std::move(sink);
}

void CliSession::Warn(const QString& line)
{
    if (WarningSink()) {
        WarningSink()(line);
        return;
    }
    QTextStream(stderr) << "zendrivo-cli: warning: " << line << '\n';
}

CliSession::CliSession()
{
    QString error;
    if (!DataPaths::EnterDataDirectory(&error))
        throw CliError(error);
    if (hostTree) {
        m_tree = hostTree;
        return;
    }
    m_owned = std::make_unique<TItemTree>();
    m_tree = m_owned.get();
    m_loaded = StampOf(QString::fromUtf16(kDatabaseFile));
    const TLoadResult load = LoadDatabase(m_tree->CreateRoot());
    const TJournalRecovery recovery = JournalToRestore(load);
    if (recovery.available) {
        const TLoadResult restored = RestoreJournal(*m_tree);
        if (!restored.Failed()) {
            Warn(QStringLiteral("%1; using the journal %2 written %3 instead")
                     .arg(recovery.reason, QString::fromUtf16(kJournalFile),
                          recovery.written.toString(Qt::ISODate)));
            return;
        }
        if (m_tree->LoadFailed())
            throw CliError(restored.message);
    }
    // Never go on with an empty tree that a save would write over the file.
    if (load.Failed())
        throw CliError(load.message);
}

CliSession::~CliSession()
{
    if (keepTrees && m_owned)
        KeptTrees().push_back(std::move(m_owned));
}

CliSession::HostScope::HostScope(TItemTree& tree, std::function<void()> save)
{
    hostTree = &tree;
    hostSave = std::move(save);
}

CliSession::HostScope::~HostScope()
{
    hostTree = nullptr;
    hostSave = nullptr;
}

bool CliSession::Hosted()
{
    return hostTree != nullptr;
}

TTreeNode* CliSession::NodeAt(const QString& path) const
{
    TTreeNode* node = m_tree->FindPath(path);
    if (!node)
        throw CliError(QStringLiteral("No such node: %1").arg(path));
    return node;
}

void CliSession::Save()
{
    try {
        if (!m_owned)
            hostSave();
        else if (WriterAccess::Current())
            SaveDatabase(*m_tree);
        else
            SaveUnlocked();
    } catch (const ESaveError& e) {
        throw CliError(e.Message() + u": " + e.Detail());
    }
}

void CliSession::SaveUnlocked()
{
    DatabaseLock lock;
    if (!lock.TryLock(10000))
        throw CliError(lock.InUseMessage());
    if (StampOf(QString::fromUtf16(kDatabaseFile)) != m_loaded)
        throw CliError(QStringLiteral("The database was changed by another program while this command ran; nothing was saved"));
    SaveDatabase(*m_tree);
}

CliArguments::CliArguments(const QStringList& args, const QStringList& valueOptions, const QStringList& flags)
{
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& arg = args[i];
        if (!arg.startsWith(u"--") || arg == u"--") {
            m_positional.append(arg);
        } else if (valueOptions.contains(arg)) {
            if (i + 1 >= args.size())
                throw CliError(QStringLiteral("Option %1 needs a value").arg(arg));
            m_values.append({arg, args[++i]});
        } else if (flags.contains(arg)) {
            m_flags.append(arg);
        } else {
            throw CliError(QStringLiteral("Unknown option %1").arg(arg));
        }
    }
}

bool CliArguments::Has(const QString& option) const
{
    if (m_flags.contains(option))
        return true;
    for (const auto& [name, value] : m_values) {
        if (name == option)
            return true;
    }
    return false;
}

QString CliArguments::Value(const QString& option, const QString& fallback) const
{
    for (const auto& [name, value] : m_values) {
        if (name == option)
            return value;
    }
    return fallback;
}
