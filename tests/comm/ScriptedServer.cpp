#include "ScriptedServer.h"

#include <QTcpSocket>

#include <sys/socket.h>

ScriptedServer::ScriptedServer()
{
    m_server.listen(QHostAddress::LocalHost, 0);
    QObject::connect(&m_server, &QTcpServer::newConnection, [this] {
        QTcpSocket* socket = m_server.nextPendingConnection();
        auto* request = new QByteArray;
        QObject::connect(socket, &QTcpSocket::readyRead, socket, [this, socket, request] {
            request->append(socket->readAll());
            if (!request->contains("\r\n\r\n"))
                return;
            m_request = *request;
            delete request;
            QObject::disconnect(socket, &QTcpSocket::readyRead, nullptr, nullptr);
            Play(socket);
        });
    });
}

ScriptedServer& ScriptedServer::Send(const QByteArray& bytes)
{
    m_script.push_back({Step::Send, bytes});
    return *this;
}

QString ScriptedServer::Url(const QString& path) const
{
    return QStringLiteral("http://127.0.0.1:%1%2").arg(Port()).arg(path);
}

void ScriptedServer::Play(QTcpSocket* socket)
{
    for (const Step& step : m_script) {
        switch (step.kind) {
        case Step::Send:
            socket->write(step.bytes);
            socket->waitForBytesWritten(5000);
            break;
        case Step::Close:
            socket->disconnectFromHost();
            socket->deleteLater();
            return;
        case Step::Reset: {
            const linger hard{1, 0};
            ::setsockopt(static_cast<int>(socket->socketDescriptor()), SOL_SOCKET, SO_LINGER, &hard, sizeof hard);
            socket->abort();
            socket->deleteLater();
            return;
        }
        case Step::Silent:
            return;
        }
    }
}
