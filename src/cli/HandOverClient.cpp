#include "cli/HandOverClient.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

// Plain system calls rather than Qt's local socket: the command line then
// starts without Qt's network library and the dozen libraries it loads,
// which every command would pay for. The desktop listens with Qt's local
// server; a bare server name lives in the temporary folder.
namespace {

QByteArray SocketPath(const QString& serverName)
{
    const QString path =
        serverName.startsWith(u'/') ? serverName : QDir::cleanPath(QDir::tempPath()) + u'/' + serverName;
    return QFile::encodeName(path);
}

class Socket
{
public:
    Socket() : m_fd(::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0)) {}
    Socket(const Socket&) = delete;
    Socket& operator=(const Socket&) = delete;
    ~Socket()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    int Fd() const { return m_fd; }

private:
    int m_fd;
};

// Waits until the socket is ready for events, at most until the deadline.
bool WaitFor(int fd, short events, const QDeadlineTimer& deadline)
{
    pollfd watched{fd, events, 0};
    while (true) {
        const qint64 left = deadline.remainingTime();
        if (left == 0)
            return false;
        const int ready = ::poll(&watched, 1, static_cast<int>(qMin<qint64>(left < 0 ? 1000 : left, 1000)));
        if (ready > 0)
            return true;
        if (ready < 0 && errno != EINTR)
            return false;
    }
}

enum class Sent { Done, Closed, TimedOut };

Sent SendAll(int fd, QByteArrayView bytes, const QDeadlineTimer& deadline)
{
    while (!bytes.isEmpty()) {
        // No SIGPIPE when the desktop closes its end first.
        const ssize_t sent = ::send(fd, bytes.data(), static_cast<size_t>(bytes.size()), MSG_NOSIGNAL);
        if (sent > 0) {
            bytes = bytes.sliced(sent);
        } else if (sent < 0 && errno == EINTR) {
            continue;
        } else if (sent < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) {
            if (!WaitFor(fd, POLLOUT, deadline))
                return deadline.hasExpired() ? Sent::TimedOut : Sent::Closed;
        } else {
            return Sent::Closed;
        }
    }
    return Sent::Done;
}

} // namespace

HandOverClient::HandOverClient(QString serverName) : m_serverName(std::move(serverName)) {}

HandOverClient::Outcome HandOverClient::Send(const QStringList& arguments, const QString& workingDirectory,
                                             int answerTimeoutMs)
{
    const QByteArray path = SocketPath(m_serverName);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    if (path.isEmpty() || static_cast<size_t>(path.size()) >= sizeof(address.sun_path))
        return Outcome::NoListener;
    std::memcpy(address.sun_path, path.constData(), static_cast<size_t>(path.size()));
    Socket socket;
    if (socket.Fd() < 0)
        return Outcome::NoListener;
    // A local connect is answered at once: refused or missing when nobody
    // listens, made otherwise.
    int connected;
    do
        connected = ::connect(socket.Fd(), reinterpret_cast<const sockaddr*>(&address), sizeof address);
    while (connected != 0 && errno == EINTR);
    if (connected != 0)
        return Outcome::NoListener;
    if (::fcntl(socket.Fd(), F_SETFL, ::fcntl(socket.Fd(), F_GETFL) | O_NONBLOCK) != 0)
        return Outcome::NoAnswer;

    HandOver::Request request;
    request.kind = HandOver::Kind::Command;
    request.arguments = arguments;
    request.workingDirectory = workingDirectory;
    const QDeadlineTimer deadline(answerTimeoutMs);
    switch (SendAll(socket.Fd(), HandOver::Frame(HandOver::EncodeRequest(request)), deadline)) {
    case Sent::Done: break;
    case Sent::Closed: return Outcome::NoAnswer;
    case Sent::TimedOut: return Outcome::TimedOut;
    }

    QByteArray buffer;
    char chunk[16384];
    while (true) {
        QByteArray payload;
        switch (HandOver::TakeFrame(buffer, HandOver::kMaxReply, &payload)) {
        case HandOver::FrameState::Complete:
            if (const auto reply = HandOver::DecodeReply(payload)) {
                m_reply = *reply;
                return Outcome::Answered;
            }
            return Outcome::NoAnswer;
        case HandOver::FrameState::TooLarge:
            return Outcome::NoAnswer;
        case HandOver::FrameState::Incomplete:
            break;
        }
        const ssize_t got = ::recv(socket.Fd(), chunk, sizeof chunk, 0);
        if (got > 0) {
            buffer.append(chunk, got);
        } else if (got == 0) {
            return Outcome::NoAnswer; // the desktop closed the connection without a whole answer
        } else if (errno == EAGAIN || errno == EWOULDBLOCK) {
            if (!WaitFor(socket.Fd(), POLLIN, deadline))
                return deadline.hasExpired() ? Outcome::TimedOut : Outcome::NoAnswer;
        } else if (errno != EINTR) {
            return Outcome::NoAnswer;
        }
    }
}
