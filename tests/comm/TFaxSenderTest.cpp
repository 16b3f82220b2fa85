#include "comm/TFaxSender.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

QString Script(const QTemporaryDir& dir, const QByteArray& body)
{
    const QString path = dir.filePath(QStringLiteral("sendfax"));
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write("#!/bin/sh\n" + body);
    file.close();
    file.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    return path;
}

} // namespace

TEST(TFaxSender, FillsTheNumberNameAndFileIntoTheCommand)
{
    QTemporaryDir dir;
    const QString page = dir.filePath(QStringLiteral("page.ps"));
    QFile(page).open(QIODevice::WriteOnly);
    const TFaxSender byDefault;
    EXPECT_EQ(byDefault.CommandFor(u"Acme"_qs, u"555 0100"_qs, page),
              (QStringList{u"sendfax"_qs, u"-n"_qs, u"-d"_qs, u"555 0100"_qs, page}));
    // A file that does not exist is left out, and so is its argument.
    EXPECT_EQ(byDefault.CommandFor(u"Acme"_qs, u"5550100"_qs, dir.filePath(u"gone.ps"_qs)),
              (QStringList{u"sendfax"_qs, u"-n"_qs, u"-d"_qs, u"5550100"_qs}));
    const TFaxSender custom(QStringLiteral("faxit --to='%t <%n>' %f"));
    EXPECT_EQ(custom.CommandFor(u"Ann Lee"_qs, u"5550100"_qs, {}),
              (QStringList{u"faxit"_qs, u"--to=Ann Lee <5550100>"_qs}));
}

TEST(TFaxSender, ReportsTheCommandsOwnErrorOutput)
{
    QTemporaryDir dir;
    const QString args = dir.filePath(QStringLiteral("args"));
    const QString ok = Script(dir, "printf '%s|' \"$@\" > '" + args.toUtf8() + "'\n");
    TFaxSender sender(ok + QStringLiteral(" -n -d %n %f"));
    EXPECT_TRUE(sender.Send(u"Acme"_qs, u"5550100"_qs, {}).ok);
    QFile written(args);
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    EXPECT_EQ(written.readAll(), "-n|-d|5550100|");

    Script(dir, "echo 'sendfax: Can not reach server' >&2\nexit 1\n");
    const TFaxSender::Result failed = sender.Send(u"Acme"_qs, u"5550100"_qs, {});
    EXPECT_FALSE(failed.ok);
    EXPECT_EQ(failed.message, u"Unable to send Fax using sendfax\n\nsendfax: Can not reach server");

    const TFaxSender::Result missing = TFaxSender(QStringLiteral("no-such-fax-command %n")).Send({}, u"1"_qs, {});
    EXPECT_FALSE(missing.ok);
    EXPECT_TRUE(missing.message.startsWith(u"Unable to send Fax using no-such-fax-command\n\n"));
}
