#pragma once

#include "sync/SyncPlan.h"

#include <QHash>
#include <QList>
#include <QUrl>
#include <QObject>
#include <QString>
#include <QTimer>

#include <cstdint>
#include <functional>

class QAction;
class QMenu;
class QThread;
class TItemTree;
class TTreeNode;

// Keeps the bound folders in step with their address books while the
// program runs: when such a folder is selected, on "Sync now", and every
// few minutes. One sync runs at a time; the window stays usable meanwhile,
// and an item the user changes during the sync is never overwritten.
class SyncController : public QObject
{
    Q_OBJECT

public:
    struct Hooks
    {
        std::function<bool()> saveDatabase;               // false when the save failed (and was reported)
        std::function<void(const QString&)> showStatus;   // the status bar's first panel
        std::function<void(const QString&)> showError;    // a message box
        std::function<bool(const QString& url, const QString& user, QString& password)> askPassword;
    };

    SyncController(TItemTree& tree, QString profilePath, Hooks hooks, QObject* parent = nullptr);
    ~SyncController() override;

    bool IsBound(const TTreeNode* node) const;
    // Starts a sync of the folder unless one is running; false when it is not bound.
    bool SyncFolder(TTreeNode* folder);
    // Adds "&Sync now" to the menu, shown when the node the function names is a bound folder.
    void InstallMenuEntry(QMenu* menu, QAction* before, std::function<TTreeNode*()> node);
    bool Running() const { return m_thread != nullptr; }

    // Re-reads the interval from the settings.
    void RestartTimer();

Q_SIGNALS:
    void Finished(bool ok, const QString& message);

private:
    struct Outcome;

    void SyncAll();
    void StartNext();
    TTreeNode* FolderWithId(std::int32_t id) const;
    bool StartRound(TTreeNode* folder, int round, SyncCounts total);
    void RoundDone(Outcome& outcome);
    bool PasswordFor(const QString& url, const QString& user, QString& password);

    TItemTree& m_tree;
    QString m_profilePath;
    Hooks m_hooks;
    QTimer m_timer;
    QThread* m_thread = nullptr;
    QHash<QString, QString> m_passwords; // asked this session, by user@url
    QList<std::int32_t> m_queue;         // folders waiting for their sync
};
