#include "comm/ModemPort.h"

#include <QEventLoop>
#include <QPointer>
#include <QSet>
#include <QSocketNotifier>
#include <QTimer>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <termios.h>
#include <unistd.h>

#include <utility>

namespace {

QSet<QString>& OpenPaths()
{
    static QSet<QString> paths;
    return paths;
}

speed_t SpeedConstant(int speed)
{
    switch (speed) {
    case 1200: return B1200;
    case 2400: return B2400;
    case 4800: return B4800;
    case 9600: return B9600;
    case 19200: return B19200;
    case 38400: return B38400;
    case 57600: return B57600;
    case 230400: return B230400;
    case 460800: return B460800;
    default: return B115200;
    }
}

QString SystemError()
{
    return QString::fromLocal8Bit(std::strerror(errno));
}

} // namespace

ModemPort::ModemPort(QObject* parent) : QObject(parent)
{
}

ModemPort::~ModemPort()
{
    Close();
}

bool ModemPort::IsOpenHere(const QString& path)
{
    return OpenPaths().contains(path);
}

bool ModemPort::Open(const QString& path, int speed, QString* error)
{
    Close();
    const auto fail = [&](const QString& reason) {
        if (error)
            *error = path + u": " + reason;
        if (m_fd >= 0)
            ::close(m_fd);
        m_fd = -1;
        return false;
    };
    m_fd = ::open(path.toLocal8Bit().constData(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (m_fd < 0)
        return fail(SystemError());
    struct stat info {};
    if (::fstat(m_fd, &info) != 0 || !S_ISCHR(info.st_mode))
        return fail(QStringLiteral("not a serial port"));
    // Nobody else may talk to the modem while we hold it.
    if (::ioctl(m_fd, TIOCEXCL) != 0 && errno != ENOTTY)
        return fail(SystemError());
    termios tty {};
    if (::tcgetattr(m_fd, &tty) != 0)
        return fail(QStringLiteral("not a serial port"));
    ::cfmakeraw(&tty);
    tty.c_cflag &= ~static_cast<tcflag_t>(PARENB | CSTOPB | CSIZE | CRTSCTS);
    tty.c_cflag |= CS8 | CREAD | CLOCAL | HUPCL;
    // With a minimum of one byte an empty port answers EAGAIN, and a read
    // of nothing means the line hung up.
    tty.c_cc[VMIN] = 1;
    tty.c_cc[VTIME] = 0;
    ::cfsetispeed(&tty, SpeedConstant(speed));
    ::cfsetospeed(&tty, SpeedConstant(speed));
    if (::tcsetattr(m_fd, TCSANOW, &tty) != 0)
        return fail(SystemError());
    ::tcflush(m_fd, TCIOFLUSH);
    m_path = path;
    OpenPaths().insert(path);
    m_partial.clear();
    m_overlong = false;
    m_notifier = new QSocketNotifier(m_fd, QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &ModemPort::ReadReady);
    return true;
}

void ModemPort::Close()
{
    if (m_fd < 0)
        return;
    delete m_notifier;
    m_notifier = nullptr;
    ::close(m_fd);
    m_fd = -1;
    OpenPaths().remove(m_path);
    if (m_waiting) {
        m_result = Result::Failed;
        m_done = true;
        if (m_loop)
            m_loop->quit();
    }
}

bool ModemPort::Send(const QByteArray& command)
{
    if (m_fd < 0)
        return false;
    const QByteArray bytes = command + '\r';
    qsizetype written = 0;
    // A modem takes a command line at once; one that does not take it
    // within a second is not listening.
    int waits = 0;
    while (written < bytes.size()) {
        const ssize_t n = ::write(m_fd, bytes.constData() + written, static_cast<size_t>(bytes.size() - written));
        if (n > 0) {
            written += n;
            continue;
        }
        if (n < 0 && errno != EAGAIN && errno != EINTR)
            return false;
        pollfd p {m_fd, POLLOUT, 0};
        if (++waits > 10 || ::poll(&p, 1, 100) < 0)
            return false;
    }
    return true;
}

ModemPort::Result ModemPort::Command(const QByteArray& command, int timeoutSeconds, QList<QByteArray>* lines)
{
    if (m_waiting)
        return Result::Failed;
    if (!Send(command))
        return Result::Failed;
    m_waiting = true;
    m_done = false;
    m_echo = command;
    m_infoLines = lines;
    m_result = Result::Timeout;

    QPointer<ModemPort> self(this);
    QEventLoop loop;
    QTimer timer;
    timer.setSingleShot(true);
    connect(&timer, &QTimer::timeout, &loop, &QEventLoop::quit);
    timer.start(timeoutSeconds * 1000);
    m_loop = &loop;
    loop.exec();
    if (!self)
        return Result::Failed;
    m_loop = nullptr;
    const Result result = m_done ? m_result : Result::Timeout;
    m_waiting = false;
    m_infoLines = nullptr;
    if (!m_deferred.isEmpty()) {
        // Rings and caller ID that came in meanwhile, in their order.
        QTimer::singleShot(0, this, [this] {
            const QList<QByteArray> deferred = std::exchange(m_deferred, {});
            for (const QByteArray& line : deferred)
                Q_EMIT LineReceived(line);
        });
    }
    return result;
}

bool ModemPort::IsFinalResult(const QByteArray& line, Result* result)
{
    static const struct { const char* text; Result result; } kFinal[] = {
        {"OK", Result::Ok},           {"ERROR", Result::Error},       {"BUSY", Result::Busy},
        {"NO CARRIER", Result::NoCarrier}, {"NO DIALTONE", Result::NoDialtone}, {"NO DIAL TONE", Result::NoDialtone},
        {"NO ANSWER", Result::NoAnswer},
    };
    for (const auto& entry : kFinal) {
        if (line == entry.text) {
            *result = entry.result;
            return true;
        }
    }
    if (line.startsWith("CONNECT")) {
        *result = Result::Connect;
        return true;
    }
    return false;
}

bool ModemPort::IsUnsolicited(const QByteArray& line)
{
    if (line == "RING" || line.startsWith("RING "))
        return true;
    const qsizetype equals = line.indexOf('=');
    if (equals < 0)
        return false;
    const QByteArray key = line.left(equals).trimmed().toUpper();
    return key == "DATE" || key == "TIME" || key == "NMBR" || key == "NAME" || key == "MESG" || key == "DDN_NMBR";
}

void ModemPort::ReadReady()
{
    char buffer[512];
    for (;;) {
        const ssize_t n = ::read(m_fd, buffer, sizeof buffer);
        if (n > 0) {
            QPointer<ModemPort> self(this);
            Feed(QByteArrayView(buffer, n));
            if (!self || m_fd < 0)
                return;
            continue;
        }
        if (n < 0 && (errno == EAGAIN || errno == EINTR))
            return;
        // End of file or EIO: the modem is gone.
        Fail(n == 0 ? QStringLiteral("the modem closed the line") : SystemError());
        return;
    }
}

void ModemPort::Feed(QByteArrayView bytes)
{
    for (char c : bytes) {
        if (c == '\r' || c == '\n') {
            if (!m_partial.isEmpty()) {
                const QByteArray line = std::exchange(m_partial, {}).trimmed();
                m_overlong = false;
                if (!line.isEmpty())
                    HandleLine(line);
            }
            m_overlong = false;
            continue;
        }
        if (m_partial.size() >= MaxLineLength) {
            m_overlong = true;
            continue;
        }
        m_partial += c;
    }
}

void ModemPort::HandleLine(const QByteArray& line)
{
    if (!m_waiting) {
        Q_EMIT LineReceived(line);
        return;
    }
    if (line == m_echo)
        return;
    Result result;
    if (IsFinalResult(line, &result)) {
        m_result = result;
        m_done = true;
        if (m_loop)
            m_loop->quit();
        return;
    }
    if (IsUnsolicited(line))
        m_deferred.append(line);
    else if (m_infoLines && m_infoLines->size() < 32)
        m_infoLines->append(line);
}

void ModemPort::Fail(const QString& reason)
{
    const QString path = m_path;
    Close();
    Q_EMIT Failed(path + u": " + reason);
}
