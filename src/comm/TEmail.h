#pragma once

#include "platform/ProcessStarter.h"

#include <QString>
#include <QStringList>

// One outgoing message handed to the desktop's mail program through
// xdg-email, which opens the program's compose window filled in. The user
// sends it from there.
class TEmail
{
public:
    // Results of Send, numbered as the classic mail interface numbers them.
    enum Result {
        Success = 0,
        Failure = 2,          // the mail program could not be started
        LoginFailure = 3,     // no mail hand-off program is installed
        TooManyFiles = 9,
        TooManyRecipients = 10,
        AttachmentNotFound = 11,
    };
    static constexpr int kMaxRecipients = 512;
    static constexpr int kMaxAttachments = 32;

    // Programs start through the starter, which must outlive the message;
    // null starts them detached.
    explicit TEmail(ProcessStarter* starter = nullptr);

    QStringList Recipient;
    QStringList CC;
    QStringList Bcc;
    QString Subject;
    QString Text;
    QStringList Attachment; // file paths
    // The hand-off program, looked up on the PATH.
    QString Program = QStringLiteral("xdg-email");

    // Checks the limits and the attachments, then starts the program.
    int Send();
    // What went wrong in the last Send, for the user.
    const QString& LastError() const { return m_lastError; }

    // The program's arguments for this message.
    QStringList Arguments() const;

private:
    int Fail(int result, const QString& error);

    ProcessStarter* m_starter;
    QString m_lastError;
};
