#include "ui/shell/TPBJustOne.h"

#include "platform/DataPaths.h"

#include <QCryptographicHash>
#include <QDataStream>
#include <QFile>
#include <QLocalServer>
#include <QLocalSocket>

#include <unistd.h>

namespace {
// Hand-over messages are small; anything bigger is not from Zendrivo.
constexpr qint64 kMaxMessage = 1 << 20;
}

TPBJustOne::TPBJustOne(QString name, QObject* parent) : QObject(parent), m_name(std::move(name)) {}

TPBJustOne::~TPBJustOne() = default;

QString TPBJustOne::DefaultName()
{
    // One instance per user and data directory.
    const QByteArray dir = QFile::encodeName(DataPaths::DataDirectory());
    const QString hash = QString::fromLatin1(QCryptographicHash::hash(dir, QCryptographicHash::Sha1).toHex().left(12));
    return QStringLiteral("zendrivo-%1-%2").arg(::getuid()).arg(hash);
}

bool TPBJustOne::HandOver(const QStringList& arguments, int timeoutMs)
{
    QLocalSocket socket;
    socket.connectToServer(m_name);
    if (socket.waitForConnected(timeoutMs)) {
        QByteArray payload;
        QDataStream stream(&payload, QIODevice::WriteOnly);
        stream << arguments;
        QByteArray message;
        QDataStream out(&message, QIODevice::WriteOnly);
        out << static_cast<quint32>(payload.size());
        message.append(payload);
        socket.write(message);
        if (socket.waitForBytesWritten(timeoutMs)) {
            // Wait until the first instance has read everything.
            socket.waitForReadyRead(timeoutMs);
            socket.disconnectFromServer();
            return true;
        }
    }
    return !Listen();
}

bool TPBJustOne::Listen()
{
    m_server = new QLocalServer(this);
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    if (!m_server->listen(m_name)) {
        // A socket left by a crashed run: nobody answered, so take it over.
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
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
            if (socket->bytesAvailable() < 4)
                return;
            quint32 size = 0;
            QDataStream header(socket->peek(4));
            header >> size;
            if (size > kMaxMessage) {
                socket->abort();
                return;
            }
            if (socket->bytesAvailable() < 4 + static_cast<qint64>(size))
                return;
            socket->read(4);
            QStringList arguments;
            QDataStream in(socket->read(size));
            in >> arguments;
            socket->write("ok");
            socket->flush();
            if (in.status() == QDataStream::Ok)
                Q_EMIT ArgumentsReceived(arguments);
        });
    }
}
