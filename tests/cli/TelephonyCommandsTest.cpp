#include "CliRunner.h"
#include "ModemSimulator.h"

#include "comm/TDialSettings.h"
#include "platform/RegistryStore.h"

#include <QDeadlineTimer>
#include <QThread>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

const QString kSim = QStringLiteral(ZENDRIVO_MODEMSIM_PATH);

void StoreSettings(const CliRunner& cli)
{
    RegistryStore store(cli.Path(QStringLiteral("registry.ini")));
    TDialSettings settings(&store);
    settings.SetLocation(QStringLiteral("Home"));
    settings.AreaCode = QStringLiteral("303");
    settings.LocalPrefix = QStringLiteral("9");
    settings.LongPrefix = QStringLiteral("8");
    settings.UseCard = true;
    settings.Code = QStringLiteral("102221 N");
    ASSERT_TRUE(settings.Save());
}

} // namespace

TEST(CliTelephony, DialStringFollowsTheStoredSettings)
{
    CliRunner cli;
    EXPECT_EQ(cli.Run({u"dial-string"_s, u"555-1212"_s}).out, u" 5551212\n"_s);
    StoreSettings(cli);
    EXPECT_EQ(cli.Run({u"dial-string"_s, u"(303) 555-1212"_s}).out, u"9  5551212\n"_s);
    EXPECT_EQ(cli.Run({u"dial-string"_s, u"(718) 555-1212"_s}).out, u"8 102221 718 5551212\n"_s);
    EXPECT_EQ(cli.Run({u"dial-string"_s}).exitCode, 1);
}

TEST(CliTelephony, DevicesListsNamedPortsFirstAnsweredOrNot)
{
    ModemSimulator modem(kSim);
    ASSERT_FALSE(modem.Path().isEmpty());
    CliRunner cli;
    const auto result = cli.Run({u"devices"_s, u"--port"_s, modem.Path(), u"--port"_s, u"/dev/zendrivo-none"_s});
    ASSERT_EQ(result.exitCode, 0) << result.err.toStdString();
    const QStringList lines = result.out.split(u'\n', Qt::SkipEmptyParts);
    ASSERT_GE(lines.size(), 2);
    EXPECT_EQ(lines[0], u"0\tTest Works Voice 56K (" + modem.Path() + u")\tavailable");
    EXPECT_EQ(lines[1], u"1\t/dev/zendrivo-none (unavailable)\tunavailable");
}

TEST(CliTelephony, DialReportsEachStateAndHangsUp)
{
    ModemSimulator modem(kSim);
    CliRunner cli;
    StoreSettings(cli);
    const auto result = cli.Run({u"dial"_s, u"555-1212"_s, u"--port"_s, modem.Path(), u"--hangup-after"_s, u"1"_s});
    ASSERT_EQ(result.exitCode, 0) << result.err.toStdString();
    EXPECT_EQ(result.out, u"Dial 9 5551212\nDialing\nConnected\nIdle\n"_s);
    const QStringList sent = modem.Commands();
    EXPECT_TRUE(sent.contains(u"ATDT95551212;"_s));
    EXPECT_TRUE(sent.contains(u"ATH"_s));
    EXPECT_EQ(sent.last(), u"AT+VCID=0");
}

TEST(CliTelephony, PortsThatAreNoModemsFailWithOneLine)
{
    CliRunner cli;
    const auto missing = cli.Run({u"dial"_s, u"5551212"_s, u"--port"_s, u"/dev/zendrivo-none"_s});
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_TRUE(missing.err.startsWith(u"zendrivo-cli: cannot open the line: /dev/zendrivo-none: "_s)) << missing.err.toStdString();
    EXPECT_EQ(missing.err.count(u'\n'), 1);

    const QString file = cli.Path(QStringLiteral("plain.txt"));
    cli.Write(file, "not a modem");
    const auto plain = cli.Run({u"calls"_s, u"--port"_s, file});
    EXPECT_EQ(plain.exitCode, 1);
    EXPECT_EQ(plain.err, u"zendrivo-cli: cannot open the line: " + file + u": not a serial port\n");

    ModemSimulator deaf(kSim, {u"--deaf"_s});
    const auto silent = cli.Run({u"dial"_s, u"5551212"_s, u"--port"_s, deaf.Path()});
    EXPECT_EQ(silent.exitCode, 1);
    EXPECT_EQ(silent.err, u"zendrivo-cli: cannot open the line: " + deaf.Path() + u": no modem answers\n");

    EXPECT_EQ(cli.Run({u"dial"_s, u"5551212"_s, u"--device"_s, u"99"_s}).exitCode, 1);
}

TEST(CliTelephony, CallsPrintsCallerIdFindsThePhoneAndKeepsTheHistory)
{
    ModemSimulator modem(kSim);
    CliRunner cli;
    const QString file = cli.files.filePath(QStringLiteral("in.zvd"));
    cli.Write(file, "{1 3 }Jane Miller~~~~~~2\r\n{Pers}~~~~~~~~~~~~~~~~~~0\r\n"
                    "{2 6 }Office~~(303) 555-1212~~~~3\r\n{Phon}~~0\r\n");
    ASSERT_EQ(cli.Run({u"import"_s, file}).exitCode, 0);

    QProcess calls;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("ZENDRIVO_HOME"), cli.home.path());
    calls.setProcessEnvironment(env);
    calls.start(QStringLiteral(ZENDRIVO_CLI_PATH), {u"calls"_s, u"--port"_s, modem.Path(), u"--count"_s, u"2"_s});
    const QDeadlineTimer ready(10000);
    while (!modem.Commands().contains(u"AT+VCID=1"_s) && !ready.hasExpired())
        QThread::msleep(20);
    ASSERT_TRUE(modem.Commands().contains(u"AT+VCID=1"_s));
    ASSERT_TRUE(modem.Order("ring 3035551212 JANE MILLER"));
    QThread::msleep(500);
    ASSERT_TRUE(modem.Order("ring-private"));
    ASSERT_TRUE(calls.waitForFinished(10000));
    EXPECT_EQ(calls.exitCode(), 0) << calls.readAllStandardError().toStdString();
    const QStringList lines = QString::fromUtf8(calls.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 2);
    const QStringList first = lines[0].split(u'\t');
    ASSERT_EQ(first.size(), 5);
    EXPECT_EQ(first.mid(2), (QStringList {u"303-555-1212"_s, u"Jane Miller"_s, u"My Contacts/Jane Miller/Office"_s}));
    EXPECT_EQ(lines[1].split(u'\t').mid(2), (QStringList {u"*Private"_s, u""_s, u""_s}));
    EXPECT_EQ(modem.Commands().last(), u"AT+VCID=0");

    const QByteArray history = cli.Read(cli.Path(QStringLiteral("callid.dat")));
    EXPECT_TRUE(history.startsWith("{1 6 }~~*Private~~")) << history.constData();
    EXPECT_TRUE(history.contains("\r\n{1 6 }Jane Miller~~303-555-1212~~"));
}
