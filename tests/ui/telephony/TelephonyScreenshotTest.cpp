// Pictures of the dialer, the dialing properties and the caller-ID window
// for a person to look at: run with ZENDRIVO_SCREENSHOTS=DIR (under
// xvfb-run for a real window system).
#include "ModemSimulator.h"
#include "TelephonyTestSupport.h"

#include "comm/TDialSettings.h"
#include "comm/TetLine.h"
#include "platform/RegistryStore.h"
#include "ui/telephony/CallHistoryModel.h"
#include "ui/telephony/TCallerIdForm.h"
#include "ui/telephony/TDialSetupForm.h"
#include "ui/telephony/TDialerForm.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

void Save(QWidget& window, const QString& out, const QString& name)
{
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    QTest::qWait(100);
    EXPECT_TRUE(window.grab().save(QDir(out).filePath(name)));
}

} // namespace

TEST(Screenshots, TelephonyWindows)
{
    const QString out = qEnvironmentVariable("ZENDRIVO_SCREENSHOTS");
    if (out.isEmpty())
        GTEST_SKIP() << "set ZENDRIVO_SCREENSHOTS to a directory to take pictures";
    QTemporaryDir dir;
    ModemSimulator modem(QStringLiteral(ZENDRIVO_MODEMSIM_PATH));
    RegistryStore store(dir.filePath(u"registry.ini"_s));
    TDialSettings settings(&store);
    settings.SetLocation(u"Home"_s);
    settings.AreaCode = u"303"_s;
    settings.LocalPrefix = u"9"_s;
    settings.LongPrefix = u"8"_s;
    settings.Save();

    TDialerForm dialer(settings);
    dialer.Line().UsePort(modem.Path(), 115200);
    dialer.Start(u"Jane Miller"_s, u"555-1212"_s);
    Save(dialer, out, u"tel-dialer.png"_s);
    ASSERT_TRUE(WaitFor([&] { return dialer.Line().State() == TetLine::CallState::Connected; }));
    dialer.TalkClick();
    QTest::qWait(200);
    Save(dialer, out, u"tel-dialer-talking.png"_s);
    dialer.done(0);

    TDialSetupForm setup(settings);
    setup.UseCardCheck()->setChecked(true);
    setup.ServiceBox()->setCurrentIndex(9);
    setup.CardNumberEdit()->setText(u"4444 5555"_s);
    Q_EMIT setup.CardNumberEdit()->textEdited(setup.CardNumberEdit()->text());
    Save(setup, out, u"tel-dialing-properties.png"_s);

    TCallerIdForm callerId(dir.filePath(u"zvb.ini"_s), dir.filePath(u"callid.dat"_s));
    callerId.etLine().UsePort(modem.Path(), 115200);
    callerId.SetCallerId(true);
    modem.Order("ring 3035551212 JOHN Q PUBLIC");
    ASSERT_TRUE(WaitFor([&] { return callerId.HistoryModel().rowCount() == 1; }));
    Save(callerId, out, u"tel-callerid.png"_s);
    callerId.HistoryModel().AddCall(u"Ann Smith"_s, u"555-0101"_s, QDateTime(QDate(2026, 12, 8), QTime(17, 2, 11)), 50);
    callerId.HistoryModel().AddCall(u""_s, u"*Private"_s, QDateTime(QDate(2026, 12, 9), QTime(8, 15, 40)), 50);
    callerId.ShowHistBtnClick();
    Save(callerId, out, u"tel-callerid-history.png"_s);
    callerId.SetCallerId(false);
}
