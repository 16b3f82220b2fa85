#include "cli/CliSession.h"
#include "cli/Commands.h"
#include "model/HelperThreads.h"
#include "model/ItemHeap.h"
#include "platform/LargePageHeap.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <unistd.h>

namespace {

char** g_argv = nullptr;

// Replaces this process with zendrivo-cli-full, installed beside it, on the
// same arguments; returns only when that cannot be started.
int RunInFullProgram(const QStringList& /*args: passed on as they came*/, QTextStream& out)
{
    const QByteArray program =
        QFile::encodeName(QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("zendrivo-cli-full")));
    out.flush();
    std::fflush(stdout);
    g_argv[0] = const_cast<char*>(program.constData());
    ::execv(program.constData(), g_argv);
    throw CliError(QStringLiteral("This command needs %1, which cannot be started: %2")
                       .arg(QFile::decodeName(program), QString::fromLocal8Bit(std::strerror(errno))));
}

// The commands of this program, then those it hands to zendrivo-cli-full.
// Those take the database's lock there, not here.
std::vector<CliCommand> Commands()
{
    std::vector<CliCommand> commands = CoreCommands();
    for (CliCommand c : FullOnlyCommandTexts()) {
        c.run = RunInFullProgram;
        c.changesDatabase = false;
        commands.push_back(std::move(c));
    }
    return commands;
}

} // namespace

int main(int argc, char** argv)
{
    LargePageHeap::Reserve();
    ItemHeap::PoolFromNowOn();
    HelperThreads::Allow(true);
    g_argv = argv;
    QCoreApplication app(argc, argv);
    return RunCliProgram(Commands());
}
