#include "comm/TDialSettings.h"
#include "platform/RegistryStore.h"
#include "ui/telephony/TDialSetupForm.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

class DialSetupFormTest : public ::testing::Test
{
protected:
    DialSetupFormTest() : store(dir.filePath(u"registry.ini"_s)), settings(&store) {}

    QTemporaryDir dir;
    RegistryStore store;
    TDialSettings settings;
};

} // namespace

TEST_F(DialSetupFormTest, AFirstStartShowsTheDefaultLocation)
{
    TDialSetupForm setup(settings);
    EXPECT_EQ(setup.windowTitle(), u"Dialing Properties");
    EXPECT_EQ(setup.LocationBox()->currentText(), u"Default Location");
    EXPECT_FALSE(setup.DeleteButton()->isEnabled());
    EXPECT_TRUE(setup.ToneButton()->isChecked());
    EXPECT_FALSE(setup.UseCardCheck()->isChecked());
    EXPECT_FALSE(setup.ServiceBox()->isEnabled());
    EXPECT_EQ(setup.ServiceBox()->currentIndex(), 0);
    EXPECT_EQ(setup.AreaCodeEdit()->maxLength(), 5);
    EXPECT_EQ(setup.LocalPrefixEdit()->maxLength(), 2);
}

TEST_F(DialSetupFormTest, CardFormatFollowsServiceAndNumber)
{
    TDialSetupForm setup(settings);
    setup.UseCardCheck()->setChecked(true);
    EXPECT_TRUE(setup.FormatEdit()->isEnabled());
    setup.ServiceBox()->setCurrentIndex(3);
    setup.CardNumberEdit()->setText(u"4444"_s);
    Q_EMIT setup.CardNumberEdit()->textEdited(u"4444"_s);
    EXPECT_EQ(setup.FormatEdit()->text(), u"144 $4444, 0N");
    // The user may edit the format; that text is what is kept.
    setup.FormatEdit()->setText(u"144 $4444,, 0N"_s);
    setup.LongPrefixEdit()->setText(u"1"_s);
    setup.PulseButton()->setChecked(true);
    setup.accept();
    TDialSettings back(&store);
    back.Load();
    EXPECT_EQ(back.Service, u"British Telecom (UK)");
    EXPECT_EQ(back.Number, u"4444");
    EXPECT_EQ(back.Code, u"144 $4444,, 0N");
    EXPECT_EQ(back.LongPrefix, u"1");
    EXPECT_TRUE(back.UseCard);
    EXPECT_EQ(back.DialMode, TDialMode::dmPulse);
}

TEST_F(DialSetupFormTest, NewChooseAndDeleteLocations)
{
    settings.SetLocation(u"Home"_s);
    settings.AreaCode = u"303"_s;
    ASSERT_TRUE(settings.Save());
    TDialSetupForm setup(settings);
    EXPECT_EQ(setup.AreaCodeEdit()->text(), u"303");

    setup.SetAskName([] { return u"Office"_s; });
    setup.NewLocationClick();
    EXPECT_EQ(setup.LocationBox()->currentText(), u"Office");
    EXPECT_EQ(setup.LocationBox()->count(), 2);
    EXPECT_TRUE(setup.DeleteButton()->isEnabled());
    EXPECT_EQ(setup.AreaCodeEdit()->text(), u"");
    EXPECT_TRUE(store.KeyExists(TDialSettings::DefaultRegistryPath() + u"\\Office"));
    // An empty name (Cancel) changes nothing.
    setup.SetAskName([] { return QString(); });
    setup.NewLocationClick();
    EXPECT_EQ(setup.LocationBox()->count(), 2);

    setup.LocationBox()->setCurrentIndex(setup.LocationBox()->findText(u"Home"_s));
    EXPECT_EQ(setup.AreaCodeEdit()->text(), u"303");
    setup.LocationBox()->setCurrentIndex(setup.LocationBox()->findText(u"Office"_s));
    setup.DeleteLocationClick();
    EXPECT_EQ(setup.LocationBox()->count(), 1);
    EXPECT_FALSE(setup.DeleteButton()->isEnabled());
    EXPECT_FALSE(store.KeyExists(TDialSettings::DefaultRegistryPath() + u"\\Office"));
}
