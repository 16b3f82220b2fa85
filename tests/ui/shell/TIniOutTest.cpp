#include "QtPrinters.h"
#include "platform/ProfileFile.h"
#include "ui/shell/CheckedAdapter.h"
#include "ui/shell/MainWindowSettings.h"
#include "ui/shell/ShownAdapter.h"
#include "ui/shell/TIniOut.h"
#include "ui/panes/ViewStyle.h"
#include "ui/shell/WindowGeometryAdapter.h"

#include <QAction>
#include <QMainWindow>
#include <QTemporaryDir>
#include <QToolBar>
#include <QToolButton>

#include <gtest/gtest.h>

#include <memory>

namespace {

// Stands in for the item list pane.
class FakeListPane : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(ListView::ViewStyle ViewStyle READ ViewStyle WRITE SetViewStyle)
public:
    using QWidget::QWidget;
    ListView::ViewStyle ViewStyle() const { return m_style; }
    void SetViewStyle(ListView::ViewStyle style) { m_style = style; }

private:
    ListView::ViewStyle m_style = ListView::vsList;
};

// The main window's persisted objects, wired as the real window wires them.
struct FakeMainWindow
{
    QMainWindow window;
    QHash<QString, QToolBar*> bars;
    QHash<QString, QAction*> actions;
    QHash<QString, QToolButton*> buttons;
    FakeListPane* list = nullptr;

    FakeMainWindow()
    {
        window.setObjectName(QStringLiteral("MainForm"));
        new WindowGeometryAdapter(&window, QStringLiteral("MainForm"));
        for (const char16_t* name : {u"SpeedBar", u"NewBar", u"FindBar", u"TipBar1"}) {
            auto* bar = window.addToolBar(QString::fromUtf16(name));
            bar->setObjectName(QString::fromUtf16(name));
            new ShownAdapter(bar, bar->objectName());
            bars.insert(bar->objectName(), bar);
        }
        for (const char16_t* name : {u"ToolbarItem", u"NewItemBar", u"FindBarItem", u"TipBarItem", u"LargeIcons",
                                     u"SmallIcons", u"List", u"Details"}) {
            auto* action = new QAction(&window);
            action->setObjectName(QString::fromUtf16(name));
            action->setCheckable(true);
            actions.insert(action->objectName(), action);
        }
        for (int i = 1; i <= 4; ++i) {
            auto* button = new QToolButton(bars.value(QStringLiteral("SpeedBar")));
            button->setObjectName(QStringLiteral("ViewTypeBtn") + QString::number(i));
            button->setCheckable(true);
            button->setAutoExclusive(true);
            new CheckedAdapter(button, button->objectName());
            buttons.insert(button->objectName(), button);
        }
        list = new FakeListPane(&window);
        list->setObjectName(QStringLiteral("MainItems"));
        window.setCentralWidget(list);
    }

    void ChooseDetails()
    {
        actions.value(QStringLiteral("LargeIcons"))->setChecked(false);
        actions.value(QStringLiteral("Details"))->setChecked(true);
        buttons.value(QStringLiteral("ViewTypeBtn4"))->setChecked(true);
        list->SetViewStyle(ListView::vsReport);
    }
};

class TIniOutTest : public ::testing::Test
{
protected:
    QString IniPath() const { return m_dir.filePath(QStringLiteral("zvb.ini")); }

    std::unique_ptr<TIniOut> MakeIni(FakeMainWindow& form)
    {
        auto ini = std::make_unique<TIniOut>(&form.window, IniPath());
        ini->SetItems(MainWindowSettings::Entries());
        return ini;
    }

    QTemporaryDir m_dir;
};

TEST_F(TIniOutTest, FirstStartWithoutFileTakesTheDefaults)
{
    FakeMainWindow form;
    form.window.move(300, 200);
    form.bars.value(QStringLiteral("FindBar"))->hide();
    ASSERT_TRUE(MakeIni(form)->Load());

    EXPECT_EQ(form.window.pos(), QPoint(0, 0));
    EXPECT_EQ(form.window.size(), QSize(640, 480));
    for (QToolBar* bar : std::as_const(form.bars))
        EXPECT_FALSE(bar->isHidden()) << bar->objectName().toStdString();
    for (const char16_t* name : {u"ToolbarItem", u"NewItemBar", u"FindBarItem", u"TipBarItem", u"LargeIcons"})
        EXPECT_TRUE(form.actions.value(QString::fromUtf16(name))->isChecked());
    EXPECT_FALSE(form.actions.value(QStringLiteral("Details"))->isChecked());
    EXPECT_TRUE(form.buttons.value(QStringLiteral("ViewTypeBtn1"))->isChecked());
    EXPECT_EQ(form.list->ViewStyle(), ListView::vsIcon);
    EXPECT_FALSE(QFile::exists(IniPath())) << "loading never creates the file";
}

