#include "QtPrinters.h"
#include "ui/shell/TTrayIcon.h"

#include <QMenu>

#include <gtest/gtest.h>

namespace {

TEST(TrayIconTest, ToolTipKeepsItsFirstSixtyTwoCharacters)
{
    TTrayIcon tray;
    const QString seventy(70, u'x');
    tray.SetToolTip(seventy);
    EXPECT_EQ(tray.ToolTip(), seventy.left(62));
    tray.SetToolTip(QStringLiteral("[My Contacts/Business]"));
    EXPECT_EQ(tray.ToolTip(), u"[My Contacts/Business]");
    // A character outside the basic plane is not cut in half.
    const QString emoji = QString(61, u'a') + QString::fromUcs4(U"\U0001F600") + u"tail";
    EXPECT_EQ(TTrayIcon::CutToolTip(emoji), QString(61, u'a'));
}

TEST(TrayIconTest, WorksWhereThereIsNoNotificationArea)
{
    TTrayIcon tray;
    QMenu menu;
    tray.SetPopupMenu(&menu);
    tray.SetActive(true);
    tray.SetToolTip(QStringLiteral("Click to view main window"));
    tray.SetIcon(QIcon());
    EXPECT_TRUE(tray.Active());
    EXPECT_EQ(tray.PopupMenu(), &menu);
    EXPECT_EQ(tray.IsShown(), TTrayIcon::TrayAvailable());
    tray.SetActive(false);
    EXPECT_FALSE(tray.IsShown());
    EXPECT_EQ(tray.property("ToolTip").toString(), u"Click to view main window");
}

} // namespace
