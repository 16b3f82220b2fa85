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

// Every subcommand, in the order --help lists them.
const std::vector<CliCommand>& AllCommands();

// The subcommands of each area, gathered by AllCommands().
std::vector<CliCommand> DatabaseCommands();
std::vector<CliCommand> DelimitedCommands();
std::vector<CliCommand> FindCommands();
std::vector<CliCommand> ImportCommands();
std::vector<CliCommand> ExportCommands();
std::vector<CliCommand> SyncCommands();
std::vector<CliCommand> ReportCliCommands();
// Whether the command paints (and so needs a GUI application on the offscreen platform).
bool CommandPaints(const QStringList& args);
std::vector<CliCommand> TelephonyCommands();
std::vector<CliCommand> RemoteCommands();

// Runs zendrivo-cli with its arguments (without the program name). Inside
// the desktop program (a CliSession::HostScope is open) commands work on its tree.
int RunCli(const QStringList& args, QTextStream& out, QTextStream& err);
