#include "RecordingStarter.h"

#include "platform/ProfileFile.h"
#include "ui/options/BrowserMailPage.h"
#include "ui/options/CategoriesPage.h"
#include "ui/options/PhoneDevicePage.h"
#include "ui/options/TOptionPages.h"
#include "ui/options/TToolItems.h"
#include "ui/options/TToolsDlg.h"
#include "ui/options/ToolsMenuPage.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

class OptionPagesTest : public ::testing::Test
{
protected:
    QString Ini() const { return dir.filePath(QStringLiteral("zvb.ini")); }
    void WriteIni(const QByteArray& text) const
    {
        QFile file(Ini());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text);
    }
    QByteArray ReadIni() const
    {
        QFile file(Ini());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    QString MakeFile(const QString& name, bool executable) const
    {
        const QString path = dir.filePath(name);
        QFile file(path);
        file.open(QIODevice::WriteOnly);
        file.write("#!/bin/sh\n");
        file.close();
        if (executable)
            QFile::setPermissions(path, QFile::permissions(path) | QFileDevice::ExeOwner);
        return path;
    }
    template <typename T> static T* Child(QWidget& parent, const char16_t* name)
    {
        T* child = parent.findChild<T*>(QString::fromUtf16(name));
        EXPECT_NE(child, nullptr) << QString::fromUtf16(name).toStdString();
        return child;
    }

    QTemporaryDir dir;
};

} // namespace

TEST_F(OptionPagesTest, AnEmptyFileShowsTheDefaults)
{
    TToolItems tools(Ini());
    TOptionPages dialog(Ini(), tools);
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Options"));
    EXPECT_EQ(dialog.BrowserMail()->DdeName(), QStringLiteral("IExplore"));
    EXPECT_TRUE(dialog.BrowserMail()->BrowserPath().isEmpty());
    EXPECT_TRUE(Child<QRadioButton>(dialog, u"EMailOpt1")->isChecked());
    const QStringList names = dialog.Categories()->Names();
    ASSERT_EQ(names.size(), 32);
    EXPECT_EQ(names.at(0), QStringLiteral("User Defined 1"));
    EXPECT_EQ(names.at(31), QStringLiteral("User Defined 32"));
    EXPECT_FALSE(dialog.Values().callerId);
}

TEST_F(OptionPagesTest, OkWritesEveryKeyAndAnnouncesTheChanges)
{
    WriteIni("[Categories]\r\nCat3=Golf\r\nCat40=stale\r\n[Settings]\r\nINetMail=2\r\nCallerId=1\r\nCallerHistory=20\r\n");
    TToolItems tools(Ini());
    TOptionPages dialog(Ini(), tools);
    EXPECT_TRUE(Child<QRadioButton>(dialog, u"EMailOpt2")->isChecked());
    EXPECT_EQ(dialog.Categories()->Names().at(2), QStringLiteral("Golf"));
    QSignalSpy browser(&dialog, &TOptionPages::BrowserLinkChanged);
    QSignalSpy categories(&dialog, &TOptionPages::CategoryNamesChanged);
    QSignalSpy callerId(&dialog, &TOptionPages::CallerIdSwitched);

    Child<QComboBox>(dialog, u"DDE")->setCurrentText(QStringLiteral("firefox"));
    Child<QLineEdit>(dialog, u"Path")->setText(QStringLiteral("/opt/browser/browse.exe"));
    Child<QRadioButton>(dialog, u"EMailOpt3")->setChecked(true);
    QListWidget* list = dialog.Categories()->CatList();
    list->setCurrentRow(0);
    dialog.Categories()->CatName()->setText(QStringLiteral("Family"));
    // OK while the name is still being edited takes it over.
    dialog.OkButton()->click();

    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    const ProfileFile profile(Ini());
    EXPECT_EQ(profile.ReadString(QStringLiteral("Browser"), QStringLiteral("Path")), QStringLiteral("/opt/browser/browse.exe"));
    EXPECT_EQ(profile.ReadString(QStringLiteral("Browser"), QStringLiteral("DDE")), QStringLiteral("firefox"));
    EXPECT_EQ(profile.ReadString(QStringLiteral("Settings"), QStringLiteral("INetMail")), QStringLiteral("3"));
    EXPECT_EQ(profile.ReadString(QStringLiteral("Settings"), QStringLiteral("CallerId")), QStringLiteral("1"));
    EXPECT_EQ(profile.ReadString(QStringLiteral("Settings"), QStringLiteral("CallerHistory")), QStringLiteral("20"));
    const QStringList keys = profile.ReadSection(QStringLiteral("Categories"));
    ASSERT_EQ(keys.size(), 32);
    EXPECT_EQ(keys.first(), QStringLiteral("Cat1"));
    EXPECT_EQ(keys.last(), QStringLiteral("Cat32"));
    EXPECT_EQ(profile.ReadString(QStringLiteral("Categories"), QStringLiteral("Cat1")), QStringLiteral("Family"));
    EXPECT_EQ(profile.ReadString(QStringLiteral("Categories"), QStringLiteral("Cat3")), QStringLiteral("Golf"));
    EXPECT_EQ(profile.ReadString(QStringLiteral("Categories"), QStringLiteral("Cat32")), QStringLiteral("User Defined 32"));

    ASSERT_EQ(browser.size(), 1);
    EXPECT_EQ(browser.at(0).at(0).toString(), QStringLiteral("firefox"));
    EXPECT_EQ(browser.at(0).at(1).toString(), QStringLiteral("/opt/browser/browse"));
    ASSERT_EQ(categories.size(), 1);
    EXPECT_EQ(categories.at(0).at(0).toStringList().first(), QStringLiteral("Family"));
    ASSERT_EQ(callerId.size(), 1);
    EXPECT_TRUE(callerId.at(0).at(0).toBool());
}

