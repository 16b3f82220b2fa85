#include "RecordingStarter.h"
#include "TreeBuilder.h"

#include "model/ToolObject.h"
#include "platform/DetachedProcessStarter.h"
#include "platform/ProfileFile.h"
#include "platform/ShellLauncher.h"
#include "ui/common/ImageLists.h"
#include "ui/options/TToolItems.h"
#include "ui/options/ToolsMenu.h"

#include <QFile>
#include <QMenu>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

class ToolItemsTest : public ::testing::Test
{
protected:
    QString Ini() const { return dir.filePath(QStringLiteral("zvb.ini")); }
    void WriteIni(const QByteArray& text) const
    {
        QFile file(Ini());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text);
    }
    QStringList Descriptions(const TToolItems& tools) const
    {
        QStringList names;
        for (int i = 0; i < tools.Count(); ++i)
            names << tools.Item(i).Description;
        return names;
    }

    QTemporaryDir dir;
};

} // namespace

TEST_F(ToolItemsTest, LoadsInFileOrderAndDropsValuesWithoutFourFields)
{
    QByteArray ini = "[Settings]\r\nCallerId=0\r\n[Tools]\r\n";
    for (int n = 0; n <= 11; ++n)
        ini += "Tool" + QByteArray::number(n) + "=T" + QByteArray::number(n) + ",/usr/bin/t" + QByteArray::number(n) + ",,0\r\n";
    ini += "Extra=\"Mail, quick\",/opt/mail/run,\"--to \"\"me\"\"\",1\r\n";
    ini += "Short=Editor,/usr/bin/ed,1\r\n";
    ini += "Long=Editor,/usr/bin/ed,-x,1,more\r\n";
    ini += "Empty=\r\n[View]\r\nStyle=1\r\n";
    WriteIni(ini);

    TToolItems tools(Ini());
    ASSERT_EQ(tools.Count(), 13);
    const QStringList names = Descriptions(tools);
    EXPECT_EQ(names.indexOf(QStringLiteral("T10")), names.indexOf(QStringLiteral("T9")) + 1);
    EXPECT_EQ(names.at(11), QStringLiteral("T11"));
    const TToolItem& mail = tools.Item(12);
    EXPECT_EQ(mail.Description, QStringLiteral("Mail, quick"));
    EXPECT_EQ(mail.Filename, QStringLiteral("/opt/mail/run"));
    EXPECT_EQ(mail.Arguments, QStringLiteral("--to \"me\""));
    EXPECT_TRUE(mail.AllowAddress);
    EXPECT_FALSE(tools.Item(0).AllowAddress);
    EXPECT_EQ(tools.rowCount(), 13);
    EXPECT_EQ(tools.data(tools.index(12)).toString(), QStringLiteral("Mail, quick"));
}

TEST_F(ToolItemsTest, SaveRewritesTheSectionAndDropsWhatWasSkipped)
{
    WriteIni("[Tools]\r\nA=One,/bin/one,-a,1\r\nB=broken\r\n[View]\r\nStyle=2\r\n");
    {
        TToolItems tools(Ini());
        tools.Append(TToolItem(QStringLiteral("Two, too"), QStringLiteral("/bin/two"), {}, false));
        tools.Append(TToolItem(QStringLiteral("Three"), QStringLiteral("/bin/three"), QStringLiteral("-v"), false));
        EXPECT_FALSE(tools.Remove(QStringLiteral("three")));  // exact descriptions only
        EXPECT_TRUE(tools.Remove(QStringLiteral("Three")));
        ASSERT_TRUE(tools.Save());
    }
    const ProfileFile profile(Ini());
    EXPECT_EQ(profile.ReadSection(QStringLiteral("Tools")), (QStringList{QStringLiteral("Tool0"), QStringLiteral("Tool1")}));
    EXPECT_EQ(profile.ReadString(QStringLiteral("View"), QStringLiteral("Style")), QStringLiteral("2"));
    TToolItems again(Ini());
    ASSERT_EQ(again.Count(), 2);
    EXPECT_EQ(again.Item(0).Arguments, QStringLiteral("-a"));
    EXPECT_TRUE(again.Item(0).AllowAddress);
    EXPECT_EQ(again.Item(1).Description, QStringLiteral("Two, too"));
    EXPECT_TRUE(again.Item(1).Arguments.isEmpty());
}

