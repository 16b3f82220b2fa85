// Pictures of the tool picker and the Options pages for a person to look at:
// run with ZENDRIVO_SCREENSHOTS=DIR (under xvfb-run for a real window system).
#include "ui/common/ImageLists.h"
#include "ui/options/TOptionPages.h"
#include "ui/options/TToolItems.h"
#include "ui/options/TToolsDlg.h"
#include "ui/options/ToolsMenuPage.h"

#include <QDir>
#include <QFile>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

TEST(Screenshots, ToolPickerAndOptionPages)
{
    const QString out = qEnvironmentVariable("ZENDRIVO_SCREENSHOTS");
    if (out.isEmpty())
        GTEST_SKIP() << "set ZENDRIVO_SCREENSHOTS to a directory to take pictures";
    QTemporaryDir dir;
    const QString ini = dir.filePath(QStringLiteral("zvb.ini"));
    QFile file(ini);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("[Tools]\r\nTool0=Text Editor,/usr/bin/vi,,1\r\nTool1=Shell,/bin/sh,-l,0\r\n"
               "Tool2=Map of the town,/opt/maps/map,--city,1\r\n[Browser]\r\nPath=/usr/bin/firefox\r\nDDE=firefox\r\n");
    file.close();
    ImageLists images;
    TToolItems tools(ini, &images);

    TToolsDlg picker(tools);
    picker.SelectTool(0);
    picker.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&picker));
    EXPECT_TRUE(picker.grab().save(QDir(out).filePath(QStringLiteral("opt-tools-dialog.png"))));
    picker.hide();

    TOptionPages options(ini, tools);
    options.ToolsMenu()->SelectTool(2);
    options.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&options));
    const char* names[] = {"browser", "toolsmenu", "categories", "phonedevice"};
    for (int page = 0; page < options.Pages()->count(); ++page) {
        options.Pages()->setCurrentIndex(page);
        QTest::qWait(50);
        EXPECT_TRUE(options.grab().save(QDir(out).filePath(u"opt-" + QString::fromLatin1(names[page]) + u".png")));
    }
}
