#pragma once

#include "platform/DatabaseLock.h"
#include "platform/HandOverMessage.h"

#include <QObject>
#include <QPointer>
#include <QStringList>

#include <deque>
#include <functional>

class QLocalServer;
class QLocalSocket;

// Lets one Zendrivo run per user and data directory. The database lock
// decides which start is the first: it keeps the lock for its whole run and
// listens on a local socket named for user and directory. A later start
// hands its whole argument list over and ends without touching the
// database; zendrivo-cli hands over the commands that change the database,
// which run here on the live tree.
class TPBJustOne : public QObject
{
    Q_OBJECT

public:
    explicit TPBJustOne(QString name = DefaultName(), QString dataDirectory = QString(), QObject* parent = nullptr);
    ~TPBJustOne() override;

    // The socket name for this user and data directory.
    static QString DefaultName();

    enum class Start {
        First,      // this process owns the database and listens
        HandedOver, // a running instance took the arguments: end now
        Busy,       // the database stayed locked by a process that does not listen
    };
    // Hands the arguments to a running instance, or takes the database lock
    // and listens, retrying either for up to waitMs.
    Start Begin(const QStringList& arguments, int waitMs = 10000);
    // "The database is in use by process N", after Busy.
    QString BusyMessage() const { return m_lock.InUseMessage(); }

    // Runs one handed-over command (arguments, the sender's working
    // directory) and answers with its output and exit status.
    using CommandRunner = std::function<HandOver::Reply(const QStringList&, const QString&)>;
    void SetCommandRunner(CommandRunner runner) { m_runner = std::move(runner); }
    // Commands wait while this says the program is busy (a modal dialog is open).
    void SetBusyCheck(std::function<bool()> busy) { m_busy = std::move(busy); }

Q_SIGNALS:
    // A later start's arguments arrived.
    void ArgumentsReceived(const QStringList& arguments);

private:
    struct Pending
    {
        QPointer<QLocalSocket> socket;
        HandOver::Request request;
    };

    bool SendArguments(const QStringList& arguments);
    bool Listen();
    void ReadConnection();
    void ReadFrames(QLocalSocket* socket);
    void RunPending();

    QString m_name;
    DatabaseLock m_lock;
    QLocalServer* m_server = nullptr;
    CommandRunner m_runner;
    std::function<bool()> m_busy;
    std::deque<Pending> m_pending;
    bool m_running = false;
    bool m_retryQueued = false;
};
