#include "automation/ActivationFile.h"

#include "automation/AutomationNames.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace {
QString DataHome()
{
    const QString fromEnvironment = qEnvironmentVariable("XDG_DATA_HOME");
    // Only an absolute path counts, as the base directory rules say.
    if (!fromEnvironment.isEmpty() && QDir::isAbsolutePath(fromEnvironment))
        return fromEnvironment;
    return QDir::homePath() + u"/.local/share";
}

// Exec lines quote arguments with spaces or the characters the bus treats specially.
QString ExecArgument(const QString& text)
{
    static const QString special = QStringLiteral(" \t\"'\\");
    bool plain = !text.isEmpty();
    for (QChar c : text)
        plain = plain && !special.contains(c);
    if (plain)
        return text;
    QString quoted = QStringLiteral("\"");
    for (QChar c : text) {
        if (c == u'"' || c == u'\\')
            quoted += u'\\';
        quoted += c;
    }
    return quoted + u'"';
}
} // namespace

namespace ActivationFile {

QString Path()
{
    return DataHome() + u"/dbus-1/services/" + AutomationNames::ServiceName() + u".service";
}

QString Text(const QString& programPath)
{
    return u"[D-BUS Service]\n# " + AutomationNames::Description() + u"\nName=" + AutomationNames::ServiceName()
        + u"\nExec=" + ExecArgument(programPath) + u" -AUTOMATION\n";
}

bool Write(const QString& programPath, QString* error)
{
    const QString path = Path();
    const QByteArray text = Text(programPath).toUtf8();
    QFile existing(path);
    const QFileInfo info(path);
    if (info.isFile() && info.size() == text.size() && existing.open(QIODevice::ReadOnly)
        && existing.read(text.size() + 1) == text)
        return true;
    existing.close();
    if (!QDir().mkpath(info.absolutePath())) {
        *error = QStringLiteral("Cannot create the folder %1").arg(info.absolutePath());
        return false;
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(text) != text.size() || !file.commit()) {
        *error = QStringLiteral("Cannot write %1: %2").arg(path, file.errorString());
        return false;
    }
    return true;
}

bool Remove(QString* error)
{
    const QString path = Path();
    if (!QFileInfo::exists(path))
        return true;
    QFile file(path);
    if (!file.remove()) {
        *error = QStringLiteral("Cannot remove %1: %2").arg(path, file.errorString());
        return false;
    }
    return true;
}

} // namespace ActivationFile
