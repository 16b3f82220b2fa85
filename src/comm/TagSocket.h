#pragma once

#include "comm/TTimeCounter.h"

#include <QByteArray>
#include <QHostAddress>
#include <QString>

#include <functional>
#include <memory>

class QTcpSocket;
class QHostInfo;

// One TCP connection offered as blocking operations (open, send a line,
// read what arrives, close). Each wait pumps WaitPump with a time-out in
// whole seconds and can be canceled from inside the pump. Failures are
// reported through OnError and then thrown as ESocketError (ETimedOutError,
// ECanceledError).
class TagSocket
{
public:
    TagSocket();
    virtual ~TagSocket();
    TagSocket(const TagSocket&) = delete;
    TagSocket& operator=(const TagSocket&) = delete;

    // Host name or address, optionally with ":" and a port.
    QString Server;
    // Looked up for the port when Server carries none ("http", "https").
    QString Service;
    // Used when the service is unknown.
    int DefaultPort = 0;
    // Seconds each wait may last.
    int TimeOut = 60;
    // Speak TLS, checking the server's certificate against the system's store.
    bool UseTls = false;

    std::function<void()> OnOpen;
    std::function<void()> OnConnected;
    std::function<void()> OnClosing;
    std::function<void()> OnClosed;
    std::function<void()> OnCancel;
    std::function<void(const QString& message)> OnError;
    std::function<void(int percent, qint64 transferred)> OnProgress;
    std::function<void(const QString& line)> OnLineSent;
    std::function<void(const QString& line)> OnLineReceived;

    void Open();
    bool Connected() const;
    // The port of the last Open.
    int Port() const { return m_port; }

    // Sends the line with CR LF.
    void SendLine(const QString& line);
    // Waits for data and returns what has arrived, at most 8192 bytes;
    // empty once the peer has closed and everything was read.
    QByteArray ReadSome();
    // A line without its line end; lines are cut at 8192 bytes.
    QString ReadLine();

    void Close();
    // Ends the current wait with "Operation has been canceled".
    void Cancel();

protected:
    // Reports a failure through OnError and throws it.
    [[noreturn]] void Fail(const QString& message, int code);
    [[noreturn]] void FailCode(int code);

private:
    void Wait(const std::function<bool()>& done);
    void ResetFlags();
    int ResolvePort() const;
    QHostAddress Resolve(const QString& host);
    void Connect(const QHostAddress& address, const QString& host);
    void KeepSocketError();

    std::unique_ptr<QTcpSocket> m_socket;
    TTimeCounter m_counter;
    QByteArray m_pending; // read ahead by ReadLine
    int m_port = 0;
    int m_lookupId = -1;
    bool m_canceled = false;
    bool m_connected = false;
    bool m_peerClosed = false;
    bool m_resolved = false;
    int m_errorCode = 0;
    QString m_errorText;
    QList<QHostAddress> m_addresses;
};
