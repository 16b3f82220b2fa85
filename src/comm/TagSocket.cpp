#include "comm/TagSocket.h"

#include "comm/SocketErrors.h"
#include "comm/WaitPump.h"

#include <QHostInfo>
#include <QSslSocket>
#include <QStringList>
#include <QTcpSocket>

namespace {

constexpr qint64 kBlock = 8192;

int CodeOf(QAbstractSocket::SocketError error)
{
    switch (error) {
    case QAbstractSocket::ConnectionRefusedError: return SocketCode::ConnectionRefused;
    case QAbstractSocket::HostNotFoundError: return SocketCode::HostNotFound;
    case QAbstractSocket::SocketAccessError: return 10013;
    case QAbstractSocket::SocketResourceError: return SocketCode::NoBufferSpace;
    case QAbstractSocket::SocketTimeoutError: return SocketCode::ConnectionTimedOut;
    case QAbstractSocket::NetworkError: return 10051;
    case QAbstractSocket::UnsupportedSocketOperationError: return 10045;
    case QAbstractSocket::AddressInUseError: return 10048;
    case QAbstractSocket::SocketAddressNotAvailableError: return 10049;
    default: return 0;
    }
}

} // namespace

TagSocket::TagSocket() = default;

TagSocket::~TagSocket()
{
    if (m_lookupId >= 0)
        QHostInfo::abortHostLookup(m_lookupId);
    if (m_socket)
        m_socket->abort();
}

bool TagSocket::Connected() const
{
    return m_socket && m_connected;
}

void TagSocket::ResetFlags()
{
    m_canceled = false;
    m_connected = false;
    m_peerClosed = false;
    m_resolved = false;
    m_errorCode = 0;
    m_errorText.clear();
    m_pending.clear();
}

void TagSocket::Fail(const QString& message, int code)
{
    m_counter.Stop();
    if (OnError)
        OnError(message);
    if (code == SocketCode::ConnectionReset || code == 0)
        Close();
    throw ESocketError(message, code);
}

void TagSocket::FailCode(int code)
{
    Fail(SocketErrorMessage(code), code);
}

void TagSocket::Wait(const std::function<bool()>& done)
{
    m_counter.Start(TimeOut);
    while (!m_canceled && !m_counter.TimedOut() && m_errorCode == 0 && m_errorText.isEmpty() && !done())
        WaitPump::Pump();
    m_counter.Stop();
    if (m_canceled) {
        if (OnError)
            OnError(QStringLiteral("Operation has been canceled"));
        throw ECanceledError();
    }
    if (m_counter.TimedOut() && !done()) {
        if (OnError)
            OnError(QStringLiteral("Operation timed out"));
        if (m_lookupId >= 0) {
            QHostInfo::abortHostLookup(m_lookupId);
            m_lookupId = -1;
        }
        Close();
        throw ETimedOutError();
    }
    if (m_errorCode != 0)
        FailCode(m_errorCode);
    if (!m_errorText.isEmpty())
        Fail(m_errorText, 0);
}

int TagSocket::ResolvePort() const
{
    const qsizetype colon = Server.indexOf(u':');
    if (colon >= 0) {
        bool ok = false;
        const int port = Server.mid(colon + 1).toInt(&ok);
        if (ok && port > 0 && port < 65536)
            return port;
    }
    if (Service.isEmpty())
        return -1;
    if (Service.compare(u"http", Qt::CaseInsensitive) == 0)
        return 80;
    if (Service.compare(u"https", Qt::CaseInsensitive) == 0)
        return 443;
    return DefaultPort;
}

QHostAddress TagSocket::Resolve(const QString& host)
{
    if (QHostAddress literal; literal.setAddress(host))
        return literal;
    m_addresses.clear();
    m_lookupId = QHostInfo::lookupHost(host, [this](const QHostInfo& info) {
        m_lookupId = -1;
        m_resolved = true;
        if (info.error() != QHostInfo::NoError)
            m_errorCode = SocketCode::HostNotFound;
        else
            m_addresses = info.addresses();
    });
    Wait([this] { return m_resolved; });
    for (const QHostAddress& address : std::as_const(m_addresses)) {
        if (address.protocol() == QAbstractSocket::IPv4Protocol)
            return address;
    }
    if (m_addresses.isEmpty())
        FailCode(SocketCode::ResolveFailed);
    return m_addresses.first();
}

