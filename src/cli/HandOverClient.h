#pragma once

#include "platform/HandOverMessage.h"

#include <QString>
#include <QStringList>

// The command line's side of the hand-over: sends a command to the desktop
// program running on the same data directory and waits for its answer.
class HandOverClient
{
public:
    enum class Outcome {
        NoListener, // nobody listens: no desktop program runs (or it is still starting)
        Answered,   // the desktop program ran the command; see Reply()
        NoAnswer,   // the connection ended without an answer: the command did not run
        TimedOut,   // connected, but no answer in time
    };

    explicit HandOverClient(QString serverName = HandOver::ServerName());

    Outcome Send(const QStringList& arguments, const QString& workingDirectory, int answerTimeoutMs);
    const HandOver::Reply& Reply() const { return m_reply; }

private:
    QString m_serverName;
    HandOver::Reply m_reply;
};
