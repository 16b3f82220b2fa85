#include "comm/LineErrors.h"
#include "comm/TetLine.h"

#include "ModemSimulator.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QSignalSpy>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

template <typename Condition>
bool WaitFor(Condition condition, int milliseconds = 5000)
{
    const QDeadlineTimer deadline(milliseconds);
    while (!condition() && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    return condition();
}

class TetLineTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        if (modem.Path().isEmpty())
            GTEST_SKIP() << "the simulated modem did not start";
        line.UsePort(modem.Path(), 115200);
        line.SetCommandTimeout(2);
        line.SetRingGap(300);
    }

    ModemSimulator modem {QStringLiteral(ZENDRIVO_MODEMSIM_PATH)};
    TetLine line;
};

} // namespace

TEST(LineErrors, TextsOfTheCodes)
{
    EXPECT_EQ(LineErrors::Text(LineErrors::BadDeviceId), u"LINEERR_BADDEVICEID");
    EXPECT_EQ(LineErrors::Text(LineErrors::Allocated), u"LINEERR_ALLOCATED");
    EXPECT_EQ(LineErrors::Text(LineErrors::NoMultipleInstance), u"LINEERR_NOMULTIPLEINSTANCE");
    EXPECT_EQ(LineErrors::Text(LineErrors::InvalMediaMode), u"LINEERR_INVALMEDIAMODE");
    EXPECT_EQ(LineErrors::Text(LineErrors::StructureTooSmall), u"LINEERR_STRUCTURETOOSMALL");
    EXPECT_EQ(LineErrors::Text(0), u"");
    EXPECT_EQ(LineErrors::Text(-987), u"Not 100% TAPI compliant");
    EXPECT_EQ(LineErrors::Text(-2), u"LINE_ERROR_DEVICE");
    // Gaps in the service's numbering and codes past its end are unknown.
    EXPECT_EQ(LineErrors::Text(static_cast<std::int32_t>(0x80000004u)), u"Unknown [80000004]");
    EXPECT_EQ(LineErrors::Text(static_cast<std::int32_t>(0x80000057u)), u"Unknown [80000057]");
    EXPECT_EQ(LineErrors::Text(5), u"Unknown [00000005]");
    EXPECT_EQ(LineErrors::Hex(LineErrors::NoMem), u"80000044");
}

TEST_F(TetLineTest, DeviceIdOutOfRangeKeepsTheDevice)
{
    QSignalSpy errors(&line, &TetLine::OnError);
    EXPECT_EQ(line.Count(), 1);
    EXPECT_FALSE(line.SetDeviceId(1));
    EXPECT_EQ(line.ErrorNumber(), LineErrors::BadDeviceId);
    EXPECT_EQ(line.ErrorText(), u"LINEERR_BADDEVICEID");
    EXPECT_EQ(line.ErrorHex(), u"80000002");
    EXPECT_EQ(errors.count(), 1);
    EXPECT_FALSE(line.SetDeviceId(-1));
    EXPECT_EQ(line.DeviceId(), 0);
    EXPECT_TRUE(line.Log().last().endsWith(u"<< Error >> LINEERR_BADDEVICEID [80000002]"));
    EXPECT_TRUE(line.SetDeviceId(0));
    EXPECT_EQ(line.ErrorNumber(), 0);
}

TEST_F(TetLineTest, HangupWithoutACallSucceedsWithoutTheModem)
{
    EXPECT_TRUE(line.Hangup());
    EXPECT_TRUE(modem.Commands().isEmpty());
    ASSERT_TRUE(line.SetActive(true));
    const qsizetype sent = modem.Commands().size();
    EXPECT_TRUE(line.Hangup());
    QCoreApplication::processEvents();
    EXPECT_EQ(modem.Commands().size(), sent);
    // Dialing needs an open line.
    ASSERT_TRUE(line.SetActive(false));
    line.SetPhoneNumber(QStringLiteral("5551212"));
    EXPECT_FALSE(line.Dial());
    EXPECT_EQ(line.ErrorText(), u"LINEERR_INVALLINEHANDLE");
}

