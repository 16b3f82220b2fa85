#include "ui/shell/HandedCommand.h"

#include "cli/CliSession.h"
#include "cli/full/FullCommands.h"
#include "platform/DataPaths.h"
#include "ui/shell/DesktopDatabase.h"
#include "ui/shell/TMainForm.h"

#include <QDir>
#include <QTextStream>

namespace {
// The data directory is the program's current directory; a command borrows
// the sender's for its relative paths and gives it back.
class BorrowedDirectory
{
public:
    explicit BorrowedDirectory(const QString& directory) : m_entered(QDir::setCurrent(directory)) {}
    ~BorrowedDirectory() { DataPaths::EnterDataDirectory(); }
    BorrowedDirectory(const BorrowedDirectory&) = delete;
    BorrowedDirectory& operator=(const BorrowedDirectory&) = delete;
    bool Entered() const { return m_entered; }

private:
    bool m_entered;
};
} // namespace

HandOver::Reply RunHandedCommand(TMainForm& form, const QStringList& arguments, const QString& workingDirectory)
{
    HandOver::Reply reply;
    if (form.Database().ReadOnly()) {
        reply.err = QStringLiteral("zendrivo-cli: Zendrivo runs read-only because the database could not be loaded (%1)\n")
                        .arg(form.Database().LoadError());
        return reply;
    }
    {
        BorrowedDirectory directory(workingDirectory);
        if (!directory.Entered()) {
            reply.err = QStringLiteral("zendrivo-cli: Cannot enter %1\n").arg(workingDirectory);
            return reply;
        }
        QTextStream out(&reply.out);
        QTextStream err(&reply.err);
        // On its own the command line drops its tree when a command fails
        // before its save; here the tree is the user's, so it goes back to
        // how it was.
        const QByteArray before = form.Database().Snapshot();
        bool saved = false;
        CliSession::HostScope host(form.Tree(), [&form, &saved] {
            form.SaveForCommand();
            saved = true;
        });
        // Warnings go back to the sender's stderr, as the command line prints them.
        CliSession::SetWarningSink([&err](const QString& line) { err << "zendrivo-cli: warning: " << line << '\n'; });
        reply.exitCode = RunCli(FullCommands(), arguments, out, err);
        CliSession::SetWarningSink(nullptr);
        if (reply.exitCode != 0 && !saved && form.Database().Snapshot() != before)
            form.Database().ReplaceTree(before);
    }
    form.RefreshAfterCommand();
    return reply;
}
