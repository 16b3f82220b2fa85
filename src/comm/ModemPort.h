#pragma once

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QString>

class QEventLoop;
class QSocketNotifier;

// One serial port with a Hayes-compatible modem on it, driven from the
// event loop: the port is read when the notifier says so, never by a
// blocking read. The modem's replies arrive as lines; Command() waits for a
// command's final result code by running the event loop, with a time-out.
//
// The port is opened for this process alone (other processes are refused
// while it is open), raw 8N1 at the given speed.
class ModemPort : public QObject
{
    Q_OBJECT

public:
    enum class Result { Ok, Error, Busy, NoCarrier, NoDialtone, NoAnswer, Connect, Timeout, Failed };

    // Replies longer than this are cut; a modem never sends more on a line.
    static constexpr int MaxLineLength = 256;

    explicit ModemPort(QObject* parent = nullptr);
    ~ModemPort() override;

    // Opens and sets up the port; false with the reason in *error.
    bool Open(const QString& path, int speed, QString* error);
    void Close();
    bool IsOpen() const { return m_fd >= 0; }
    const QString& Path() const { return m_path; }

    // Sends a command line ("AT..." without the CR) and returns at once;
    // its replies arrive through LineReceived.
    bool Send(const QByteArray& command);
    // Sends a command and waits up to timeoutSeconds for its final result.
    // Information lines before the result go to *lines. Lines the modem sends
    // by itself meanwhile (RING, caller ID) are passed on after the wait.
    Result Command(const QByteArray& command, int timeoutSeconds, QList<QByteArray>* lines = nullptr);

    // The final result code a line stands for, if any.
    static bool IsFinalResult(const QByteArray& line, Result* result);
    // Lines a modem sends without being asked: rings and caller ID.
    static bool IsUnsolicited(const QByteArray& line);
    // Whether this process holds the port open.
    static bool IsOpenHere(const QString& path);

    // Feeds received bytes as if they came from the port (the reader's own path).
    void Feed(QByteArrayView bytes);

Q_SIGNALS:
    void LineReceived(const QByteArray& line);
    // The port went away (unplugged, the other side closed) or failed to read.
    void Failed(const QString& reason);

private:
    void ReadReady();
    void HandleLine(const QByteArray& line);
    void Fail(const QString& reason);

    int m_fd = -1;
    QString m_path;
    QSocketNotifier* m_notifier = nullptr;
    QByteArray m_partial;
    bool m_overlong = false;

    // The command being waited for.
    bool m_waiting = false;
    QByteArray m_echo;
    QList<QByteArray>* m_infoLines = nullptr;
    QList<QByteArray> m_deferred;
    Result m_result = Result::Timeout;
    bool m_done = false;
    QEventLoop* m_loop = nullptr;
};
