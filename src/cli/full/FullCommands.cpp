#include "cli/full/FullCommands.h"

const std::vector<CliCommand>& FullCommands()
{
    static const std::vector<CliCommand> commands = [] {
        std::vector<CliCommand> all = CoreCommands();
        for (auto group : {TelephonyCommands, RemoteCommands, SyncCommands, ReportCommands})
            for (CliCommand& c : group())
                all.push_back(std::move(c));
        return all;
    }();
    return commands;
}
