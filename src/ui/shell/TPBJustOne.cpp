#include "ui/shell/TPBJustOne.h"

#include "platform/DataPaths.h"

#include <QDeadlineTimer>
#include <QLocalServer>
#include <QLocalSocket>
#include <QTimer>
#include <QVariant>

namespace {
constexpr int kAnswerWaitMs = 10000;
constexpr int kBusyRetryMs = 200;
} // namespace

TPBJustOne::TPBJustOne(QString name, QString dataDirectory, QObject* parent)
    : QObject(parent),
      m_name(std::move(name)),
      m_lock(dataDirectory.isEmpty() ? DataPaths::DataDirectory() : dataDirectory)
{
}

TPBJustOne::~TPBJustOne()
{
    // Nobody may hand anything over once the lock is free.
    delete m_server;
    m_server = nullptr;
}

QString TPBJustOne::DefaultName()
{
    return HandOver::ServerName();
}

TPBJustOne::Start TPBJustOne::Begin(const QStringList& arguments, int waitMs)
{
    const QDeadlineTimer deadline(waitMs);
    while (true) {
        if (SendArguments(arguments))
            return Start::HandedOver;
        // Two starts at the same instant: the lock picks one; the other
        // hands over as soon as the first listens.
        if (m_lock.TryLock(static_cast<int>(qMin<qint64>(deadline.remainingTime(), 200)))) {
            Listen();
            return Start::First;
        }
        if (deadline.hasExpired())
            return Start::Busy;
    }
}

bool TPBJustOne::SendArguments(const QStringList& arguments)
{
    QLocalSocket socket;
    socket.connectToServer(m_name);
    if (!socket.waitForConnected(1000))
        return false;
    HandOver::Request request;
    request.kind = HandOver::Kind::StartArguments;
    request.arguments = arguments;
    socket.write(HandOver::Frame(HandOver::EncodeRequest(request)));
    if (!socket.waitForBytesWritten(kAnswerWaitMs))
        return false;
    // The first instance answers once it has read everything; it may still
    // be loading. A connection closed without an answer is an instance that
    // is ending: then this start may become the first.
    if (socket.waitForReadyRead(kAnswerWaitMs) || socket.state() == QLocalSocket::ConnectedState) {
        socket.disconnectFromServer();
        return true;
    }
    return false;
}

bool TPBJustOne::Listen()
{
    m_server = new QLocalServer(this);
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    if (!m_server->listen(m_name)) {
        // Every live instance holds the lock, which is ours: the socket was
        // left by a run that crashed.
        QLocalServer::removeServer(m_name);
        if (!m_server->listen(m_name))
            return false;
    }
    connect(m_server, &QLocalServer::newConnection, this, &TPBJustOne::ReadConnection);
    return true;
}

void TPBJustOne::ReadConnection()
{
    while (QLocalSocket* socket = m_server->nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] { ReadFrames(socket); });
        if (socket->bytesAvailable() > 0)
            ReadFrames(socket);
    }
}

void TPBJustOne::ReadFrames(QLocalSocket* socket)
{
    QByteArray buffer = socket->property("zendrivoBuffer").toByteArray() + socket->readAll();
    while (true) {
        QByteArray payload;
        const HandOver::FrameState state = HandOver::TakeFrame(buffer, HandOver::kMaxRequest, &payload);
        if (state == HandOver::FrameState::Incomplete)
            break;
        const auto request = state == HandOver::FrameState::Complete ? HandOver::DecodeRequest(payload) : std::nullopt;
        if (!request) {
            // Not from Zendrivo.
            socket->abort();
            return;
        }
        if (request->kind == HandOver::Kind::StartArguments) {
            socket->write(HandOver::Frame({}));
            socket->flush();
            Q_EMIT ArgumentsReceived(request->arguments);
        } else {
            m_pending.push_back({socket, *request});
            QTimer::singleShot(0, this, &TPBJustOne::RunPending);
        }
    }
    socket->setProperty("zendrivoBuffer", buffer);
}

void TPBJustOne::RunPending()
{
    if (m_running)
        return;
    if (m_busy && m_busy()) {
        // A dialog may hold an item of the tree: the command waits for it.
        if (!m_retryQueued) {
            m_retryQueued = true;
            QTimer::singleShot(kBusyRetryMs, this, [this] {
                m_retryQueued = false;
                RunPending();
            });
        }
        return;
    }
    m_running = true;
    while (!m_pending.empty()) {
        Pending next = std::move(m_pending.front());
        m_pending.pop_front();
        // A sender that gave up gets nothing run on its behalf.
        if (!next.socket || next.socket->state() != QLocalSocket::ConnectedState)
            continue;
        HandOver::Reply reply;
        if (m_runner)
            reply = m_runner(next.request.arguments, next.request.workingDirectory);
        else
            reply.err = QStringLiteral("zendrivo-cli: Zendrivo cannot run commands now\n");
        if (next.socket) {
            // The answer leaves now: the program may be asked to end next,
            // and a sender without an answer would run the command again.
            next.socket->write(HandOver::Frame(HandOver::EncodeReply(reply)));
            next.socket->flush();
            if (next.socket->bytesToWrite() > 0)
                next.socket->waitForBytesWritten(kAnswerWaitMs);
        }
    }
    m_running = false;
}
