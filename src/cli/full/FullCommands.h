#pragma once

#include "cli/Commands.h"

// The commands only zendrivo-cli-full runs, and the whole set it offers.
std::vector<CliCommand> TelephonyCommands();
std::vector<CliCommand> RemoteCommands();
std::vector<CliCommand> SyncCommands();
std::vector<CliCommand> ReportCommands();
// Whether the command paints (and so needs a GUI application on the offscreen platform).
bool CommandPaints(const QStringList& args);

// Every subcommand, in the order --help lists them.
const std::vector<CliCommand>& FullCommands();
