#include "RecordingHost.h"
#include "TreeBuilder.h"

#include "model/AddressObject.h"
#include "model/Clock.h"
#include "model/DocObject.h"
#include "model/FolderObject.h"
#include "model/PhoneObject.h"
#include "model/ReminderObject.h"
#include "ui/dialogs/ItemDialogValues.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {
class ItemDialogValuesTest : public ::testing::Test
{
protected:
    template <class T>
    T& Leaf(int code, const QString& title, const QString& value = {})
    {
        return *static_cast<T*>(AddLeaf(root, code, title, value, {}, u"old comment"_s));
    }

    TItemTree tree;
    TTreeNode* root = tree.CreateRoot();
};
} // namespace

TEST_F(ItemDialogValuesTest, AddressesNeedTheirTextOnlyWhenNew)
{
    auto& address = Leaf<TAddressObject>(ClassCode::Address, u"Home"_s, u"1 Main St"_s);
    AddressPageValues v{u"Office"_s, QString(), u"Paris"_s, {}, u"75001"_s, u"France"_s, u"c"_s};
    EXPECT_FALSE(ApplyAddressDialog(address, v, true));
    EXPECT_EQ(address.Title(), u"Home"_s);
    EXPECT_TRUE(ApplyAddressDialog(address, v, false));
    EXPECT_EQ(address.Title(), u"Office"_s);
    EXPECT_EQ(address.Value(), QString());
    EXPECT_EQ(address.Lines().size(), 3);
    v.title.clear();
    v.text = u"x"_s;
    EXPECT_FALSE(ApplyAddressDialog(address, v, false));
    EXPECT_EQ(address.Title(), u"Office"_s);
}

TEST_F(ItemDialogValuesTest, APhoneNeedsATitleAndTypedDigits)
{
    auto& phone = Leaf<TPhoneObject>(ClassCode::Phone, u"New Phone"_s);
    EXPECT_FALSE(ApplyPhoneDialog(phone, {u"Home"_s, u"()-"_s, false, {}, {}}));
    EXPECT_FALSE(ApplyPhoneDialog(phone, {QString(), u"(555)123-4567"_s, true, {}, {}}));
    EXPECT_EQ(phone.Value(), QString());
    EXPECT_TRUE(ApplyPhoneDialog(phone, {u"Home"_s, u"(555)123-4567"_s, true, u"42"_s, u"c"_s}));
    EXPECT_EQ(phone.Value(), u"(555)123-4567"_s);
    EXPECT_EQ(phone.Extension(), u"42"_s);
}

TEST_F(ItemDialogValuesTest, AnExistingFaxNeedsOnlyItsTitle)
{
    TZVBObject& fax = Leaf<TZVBObject>(ClassCode::Fax, u"Fax"_s, u"123"_s);
    const NumberPageValues empty{u"Fax 2"_s, QString(), false, {}, {}};
    EXPECT_FALSE(ApplyFaxDialog(fax, empty, true));
    EXPECT_EQ(fax.Value(), u"123"_s);
    EXPECT_TRUE(ApplyFaxDialog(fax, empty, false));
    EXPECT_EQ(fax.Title(), u"Fax 2"_s);
    EXPECT_EQ(fax.Value(), QString());
}

TEST_F(ItemDialogValuesTest, AClearedMailAddressKeepsTheOldValues)
{
    TZVBObject& mail = Leaf<TZVBObject>(ClassCode::EMail, u"Work"_s, u"a@b.org"_s);
    EXPECT_FALSE(ApplyEMailDialog(mail, {u"Changed"_s, QString(), u"new comment"_s}));
    EXPECT_EQ(mail.Title(), u"Work"_s);
    EXPECT_EQ(mail.Value(), u"a@b.org"_s);
    EXPECT_EQ(mail.Comment(), u"old comment"_s);
    // The title may be empty.
    EXPECT_TRUE(ApplyEMailDialog(mail, {QString(), u"c@d.org"_s, QString()}));
    EXPECT_TRUE(mail.Title().isEmpty());
}

