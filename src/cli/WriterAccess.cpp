#include "cli/WriterAccess.h"

#include "cli/CliSession.h"
#include "cli/HandOverClient.h"
#include "platform/DataPaths.h"

#include <QDeadlineTimer>
#include <QDir>

namespace {
WriterAccess* current = nullptr;
// A command handed to the desktop program may wait there behind an open
// dialog; it gets longer than the lock.
constexpr int kAnswerTimeoutMs = 60000;
} // namespace

WriterAccess::WriterAccess() : m_previous(current)
{
    current = this;
}

WriterAccess::~WriterAccess()
{
    current = m_previous;
}

WriterAccess* WriterAccess::Current()
{
    return current && current->m_lock && current->m_lock->IsLocked() ? current : nullptr;
}

std::optional<int> WriterAccess::Acquire(const QStringList& arguments, QTextStream& out, QTextStream& err, int waitMs)
{
    const QString directory = DataPaths::DataDirectory();
    if (!QDir().mkpath(directory))
        throw CliError(QStringLiteral("Cannot use the data directory %1").arg(directory));
    m_lock.emplace(directory);
    const QString workingDirectory = QDir::currentPath();
    HandOverClient client;
    const QDeadlineTimer deadline(waitMs);
    while (true) {
        // The desktop program listens only while it holds the lock, so a
        // listener means the command must run there.
        switch (client.Send(arguments, workingDirectory, kAnswerTimeoutMs)) {
        case HandOverClient::Outcome::Answered:
            out << client.Reply().out;
            err << client.Reply().err;
            return client.Reply().exitCode;
        case HandOverClient::Outcome::TimedOut:
            throw CliError(m_lock->InUseMessage() + QStringLiteral(", which did not answer"));
        case HandOverClient::Outcome::NoListener:
        case HandOverClient::Outcome::NoAnswer:
            // Not started yet or ending: try the lock, then ask again.
            break;
        }
        if (m_lock->TryLock(static_cast<int>(qMin<qint64>(deadline.remainingTime(), 100))))
            return std::nullopt;
        if (deadline.hasExpired())
            throw CliError(m_lock->InUseMessage());
    }
}
