#include "cli/HandOverClient.h"

#include <QDeadlineTimer>
#include <QLocalSocket>

HandOverClient::HandOverClient(QString serverName) : m_serverName(std::move(serverName)) {}

HandOverClient::Outcome HandOverClient::Send(const QStringList& arguments, const QString& workingDirectory,
                                             int answerTimeoutMs)
{
    QLocalSocket socket;
    socket.connectToServer(m_serverName);
    if (!socket.waitForConnected(1000))
        return Outcome::NoListener;
    HandOver::Request request;
    request.kind = HandOver::Kind::Command;
    request.arguments = arguments;
    request.workingDirectory = workingDirectory;
    socket.write(HandOver::Frame(HandOver::EncodeRequest(request)));

    const QDeadlineTimer deadline(answerTimeoutMs);
    QByteArray buffer;
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
        if (socket.state() != QLocalSocket::ConnectedState && socket.bytesAvailable() == 0)
            return Outcome::NoAnswer;
        if (deadline.hasExpired())
            return Outcome::TimedOut;
        if (socket.bytesToWrite() > 0)
            socket.waitForBytesWritten(static_cast<int>(qMin<qint64>(deadline.remainingTime(), 1000)));
        else if (!socket.waitForReadyRead(static_cast<int>(qMin<qint64>(deadline.remainingTime(), 1000)))
                 && socket.state() != QLocalSocket::ConnectedState && socket.bytesAvailable() == 0)
            return Outcome::NoAnswer;
        buffer.append(socket.readAll());
    }
}
