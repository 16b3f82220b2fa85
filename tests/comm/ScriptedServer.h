#pragma once

#include <QByteArray>
#include <QTcpServer>

#include <vector>

// A server of the tests' own on loopback, serving in the test's thread while
// the client under test pumps the event loop. Each connection reads the
// request up to its empty line and then plays the script.
class ScriptedServer
{
public:
    struct Step
    {
        enum Kind { Send, Close, Reset, Silent } kind;
        QByteArray bytes;
    };

    ScriptedServer();

    ScriptedServer& Send(const QByteArray& bytes);
    ScriptedServer& Close() { m_script.push_back({Step::Close, {}}); return *this; }
    // Aborts the connection with a reset instead of a clean close.
    ScriptedServer& Reset() { m_script.push_back({Step::Reset, {}}); return *this; }
    // Keeps the connection open and says nothing more.
    ScriptedServer& Silent() { m_script.push_back({Step::Silent, {}}); return *this; }

    quint16 Port() const { return m_server.serverPort(); }
    QString Url(const QString& path = QStringLiteral("/")) const;
    // The last request as received.
    const QByteArray& Request() const { return m_request; }

private:
    void Play(class QTcpSocket* socket);

    QTcpServer m_server;
    std::vector<Step> m_script;
    QByteArray m_request;
};