TEST_F(OptionPagesTest, CancelWritesNothingAndAnnouncesNothing)
{
    WriteIni("[Browser]\r\nPath=/usr/bin/browser\r\n[Settings]\r\nINetMail=7\r\n");
    const QByteArray before = ReadIni();
    TToolItems tools(Ini());
    TOptionPages dialog(Ini(), tools, {QStringLiteral("A"), QStringLiteral("B")});
    // An unknown mail method selects no choice.
    for (const char16_t* name : {u"EMailOpt1", u"EMailOpt2", u"EMailOpt3"})
        EXPECT_FALSE(Child<QRadioButton>(dialog, name)->isChecked());
    EXPECT_EQ(dialog.Values().inetMail, 3);
    EXPECT_EQ(dialog.Categories()->Names(), (QStringList{QStringLiteral("A"), QStringLiteral("B")}));
    QSignalSpy categories(&dialog, &TOptionPages::CategoryNamesChanged);
    QSignalSpy browser(&dialog, &TOptionPages::BrowserLinkChanged);

    Child<QLineEdit>(dialog, u"Path")->setText(QStringLiteral("/elsewhere"));
    Child<QRadioButton>(dialog, u"EMailOpt1")->setChecked(true);
    dialog.Categories()->CatList()->setCurrentRow(1);
    dialog.Categories()->CatName()->setText(QStringLiteral("Changed"));
    dialog.CancelButton()->click();

    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    EXPECT_EQ(ReadIni(), before);
    EXPECT_TRUE(categories.isEmpty());
    EXPECT_TRUE(browser.isEmpty());
}

TEST_F(OptionPagesTest, CategoryRenamesIgnoreAnEmptyName)
{
    TToolItems tools(Ini());
    TOptionPages dialog(Ini(), tools);
    CategoriesPage* page = dialog.Categories();
    page->CatList()->setCurrentRow(2);
    EXPECT_EQ(page->CatName()->text(), QStringLiteral("User Defined 3"));
    page->CatName()->setText(QString());
    page->CommitName();
    EXPECT_EQ(page->Names().at(2), QStringLiteral("User Defined 3"));
    page->CatName()->setText(QStringLiteral("Tennis"));
    page->CommitName();
    EXPECT_EQ(page->Names().at(2), QStringLiteral("Tennis"));
    // Moving on shows the next name without touching the renamed one.
    page->CatList()->setCurrentRow(3);
    EXPECT_EQ(page->CatName()->text(), QStringLiteral("User Defined 4"));
    EXPECT_EQ(page->Names().at(2), QStringLiteral("Tennis"));
}

