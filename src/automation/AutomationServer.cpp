#include "automation/AutomationServer.h"

#include "automation/AutomationFactory.h"
#include "automation/AutomationNames.h"
#include "automation/ProcessWatch.h"
#include "automation/ZivoAppObject.h"

#include <QDBusConnectionInterface>
#include <QDBusServiceWatcher>
#include <QTimer>

namespace {
QString ClientOwner(const QString& busName)
{
    return u"bus:" + busName;
}

QString ProcessOwner(qint64 pid)
{
    return u"pid:" + QString::number(pid);
}
} // namespace

AutomationServer::AutomationServer(AutomationHost& host, const QDBusConnection& connection, QObject* parent)
    : QObject(parent), m_host(host), m_connection(connection)
{
    m_clients = new QDBusServiceWatcher(this);
    m_clients->setConnection(m_connection);
    m_clients->setWatchMode(QDBusServiceWatcher::WatchForUnregistration);
    connect(m_clients, &QDBusServiceWatcher::serviceUnregistered, this, [this](const QString& name) {
        m_clients->removeWatchedService(name);
        ReleaseOwnedBy(ClientOwner(name));
    });
}

AutomationServer::~AutomationServer()
{
    const QStringList paths = m_objects.keys();
    for (const QString& path : paths) {
        m_connection.unregisterObject(path);
        delete m_objects.value(path).object;
    }
    m_objects.clear();
    if (m_factory) {
        m_connection.unregisterObject(AutomationNames::FactoryPath());
        delete m_factory;
    }
    if (m_nameClaimed)
        m_connection.unregisterService(AutomationNames::ServiceName());
}

bool AutomationServer::Start(QString* error)
{
    if (!m_connection.isConnected()) {
        *error = QStringLiteral("There is no session bus: %1").arg(m_connection.lastError().message());
        return false;
    }
    if (!m_factory) {
        m_factory = new AutomationFactory(*this);
        if (!m_connection.registerObject(AutomationNames::FactoryPath(), m_factory,
                                         QDBusConnection::ExportScriptableSlots)) {
            delete m_factory;
            m_factory = nullptr;
            *error = QStringLiteral("The path %1 is taken on the session bus").arg(AutomationNames::FactoryPath());
            return false;
        }
    }
    if (!m_connection.registerService(AutomationNames::ServiceName())) {
        *error = QStringLiteral("Another program holds the name %1 on the session bus")
                     .arg(AutomationNames::ServiceName());
        return false;
    }
    m_nameClaimed = true;
    return true;
}

ZivoAppObject* AutomationServer::Object(const QString& path) const
{
    return m_objects.value(path).object;
}

QString AutomationServer::Register(const QString& owner, QString* error)
{
    if (ObjectCount() >= kMaxObjects) {
        *error = QStringLiteral("Too many automation objects (%1)").arg(kMaxObjects);
        return {};
    }
    const QString path = AutomationNames::ObjectPath(m_nextNumber++);
    auto* object = new ZivoAppObject(m_host, *this, path);
    if (!m_connection.registerObject(path, object, QDBusConnection::ExportScriptableSlots)) {
        delete object;
        *error = QStringLiteral("The path %1 is taken on the session bus").arg(path);
        return {};
    }
    m_objects.insert(path, Entry{object, owner});
    return path;
}

bool AutomationServer::Owns(const QString& owner) const
{
    for (const Entry& entry : m_objects) {
        if (entry.owner == owner)
            return true;
    }
    return false;
}

QString AutomationServer::CreateForClient(const QString& busName, QString* error)
{
    if (busName.isEmpty()) {
        *error = QStringLiteral("Objects are made for clients on the bus only");
        return {};
    }
    const QString owner = ClientOwner(busName);
    if (!Owns(owner)) {
        m_clients->addWatchedService(busName);
        // A client that left before the watch began is never announced.
        if (!m_connection.interface()->isServiceRegistered(busName).value()) {
            m_clients->removeWatchedService(busName);
            *error = QStringLiteral("The client %1 has left the bus").arg(busName);
            return {};
        }
    }
    return Register(owner, error);
}

QString AutomationServer::CreateForProcess(qint64 pid, QString* error)
{
    const QString owner = ProcessOwner(pid);
    if (!m_processes.contains(pid)) {
        auto* watch = new ProcessWatch(this);
        if (!watch->Watch(pid, error)) {
            delete watch;
            return {};
        }
        connect(watch, &ProcessWatch::Ended, this, [this](qint64 ended) {
            if (ProcessWatch* gone = m_processes.take(ended))
                gone->deleteLater();
            ReleaseOwnedBy(ProcessOwner(ended));
        });
        m_processes.insert(pid, watch);
    }
    return Register(owner, error);
}

void AutomationServer::Release(ZivoAppObject* object)
{
    const QString path = object->Path();
    const QString owner = m_objects.value(path).owner;
    Drop(path);
    if (Owns(owner))
        return;
    // The owner's last object went: stop watching it.
    if (owner.startsWith(u"bus:")) {
        m_clients->removeWatchedService(owner.sliced(4));
    } else if (owner.startsWith(u"pid:")) {
        if (ProcessWatch* watch = m_processes.take(owner.sliced(4).toLongLong()))
            watch->deleteLater();
    }
}

void AutomationServer::ReleaseOwnedBy(const QString& owner)
{
    const QStringList paths = m_objects.keys();
    for (const QString& path : paths) {
        if (m_objects.value(path).owner == owner)
            Drop(path);
    }
}

void AutomationServer::Drop(const QString& path)
{
    const Entry entry = m_objects.take(path);
    if (!entry.object)
        return;
    m_connection.unregisterObject(path);
    // The object may be answering its own "Release" right now.
    entry.object->deleteLater();
    if (m_objects.isEmpty()) {
        QTimer::singleShot(0, this, [this] {
            if (m_objects.isEmpty())
                Q_EMIT LastReleased();
        });
    }
}
