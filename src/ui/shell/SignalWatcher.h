#pragma once

#include <QObject>

class QSocketNotifier;

// Turns SIGTERM, SIGINT and SIGHUP into a Qt signal, delivered on the event
// loop, so the program can end as "Exit" does and save everything.
class SignalWatcher : public QObject
{
    Q_OBJECT

public:
    explicit SignalWatcher(QObject* parent = nullptr);
    ~SignalWatcher() override;

Q_SIGNALS:
    void TerminationRequested(int signal);

private:
    static void Handle(int signal);
    QSocketNotifier* m_notifier = nullptr;
};
