#include "cli/Commands.h"

#include "cli/CliSession.h"
#include "cli/WriterAccess.h"
#include "model/Exceptions.h"

#include <QCoreApplication>

#include <stdexcept>

std::vector<CliCommand> CoreCommands()
{
    std::vector<CliCommand> all;
    for (auto group : {DatabaseCommands, ImportCommands, DelimitedCommands, ExportCommands, FindCommands})
        for (CliCommand& c : group())
            all.push_back(std::move(c));
    return all;
}

const std::vector<CliCommand>& FullOnlyCommandTexts()
{
    static const std::vector<CliCommand> texts = {
        {QStringLiteral("dial-string"), QStringLiteral("dial-string NUMBER"),
         QStringLiteral("print the dial string the dial settings give for NUMBER"), {}},
        {QStringLiteral("devices"), QStringLiteral("devices [--port PATH]..."),
         QStringLiteral("list the line devices: index, name, state"), {}},
        {QStringLiteral("dial"), QStringLiteral("dial NUMBER [--device N | --port PATH] [--hangup-after SECONDS]"),
         QStringLiteral("dial NUMBER, print each call state, hang up on Enter"), {}},
        {QStringLiteral("calls"), QStringLiteral("calls [--device N | --port PATH] [--count N]"),
         QStringLiteral("print incoming calls' caller ID and keep them in the call history"), {}},
        {QStringLiteral("source"), QStringLiteral("source PATH [URL|FILE] [--replace]"),
         QStringLiteral("show or set a folder's source; an empty one makes it a plain folder"), {}, true},
        {QStringLiteral("refresh"), QStringLiteral("refresh PATH"),
         QStringLiteral("fetch a remote folder's source and print how many items it holds"), {}, true},
        {QStringLiteral("browser-url"), QStringLiteral("browser-url"),
         QStringLiteral("print the address and title of the browser's current page"), {}},
        {QStringLiteral("carddav"),
         QStringLiteral("carddav bind PATH URL --user NAME [--password-file FILE] | carddav unbind PATH"),
         QStringLiteral("bind the folder at PATH to a CardDAV address book (URL: the book, or only the server) or "
                        "unbind it"),
         {}},
        {QStringLiteral("sync"), QStringLiteral("sync [PATH] [--password-file FILE]"),
         QStringLiteral("sync the bound folder at PATH (default: every bound folder) with its address book"), {},
         true},
        {QStringLiteral("report"),
         QStringLiteral("report list|envelope|book|labels|reminders|simple --pdf FILE [--node PATH] [--title TEXT]"
                        " [--landscape] [--columns N] [--label NAME] [--from DATE --to DATE] [--return-file FILE]"
                        " [--envelope SIZE]"),
         QStringLiteral("print a report of the subtree at PATH (default My Contacts) to a PDF file"), {}},
        {QStringLiteral("labels"), QStringLiteral("labels"),
         QStringLiteral("list the label types: those stored in zvb.ini, then the installed label sheets"), {}},
    };
    return texts;
}

CliCommand FullOnlyCommand(const QString& name, std::function<int(const QStringList&, QTextStream&)> run)
{
    for (const CliCommand& c : FullOnlyCommandTexts()) {
        if (c.name == name) {
            CliCommand command = c;
            command.run = std::move(run);
            return command;
        }
    }
    throw std::logic_error("no full-only command " + name.toStdString());
}

namespace {
void PrintHelp(const std::vector<CliCommand>& commands, QTextStream& out)
{
    out << "Usage: zendrivo-cli COMMAND [ARGUMENTS]\n"
           "Works on the Zendrivo data directory ($ZENDRIVO_HOME, else ~/.local/share/zendrivo).\n"
           "A PATH names a node by its titles from the root down, joined by \"/\",\n"
           "for example \"My Contacts/Business/Acme\".\n\nCommands:\n";
    for (const CliCommand& c : commands)
        out << "  " << c.usage.leftJustified(58) << ' ' << c.summary << '\n';
}
} // namespace

int RunCli(const std::vector<CliCommand>& commands, const QStringList& args, QTextStream& out, QTextStream& err)
{
    if (args.isEmpty() || args[0] == u"--help" || args[0] == u"-h" || args[0] == u"help") {
        PrintHelp(commands, out);
        return args.isEmpty() ? 2 : 0;
    }
    for (const CliCommand& c : commands) {
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

int RunCliProgram(const std::vector<CliCommand>& commands)
{
    QCoreApplication::setApplicationName(QStringLiteral("zendrivo-cli"));
    CliSession::KeepTreesUntilExit();
    QTextStream out(stdout);
    QTextStream err(stderr);
    const int code = RunCli(commands, QCoreApplication::arguments().mid(1), out, err);
    out.flush();
    err.flush();
    return code;
}
