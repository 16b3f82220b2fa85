#pragma once

#include <QDBusConnection>
#include <QHash>
#include <QObject>

class AutomationFactory;
class AutomationHost;
class ProcessWatch;
class QDBusServiceWatcher;
class ZivoAppObject;

// The automation service on one bus connection: the factory at
// "/ZiVo/Application", the service name "ZiVo.Application", and the registry
// of the clients' objects. Each object belongs to the bus client that made
// it, or to a process named at its creation (a shell script, whose every
// call is a connection of its own), and is released by "Release" or when
// its owner leaves. The count of live objects tells when the last goes.
class AutomationServer : public QObject
{
    Q_OBJECT

public:
    // Objects beyond this many are refused: a runaway client must not eat the memory.
    static constexpr int kMaxObjects = 4096;

    AutomationServer(AutomationHost& host, const QDBusConnection& connection, QObject* parent = nullptr);
    ~AutomationServer() override;

    // Publishes the factory and claims the service name; false with the
    // reason when the bus is missing or the name is taken.
    bool Start(QString* error);

    int ObjectCount() const { return static_cast<int>(m_objects.size()); }
    ZivoAppObject* Object(const QString& path) const;

    // A new object owned by the bus client or by the process; its path, or
    // an empty text with the reason.
    QString CreateForClient(const QString& busName, QString* error);
    QString CreateForProcess(qint64 pid, QString* error);
    void Release(ZivoAppObject* object);

Q_SIGNALS:
    // The count dropped to 0; sent once the call that released the last
    // object has been answered.
    void LastReleased();

private:
    struct Entry
    {
        ZivoAppObject* object = nullptr;
        QString owner;
    };

    QString Register(const QString& owner, QString* error);
    void ReleaseOwnedBy(const QString& owner);
    void Drop(const QString& path);
    bool Owns(const QString& owner) const;

    AutomationHost& m_host;
    QDBusConnection m_connection;
    AutomationFactory* m_factory = nullptr;
    QDBusServiceWatcher* m_clients = nullptr;
    QHash<QString, Entry> m_objects;
    QHash<qint64, ProcessWatch*> m_processes;
    quint32 m_nextNumber = 1;
    bool m_nameClaimed = false;
};
