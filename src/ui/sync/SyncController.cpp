#include "ui/sync/SyncController.h"

#include "model/ItemTree.h"
#include "model/TreeNode.h"
#include "model/ZVBObject.h"
#include "sync/Binding.h"
#include "sync/DavClient.h"
#include "sync/Discovery.h"
#include "sync/LocalApply.h"
#include "sync/RemoteSync.h"
#include "sync/SecretStore.h"
#include "sync/SyncState.h"
#include "model/Exceptions.h"

#include <QAction>
#include <QMenu>
#include <QThread>

#include <memory>

using namespace Qt::StringLiterals;

// What the network part of a round hands back to the window's thread.
struct SyncController::Outcome
{
    std::int32_t folderId = 0;
    QString title;
    Binding binding;
    QUrl book;
    FolderSyncState before;
    SyncPlan plan;
    QString error;
    int round = 0;
    SyncCounts total;
};

SyncController::SyncController(TItemTree& tree, QString profilePath, Hooks hooks, QObject* parent)
    : QObject(parent), m_tree(tree), m_profilePath(std::move(profilePath)), m_hooks(std::move(hooks))
{
    connect(&m_timer, &QTimer::timeout, this, &SyncController::SyncAll);
    RestartTimer();
}

SyncController::~SyncController()
{
    if (m_thread) {
        // The network part owns nothing of the tree: let it end on its own.
        m_thread->disconnect(this);
        m_thread->wait(DavClient::kTimeoutMs + 5000);
        delete m_thread;
    }
}

void SyncController::RestartTimer()
{
    const int minutes = Binding::IntervalMinutes(m_profilePath);
    if (minutes > 0)
        m_timer.start(minutes * 60 * 1000);
    else
        m_timer.stop();
}

bool SyncController::IsBound(const TTreeNode* node) const
{
    return node && Binding::Of(m_profilePath, node->Item()->Id()).has_value();
}

TTreeNode* SyncController::FolderWithId(std::int32_t id) const
{
    for (int i = 0; i < m_tree.Count(); ++i) {
        if (m_tree.NodeAt(i)->Item()->Id() == id)
            return m_tree.NodeAt(i);
    }
    return nullptr;
}

void SyncController::InstallMenuEntry(QMenu* menu, QAction* before, std::function<TTreeNode*()> node)
{
    auto* action = new QAction(u"&Sync now"_s, menu);
    action->setObjectName(u"SyncNow"_s);
    menu->insertAction(before, action);
    connect(menu, &QMenu::aboutToShow, action, [this, action, node] { action->setVisible(IsBound(node())); });
    connect(action, &QAction::triggered, this, [this, node] {
        if (TTreeNode* folder = node())
            SyncFolder(folder);
    });
}

bool SyncController::SyncFolder(TTreeNode* folder)
{
    if (!IsBound(folder))
        return false;
    const std::int32_t id = folder->Item()->Id();
    if (!m_queue.contains(id))
        m_queue.append(id);
    if (!m_thread)
        StartNext();
    return true;
}

void SyncController::SyncAll()
{
    for (const Binding& binding : Binding::All(m_profilePath)) {
        if (!m_queue.contains(binding.folderId) && FolderWithId(binding.folderId))
            m_queue.append(binding.folderId);
    }
    if (!m_thread)
        StartNext();
}

void SyncController::StartNext()
{
    while (!m_queue.isEmpty() && !m_thread) {
        TTreeNode* folder = FolderWithId(m_queue.takeFirst());
        if (folder)
            StartRound(folder, 0, {});
    }
}

bool SyncController::PasswordFor(const QString& url, const QString& user, QString& password)
{
    const QString key = user + u'@' + url;
    if (m_passwords.contains(key)) {
        password = m_passwords.value(key);
        return true;
    }
    if (user.isEmpty() || SecretStore::Read(url, user, password)
        || (m_hooks.askPassword && m_hooks.askPassword(url, user, password))) {
        m_passwords.insert(key, password);
        return true;
    }
    return false;
}