void TagSocket::KeepSocketError()
{
    const auto error = m_socket->error();
    if (error == QAbstractSocket::RemoteHostClosedError) {
        m_peerClosed = true; // the end of the response, judged by the reader
        return;
    }
    if (const int code = CodeOf(error); code != 0)
        m_errorCode = code;
    else if (m_errorText.isEmpty())
        m_errorText = m_socket->errorString();
}

void TagSocket::Connect(const QHostAddress& address, const QString& host)
{
    if (UseTls) {
        if (!QSslSocket::supportsSsl())
            Fail(QStringLiteral("Secure connections are not available: no TLS library was found"), 0);
        auto* tls = new QSslSocket;
        m_socket.reset(tls);
        QObject::connect(tls, &QSslSocket::sslErrors, [this](const QList<QSslError>& errors) {
            QStringList reasons;
            for (const QSslError& error : errors)
                reasons.append(error.errorString());
            m_errorText = QStringLiteral("The server's certificate was refused: %1").arg(reasons.join(QStringLiteral("; ")));
        });
        QObject::connect(tls, &QSslSocket::encrypted, [this] { m_connected = true; });
        tls->connectToHostEncrypted(address.toString(), static_cast<quint16>(m_port), host);
    } else {
        m_socket = std::make_unique<QTcpSocket>();
        QObject::connect(m_socket.get(), &QTcpSocket::connected, [this] { m_connected = true; });
        m_socket->connectToHost(address, static_cast<quint16>(m_port));
    }
    QObject::connect(m_socket.get(), &QTcpSocket::disconnected, [this] { m_peerClosed = true; });
    QObject::connect(m_socket.get(), &QTcpSocket::errorOccurred, [this] { KeepSocketError(); });
}

void TagSocket::Open()
{
    ResetFlags();
    if (OnOpen)
        OnOpen();
    if (Server.isEmpty())
        FailCode(SocketCode::ServerRequired);
    const QString host = Server.section(u':', 0, 0);
    m_port = ResolvePort();
    if (m_port < 0)
        FailCode(SocketCode::ServiceRequired);
    const QHostAddress address = Resolve(host);
    Connect(address, host);
    Wait([this] { return m_connected; });
    if (OnConnected)
        OnConnected();
}

void TagSocket::SendLine(const QString& line)
{
    if (!Connected())
        FailCode(SocketCode::NotConnected);
    m_socket->write(line.toLatin1() + "\r\n");
    Wait([this] { return m_socket->bytesToWrite() == 0 || m_peerClosed; });
    if (m_peerClosed && m_socket->bytesToWrite() > 0)
        FailCode(SocketCode::ConnectionReset);
    if (OnLineSent)
        OnLineSent(line);
}

QByteArray TagSocket::ReadSome()
{
    if (!m_socket)
        FailCode(SocketCode::NotConnected);
    if (!m_pending.isEmpty())
        return std::exchange(m_pending, {});
    Wait([this] { return m_socket->bytesAvailable() > 0 || m_peerClosed; });
    return m_socket->read(kBlock);
}

QString TagSocket::ReadLine()
{
    QByteArray line;
    for (;;) {
        const QByteArray data = ReadSome();
        if (data.isEmpty())
            break;
        const qsizetype feed = data.indexOf('\n');
        line.append(data.first(feed < 0 ? data.size() : feed + 1));
        if (feed >= 0) {
            m_pending = data.sliced(feed + 1);
            break;
        }
        if (line.size() >= kBlock)
            break;
    }
    while (line.endsWith('\n') || line.endsWith('\r'))
        line.chop(1);
    const QString text = QString::fromLatin1(line);
    if (OnLineReceived)
        OnLineReceived(text);
    return text;
}

void TagSocket::Close()
{
    if (!m_socket)
        return;
    if (OnClosing)
        OnClosing();
    // Deleted later: Close may run inside one of the socket's own signals.
    QTcpSocket* socket = m_socket.release();
    socket->disconnect();
    socket->abort();
    socket->deleteLater();
    m_connected = false;
    if (OnClosed)
        OnClosed();
}

void TagSocket::Cancel()
{
    m_canceled = true;
    if (OnCancel)
        OnCancel();
    if (m_lookupId >= 0) {
        QHostInfo::abortHostLookup(m_lookupId);
        m_lookupId = -1;
    }
    Close();
}
