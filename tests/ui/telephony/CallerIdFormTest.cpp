#include "ModemSimulator.h"
#include "TelephonyTestSupport.h"
#include "TreeBuilder.h"

#include "comm/TetLine.h"
#include "model/ZVBObject.h"
#include "platform/ProfileFile.h"
#include "ui/panes/FolderTreeModel.h"
#include "ui/panes/ItemListPane.h"
#include "ui/shell/TLogicForm.h"
#include "ui/shell/TMainForm.h"
#include "ui/telephony/CallHistoryModel.h"
#include "ui/telephony/TCallerIdForm.h"
#include "ui/shell/TTrayIcon.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMimeData>
#include <QPushButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTreeView>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

class CallerIdFormTest : public ::testing::Test
{
protected:
    CallerIdFormTest()
    {
        form.etLine().UsePort(modem.Path(), 115200);
        form.etLine().SetRingGap(300);
        form.SetMessage([this](const QString& text) { messages << text; });
    }

    QString Ini() const { return dir.filePath(u"zvb.ini"_s); }
    QString History() const { return dir.filePath(u"callid.dat"_s); }

    QTemporaryDir dir;
    ModemSimulator modem {QStringLiteral(ZENDRIVO_MODEMSIM_PATH)};
    TCallerIdForm form {Ini(), History()};
    QStringList messages;
};

} // namespace

TEST_F(CallerIdFormTest, ARingFillsTheWindowAndTheHistory)
{
    QList<bool> switched;
    QObject::connect(&form, &TCallerIdForm::CallerIdSwitched, [&switched](bool on) { switched << on; });
    ASSERT_TRUE(form.SetCallerId(true));
    EXPECT_EQ(switched, QList<bool> {true});
    EXPECT_EQ(form.NumSavedEdit()->value(), 50);
    EXPECT_FALSE(form.FindBtn1()->isEnabled());

    ASSERT_TRUE(modem.Order("ring 3035551212 JOHN Q PUBLIC"));
    ASSERT_TRUE(WaitFor([this] { return form.NameLabel()->text() == u"John Q Public"; }));
    EXPECT_TRUE(form.isVisible());
    EXPECT_EQ(form.NumberLabel()->text(), u"303-555-1212");
    EXPECT_TRUE(form.FindBtn1()->isEnabled());
    ASSERT_EQ(form.HistoryModel().rowCount(), 1);
    EXPECT_EQ(form.HistoryModel().index(0, 0).data().toString(), u"John Q Public");
    EXPECT_EQ(form.HistoryModel().index(0, 1).data().toString(), u"303-555-1212");
    QString looked;
    form.SetLocator([&looked](const QString& number) { looked = number; });
    form.FindBtn1Click();
    EXPECT_EQ(looked, u"303-555-1212");

    // The caller gives up: the window shows no caller.
    ASSERT_TRUE(WaitFor([this] { return form.NameLabel()->text() == u"None"; }));
    EXPECT_EQ(form.NumberLabel()->text(), u"None");
    EXPECT_FALSE(form.FindBtn1()->isEnabled());

    // Names are shown as text, whatever the network sends.
    ASSERT_TRUE(modem.Order("raw RING"));
    ASSERT_TRUE(modem.Order("raw NMBR = 5551313"));
    ASSERT_TRUE(modem.Order("raw NAME = <b>BOLD</b>"));
    ASSERT_TRUE(WaitFor([this] { return form.HistoryModel().rowCount() == 2; }));
    EXPECT_EQ(form.NameLabel()->textFormat(), Qt::PlainText);
    EXPECT_EQ(form.HistoryModel().index(0, 0).data().toString(), u"<b>bold</b>");

    form.SetCallerId(false);
    EXPECT_EQ(switched.last(), false);
    EXPECT_TRUE(modem.Commands().contains(u"AT+VCID=0"_s));
    EXPECT_TRUE(messages.isEmpty());
}

