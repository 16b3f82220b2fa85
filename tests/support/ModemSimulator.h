#pragma once

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QProcess>
#include <QString>
#include <QStringList>

// Runs the simulated modem (tests/modemsim) on a pseudo-terminal of its own.
// The test programs that use it define ZENDRIVO_MODEMSIM_PATH.
class ModemSimulator
{
public:
    explicit ModemSimulator(const QString& program, const QStringList& options = {})
    {
        m_process.start(program, options);
        if (!m_process.waitForStarted(5000))
            return;
        if (m_process.waitForReadyRead(5000))
            m_path = QString::fromLocal8Bit(m_process.readLine()).trimmed();
    }

    ~ModemSimulator()
    {
        m_process.write("quit\n");
        m_process.closeWriteChannel();
        if (!m_process.waitForFinished(2000))
            m_process.kill();
        m_process.waitForFinished(2000);
    }

    // The terminal the modem answers on; empty when it did not start.
    const QString& Path() const { return m_path; }

    // Sends an order and waits until the simulator has carried it out.
    bool Order(const QByteArray& order)
    {
        m_process.write(order + '\n');
        const QDeadlineTimer deadline(5000);
        while (!deadline.hasExpired()) {
            if (m_process.canReadLine() || m_process.waitForReadyRead(50)) {
                if (m_process.readLine().trimmed() == "done")
                    return true;
            }
            QCoreApplication::processEvents();
        }
        return false;
    }

    // Every command line the modem received so far.
    QStringList Commands()
    {
        m_process.waitForReadyRead(10);
        m_received += QString::fromLocal8Bit(m_process.readAllStandardError());
        return m_received.split(u'\n', Qt::SkipEmptyParts);
    }

private:
    QProcess m_process;
    QString m_path;
    QString m_received;
};
