#include "comm/TEmail.h"

#include "platform/DetachedProcessStarter.h"

#include <QFileInfo>
#include <QStandardPaths>

namespace {

DetachedProcessStarter& DefaultStarter()
{
    static DetachedProcessStarter starter;
    return starter;
}

// An address as the item exports it may come in double quotes.
QString Bare(const QString& address)
{
    QString text = address.trimmed();
    if (text.size() >= 2 && text.startsWith(u'"') && text.endsWith(u'"'))
        text = text.mid(1, text.size() - 2).trimmed();
    return text;
}

} // namespace

TEmail::TEmail(ProcessStarter* starter) : m_starter(starter ? starter : &DefaultStarter()) {}

int TEmail::Fail(int result, const QString& error)
{
    m_lastError = error;
    return result;
}

QStringList TEmail::Arguments() const
{
    QStringList args;
    for (const QString& address : CC) {
        if (!Bare(address).isEmpty())
            args << QStringLiteral("--cc") << Bare(address);
    }
    for (const QString& address : Bcc) {
        if (!Bare(address).isEmpty())
            args << QStringLiteral("--bcc") << Bare(address);
    }
    if (!Subject.isEmpty())
        args << QStringLiteral("--subject") << Subject;
    if (!Text.isEmpty())
        args << QStringLiteral("--body") << Text;
    for (const QString& path : Attachment)
        args << QStringLiteral("--attach") << QFileInfo(path).absoluteFilePath();
    for (const QString& address : Recipient) {
        if (!Bare(address).isEmpty())
            args << Bare(address);
    }
    return args;
}

int TEmail::Send()
{
    m_lastError.clear();
    if (Recipient.size() + CC.size() + Bcc.size() > kMaxRecipients)
        return Fail(TooManyRecipients, QStringLiteral("A message may go to at most %1 recipients").arg(kMaxRecipients));
    if (Attachment.size() > kMaxAttachments)
        return Fail(TooManyFiles, QStringLiteral("A message may carry at most %1 files").arg(kMaxAttachments));
    const QString program = Program.contains(u'/') ? Program : QStandardPaths::findExecutable(Program);
    if (program.isEmpty() || !QFileInfo(program).isExecutable())
        return Fail(LoginFailure, QStringLiteral("%1 is not installed, so no mail program can be opened "
                                                 "(it comes with the xdg-utils package)")
                                      .arg(Program));
    for (const QString& path : Attachment) {
        if (!QFileInfo(path).isFile())
            return Fail(AttachmentNotFound, QStringLiteral("The file to attach was not found: %1").arg(path));
    }
    const LaunchResult started = m_starter->start(program, Arguments(), QString());
    if (!started.ok)
        return Fail(Failure, started.error);
    return Success;
}