TEST_F(ToolItemsTest, LaunchParametersOfMenusPickerAndToolItems)
{
    WriteIni("[Tools]\r\nTool0=Quiet,/opt/q/quiet,-q,1\r\nTool1=Bare,/opt/b/bare,,0\r\n"
             "Tool2=Titled,/opt/t/titled,--title \"My Notes\",0\r\n");
    RecordingStarter starter;
    TToolItems tools(Ini());
    tools.SetStarter(&starter);

    // The menus pass nothing, whatever the arguments; the picker passes them with a trailing blank.
    EXPECT_TRUE(tools.Start(0).ok);
    EXPECT_TRUE(tools.Launch(0).ok);
    EXPECT_EQ(TToolItem::LaunchParameters(QStringLiteral("-q"), {}), QStringLiteral("-q "));
    EXPECT_TRUE(TToolItem::LaunchParameters({}, {}).isEmpty());
    tools.Launch(1);
    tools.Launch(1, QStringLiteral("x"));
    tools.Launch(2);
    ASSERT_EQ(starter.calls.size(), 5);
    EXPECT_EQ(starter.calls[0].program, QStringLiteral("/opt/q/quiet"));
    EXPECT_TRUE(starter.calls[0].arguments.isEmpty());
    EXPECT_EQ(starter.calls[0].workingDirectory, QStringLiteral("/opt/q"));
    EXPECT_EQ(starter.calls[1].arguments, QStringList{QStringLiteral("-q")});
    EXPECT_EQ(starter.calls[1].workingDirectory, QStringLiteral("/opt/q"));
    EXPECT_TRUE(starter.calls[2].arguments.isEmpty());
    EXPECT_EQ(starter.calls[3].arguments, QStringList{QStringLiteral("x")});
    EXPECT_EQ(starter.calls[4].arguments, (QStringList{QStringLiteral("--title"), QStringLiteral("My Notes")}));

    // A tool item adds its target address after its parameters and a blank.
    TItemTree tree;
    TZVBObject* item = AddLeaf(tree.CreateRoot(), 12, QStringLiteral("Data"), QStringLiteral("/home/me/data.txt"),
                               QStringLiteral("{Tool}/opt/view/viewer~~-f~~0"));
    const auto* tool = static_cast<TToolObject*>(item);
    EXPECT_EQ(tool->LaunchParameters(), QStringLiteral("-f /home/me/data.txt"));
    starter.calls.clear();
    ShellLauncher(starter).Launch(tool->Program(), tool->LaunchParameters(), tool->WorkingDirectory());
    ASSERT_EQ(starter.calls.size(), 1);
    EXPECT_EQ(starter.calls[0].arguments, (QStringList{QStringLiteral("-f"), QStringLiteral("/home/me/data.txt")}));
    EXPECT_EQ(starter.calls[0].workingDirectory, QStringLiteral("/opt/view"));
}

TEST_F(ToolItemsTest, AProgramThatCannotStartIsReportedByName)
{
    WriteIni("[Tools]\r\nTool0=Gone," + dir.filePath(QStringLiteral("no-such-program")).toUtf8() + ",,0\r\n");
    DetachedProcessStarter real;
    TToolItems tools(Ini());
    tools.SetStarter(&real);
    ASSERT_EQ(tools.Count(), 1);  // a missing program still has its entry
    const LaunchResult result = tools.Start(0);
    EXPECT_FALSE(result.ok);
    EXPECT_TRUE(result.error.contains(QStringLiteral("no-such-program"))) << result.error.toStdString();
}

