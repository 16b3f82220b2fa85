#include "platform/DataPaths.h"

#include <QDir>

namespace {
QString FromEnvironmentOrHome(const char* variable, const QString& fallbackBelowHome)
{
    const QString value = qEnvironmentVariable(variable);
    if (!value.isEmpty())
        return value;
    return QDir::homePath() + u'/' + fallbackBelowHome;
}
} // namespace

QString DataPaths::DataDirectory()
{
    const QString home = qEnvironmentVariable("ZENDRIVO_HOME");
    if (!home.isEmpty())
        return QDir(home).absolutePath();
    return FromEnvironmentOrHome("XDG_DATA_HOME", QStringLiteral(".local/share")) + QStringLiteral("/zendrivo");
}

QString DataPaths::ConfigDirectory()
{
    const QString home = qEnvironmentVariable("ZENDRIVO_HOME");
    if (!home.isEmpty())
        return QDir(home).absolutePath();
    return FromEnvironmentOrHome("XDG_CONFIG_HOME", QStringLiteral(".config")) + QStringLiteral("/zendrivo");
}

bool DataPaths::EnterDataDirectory(QString* error)
{
    const QString dir = DataDirectory();
    if (!QDir().mkpath(dir) || !QDir::setCurrent(dir)) {
        if (error)
            *error = QStringLiteral("Cannot use the data directory %1").arg(dir);
        return false;
    }
    return true;
}
