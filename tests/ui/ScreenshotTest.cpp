#include "ui/TAboutBox.h"
#include "ui/THelpBrowser.h"
#include "ui/TTipBar.h"

#include <QApplication>
#include <QMainWindow>

#include <gtest/gtest.h>

namespace {

// Pictures of the components for looking at, written when ZENDRIVO_SHEETS
// names a folder; the tests only check that they render.
void Shoot(QWidget& widget, const QString& name)
{
    widget.show();
    QApplication::processEvents();
    const QPixmap picture = widget.grab();
    EXPECT_FALSE(picture.isNull()) << name.toStdString();
    const QString folder = qEnvironmentVariable("ZENDRIVO_SHEETS");
    if (!folder.isEmpty()) {
        EXPECT_TRUE(picture.save(folder + u'/' + name + u".png"));
    }
}

TEST(ScreenshotTest, TipBarInAWindow)
{
    QMainWindow window;
    auto* bar = new TTipBar(&window);
    bar->SetTipFile(TTipBar::DefaultTips());
    bar->ShowTip(13);
    window.addToolBar(bar);
    window.resize(560, 120);
    Shoot(window, QStringLiteral("tipbar"));
}

TEST(ScreenshotTest, HelpBrowserAtATopic)
{
    THelpBrowser help;
    help.ShowContext(1002);
    Shoot(help, QStringLiteral("help"));
    help.ShowContents();
    Shoot(help, QStringLiteral("help-contents"));
}

TEST(ScreenshotTest, AboutBox)
{
    TAboutBox about;
    Shoot(about, QStringLiteral("about"));
}

} // namespace