TEST_F(ItemDialogValuesTest, AWebsiteMustBeAUrl)
{
    TZVBObject* site = AddContainer(root, ClassCode::Website, u"New Website"_s)->Item();
    EXPECT_FALSE(ApplyWebsiteDialog(*site, {u"Site"_s, u"www.example.org"_s, {}}));
    EXPECT_FALSE(ApplyWebsiteDialog(*site, {u"Site"_s, u"http://"_s, {}}));
    EXPECT_EQ(site->Title(), u"New Website"_s);
    EXPECT_TRUE(ApplyWebsiteDialog(*site, {u"Site"_s, u"http://example.org"_s, {}}));
    EXPECT_EQ(site->Value(), u"http://example.org"_s);
}

TEST_F(ItemDialogValuesTest, ADocumentNeedsBothFieldsAndThenFetchesItsIcon)
{
    RecordingHost host;
    auto& doc = Leaf<TDocObject>(ClassCode::Document, u"New Document"_s);
    EXPECT_FALSE(ApplyDocumentDialog(doc, {u"Notes"_s, QString(), {}}));
    EXPECT_FALSE(ApplyDocumentDialog(doc, {QString(), u"/tmp/notes.txt"_s, {}}));
    EXPECT_TRUE(host.calls.isEmpty());
    EXPECT_TRUE(ApplyDocumentDialog(doc, {u"Notes"_s, u"/tmp/notes.txt"_s, {}}));
    EXPECT_EQ(host.calls, QStringList{u"icon /tmp/notes.txt"_s});
}

TEST_F(ItemDialogValuesTest, ToolsNeedATitleTeamsAndFoldersNothing)
{
    TZVBObject& tool = Leaf<TZVBObject>(ClassCode::Tool, u"New Editor"_s);
    EXPECT_FALSE(ApplyToolDialog(tool, {QString(), u"file.txt"_s, {}}));
    EXPECT_TRUE(ApplyToolDialog(tool, {u"Edit"_s, u"file.txt"_s, {}}));
    EXPECT_EQ(tool.Value(), u"file.txt"_s);

    TZVBObject* team = AddContainer(root, ClassCode::Team, u"Sales"_s)->Item();
    ApplyTeamDialog(*team, QString(), u"c"_s);
    EXPECT_TRUE(team->Title().isEmpty());

    auto* folder = static_cast<TFolderObject*>(AddContainer(root, ClassCode::Folder, u"F"_s)->Item());
    ApplyFolderDialog(*folder, QString(), QString(), u"http://host/list.zvd"_s);
    EXPECT_TRUE(folder->Title().isEmpty());
    EXPECT_TRUE(folder->IsRemote());
}

TEST(RemoteFolderLocationTest, TheInternetGetsItsSchemeAndALocalFolderNoLocation)
{
    EXPECT_EQ(RemoteFolderLocation(true, true, u"host/list.zvd"_s), u"http://host/list.zvd"_s);
    EXPECT_EQ(RemoteFolderLocation(true, true, u"http://host/list.zvd"_s), u"http://host/list.zvd"_s);
    EXPECT_EQ(RemoteFolderLocation(true, false, u"/srv/list.zvd"_s), u"/srv/list.zvd"_s);
    EXPECT_TRUE(RemoteFolderLocation(false, true, u"host/list.zvd"_s).isEmpty());
}

TEST_F(ItemDialogValuesTest, AReminderNeedsATitleAndJudgesItsDueState)
{
    Clock::SetFixed(QDateTime(QDate(2024, 5, 10), QTime(12, 0)));
    TTreeNode* folder = AddContainer(root, ClassCode::Folder, u"Dates"_s);
    auto& reminder = *static_cast<TReminderObject*>(AddLeaf(folder, ClassCode::Reminder, u"New Reminder"_s));
    reminder.Recurrence().SetDate(QDate(2024, 5, 10));
    EXPECT_FALSE(ApplyReminderDialog(reminder, QString(), u"c"_s));
    EXPECT_EQ(reminder.Due(), 0);
    EXPECT_TRUE(ApplyReminderDialog(reminder, u"Birthday"_s, u"c"_s));
    EXPECT_EQ(reminder.Value(), reminder.Recurrence().DateText());
    EXPECT_EQ(reminder.Due(), 1);
    EXPECT_EQ(folder->Item()->DueCount(), 1);
    reminder.Recurrence().SetDate(QDate(2024, 5, 11));
    ApplyReminderDialog(reminder, u"Birthday"_s, u"c"_s);
    EXPECT_EQ(folder->Item()->DueCount(), 0);
    Clock::SetFixed(QDateTime());
}