TEST_F(OptionPagesTest, AFileThatCannotBeWrittenKeepsTheDialogOpen)
{
    TToolItems tools(Ini());
    const QString blocked = dir.filePath(QStringLiteral("blocked"));
    QDir().mkpath(blocked + u"/zvb.ini");  // a directory where the file should be
    TOptionPages dialog(blocked + u"/zvb.ini", tools);
    QStringList messages;
    dialog.SetMessage([&messages](const QString& caption, const QString& text) { messages << caption + u": " + text; });
    QSignalSpy categories(&dialog, &TOptionPages::CategoryNamesChanged);
    dialog.open();
    dialog.OkButton()->click();
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages.first().startsWith(QStringLiteral("Options: The options could not be written")));
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_TRUE(categories.isEmpty());
    dialog.reject();
}

TEST_F(OptionPagesTest, ToolsPageAddsOnlyExecutableFilesAndEditsAtOnce)
{
    TToolItems tools(Ini());
    TOptionPages dialog(Ini(), tools);
    ToolsMenuPage* page = dialog.ToolsMenu();
    QStringList messages;
    dialog.SetMessage([&messages](const QString& caption, const QString& text) { messages << caption + u": " + text; });
    QSignalSpy toolsChanged(&dialog, &TOptionPages::ToolsChanged);

    EXPECT_FALSE(page->AddToolFile(MakeFile(QStringLiteral("readme.txt"), false)));
    EXPECT_EQ(messages, QStringList{QStringLiteral("Invalid File Type: Only executable files may be used as Tools")});
    EXPECT_EQ(tools.Count(), 0);

    const QString notepad = MakeFile(QStringLiteral("notepad.exe"), true);
    ASSERT_TRUE(page->AddToolFile(notepad));
    ASSERT_EQ(tools.Count(), 1);
    EXPECT_EQ(page->SelectedTool(), 0);
    EXPECT_EQ(tools.Item(0).Description, QStringLiteral("notepad"));
    EXPECT_EQ(tools.Item(0).Filename, notepad);
    EXPECT_TRUE(tools.Item(0).Arguments.isEmpty());
    EXPECT_FALSE(tools.Item(0).AllowAddress);
    auto* description = Child<QLineEdit>(dialog, u"Description");
    EXPECT_EQ(description->text(), QStringLiteral("notepad"));

    description->setText(QStringLiteral("Notes"));
    Child<QLineEdit>(dialog, u"Arguments")->setText(QStringLiteral("-n"));
    Child<QCheckBox>(dialog, u"AddressCheckBox")->click();
    EXPECT_TRUE(tools.Item(0).AllowAddress);
    EXPECT_EQ(tools.Item(0).Description, QStringLiteral("Notes"));
    EXPECT_EQ(tools.Item(0).Arguments, QStringLiteral("-n"));

    ASSERT_TRUE(page->AddToolFile(MakeFile(QStringLiteral("other"), true)));
    EXPECT_EQ(page->SelectedTool(), 1);
    EXPECT_EQ(description->text(), QStringLiteral("other"));
    Child<QPushButton>(dialog, u"DeleteBtn")->click();
    ASSERT_EQ(tools.Count(), 1);
    EXPECT_EQ(tools.Item(0).Description, QStringLiteral("Notes"));

    // Cancel keeps what the page did to the list, and the menus hear of it.
    dialog.reject();
    EXPECT_EQ(tools.Count(), 1);
    EXPECT_EQ(toolsChanged.size(), 1);
    EXPECT_FALSE(ProfileFile(Ini()).SectionExists(QStringLiteral("Tools")));
}

