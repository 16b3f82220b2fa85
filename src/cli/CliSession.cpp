#include "cli/CliSession.h"

#include "model/Database.h"
#include "model/Exceptions.h"
#include "model/TreeNode.h"
#include "platform/DataPaths.h"

#include <QTextStream>

#include <vector>

namespace {
bool keepTrees = false;
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

CliSession::CliSession() : m_tree(std::make_unique<TItemTree>())
{
    QString error;
    if (!DataPaths::EnterDataDirectory(&error))
        throw CliError(error);
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
    if (keepTrees)
        KeptTrees().push_back(std::move(m_tree));
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
        SaveDatabase(*m_tree);
    } catch (const ESaveError& e) {
        throw CliError(e.Message() + u": " + e.Detail());
    }
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