TEST_F(TetLineTest, AWholeCallOpenDialTalkHangUp)
{
    QSignalSpy idle(&line, &TetLine::OnIdle);
    QList<TetLine::CallState> states;
    QObject::connect(&line, &TetLine::CallStateChanged, [&states](TetLine::CallState s) { states << s; });
    ASSERT_TRUE(line.SetActive(true)) << line.Log().join(u"\n"_s).toStdString();
    EXPECT_TRUE(line.CallerIdSupported());
    line.SetPhoneNumber(QStringLiteral("9  5551212"));
    ASSERT_TRUE(line.Dial());
    ASSERT_TRUE(WaitFor([&] { return line.State() == TetLine::CallState::Connected; }));
    EXPECT_TRUE(line.ConnectTime().isValid());
    ASSERT_TRUE(line.Hangup());
    ASSERT_TRUE(WaitFor([&] { return idle.count() == 1; }));
    EXPECT_EQ(states, (QList {TetLine::CallState::Dialing, TetLine::CallState::Connected, TetLine::CallState::Idle}));
    ASSERT_TRUE(line.SetActive(false));
    const QStringList sent = modem.Commands();
    EXPECT_EQ(sent, (QStringList {u"ATE0V1"_qs, u"AT+VCID=1"_qs, u"ATDT95551212;"_qs, u"ATH"_qs, u"AT+VCID=0"_qs}));
    EXPECT_TRUE(line.Log().contains(line.Log().filter(u"Dial [9  5551212]"_qs).value(0)));
}

TEST_F(TetLineTest, PulseDialingBusyAndNoDialtone)
{
    ASSERT_TRUE(line.SetActive(true));
    line.SetPulseDialing(true);
    line.SetPhoneNumber(QStringLiteral("5551212"));
    ASSERT_TRUE(modem.Order("next-dial BUSY"));
    QList<TetLine::CallState> states;
    QObject::connect(&line, &TetLine::CallStateChanged, [&states](TetLine::CallState s) { states << s; });
    ASSERT_TRUE(line.Dial());
    ASSERT_TRUE(WaitFor([&] { return states.contains(TetLine::CallState::Idle); }));
    EXPECT_EQ(states, (QList {TetLine::CallState::Dialing, TetLine::CallState::Busy, TetLine::CallState::Disconnected,
                              TetLine::CallState::Idle}));
    EXPECT_TRUE(modem.Commands().contains(u"ATDP5551212;"_qs));

    ASSERT_TRUE(modem.Order("next-dial NO DIALTONE"));
    QSignalSpy errors(&line, &TetLine::OnError);
    ASSERT_TRUE(line.Dial());
    ASSERT_TRUE(WaitFor([&] { return errors.count() == 1; }));
    EXPECT_EQ(line.ErrorText(), u"LINEERR_DIALDIALTONE");
    EXPECT_FALSE(line.HasCall());
    // The line stays open for the next try.
    EXPECT_TRUE(line.Active());
}

TEST_F(TetLineTest, AFarEndHangingUpEndsTheCall)
{
    ASSERT_TRUE(line.SetActive(true));
    line.SetPhoneNumber(QStringLiteral("5551212"));
    ASSERT_TRUE(line.Dial());
    ASSERT_TRUE(WaitFor([&] { return line.State() == TetLine::CallState::Connected; }));
    QSignalSpy idle(&line, &TetLine::OnIdle);
    ASSERT_TRUE(modem.Order("hangup"));
    ASSERT_TRUE(WaitFor([&] { return idle.count() == 1; }));
    EXPECT_TRUE(line.DisconnectTime().isValid());
}

TEST_F(TetLineTest, AnIncomingRingReportsCallerId)
{
    ASSERT_TRUE(line.SetActive(true));
    QSignalSpy rings(&line, &TetLine::OnRing);
    QSignalSpy callerId(&line, &TetLine::OnCallerID);
    QSignalSpy idle(&line, &TetLine::OnIdle);
    ASSERT_TRUE(modem.Order("ring 3035551212 JOHN Q PUBLIC"));
    ASSERT_TRUE(WaitFor([&] { return callerId.count() == 1 && rings.count() == 2; }));
    EXPECT_EQ(line.CallerID().Number(), u"303-555-1212");
    EXPECT_EQ(line.CallerID().Name(), u"John Q Public");
    EXPECT_EQ(rings.at(1).at(0).toInt(), 2);
    EXPECT_EQ(line.State(), TetLine::CallState::Offering);
    // No more rings: the caller gave up.
    ASSERT_TRUE(WaitFor([&] { return idle.count() == 1; }));
    EXPECT_FALSE(line.HasCall());
    EXPECT_TRUE(line.Log().filter(u"OnCallerID"_qs).size() == 1);
    EXPECT_TRUE(line.Log().contains(u"\tNumber: 303-555-1212"_qs));

    ASSERT_TRUE(modem.Order("ring-private"));
    ASSERT_TRUE(WaitFor([&] { return callerId.count() == 2; }));
    EXPECT_EQ(line.CallerID().Number(), u"*Private");
    EXPECT_TRUE(line.CallerID().Private());
}

