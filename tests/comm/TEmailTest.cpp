#include "RecordingStarter.h"

#include "comm/MailRoute.h"
#include "comm/TEmail.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

namespace {

QString Executable(const QTemporaryDir& dir, const QString& name, const QByteArray& script)
{
    const QString path = dir.filePath(name);
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(script);
    file.close();
    file.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    return path;
}

// Waits for a file that a detached program writes.
QByteArray WaitForFile(const QString& path)
{
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < 20000) {
        QFile file(path);
        if (file.open(QIODevice::ReadOnly)) {
            const QByteArray bytes = file.readAll();
            if (bytes.endsWith("END\n"))
                return bytes;
        }
        QThread::msleep(50);
    }
    return {};
}

} // namespace

TEST(TEmail, HandsTheWholeMessageToTheMailProgram)
{
    QTemporaryDir dir;
    const QString attachment = Executable(dir, QStringLiteral("notes.txt"), "x");
    RecordingStarter starter;
    TEmail mail(&starter);
    mail.Program = Executable(dir, QStringLiteral("mailer"), "#!/bin/sh\n");
    mail.Recipient = {QStringLiteral("\"ann@example.org\""), QString(), QStringLiteral("bob@example.org")};
    mail.CC = {QStringLiteral("cc@example.org")};
    mail.Bcc = {QStringLiteral("hidden@example.org")};
    mail.Subject = QStringLiteral("Meeting");
    mail.Text = QStringLiteral("See you at 9.");
    mail.Attachment = {attachment};
    ASSERT_EQ(mail.Send(), TEmail::Success);
    ASSERT_EQ(starter.started.size(), 1);
    EXPECT_EQ(starter.started[0],
              (QStringList{mail.Program, u"--cc"_qs, u"cc@example.org"_qs, u"--bcc"_qs, u"hidden@example.org"_qs,
                           u"--subject"_qs, u"Meeting"_qs, u"--body"_qs, u"See you at 9."_qs, u"--attach"_qs,
                           attachment, u"ann@example.org"_qs, u"bob@example.org"_qs}));
}

TEST(TEmail, LimitsAndMissingPiecesGiveTheirCodesWithoutStartingAnything)
{
    QTemporaryDir dir;
    RecordingStarter starter;
    TEmail mail(&starter);
    mail.Program = Executable(dir, QStringLiteral("mailer"), "#!/bin/sh\n");
    for (int i = 0; i < 300; ++i)
        mail.Recipient.append(QStringLiteral("r%1@example.org").arg(i));
    mail.CC = mail.Recipient.mid(0, 212);
    EXPECT_EQ(mail.Send(), TEmail::Success); // exactly 512
    mail.Bcc = {QStringLiteral("one@more.org")};
    EXPECT_EQ(mail.Send(), TEmail::TooManyRecipients);
    mail.Bcc.clear();
    for (int i = 0; i < 33; ++i)
        mail.Attachment.append(dir.filePath(QStringLiteral("mailer")));
    EXPECT_EQ(mail.Send(), TEmail::TooManyFiles);
    mail.Attachment = {dir.filePath(QStringLiteral("missing.pdf"))};
    EXPECT_EQ(mail.Send(), TEmail::AttachmentNotFound);
    EXPECT_TRUE(mail.LastError().contains(u"missing.pdf"));
    mail.Attachment.clear();
    mail.Program = QStringLiteral("no-such-mail-handoff-program");
    EXPECT_EQ(mail.Send(), TEmail::LoginFailure);
    EXPECT_TRUE(mail.LastError().startsWith(u"no-such-mail-handoff-program is not installed"));
    EXPECT_EQ(starter.started.size(), 1);
    starter.succeed = false;
    mail.Program = dir.filePath(QStringLiteral("mailer"));
    EXPECT_EQ(mail.Send(), TEmail::Failure);
}

