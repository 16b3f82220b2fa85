#include "ModemSimulator.h"
#include "TelephonyTestSupport.h"

#include "comm/TDialSettings.h"
#include "comm/TetLine.h"
#include "platform/RegistryStore.h"
#include "ui/telephony/TDialPhoneDialog.h"
#include "ui/telephony/TDialerForm.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

class DialerFormTest : public ::testing::Test
{
protected:
    DialerFormTest() : store(dir.filePath(u"registry.ini"_s)), settings(&store)
    {
        settings.AreaCode = u"303"_s;
        settings.LocalPrefix = u"9"_s;
        settings.LongPrefix = u"8"_s;
        dialer.Line().UsePort(modem.Path(), 115200);
        dialer.Line().SetCommandTimeout(2);
        dialer.SetMessage([this](const QString& text) { messages << text; });
    }

    bool Connected() { return WaitFor([this] { return dialer.Line().State() == TetLine::CallState::Connected; }); }

    QTemporaryDir dir;
    RegistryStore store;
    TDialSettings settings;
    ModemSimulator modem {QStringLiteral(ZENDRIVO_MODEMSIM_PATH)};
    TDialerForm dialer {settings};
    QStringList messages;
};

} // namespace

TEST_F(DialerFormTest, DialsTalksAndCountsTheCall)
{
    dialer.Start(u"Jane Miller"_s, u"(303) 555-1212"_s);
    EXPECT_EQ(dialer.NameLabel()->text(), u"Jane Miller");
    EXPECT_EQ(dialer.NumberLabel()->text(), u"(303) 555-1212");
    EXPECT_EQ(dialer.DialString(), u"9  5551212");
    EXPECT_FALSE(dialer.LongDistanceCheck()->isHidden());
    dialer.OpenAndDial();
    EXPECT_EQ(dialer.StatusText(), u"Dial 9  5551212");
    ASSERT_TRUE(Connected());
    EXPECT_TRUE(modem.Commands().contains(u"ATDT95551212;"_s));

    dialer.TalkClick();
    EXPECT_FALSE(dialer.TalkButton()->isEnabled());
    EXPECT_EQ(dialer.DurationLabel()->text(), u"Duration: 0:00:00");
    // The modem leaves the line; the window forgets the dial message.
    ASSERT_TRUE(WaitFor([this] { return !dialer.Line().HasCall(); }));
    EXPECT_EQ(dialer.StatusText(), u"");

    // Closing after Talk hangs up once more, and the device goes back.
    const qsizetype hangups = dialer.Line().Log().filter(u"Hangup"_s).size();
    dialer.done(QDialog::Accepted);
    EXPECT_EQ(dialer.Line().Log().filter(u"Hangup"_s).size(), hangups + 1);
    EXPECT_FALSE(dialer.Line().Active());
    EXPECT_TRUE(messages.isEmpty());
}

TEST_F(DialerFormTest, HangupThenRedialAsLongDistance)
{
    dialer.Start(u"Jane"_s, u"555-1212"_s);
    dialer.OpenAndDial();
    ASSERT_TRUE(Connected());
    dialer.HangupClick();
    EXPECT_EQ(dialer.StatusText(), u"Hanging up...");
    EXPECT_TRUE(dialer.TalkButton()->isEnabled());
    dialer.LongDistanceCheck()->setChecked(true);
    dialer.RedialClick();
    ASSERT_TRUE(WaitFor([this] { return modem.Commands().contains(u"ATDT83035551212;"_s); }));
    ASSERT_TRUE(Connected());
    EXPECT_EQ(dialer.DialString(), u"8 3035551212");
}

TEST_F(DialerFormTest, LineErrorsShowTheDialErrorBox)
{
    TDialerForm broken(settings);
    broken.Line().UsePort(u"/dev/zendrivo-none"_s, 115200);
    QStringList seen;
    broken.SetMessage([&seen](const QString& text) { seen << text; });
    broken.Start(u"Jane"_s, u"555-1212"_s);
    broken.OpenAndDial();
    ASSERT_EQ(seen.size(), 1);
    EXPECT_EQ(seen[0], u"An error occurred while attempting to dial: LINEERR_NODEVICE. Please verify your dialer "
                       u"settings by selecting the View...Options menu item.");

    ASSERT_TRUE(modem.Order("next-dial NO DIALTONE"));
    dialer.Start(u"Jane"_s, u"555-1212"_s);
    dialer.OpenAndDial();
    ASSERT_TRUE(WaitFor([this] { return !messages.isEmpty(); }));
    EXPECT_TRUE(messages[0].contains(u": LINEERR_DIALDIALTONE."_s));
}

TEST(DialPhoneDialog, TheCallerIdLineIsLetGoAndTakenBackWhateverHappens)
{
    int released = 0;
    int restored = 0;
    TDialPhoneDialog::SetLineRelease([&] {
        ++released;
        return std::function<void()>([&] { ++restored; });
    });
    TDialPhoneDialog dialog;
    dialog.PhoneNumber = u"555-1212"_s;
    // A port that is not there: the dialer reports and is closed at once.
    TDialSettings::WriteModemSetup({{u"/dev/zendrivo-none"_s}, 115200});
    QTimer closer;
    QObject::connect(&closer, &QTimer::timeout, [] {
        if (QWidget* modal = QApplication::activeModalWidget())
            modal->close();
    });
    closer.start(50);
    dialog.Execute();
    EXPECT_EQ(released, 1);
    EXPECT_EQ(restored, 1);
    TDialPhoneDialog::SetLineRelease({});
    TDialSettings::WriteModemSetup({{}, 115200});
}
