#include "cli/CliSession.h"
#include "cli/full/FullCommands.h"
#include "comm/CallHistory.h"
#include "comm/DialString.h"
#include "comm/ModemDirectory.h"
#include "comm/TDialSettings.h"
#include "comm/TetLine.h"
#include "model/Clock.h"
#include "model/Finder.h"
#include "model/TreeNode.h"
#include "model/ZVBObject.h"
#include "platform/DataPaths.h"
#include "platform/ProfileFile.h"

#include <QEventLoop>
#include <QLocale>
#include <QSocketNotifier>
#include <QTimer>

#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

namespace {

// The values of an option that may be given more than once.
QStringList AllValues(const QStringList& args, const QString& option)
{
    QStringList values;
    for (qsizetype i = 0; i + 1 < args.size(); ++i) {
        if (args[i] == option)
            values << args[i + 1];
    }
    return values;
}

int ParseCount(const QString& text, const QString& what, int minimum)
{
    bool ok = false;
    const int value = text.toInt(&ok);
    if (!ok || value < minimum)
        throw CliError(what + u" must be a whole number of at least " + QString::number(minimum));
    return value;
}

// Ctrl+C and SIGTERM end a wait the way Enter does, so the modem is left
// on hook and with caller ID off.
class Interrupt
{
public:
    Interrupt()
    {
        if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, s_fds) != 0)
            return;
        m_notifier = std::make_unique<QSocketNotifier>(s_fds[1], QSocketNotifier::Read);
        struct sigaction action {};
        action.sa_handler = [](int) {
            const char byte = 1;
            [[maybe_unused]] const ssize_t n = ::write(s_fds[0], &byte, 1);
        };
        ::sigemptyset(&action.sa_mask);
        ::sigaction(SIGINT, &action, &m_oldInt);
        ::sigaction(SIGTERM, &action, &m_oldTerm);
    }
    ~Interrupt()
    {
        if (!m_notifier)
            return;
        ::sigaction(SIGINT, &m_oldInt, nullptr);
        ::sigaction(SIGTERM, &m_oldTerm, nullptr);
        m_notifier.reset();
        ::close(s_fds[0]);
        ::close(s_fds[1]);
    }
    QSocketNotifier* Notifier() const { return m_notifier.get(); }

private:
    static inline int s_fds[2] = {-1, -1};
    std::unique_ptr<QSocketNotifier> m_notifier;
    struct sigaction m_oldInt {};
    struct sigaction m_oldTerm {};
};

// Opens the line on --port or --device (else the dial settings' device);
// throws with one clear line when it cannot.
void OpenLine(TetLine& line, const CliArguments& options, const TDialSettings& settings)
{
    if (options.Has(QStringLiteral("--port")) && options.Has(QStringLiteral("--device")))
        throw CliError(QStringLiteral("give either --device or --port, not both"));
    line.SetCommandTimeout(ModemDirectory::NamedPortTimeout);
    if (options.Has(QStringLiteral("--port"))) {
        line.UsePort(options.Value(QStringLiteral("--port")), TDialSettings::ReadModemSetup().speed);
    } else {
        const int device = options.Has(QStringLiteral("--device"))
            ? ParseCount(options.Value(QStringLiteral("--device")), QStringLiteral("--device"), 0)
            : settings.DeviceID;
        if (!line.SetDeviceId(device))
            throw CliError(u"there is no line device " + QString::number(device) + u" (see zendrivo-cli devices)");
    }
    if (!line.SetActive(true)) {
        const QString why = line.LastFailure().isEmpty() ? line.ErrorText() : line.LastFailure();
        throw CliError(u"cannot open the line: " + why);
    }
}

int DialStringCommand(const QStringList& args, QTextStream& out)
{
    const CliArguments options(args, {}, {});
    if (options.Positional().size() != 1)
        throw CliError(QStringLiteral("dial-string needs exactly one NUMBER"));
    TDialSettings settings;
    settings.Load();
    out << DialString::Build(settings, options.Positional()[0]).dialString << '\n';
    return 0;
}

int Devices(const QStringList& args, QTextStream& out)
{
    const CliArguments options(args, {QStringLiteral("--port")}, {});
    if (!options.Positional().isEmpty())
        throw CliError(QStringLiteral("devices takes no arguments besides --port PATH"));
    TDialSettings::ModemSetup setup = TDialSettings::ReadModemSetup();
    setup.ports << AllValues(args, QStringLiteral("--port"));
    const auto& devices = ModemDirectory::Devices(setup.ports, setup.speed);
    for (qsizetype i = 0; i < devices.size(); ++i) {
        const LineDeviceInfo& device = devices.at(i);
        const QString state = device.inUse ? QStringLiteral("in use")
            : device.available          ? QStringLiteral("available")
                                        : QStringLiteral("unavailable");
        out << i << '\t' << ModemDirectory::DisplayName(device) << '\t' << state << '\n';
    }
    return 0;
}

