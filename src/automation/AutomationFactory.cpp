#include "automation/AutomationFactory.h"

#include "automation/AutomationNames.h"
#include "automation/AutomationServer.h"

#include <QDBusMessage>

QDBusObjectPath AutomationFactory::Answer(const QString& path, const QString& error)
{
    if (path.isEmpty()) {
        sendErrorReply(AutomationNames::ErrorFailed(), error);
        return {};
    }
    return QDBusObjectPath(path);
}

QDBusObjectPath AutomationFactory::Create()
{
    QString error;
    const QString path = m_server.CreateForClient(calledFromDBus() ? message().service() : QString(), &error);
    return Answer(path, error);
}

QDBusObjectPath AutomationFactory::CreateForProcess(uint pid)
{
    QString error;
    const QString path = m_server.CreateForProcess(static_cast<qint64>(pid), &error);
    return Answer(path, error);
}

int AutomationFactory::ObjectCount()
{
    return m_server.ObjectCount();
}