bool SyncController::StartRound(TTreeNode* folder, int round, SyncCounts total)
{
    const auto binding = Binding::Of(m_profilePath, folder->Item()->Id());
    if (!binding)
        return false;
    QString password;
    if (!PasswordFor(binding->url, binding->user, password)) {
        m_hooks.showStatus(u"Sync of %1 canceled: no password"_s.arg(folder->Item()->Title()));
        return false;
    }
    QString warning;
    const SyncState state = SyncState::Load(SyncState::DefaultPath(), &warning);
    auto outcome = std::make_shared<Outcome>();
    outcome->folderId = folder->Item()->Id();
    outcome->title = folder->Item()->Title();
    outcome->binding = *binding;
    outcome->book = QUrl(binding->url);
    outcome->before = state.ForFolder(outcome->folderId, binding->url);
    outcome->round = round;
    outcome->total = total;
    const LocalSnapshot snapshot = LocalApply::TakeSnapshot(folder);
    m_hooks.showStatus(u"Syncing %1 with its address book..."_s.arg(outcome->title));

    m_thread = QThread::create([outcome, snapshot, password] {
        DavClient client(outcome->binding.user, password);
        try {
            if (outcome->before.entries.empty() && outcome->before.syncToken.isEmpty()) {
                // A first sync: the address may name only the server.
                QString error;
                const QUrl found = Discovery::FindAddressBook(client, outcome->book, &error);
                if (found.isEmpty())
                    throw ESyncError(error);
                outcome->book = found;
                outcome->before.url = found.toString();
            }
            outcome->plan = RemoteSync::Run(client, outcome->book, snapshot, outcome->before);
        } catch (const ESyncError& e) {
            outcome->error = e.Message();
        }
    });
    connect(m_thread, &QThread::finished, this, [this, outcome] { RoundDone(*outcome); });
    m_thread->start();
    return true;
}

void SyncController::RoundDone(Outcome& outcome)
{
    m_thread->deleteLater();
    m_thread = nullptr;
    auto fail = [&](const QString& message) {
        const QString text = u"Sync of %1 failed: %2"_s.arg(outcome.title, message);
        m_hooks.showStatus(text);
        Q_EMIT Finished(false, text);
        StartNext();
    };
    if (!outcome.error.isEmpty())
        return fail(outcome.error);
    TTreeNode* folder = FolderWithId(outcome.folderId);
    if (!folder)
        return fail(u"the folder was deleted meanwhile"_s);

    SyncCounts round = outcome.plan.counts;
    SyncState state = SyncState::Load(SyncState::DefaultPath());
    const FolderSyncState after = LocalApply::Apply(folder, outcome.plan, outcome.before, round);
    SyncCounts counts = outcome.total;
    counts += round;
    if (outcome.book.toString() != outcome.binding.url) {
        Binding found = outcome.binding;
        found.url = outcome.book.toString();
        found.Store(m_profilePath);
        m_passwords.insert(found.user + u'@' + found.url, m_passwords.value(found.user + u'@' + outcome.binding.url));
    }
    // The database first: a state naming items the database lacks would
    // read as items deleted here. A round that changed nothing writes neither.
    state.SetFolder(outcome.folderId, after);
    if (round.ChangedLocally() || state.Changed()) {
        if (!m_hooks.saveDatabase())
            return fail(u"the database could not be saved"_s);
        try {
            state.Save(SyncState::DefaultPath());
        } catch (const EZendrivoError& e) {
            return fail(e.Message());
        }
    }
    if (outcome.plan.pushDeferred && outcome.round == 0 && StartRound(folder, 1, counts))
        return;
    const QString text = u"Synced %1: %2"_s.arg(outcome.title, counts.Describe());
    m_hooks.showStatus(text);
    Q_EMIT Finished(true, text);
    StartNext();
}