TEST_F(ToolItemsTest, IconsGoToTheImageListsAndToolItemsFindThem)
{
    WriteIni("[Tools]\r\nTool0=Shell,/bin/sh,,0\r\nTool1=Other,/opt/other/run,,1\r\n");
    ImageLists images;
    TToolItems tools(Ini(), &images);
    EXPECT_EQ(images.Count(), ImageLists::StandardCount + 2);
    EXPECT_EQ(tools.ImageIndexFor(QStringLiteral("/bin/sh")), ImageLists::StandardCount);
    EXPECT_EQ(tools.ImageIndexFor(QStringLiteral("/opt/other/run")), ImageLists::StandardCount + 1);
    EXPECT_EQ(tools.ImageIndexFor(QStringLiteral("/bin/SH")), ImageLists::Document);
    EXPECT_FALSE(tools.Item(1).Icon().isNull());

    // A new program file keeps the tool's place in the lists.
    tools.SetFilename(1, QStringLiteral("/bin/true"));
    EXPECT_EQ(images.Count(), ImageLists::StandardCount + 2);
    EXPECT_EQ(tools.ImageIndexFor(QStringLiteral("/bin/true")), ImageLists::StandardCount + 1);
    EXPECT_EQ(tools.ImageIndexFor(QStringLiteral("/opt/other/run")), ImageLists::Document);

    TToolItems withoutLists(Ini());
    EXPECT_EQ(withoutLists.ImageIndexFor(QStringLiteral("/bin/sh")), ImageLists::Document);
}

TEST_F(ToolItemsTest, ProgramFilesAndTheirDescriptions)
{
    const QString program = dir.filePath(QStringLiteral("notepad.exe"));
    const QString text = dir.filePath(QStringLiteral("readme.txt"));
    for (const QString& path : {program, text}) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("#!/bin/sh\n");
    }
    QFile::setPermissions(program, QFile::permissions(program) | QFileDevice::ExeOwner);
    EXPECT_TRUE(TToolItem::IsProgramFile(program));
    EXPECT_FALSE(TToolItem::IsProgramFile(text));
    EXPECT_FALSE(TToolItem::IsProgramFile(dir.path()));  // directories are "executable" too
    EXPECT_EQ(TToolItem::DescriptionFor(program), QStringLiteral("notepad"));
    EXPECT_EQ(TToolItem::DescriptionFor(QStringLiteral("/usr/bin/gimp-2.10")), QStringLiteral("gimp-2.10"));
    EXPECT_EQ(TToolItem::DescriptionFor(QStringLiteral("/opt/RUN.EXE")), QStringLiteral("RUN"));
}

TEST_F(ToolItemsTest, MenusKeepTheirFixedEntriesAndFollowTheList)
{
    WriteIni("[Tools]\r\nTool0=Salt & Pepper,/opt/sp/sp,-q,0\r\n");
    RecordingStarter starter;
    TToolItems tools(Ini());
    tools.SetStarter(&starter);
    QMenu popup;
    popup.addAction(QStringLiteral("&Show Popup"));
    popup.addSeparator();
    QMenu tray;
    ToolsMenu::Keep(popup, tools, 2);
    ToolsMenu::Keep(tray, tools);
    ASSERT_EQ(popup.actions().size(), 3);
    EXPECT_EQ(popup.actions().at(0)->text(), QStringLiteral("&Show Popup"));
    EXPECT_EQ(popup.actions().at(2)->text(), QStringLiteral("Salt && Pepper"));

    tools.Append(TToolItem(QStringLiteral("Second"), QStringLiteral("/opt/s/second"), {}, false));
    ASSERT_EQ(popup.actions().size(), 4);
    ASSERT_EQ(tray.actions().size(), 2);
    EXPECT_EQ(tray.actions().at(1)->text(), QStringLiteral("Second"));
    tools.Remove(QStringLiteral("Salt & Pepper"));
    ASSERT_EQ(tray.actions().size(), 1);
    ASSERT_EQ(popup.actions().size(), 3);

    tray.actions().at(0)->trigger();
    ASSERT_EQ(starter.calls.size(), 1);
    EXPECT_EQ(starter.calls[0].program, QStringLiteral("/opt/s/second"));
    EXPECT_TRUE(starter.calls[0].arguments.isEmpty());
}
