#include "platform/DetachedProcessStarter.h"

#include <QProcess>
#include <QRegularExpression>

namespace {
// QProcess names the failing call ("execv: No such file or directory"); the
// user wants to know what could not be started and why.
QString FailureMessage(const QString& program, const QString& workingDirectory, const QString& qtError)
{
    static const QRegularExpression callPrefix(QStringLiteral("^([a-z_]+): (.*)$"));
    const auto match = callPrefix.match(qtError);
    if (!match.hasMatch())
        return QStringLiteral("Cannot start %1: %2").arg(program, qtError);
    if (match.captured(1) == u"chdir")
        return QStringLiteral("Cannot start %1 in %2: %3").arg(program, workingDirectory, match.captured(2));
    return QStringLiteral("Cannot start %1: %2").arg(program, match.captured(2));
}
} // namespace

LaunchResult DetachedProcessStarter::start(const QString& program, const QStringList& arguments,
                                           const QString& workingDirectory)
{
    QProcess process;
    process.setProgram(program);
    process.setArguments(arguments);
    process.setWorkingDirectory(workingDirectory);
    if (process.startDetached())
        return {true, {}};
    return {false, FailureMessage(program, workingDirectory, process.errorString())};
}
