#pragma once

#include <QObject>
#include <QStringList>

class QLocalServer;

// Lets one Zendrivo run per user and data directory. The first start
// listens on a local socket named for both; a later start hands its whole argument list to it and
// ends without touching the database.
class TPBJustOne : public QObject
{
    Q_OBJECT

public:
    explicit TPBJustOne(QString name = DefaultName(), QObject* parent = nullptr);
    ~TPBJustOne() override;

    // The socket name for this user and data directory.
    static QString DefaultName();

    // True when another instance took the arguments (this one should end);
    // false when this is the first instance, which then listens.
    bool HandOver(const QStringList& arguments, int timeoutMs = 3000);

Q_SIGNALS:
    // A later start's arguments arrived.
    void ArgumentsReceived(const QStringList& arguments);

private:
    bool Listen();
    void ReadConnection();

    QString m_name;
    QLocalServer* m_server = nullptr;
};
