#pragma once

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QThread>

#include <functional>

// A session bus of the test's own: a dbus-daemon that lives as long as the
// object. Programs it activates inherit the environment given here.
class PrivateBus
{
public:
    explicit PrivateBus(const QProcessEnvironment& env = QProcessEnvironment::systemEnvironment())
    {
        m_daemon.setProcessEnvironment(env);
        m_daemon.start(QStringLiteral("dbus-daemon"),
                       {QStringLiteral("--session"), QStringLiteral("--nofork"), QStringLiteral("--print-address=1")});
        if (!m_daemon.waitForStarted(10000))
            return;
        while (m_address.isEmpty() && m_daemon.state() == QProcess::Running) {
            if (m_daemon.canReadLine() || m_daemon.waitForReadyRead(10000))
                m_address = QString::fromUtf8(m_daemon.readLine()).trimmed();
            else
                break;
        }
    }
    ~PrivateBus()
    {
        m_daemon.terminate();
        if (!m_daemon.waitForFinished(5000))
            m_daemon.kill();
        m_daemon.waitForFinished(5000);
    }
    PrivateBus(const PrivateBus&) = delete;
    PrivateBus& operator=(const PrivateBus&) = delete;

    // Empty when the daemon did not start.
    const QString& Address() const { return m_address; }

private:
    QProcess m_daemon;
    QString m_address;
};

// Lets the event loop run until the condition holds or the time is up.
inline bool WaitUntil(const std::function<bool()>& condition, int milliseconds = 10000)
{
    QElapsedTimer timer;
    timer.start();
    while (!condition()) {
        if (timer.elapsed() > milliseconds)
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        QThread::msleep(5);
    }
    return true;
}