TEST_F(CallerIdFormTest, HistoryButtonsAndFile)
{
    form.HistoryModel().AddCall(u"Ann"_s, u"555-0001"_s, QDateTime(QDate(2026, 1, 2), QTime(3, 4, 5)), 50);
    form.HistoryModel().AddCall(u"Bob"_s, u"555-0002"_s, QDateTime(QDate(2026, 1, 2), QTime(3, 4, 6)), 50);
    form.HistoryModel().AddCall(u"Cy"_s, u"555-0003"_s, QDateTime(QDate(2026, 1, 2), QTime(3, 4, 7)), 50);

    form.show();
    const int collapsed = form.sizeHint().height();
    EXPECT_FALSE(form.HistoryShown());
    form.ShowHistBtnClick();
    EXPECT_TRUE(form.HistoryShown());
    EXPECT_EQ(form.ShowHistBtn()->text(), u"No History");
    EXPECT_GT(form.sizeHint().height(), collapsed);
    form.ShowHistBtnClick();
    EXPECT_EQ(form.ShowHistBtn()->text(), u"History >>");

    // Renaming in place renames the entry's item.
    ASSERT_TRUE(form.HistoryModel().setData(form.HistoryModel().index(1, 0), u"Robert"_s, Qt::EditRole));
    QString looked;
    form.SetLocator([&looked](const QString& number) { looked = number; });
    form.HistoryView()->setCurrentIndex(form.HistoryModel().index(1, 0));
    form.FindBtn2Click();
    EXPECT_EQ(looked, u"555-0002");

    // Rows drag out as records of their items.
    std::unique_ptr<QMimeData> drag(form.HistoryModel().mimeData({form.HistoryModel().index(1, 1)}));
    EXPECT_TRUE(drag->data(u"application/x-zendrivo-records"_s).startsWith("{1 6 }Robert~~555-0002~~"));

    form.HistoryView()->selectionModel()->select(form.HistoryModel().index(0, 0),
                                                 QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    form.DelBtnClick();
    ASSERT_EQ(form.HistoryModel().rowCount(), 2);
    EXPECT_EQ(form.HistoryModel().index(0, 0).data().toString(), u"Robert");

    form.NumSavedEdit()->setValue(7);
    ASSERT_TRUE(form.SaveHistory());
    EXPECT_EQ(ProfileFile(Ini()).ReadInteger(u"Settings"_s, u"CallerHistory"_s, 0), 7);
    TCallerIdForm again(Ini(), History());
    EXPECT_EQ(again.NumSavedEdit()->value(), 7);
    ASSERT_EQ(again.HistoryModel().rowCount(), 2);
    EXPECT_EQ(again.HistoryModel().index(1, 0).data().toString(), u"Ann");
}

TEST_F(CallerIdFormTest, TheDialerBorrowsTheLine)
{
    ASSERT_TRUE(form.SetCallerId(true));
    std::function<void()> restore = form.ReleaseLine();
    EXPECT_FALSE(form.etLine().Active());
    ASSERT_TRUE(restore);
    restore();
    EXPECT_TRUE(form.etLine().Active());
    form.SetCallerId(false);
    // Nothing to give back when caller ID is off.
    EXPECT_FALSE(form.ReleaseLine());
}

TEST(CallerIdWindow, FindSelectsTheMatchingPhoneAndDropsAddItems)
{
    QTemporaryDir dir;
    QDir::setCurrent(dir.path());
    {
        TLogicForm tray;
        TMainForm form;
        tray.SetMainForm(&form);
        EXPECT_FALSE(tray.CallerIdAction()->isChecked());
        TTreeNode* root = form.Tree().Root();
        TTreeNode* acme = AddContainer(root, 1, u"Acme"_s);
        AddLeaf(acme, 6, u"Front desk"_s, u"(303) 555-1111"_s);
        TTreeNode* jane = AddContainer(root, 3, u"Jane Miller"_s);
        TZVBObject* office = AddLeaf(jane, 6, u"Office"_s, u"(303) 555-1212"_s);
        TTreeNode* inbox = AddContainer(root, 0, u"Calls"_s);
        form.SelectNode(acme);

        TCallerIdForm& callerId = *tray.CallerIdWindow();
        callerId.HistoryModel().AddCall(u"Jane Miller"_s, u"303-555-1212"_s, QDateTime::currentDateTime(), 50);
        callerId.HistoryView()->setCurrentIndex(callerId.HistoryModel().index(0, 0));
        callerId.FindBtn2Click();
        EXPECT_EQ(form.SelectedNode(), jane);
        EXPECT_EQ(form.MainItems()->SelectedItem(), office);
        EXPECT_TRUE(form.isVisible());

        // A history entry dropped on a folder becomes a phone there.
        std::unique_ptr<QMimeData> drag(callerId.HistoryModel().mimeData({callerId.HistoryModel().index(0, 0)}));
        const QModelIndex target = form.FolderModel()->IndexOf(inbox);
        ASSERT_TRUE(form.FolderModel()->dropMimeData(drag.get(), Qt::CopyAction, -1, -1, target));
        ASSERT_EQ(inbox->Item()->Contents().size(), 1u);
        EXPECT_EQ(inbox->Item()->Contents().front()->Item()->Value(), u"303-555-1212");
        EXPECT_EQ(callerId.HistoryModel().rowCount(), 1);
    }
    QDir::setCurrent(QDir::tempPath());
}