TEST_F(TetLineTest, HostileCallerIdIsTakenAsText)
{
    ASSERT_TRUE(line.SetActive(true));
    QSignalSpy callerId(&line, &TetLine::OnCallerID);
    ASSERT_TRUE(modem.Order("raw RING"));
    ASSERT_TRUE(modem.Order("raw NMBR = 12\\x00\\x1b[31m" + QByteArray(300, '9')));
    ASSERT_TRUE(modem.Order("raw NAME = \\xff\\xfe%s%n{1 6 }~~~~"));
    ASSERT_TRUE(WaitFor([&] { return callerId.count() == 1; }));
    EXPECT_LE(line.CallerID().Number().size(), TCallerID::MaxNumberLength);
    EXPECT_FALSE(line.CallerID().Name().contains(u"~~"));
}

TEST_F(TetLineTest, TheOlderCallerIdCommandIsTheFallback)
{
    ModemSimulator older(QStringLiteral(ZENDRIVO_MODEMSIM_PATH), {QStringLiteral("--no-vcid")});
    TetLine other;
    other.UsePort(older.Path(), 115200);
    ASSERT_TRUE(other.SetActive(true));
    EXPECT_TRUE(other.CallerIdSupported());
    ASSERT_TRUE(other.SetActive(false));
    EXPECT_EQ(older.Commands(), (QStringList {u"ATE0V1"_qs, u"AT+VCID=1"_qs, u"AT#CID=1"_qs, u"AT#CID=0"_qs}));

    ModemSimulator none(QStringLiteral(ZENDRIVO_MODEMSIM_PATH), {QStringLiteral("--no-cid")});
    TetLine plain;
    plain.UsePort(none.Path(), 115200);
    ASSERT_TRUE(plain.SetActive(true));
    EXPECT_FALSE(plain.CallerIdSupported());
}

TEST_F(TetLineTest, AModemThatStopsAnsweringClosesTheLine)
{
    ASSERT_TRUE(line.SetActive(true));
    line.SetPhoneNumber(QStringLiteral("5551212"));
    ASSERT_TRUE(line.Dial());
    ASSERT_TRUE(WaitFor([&] { return line.State() == TetLine::CallState::Connected; }));
    ASSERT_TRUE(modem.Order("silent"));
    QSignalSpy errors(&line, &TetLine::OnError);
    QSignalSpy idle(&line, &TetLine::OnIdle);
    ASSERT_TRUE(line.Hangup());
    ASSERT_TRUE(WaitFor([&] { return errors.count() == 1; }));
    EXPECT_EQ(line.ErrorText(), u"LINE_ERROR_DEVICE");
    EXPECT_FALSE(line.Active());
    EXPECT_EQ(idle.count(), 1);
}

TEST_F(TetLineTest, ADeafPortDoesNotOpenAndAGoneOneIsRefused)
{
    ModemSimulator deaf(QStringLiteral(ZENDRIVO_MODEMSIM_PATH), {QStringLiteral("--deaf")});
    TetLine other;
    other.UsePort(deaf.Path(), 115200);
    other.SetCommandTimeout(1);
    EXPECT_FALSE(other.SetActive(true));
    EXPECT_EQ(other.ErrorText(), u"LINE_ERROR_DEVICE");
    EXPECT_FALSE(other.Active());

    TetLine missing;
    missing.UsePort(QStringLiteral("/dev/zendrivo-no-such-port"), 115200);
    EXPECT_FALSE(missing.SetActive(true));
    EXPECT_EQ(missing.ErrorText(), u"LINEERR_NODEVICE");
}

TEST_F(TetLineTest, TheLogKeepsTheLastFiftyLines)
{
    for (int i = 0; i < 80; ++i)
        line.Hangup();
    EXPECT_EQ(line.Log().size(), TetLine::MaxLogLines);
    EXPECT_TRUE(line.Log().last().endsWith(u"  Hangup"));
}
