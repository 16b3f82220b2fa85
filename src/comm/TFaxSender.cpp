#include "comm/TFaxSender.h"

#include "comm/TTimeCounter.h"
#include "comm/WaitPump.h"
#include "platform/ShellLauncher.h"

#include <QFileInfo>
#include <QProcess>

TFaxSender::TFaxSender(QString command) : m_command(std::move(command))
{
    if (m_command.trimmed().isEmpty())
        m_command = QString::fromUtf16(kDefaultCommand);
}

QStringList TFaxSender::CommandFor(const QString& name, const QString& number, const QString& file) const
{
    // A path that names no file sends the fax without it.
    const QString existing = !file.isEmpty() && QFileInfo(file).isFile() ? QFileInfo(file).absoluteFilePath() : QString();
    QStringList command;
    for (QString word : ShellLauncher::SplitArguments(m_command)) {
        if (word == u"%f" && existing.isEmpty())
            continue;
        word.replace(QStringLiteral("%n"), number).replace(QStringLiteral("%t"), name).replace(QStringLiteral("%f"), existing);
        command.append(word);
    }
    return command;
}

TFaxSender::Result TFaxSender::Send(const QString& name, const QString& number, const QString& file)
{
    const QStringList command = CommandFor(name, number, file);
    const QString program = command.value(0);
    const QString failed = QStringLiteral("Unable to send Fax using %1").arg(QFileInfo(program).fileName());
    QProcess process;
    process.setProgram(program);
    process.setArguments(command.mid(1));
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start();
    if (!process.waitForStarted(10000))
        return {false, failed + u"\n\n" + process.errorString()};
    TTimeCounter counter;
    counter.Start(TimeOut);
    while (process.state() != QProcess::NotRunning && !counter.TimedOut())
        WaitPump::Pump();
    counter.Stop();
    if (process.state() != QProcess::NotRunning) {
        process.kill();
        process.waitForFinished(5000);
        return {false, failed + QStringLiteral("\n\nThe command did not end within %1 seconds.").arg(TimeOut)};
    }
    const QString said = QString::fromLocal8Bit(process.readAll()).trimmed().left(2000);
    if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0) {
        const QString detail = said.isEmpty() ? QStringLiteral("The command ended with code %1.").arg(process.exitCode()) : said;
        return {false, failed + u"\n\n" + detail};
    }
    return {true, {}};
}