TEST_F(TIniOutTest, RestartRestoresWindowBarsAndView)
{
    {
        FakeMainWindow form;
        MakeIni(form)->Load();
        form.window.move(120, 45);
        form.window.resize(800, 600);
        form.bars.value(QStringLiteral("FindBar"))->hide();
        form.actions.value(QStringLiteral("FindBarItem"))->setChecked(false);
        form.ChooseDetails();
        // The program lives in the tray: the window is hidden when it saves.
        form.window.hide();
        ASSERT_TRUE(MakeIni(form)->Save());
    }

    const ProfileFile file(IniPath());
    EXPECT_EQ(file.ReadString(QStringLiteral("View"), QStringLiteral("Detail")), u"1");
    EXPECT_EQ(file.ReadString(QStringLiteral("View"), QStringLiteral("Style")), u"vsReport");
    EXPECT_EQ(file.ReadString(QStringLiteral("View"), QStringLiteral("Icon")), u"0");
    EXPECT_EQ(file.ReadString(QStringLiteral("Toolbar"), QStringLiteral("Find")), u"0");
    EXPECT_EQ(file.ReadString(QStringLiteral("Toolbar"), QStringLiteral("Main")), u"1");
    EXPECT_EQ(file.ReadString(QStringLiteral("Window"), QStringLiteral("Left")), u"120");
    EXPECT_EQ(file.ReadSections(), (QStringList{QStringLiteral("View"), QStringLiteral("Window"), QStringLiteral("Toolbar")}));

    FakeMainWindow next;
    MakeIni(next)->Load();
    EXPECT_EQ(next.window.pos(), QPoint(120, 45));
    EXPECT_EQ(next.window.size(), QSize(800, 600));
    EXPECT_TRUE(next.bars.value(QStringLiteral("FindBar"))->isHidden());
    EXPECT_FALSE(next.bars.value(QStringLiteral("NewBar"))->isHidden());
    EXPECT_FALSE(next.actions.value(QStringLiteral("FindBarItem"))->isChecked());
    EXPECT_TRUE(next.actions.value(QStringLiteral("Details"))->isChecked());
    EXPECT_FALSE(next.actions.value(QStringLiteral("LargeIcons"))->isChecked());
    EXPECT_TRUE(next.buttons.value(QStringLiteral("ViewTypeBtn4"))->isChecked());
    EXPECT_FALSE(next.buttons.value(QStringLiteral("ViewTypeBtn1"))->isChecked());
    EXPECT_EQ(next.list->ViewStyle(), ListView::vsReport);
}

TEST_F(TIniOutTest, MaximizedWindowKeepsItsNormalGeometry)
{
    FakeMainWindow form;
    form.window.setGeometry(40, 30, 700, 500);
    form.window.showMaximized();
    auto ini = std::make_unique<TIniOut>(&form.window, IniPath());
    ini->SetItems(QStringList{QStringLiteral("MainForm;Width;640;Window;Width;1;0"),
                              QStringLiteral("MainForm;WindowState;[];Window;State;1;0")});
    ini->Save();
    const ProfileFile file(IniPath());
    EXPECT_EQ(file.ReadString(QStringLiteral("Window"), QStringLiteral("Width")), u"700");
    EXPECT_EQ(file.ReadString(QStringLiteral("Window"), QStringLiteral("State")), u"[WindowMaximized]");
}