TEST(TEmail, TheDesktopsHandOffReachesARegisteredMailClient)
{
    if (QStandardPaths::findExecutable(QStringLiteral("xdg-email")).isEmpty())
        GTEST_SKIP() << "xdg-email is not installed";
    QTemporaryDir dir;
    const QString record = dir.filePath(QStringLiteral("composed"));
    const QString client = Executable(dir, QStringLiteral("standin-mail"),
                                      "#!/bin/sh\nfor a in \"$@\"; do echo \"$a\"; done > '" + record.toUtf8()
                                          + ".part'\necho END >> '" + record.toUtf8() + ".part'\nmv '"
                                          + record.toUtf8() + ".part' '" + record.toUtf8() + "'\n");
    // A desktop of its own whose mail handler is the stand-in.
    QDir(dir.path()).mkpath(QStringLiteral("data/applications"));
    QDir(dir.path()).mkpath(QStringLiteral("config"));
    Executable(dir, QStringLiteral("data/applications/standin-mail.desktop"),
               "[Desktop Entry]\nType=Application\nName=Stand-in Mail\nExec=" + client.toUtf8()
                   + " %u\nMimeType=x-scheme-handler/mailto;\n");
    Executable(dir, QStringLiteral("config/mimeapps.list"),
               "[Default Applications]\nx-scheme-handler/mailto=standin-mail.desktop\n");
    const QByteArray saved[] = {qgetenv("XDG_DATA_HOME"), qgetenv("XDG_CONFIG_HOME"), qgetenv("XDG_CURRENT_DESKTOP"),
                                qgetenv("DISPLAY")};
    // The desktop's handlers are only asked for on a display; the stand-in needs none.
    if (saved[3].isEmpty())
        qputenv("DISPLAY", ":99");
    qputenv("XDG_DATA_HOME", dir.filePath(QStringLiteral("data")).toUtf8());
    qputenv("XDG_CONFIG_HOME", dir.filePath(QStringLiteral("config")).toUtf8());
    qunsetenv("XDG_CURRENT_DESKTOP");

    TEmail mail;
    mail.Recipient = {QStringLiteral("ann@example.org")};
    mail.CC = {QStringLiteral("cc@example.org")};
    mail.Subject = QStringLiteral("Hello there");
    mail.Attachment = {record.chopped(8) + QStringLiteral("standin-mail")};
    const int result = mail.Send();
    const QByteArray composed = WaitForFile(record);

    qputenv("XDG_DATA_HOME", saved[0]);
    qputenv("XDG_CONFIG_HOME", saved[1]);
    if (!saved[2].isEmpty())
        qputenv("XDG_CURRENT_DESKTOP", saved[2]);
    if (saved[3].isEmpty())
        qunsetenv("DISPLAY");
    ASSERT_EQ(result, TEmail::Success) << mail.LastError().toStdString();
    ASSERT_FALSE(composed.isEmpty()) << "the stand-in mail client was not started";
    EXPECT_TRUE(composed.startsWith("mailto:ann@example.org?")) << composed.constData();
    EXPECT_TRUE(composed.contains("cc=cc@example.org")) << composed.constData();
    EXPECT_TRUE(composed.contains("subject=Hello%20there")) << composed.constData();
    EXPECT_TRUE(composed.contains("&attach=/") && composed.contains("standin-mail")) << composed.constData();
}

TEST(MailRoute, ModesSelectionsAndAddresses)
{
    const QString internet = QStringLiteral("ann@example.org");
    EXPECT_EQ(ChooseMailRoute(1, 1, internet, false), MailRoute::DesktopLink);
    EXPECT_EQ(ChooseMailRoute(3, 0, internet, false), MailRoute::BrowserLink);
    EXPECT_EQ(ChooseMailRoute(2, 1, internet, false), MailRoute::MailProgram);
    EXPECT_EQ(ChooseMailRoute(0, 1, internet, false), MailRoute::MailProgram);
    // Without "@" even mode 1 goes to the mail program, and so does a file.
    EXPECT_EQ(ChooseMailRoute(1, 1, QStringLiteral("Ann Lee"), false), MailRoute::MailProgram);
    EXPECT_EQ(ChooseMailRoute(1, 1, internet, true), MailRoute::MailProgram);
    // Several rows: asked about in every mode but 2.
    EXPECT_EQ(ChooseMailRoute(1, 3, internet, false), MailRoute::AskThenMailProgram);
    EXPECT_EQ(ChooseMailRoute(0, 2, internet, false), MailRoute::AskThenMailProgram);
    EXPECT_EQ(ChooseMailRoute(2, 3, internet, false), MailRoute::MailProgram);
}