int Dial(const QStringList& args, QTextStream& out)
{
    const CliArguments options(args, {QStringLiteral("--device"), QStringLiteral("--port"), QStringLiteral("--hangup-after")}, {});
    if (options.Positional().size() != 1)
        throw CliError(QStringLiteral("dial needs exactly one NUMBER"));
    const int hangupAfter = options.Has(QStringLiteral("--hangup-after"))
        ? ParseCount(options.Value(QStringLiteral("--hangup-after")), QStringLiteral("--hangup-after"), 0)
        : -1;
    TDialSettings settings;
    settings.Load();
    const QString dialString = DialString::Build(settings, options.Positional()[0]).dialString;

    TetLine line;
    OpenLine(line, options, settings);
    line.SetPulseDialing(settings.DialMode == TDialMode::dmPulse);
    line.SetPhoneNumber(dialString);
    QEventLoop loop;
    QObject::connect(&line, &TetLine::CallStateChanged, &loop, [&](TetLine::CallState state) {
        out << TetLine::StateText(state) << '\n';
        out.flush();
        if (state == TetLine::CallState::Idle)
            loop.quit();
    });
    QString failure;
    QObject::connect(&line, &TetLine::OnError, &loop, [&] {
        failure = line.LastFailure().isEmpty() ? line.ErrorText() : line.LastFailure();
        if (!line.HasCall())
            loop.quit();
    });
    out << "Dial " << dialString << '\n';
    out.flush();
    if (!line.Dial())
        throw CliError(u"cannot dial " + dialString + u": " + line.ErrorText());

    // Enter or the time hangs up; the end of input does not.
    QSocketNotifier input(STDIN_FILENO, QSocketNotifier::Read);
    QObject::connect(&input, &QSocketNotifier::activated, &loop, [&] {
        char buffer[256];
        const ssize_t n = ::read(STDIN_FILENO, buffer, sizeof buffer);
        if (n <= 0)
            input.setEnabled(false);
        else if (QByteArrayView(buffer, n).contains('\n'))
            line.Hangup();
    });
    Interrupt interrupt;
    if (interrupt.Notifier())
        QObject::connect(interrupt.Notifier(), &QSocketNotifier::activated, &loop, [&] { line.Hangup(); });
    if (hangupAfter >= 0)
        QTimer::singleShot(hangupAfter * 1000, &loop, [&] { line.Hangup(); });
    if (line.HasCall())
        loop.exec();
    line.SetActive(false);
    if (!failure.isEmpty())
        throw CliError(failure);
    return 0;
}

int Calls(const QStringList& args, QTextStream& out)
{
    const CliArguments options(args, {QStringLiteral("--device"), QStringLiteral("--port"), QStringLiteral("--count")}, {});
    if (!options.Positional().isEmpty())
        throw CliError(QStringLiteral("calls takes no arguments besides its options"));
    const int count = options.Has(QStringLiteral("--count"))
        ? ParseCount(options.Value(QStringLiteral("--count")), QStringLiteral("--count"), 1)
        : -1;
    CliSession session;
    TDialSettings settings;
    settings.Load();
    const ProfileFile profile(ProfileFile::Default());
    const int keep = qBound(0, profile.ReadInteger(QStringLiteral("Settings"), QStringLiteral("CallerHistory"),
                                                   CallHistory::DefaultSize),
                            CallHistory::MaxSize);
    CallHistory history;
    history.Load(CallHistory::DefaultFile());

    TetLine line;
    OpenLine(line, options, settings);
    if (!line.CallerIdSupported()) {
        line.SetActive(false);
        throw CliError(QStringLiteral("the modem does not report caller ID"));
    }
    QEventLoop loop;
    int calls = 0;
    QString failure;
    QObject::connect(&line, &TetLine::OnCallerID, &loop, [&] {
        const QDateTime now = Clock::Now();
        const QLocale locale;
        const QString number = line.CallerID().Number();
        const Finder::Match match = Finder::LocatePhone(session.Tree(), 0, number);
        QString path;
        if (match) {
            path = TItemTree::PathOf(match.node);
            if (match.leaf)
                path += u'/' + match.leaf->Title();
        }
        out << locale.toString(now.date(), QLocale::ShortFormat) << '\t' << now.time().toString(QStringLiteral("HH:mm:ss"))
            << '\t' << number << '\t' << line.CallerID().Name() << '\t' << path << '\n';
        out.flush();
        history.AddCall(line.CallerID().Name(), number, now, keep);
        history.Save(CallHistory::DefaultFile());
        if (++calls == count)
            loop.quit();
    });
    QObject::connect(&line, &TetLine::OnError, &loop, [&] {
        if (!line.Active()) {
            failure = line.LastFailure().isEmpty() ? line.ErrorText() : line.LastFailure();
            loop.quit();
        }
    });
    Interrupt interrupt;
    if (interrupt.Notifier())
        QObject::connect(interrupt.Notifier(), &QSocketNotifier::activated, &loop, &QEventLoop::quit);
    loop.exec();
    line.SetActive(false);
    if (!failure.isEmpty())
        throw CliError(failure);
    return 0;
}

} // namespace

std::vector<CliCommand> TelephonyCommands()
{
    return {FullOnlyCommand(QStringLiteral("dial-string"), DialStringCommand),
            FullOnlyCommand(QStringLiteral("devices"), Devices), FullOnlyCommand(QStringLiteral("dial"), Dial),
            FullOnlyCommand(QStringLiteral("calls"), Calls)};
}