TEST_F(TIniOutTest, EntriesAreCheckedUsedAndSkippedAsWritten)
{
    FakeMainWindow form;
    ProfileFile file(IniPath());
    file.WriteString(QStringLiteral("Window"), QStringLiteral("Width"), QStringLiteral("wide"));
    file.WriteString(QStringLiteral("Window"), QStringLiteral("Height"), QStringLiteral("333"));
    file.WriteString(QStringLiteral("View"), QStringLiteral("Style"), QStringLiteral("vsList"));
    form.window.resize(500, 400);

    TIniOut ini(&form.window, IniPath());
    ini.SetItems(QStringList{
        QStringLiteral("  mainform ; WIDTH ; 640 ; Window ; Width ; 1 ; 0"), // names without case; value does not convert
        QStringLiteral("MainForm;Height;480;Window;Height;1;1"),             // load-only
        QStringLiteral("NoSuchThing;Visible;False;Toolbar;Ghost;1;0"),       // unknown component
        QStringLiteral("MainItems;NoSuchProperty;x;View;Ghost;1;0"),         // unknown property
        QStringLiteral("MainItems;ViewStyle;vsIcon;;Style;1;0"),             // no section: unusable
        QStringLiteral("MainItems;ViewStyle;vsIcon;View;Style"),             // short line: saved
    });
    ini.Load();
    EXPECT_EQ(form.window.size(), QSize(500, 333));
    EXPECT_EQ(form.list->ViewStyle(), ListView::vsList);

    form.window.resize(510, 410);
    form.list->SetViewStyle(ListView::vsSmallIcon);
    ini.Save();
    EXPECT_EQ(file.ReadString(QStringLiteral("Window"), QStringLiteral("Width")), u"510");
    EXPECT_EQ(file.ReadString(QStringLiteral("Window"), QStringLiteral("Height")), u"333") << "load-only is never written";
    EXPECT_FALSE(file.ValueExists(QStringLiteral("Toolbar"), QStringLiteral("Ghost")));
    EXPECT_FALSE(file.ValueExists(QStringLiteral("View"), QStringLiteral("Ghost")));
    EXPECT_EQ(file.ReadString(QStringLiteral("View"), QStringLiteral("Style")), u"vsSmallIcon");
}

TEST_F(TIniOutTest, RegisteredObjectsWinOverTheRootsChildren)
{
    FakeMainWindow form;
    QToolBar other;
    new ShownAdapter(&other, QStringLiteral("Spare"));
    TIniOut ini(&form.window, IniPath());
    ini.Register(QStringLiteral("FindBar"), other.findChild<ShownAdapter*>());
    ini.SetItems(QStringList{QStringLiteral("FindBar;Visible;False;Toolbar;Find;1;0")});
    ini.Load();
    EXPECT_TRUE(other.isHidden());
    EXPECT_FALSE(form.bars.value(QStringLiteral("FindBar"))->isHidden());
}

TEST_F(TIniOutTest, NoFileNameReportsAndTouchesNothing)
{
    FakeMainWindow form;
    form.window.resize(500, 400);
    TIniOut ini(&form.window);
    QStringList reports;
    ini.SetErrorReporter([&](const QString& caption, const QString& message) { reports << caption << message; });
    ini.SetItems(MainWindowSettings::Entries());
    EXPECT_FALSE(ini.Load());
    EXPECT_FALSE(ini.Save());
    EXPECT_EQ(reports, (QStringList{QStringLiteral("IniOut Property Manager"), QStringLiteral("No INI Filename Specified."),
                                    QStringLiteral("IniOut Property Manager"), QStringLiteral("No INI Filename Specified.")}));
    EXPECT_EQ(form.window.size(), QSize(500, 400));
}

TEST(MainWindowSettingsTest, ListsTheWindowsEntriesAndTheTreeWidthLast)
{
    const auto& entries = MainWindowSettings::Entries();
    ASSERT_EQ(entries.size(), 22);
    EXPECT_EQ(entries.first().ToText(), u"LargeIcons;Checked;True;View;Icon;1;0");
    EXPECT_EQ(entries.at(18).ToText(), u"MainForm;Left;0;Window;Left;1;0");
    EXPECT_EQ(entries.at(20).ToText(), u"TipBar1;Visible;True;Toolbar;Tip;1;0");
    // After the window's size, which bounds it.
    EXPECT_EQ(entries.last().ToText(), u"FolderPane;Width;220;Window;TreeWidth;1;0");
    for (const IniEntry& entry : entries) {
        EXPECT_TRUE(entry.IsUsable());
        EXPECT_FALSE(entry.loadOnly);
    }
}

} // namespace

#include "TIniOutTest.moc"
