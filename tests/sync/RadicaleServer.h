#pragma once

#include "sync/DavClient.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QThread>
#include <QUrl>

// A real CardDAV server for the tests: Radicale on a free loopback port,
// with its storage in a temporary folder and one user "alice" (password
// "secret"); MakeBook creates the address book "alice/book/".
class RadicaleServer
{
public:
    static bool Available() { return !QStandardPaths::findExecutable(QStringLiteral("radicale")).isEmpty(); }

    bool Start()
    {
        if (!m_dir.isValid())
            return false;
        QFile users(m_dir.filePath(QStringLiteral("users")));
        if (!users.open(QIODevice::WriteOnly) || users.write("alice:secret\n") < 0)
            return false;
        users.close();
        QTcpServer probe;
        if (!probe.listen(QHostAddress::LocalHost, 0))
            return false;
        m_port = probe.serverPort();
        probe.close();
        m_process.setProcessChannelMode(QProcess::MergedChannels);
        m_process.start(QStringLiteral("radicale"),
                        {QStringLiteral("--storage-filesystem-folder=") + m_dir.filePath(QStringLiteral("store")),
                         QStringLiteral("--server-hosts=127.0.0.1:%1").arg(m_port),
                         QStringLiteral("--auth-type=htpasswd"),
                         QStringLiteral("--auth-htpasswd-filename=") + users.fileName(),
                         QStringLiteral("--auth-htpasswd-encryption=plain"),
                         QStringLiteral("--logging-level=error")});
        if (!m_process.waitForStarted(10000))
            return false;
        for (int i = 0; i < 200; ++i) {
            QTcpSocket socket;
            socket.connectToHost(QHostAddress::LocalHost, m_port);
            if (socket.waitForConnected(100))
                return true;
            QThread::msleep(50);
        }
        return false;
    }

    ~RadicaleServer()
    {
        m_process.terminate();
        if (!m_process.waitForFinished(5000))
            m_process.kill();
        m_process.waitForFinished(2000);
    }

    QUrl Root() const { return QUrl(QStringLiteral("http://127.0.0.1:%1/").arg(m_port)); }
    QUrl Book() const { return QUrl(QStringLiteral("http://127.0.0.1:%1/alice/book/").arg(m_port)); }
    QString Output() { return QString::fromUtf8(m_process.readAll()); }

    // Creates the empty address book "alice/book/" through the client.
    DavReply MakeBook(DavClient& client) const
    {
        return client.Send("MKCOL", Book(),
                           "<?xml version=\"1.0\"?><mkcol xmlns=\"DAV:\" xmlns:C=\"urn:ietf:params:xml:ns:carddav\">"
                           "<set><prop><resourcetype><collection/><C:addressbook/></resourcetype></prop></set>"
                           "</mkcol>");
    }
    // Where the server keeps the files of "alice/book/" (its filesystem storage).
    QString BookFolder() const { return m_dir.filePath(QStringLiteral("store/collection-root/alice/book")); }

private:
    QTemporaryDir m_dir;
    QProcess m_process;
    quint16 m_port = 0;
};