TEST_F(OptionPagesTest, ToolPickerLaunchesOrHandsBackTheTool)
{
    WriteIni("[Tools]\r\nTool0=Quiet,/opt/q/quiet,-q,0\r\nTool1=Mapper,/opt/m/map,--city,1\r\n");
    RecordingStarter starter;
    TToolItems tools(Ini());
    tools.SetStarter(&starter);
    {
        TToolsDlg dialog(tools);
        EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Tools"));
        EXPECT_FALSE(dialog.LaunchButton()->isEnabled());
        EXPECT_FALSE(dialog.NewAddressButton()->isEnabled());
        dialog.SelectTool(0);
        EXPECT_TRUE(dialog.LaunchButton()->isEnabled());
        EXPECT_FALSE(dialog.NewAddressButton()->isEnabled());
        dialog.open();
        dialog.LaunchButton()->click();
        EXPECT_FALSE(dialog.isVisible());
        ASSERT_EQ(starter.calls.size(), 1);
        EXPECT_EQ(starter.calls[0].arguments, QStringList{QStringLiteral("-q")});
    }
    {
        TToolsDlg dialog(tools);
        dialog.SelectTool(1);
        EXPECT_TRUE(dialog.NewAddressButton()->isEnabled());
        QTimer::singleShot(0, &dialog, [&dialog] { dialog.NewAddressButton()->click(); });
        EXPECT_EQ(dialog.exec(), TToolsDlg::NewAddress);
        EXPECT_EQ(dialog.SelectedTool(), 1);
    }
    QTimer::singleShot(0, [] {
        if (auto* dialog = qobject_cast<TToolsDlg*>(QApplication::activeModalWidget()))
            dialog->CloseButton()->click();
    });
    EXPECT_EQ(TToolsDlg::ChooseForNewItem(tools, nullptr), -1);
    EXPECT_EQ(starter.calls.size(), 1);
}

TEST_F(OptionPagesTest, TheFirstCategoryRenameIsKeptWithoutPickingAnEntry)
{
    TToolItems tools(Ini());
    TOptionPages dialog(Ini(), tools);
    QLineEdit* name = dialog.Categories()->CatName();
    EXPECT_EQ(name->text(), QStringLiteral("User Defined 1"));
    name->setText(QStringLiteral("Family"));
    Q_EMIT name->editingFinished();
    EXPECT_EQ(dialog.Categories()->Names().at(0), QStringLiteral("Family"));
    dialog.reject();
}

TEST_F(OptionPagesTest, DeleteRemovesTheSelectedToolWhenTwoShareADescription)
{
    WriteIni("[Tools]\r\nTool0=Editor,/usr/bin/first,,0\r\nTool1=Editor,/usr/bin/second,,0\r\n");
    TToolItems tools(Ini());
    TOptionPages dialog(Ini(), tools);
    ToolsMenuPage* page = dialog.ToolsMenu();
    page->ToolList()->setCurrentIndex(tools.index(1));
    ASSERT_EQ(page->SelectedTool(), 1);
    Child<QPushButton>(dialog, u"DeleteBtn")->click();
    ASSERT_EQ(tools.Count(), 1);
    EXPECT_EQ(tools.Item(0).Filename, QStringLiteral("/usr/bin/first"));
    dialog.reject();
}

TEST_F(OptionPagesTest, ThePhoneDevicePageSwitchesCallerId)
{
    WriteIni("[Settings]\r\nCallerId=1\r\n");
    TToolItems tools(Ini());
    TOptionPages dialog(Ini(), tools);
    EXPECT_EQ(dialog.Pages()->tabText(3), QStringLiteral("Phone Device"));
    QCheckBox* check = dialog.PhoneDevice()->CallerIDCheck();
    EXPECT_EQ(check->text(), QStringLiteral("Enable Caller ID"));
    EXPECT_TRUE(check->isChecked());
    EXPECT_EQ(dialog.PhoneDevice()->DialSettingsButton()->text(), QStringLiteral("Dial Settings..."));
    QSignalSpy callerId(&dialog, &TOptionPages::CallerIdSwitched);
    check->setChecked(false);
    dialog.OkButton()->click();
    EXPECT_EQ(ProfileFile(Ini()).ReadString(QStringLiteral("Settings"), QStringLiteral("CallerId")), QStringLiteral("0"));
    ASSERT_EQ(callerId.size(), 1);
    EXPECT_FALSE(callerId.at(0).at(0).toBool());
}
