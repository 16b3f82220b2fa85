#include "cli/Commands.h"

#include "cli/CliSession.h"
#include "cli/WriterAccess.h"
#include "model/Exceptions.h"

const std::vector<CliCommand>& AllCommands()
{
    static const std::vector<CliCommand> commands = [] {
        std::vector<CliCommand> all;
        for (auto group : {DatabaseCommands,
                           ImportCommands,
                           DelimitedCommands,
                           ExportCommands,
                           FindCommands,
                           SyncCommands,
                           ReportCliCommands,
                           TelephonyCommands,
                           RemoteCommands})
            for (CliCommand& c : group())
                all.push_back(std::move(c));
        return all;
    }();
    return commands;
}

namespace {
void PrintHelp(QTextStream& out)
{
    out << "Usage: zendrivo-cli COMMAND [ARGUMENTS]\n"
           "Works on the Zendrivo data directory ($ZENDRIVO_HOME, else ~/.local/share/zendrivo).\n"
           "A PATH names a node by its titles from the root down, joined by \"/\",\n"
           "for example \"My Contacts/Business/Acme\".\n\nCommands:\n";
    for (const CliCommand& c : AllCommands())
        out << "  " << c.usage.leftJustified(58) << ' ' << c.summary << '\n';
}
} // namespace

int RunCli(const QStringList& args, QTextStream& out, QTextStream& err)
{
    if (args.isEmpty() || args[0] == u"--help" || args[0] == u"-h" || args[0] == u"help") {
        PrintHelp(out);
        return args.isEmpty() ? 2 : 0;
    }
    for (const CliCommand& c : AllCommands()) {
        if (c.name != args[0])
            continue;
        try {
            WriterAccess access;
            if (c.changesDatabase && !CliSession::Hosted()) {
                if (const auto handedOver = access.Acquire(args, out, err))
                    return *handedOver;
            }
            return c.run(args.mid(1), out);
        } catch (const CliError& e) {
            err << "zendrivo-cli: " << e.Message() << '\n';
        } catch (const EZendrivoError& e) {
            err << "zendrivo-cli: " << e.Message() << '\n';
        } catch (const std::exception& e) {
            err << "zendrivo-cli: " << e.what() << '\n';
        }
        return 1;
    }
    err << "zendrivo-cli: unknown command " << args[0] << " (see zendrivo-cli --help)\n";
    return 2;
}
