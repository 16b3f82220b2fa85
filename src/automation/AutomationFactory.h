#pragma once

#include <QDBusContext>
#include <QDBusObjectPath>
#include <QObject>

class AutomationServer;

// "/ZiVo/Application": hands each client an object of its own.
class AutomationFactory : public QObject, protected QDBusContext
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "ZiVo.Application.Factory")

public:
    explicit AutomationFactory(AutomationServer& server) : m_server(server) {}

public Q_SLOTS:
    // An object released when the caller leaves the bus.
    Q_SCRIPTABLE QDBusObjectPath Create();
    // An object released when the process ends (or by "Release"), for
    // clients that open a new connection for every call.
    Q_SCRIPTABLE QDBusObjectPath CreateForProcess(uint pid);
    Q_SCRIPTABLE int ObjectCount();

private:
    QDBusObjectPath Answer(const QString& path, const QString& error);

    AutomationServer& m_server;
};
