#pragma once

#include <QString>
#include <QStringList>
#include <QTextStream>

#include <functional>
#include <vector>

// One subcommand of zendrivo-cli. run gets the arguments after the
// subcommand's name and returns the exit code; failures throw CliError.
struct CliCommand
{
    QString name;
    QString usage;   // "tree [PATH]"
    QString summary; // one line for --help
    std::function<int(const QStringList& args, QTextStream& out)> run;
    // True for a command that saves the database: it runs only as the
    // database's one owner, or inside the desktop program when that owns it.
    bool changesDatabase = false;
};

// The subcommands of each area that zendrivo-cli runs itself.
std::vector<CliCommand> DatabaseCommands();
std::vector<CliCommand> DelimitedCommands();
std::vector<CliCommand> FindCommands();
std::vector<CliCommand> ImportCommands();
std::vector<CliCommand> ExportCommands();

// All of those, in the order --help lists them.
std::vector<CliCommand> CoreCommands();

// The subcommands that use the network, the telephone line, the printer or
// the desktop's secret store ("refresh", "dial", "report", "sync", ...).
// Their code lives in zendrivo-cli-full, so that every other command starts
// without loading the network, printing, GUI and D-Bus libraries;
// zendrivo-cli hands them to that program. This is the one
// list of their names and help texts; run is left empty here.
const std::vector<CliCommand>& FullOnlyCommandTexts();
// The entry of that list called name, run by run.
CliCommand FullOnlyCommand(const QString& name, std::function<int(const QStringList&, QTextStream&)> run);

// Runs a command line (without the program name) with the given commands.
// Inside the desktop program (a CliSession::HostScope is open) commands
// work on its tree.
int RunCli(const std::vector<CliCommand>& commands, const QStringList& args, QTextStream& out, QTextStream& err);

// The body of a command-line program's main(), once its application object
// exists: runs the program's arguments on stdout and stderr.
int RunCliProgram(const std::vector<CliCommand>& commands);
