#pragma once

#include <QObject>

class QSocketNotifier;

// Tells when a process ends, through a process file descriptor, so that a
// reused process id can never be mistaken for the one watched.
class ProcessWatch : public QObject
{
    Q_OBJECT

public:
    explicit ProcessWatch(QObject* parent = nullptr);
    ~ProcessWatch() override;

    // False, with the reason, when there is no such process to watch.
    bool Watch(qint64 pid, QString* error);
    qint64 Pid() const { return m_pid; }

Q_SIGNALS:
    void Ended(qint64 pid);

private:
    void Close();

    int m_fd = -1;
    qint64 m_pid = 0;
    QSocketNotifier* m_notifier = nullptr;
};
