#include "RecordingHost.h"
#include "TreeBuilder.h"

#include "model/FolderObject.h"
#include "model/PersonObject.h"
#include "model/ReminderObject.h"
#include "ui/dialogs/DialogHooks.h"
#include "ui/dialogs/NumberFields.h"
#include "ui/dialogs/RunItemDialog.h"
#include "ui/dialogs/TEMailEditDlg.h"
#include "ui/dialogs/TFolderEditDlg.h"
#include "ui/dialogs/TPhoneEditDlg.h"
#include "ui/dialogs/ItemDialogValues.h"
#include "ui/dialogs/TRemdDlg.h"
#include "ui/dialogs/TVCImportDlg.h"
#include "ui/dialogs/TWebSiteDlg.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QMessageBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include <gtest/gtest.h>

#include <functional>

using namespace Qt::StringLiterals;

namespace {
// Acts on the modal dialog as soon as it shows; with no action it is cancelled.
void WhenShown(std::function<void(QDialog&)> act)
{
    QTimer::singleShot(0, [act] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        act(*dialog);
    });
}

template <class T>
T* Find(QDialog& dialog, const QString& name)
{
    T* widget = dialog.findChild<T*>(name);
    EXPECT_NE(widget, nullptr) << name.toStdString();
    return widget;
}

void Ok(QDialog& dialog)
{
    for (QPushButton* button : dialog.findChildren<QPushButton*>()) {
        if (button->objectName() == u"OKBtn") {
            button->click();
            return;
        }
    }
    ADD_FAILURE() << "no OK button";
}

class ItemDialogsTest : public ::testing::Test
{
protected:
    TItemTree tree;
    TTreeNode* root = tree.CreateRoot();
};
} // namespace

TEST_F(ItemDialogsTest, ANewPersonCancelledAnswersFalseAndChangesNothing)
{
    TTreeNode* node = AddContainer(root, ClassCode::Person, u"New Person"_s);
    WhenShown([](QDialog& d) {
        Find<QLineEdit>(d, u"Title"_s)->setText(u"Someone"_s);
        d.reject();
    });
    EXPECT_FALSE(RunItemDialog(*node->Item(), true, nullptr));
    EXPECT_EQ(node->Item()->Title(), u"New Person"_s);
}

TEST_F(ItemDialogsTest, ANewPersonAcceptedAnswersTrueWithoutRequiredFields)
{
    TTreeNode* node = AddContainer(root, ClassCode::Person, u"New Person"_s);
    WhenShown([](QDialog& d) {
        auto* title = Find<QLineEdit>(d, u"Title"_s);
        title->setText(u"John Quincy Adams"_s);
        Q_EMIT title->editingFinished();
        Ok(d);
    });
    ASSERT_TRUE(RunItemDialog(*node->Item(), true, nullptr));
    auto* person = static_cast<TPersonObject*>(node->Item());
    EXPECT_EQ(person->Value(), u"Mr. John Adams"_s);
    EXPECT_EQ(person->MiddleName(), u"Quincy"_s);
    // Only the website page has a main field filled by default, and "http://" is no URL.
    EXPECT_EQ(node->ChildCount(), 0);
    EXPECT_TRUE(person->Contents().empty());
}

TEST_F(ItemDialogsTest, ANewPhoneStoresTheNumberWithTheLiteralsOfItsFormat)
{
    TZVBObject* phone = AddLeaf(root, ClassCode::Phone, u"x"_s);
    WhenShown([](QDialog& d) {
        EXPECT_EQ(Find<QLineEdit>(d, u"PhoneTitle"_s)->text(), u"New Phone"_s);
        auto* format = Find<QComboBox>(d, u"PhoneFmt"_s);
        EXPECT_EQ(format->currentText(), u"Free Format"_s);
        format->setCurrentIndex(format->findText(u"USA"_s));
        auto* number = Find<QLineEdit>(d, u"PhoneNum"_s);
        number->setFocus();
        number->setCursorPosition(0);
        QTest::keyClicks(number, u"5551234567"_s);
        Ok(d);
    });
    ASSERT_TRUE(RunItemDialog(*phone, true, nullptr));
    EXPECT_EQ(phone->Title(), u"New Phone"_s);
    EXPECT_EQ(phone->Value(), u"(555)123-4567"_s);
}

TEST_F(ItemDialogsTest, AnInternationalNumberKeepsEveryDigitUnderTheUsaFormat)
{
    TZVBObject* phone = AddLeaf(root, ClassCode::Phone, u"x"_s);
    WhenShown([](QDialog& d) {
        auto* format = Find<QComboBox>(d, u"PhoneFmt"_s);
        format->setCurrentIndex(format->findText(u"USA"_s));
        auto* number = Find<QLineEdit>(d, u"PhoneNum"_s);
        number->setFocus();
        QTest::keyClicks(number, u"+49 351 1234567"_s);
        Ok(d);
    });
    ASSERT_TRUE(RunItemDialog(*phone, true, nullptr));
    EXPECT_EQ(phone->Value(), u"+49 351 1234567"_s);
}

TEST_F(ItemDialogsTest, ANewPhoneWithOnlyLiteralsIsNotTaken)
{
    TZVBObject* phone = AddLeaf(root, ClassCode::Phone, u"x"_s);
    WhenShown([](QDialog& d) {
        auto* format = Find<QComboBox>(d, u"PhoneFmt"_s);
        format->setCurrentIndex(format->findText(u"USA"_s));
        Ok(d);
    });
    EXPECT_FALSE(RunItemDialog(*phone, true, nullptr));
    EXPECT_EQ(phone->Title(), u"x"_s);
}

TEST_F(ItemDialogsTest, ANewFaxStartsAtTheUsaFormatAndAnExistingOneHidesTheFormats)
{
    TZVBObject* fax = AddLeaf(root, ClassCode::Fax, u"Fax"_s, u"(555)000-1111"_s);
    WhenShown([](QDialog& d) {
        auto* format = Find<QComboBox>(d, u"FaxFmt"_s);
        EXPECT_EQ(format->currentText(), u"USA"_s);
        EXPECT_EQ(format->itemText(1), u"Free Format"_s);
        EXPECT_EQ(Find<QLineEdit>(d, u"FaxNum"_s)->placeholderText(), u"(___)___-____"_s);
        d.reject();
    });
    EXPECT_FALSE(RunItemDialog(*fax, true, nullptr));
    WhenShown([](QDialog& d) {
        EXPECT_FALSE(Find<QComboBox>(d, u"FaxFmt"_s)->isVisible());
        EXPECT_TRUE(Find<QLineEdit>(d, u"FaxNum"_s)->placeholderText().isEmpty());
        EXPECT_EQ(Find<QLineEdit>(d, u"FaxNum"_s)->text(), u"(555)000-1111"_s);
        Ok(d);
    });
    EXPECT_TRUE(RunItemDialog(*fax, false, nullptr));
    EXPECT_EQ(fax->Value(), u"(555)000-1111"_s);
}

TEST_F(ItemDialogsTest, AClearedMailAddressKeepsTheOldValuesAndABadUrlIsDiscarded)
{
    TZVBObject* mail = AddLeaf(root, ClassCode::EMail, u"Work"_s, u"a@b.org"_s);
    WhenShown([](QDialog& d) {
        Find<QLineEdit>(d, u"EMailAddr"_s)->clear();
        Find<QLineEdit>(d, u"EMailTitle"_s)->setText(u"Other"_s);
        Ok(d);
    });
    EXPECT_FALSE(RunItemDialog(*mail, false, nullptr));
    EXPECT_EQ(mail->Title(), u"Work"_s);
    EXPECT_EQ(mail->Value(), u"a@b.org"_s);

    TZVBObject* site = AddContainer(root, ClassCode::Website, u"x"_s)->Item();
    WhenShown([](QDialog& d) {
        EXPECT_EQ(Find<QComboBox>(d, u"Web"_s)->currentText(), u"http://"_s);
        Find<QComboBox>(d, u"Web"_s)->setCurrentText(u"example.org"_s);
        // The address is refused with a message; the user then gives up.
        QTimer::singleShot(0, [] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget()))
                box->accept();
        });
        Ok(d);
        d.reject();
    });
    EXPECT_FALSE(RunItemDialog(*site, true, nullptr));
    EXPECT_EQ(site->Value(), QString());
}

TEST_F(ItemDialogsTest, ItemsInARemoteFolderCannotBeChangedExceptFolders)
{
    TTreeNode* remote = AddContainer(root, ClassCode::Folder, u"Remote"_s, u"/srv/list.zvd"_s);
    RemoteLoadScope loading;
    TZVBObject* phone = AddLeaf(remote, ClassCode::Phone, u"P"_s, u"1"_s);
    TTreeNode* inner = AddContainer(remote, ClassCode::Folder, u"Inner"_s);
    ASSERT_TRUE(phone->InRemote());

    TPhoneEditDlg phoneDialog;
    phoneDialog.SetContact(*phone, false);
    EXPECT_FALSE(phoneDialog.OkButton()->isEnabled());
    TFolderEditDlg folderDialog;
    folderDialog.SetFolder(*static_cast<TFolderObject*>(inner->Item()));
    EXPECT_TRUE(folderDialog.OkButton()->isEnabled());
}

TEST_F(ItemDialogsTest, TheFolderDialogFollowsTheRemoteRules)
{
    auto* folder = static_cast<TFolderObject*>(AddContainer(root, ClassCode::Folder, u"F"_s)->Item());
    TFolderEditDlg dialog;
    dialog.SetFolder(*folder);
    dialog.show();
    EXPECT_FALSE(dialog.RemoteBox()->isChecked());
    EXPECT_FALSE(dialog.LocationEdit()->isEnabled());
    EXPECT_FALSE(dialog.BrowseButton()->isVisible());
    dialog.RemoteBox()->setChecked(true);
    EXPECT_TRUE(dialog.LanRadio()->isChecked());
    EXPECT_TRUE(dialog.BrowseButton()->isVisible());
    dialog.LocationEdit()->setText(u"/srv/list.zvd"_s);
    dialog.InternetRadio()->click();
    EXPECT_EQ(dialog.LocationEdit()->text(), u"http://"_s);
    EXPECT_FALSE(dialog.BrowseButton()->isVisible());
    dialog.LocationEdit()->setText(u"host/list.zvd"_s);
    EXPECT_EQ(dialog.Location(), u"http://host/list.zvd"_s);
    dialog.LocationEdit()->setText(u"http://host/list.zvd"_s);
    dialog.LanRadio()->click();
    EXPECT_TRUE(dialog.LocationEdit()->text().isEmpty());
    dialog.RemoteBox()->setChecked(false);
    EXPECT_TRUE(dialog.Location().isEmpty());

    folder->SetValue(u"http://host/list.zvd"_s);
    TFolderEditDlg remote;
    remote.SetFolder(*folder);
    EXPECT_TRUE(remote.RemoteBox()->isChecked());
    EXPECT_TRUE(remote.InternetRadio()->isChecked());
}

TEST_F(ItemDialogsTest, TheFolderInternetLocationWithoutSchemeIsStoredWithIt)
{
    TZVBObject* folder = AddContainer(root, ClassCode::Folder, u"F"_s)->Item();
    WhenShown([](QDialog& d) {
        Find<QCheckBox>(d, u"IsRemote"_s)->setChecked(true);
        Find<QRadioButton>(d, u"InternetRadio"_s)->click();
        Find<QLineEdit>(d, u"LocationEdit"_s)->setText(u"example.org/list.zvd"_s);
        Ok(d);
    });
    ASSERT_TRUE(RunItemDialog(*folder, false, nullptr));
    EXPECT_EQ(folder->Value(), u"http://example.org/list.zvd"_s);
}

TEST_F(ItemDialogsTest, NewFoldersTeamsTheRootAndUnknownItemsHaveNoDialog)
{
    // Any dialog showing would block here; none may.
    EXPECT_FALSE(RunItemDialog(*AddContainer(root, ClassCode::Folder, u"F"_s)->Item(), true, nullptr));
    EXPECT_FALSE(RunItemDialog(*AddContainer(root, ClassCode::Team, u"T"_s)->Item(), true, nullptr));
    EXPECT_FALSE(RunItemDialog(*root->Item(), false, nullptr));
    EXPECT_FALSE(RunItemDialog(*AddLeaf(root, 40, u"odd"_s), false, nullptr));
}

TEST_F(ItemDialogsTest, TheHelpButtonAsksForTheDialogTopic)
{
    QList<int> asked;
    DialogHooks::SetHelpHandler([&](int context) { asked.append(context); });
    TEMailEditDlg dialog;
    dialog.HelpButton()->click();
    DialogHooks::SetHelpHandler({});
    dialog.HelpButton()->click();
    EXPECT_EQ(asked, QList<int>{1039});
}

TEST_F(ItemDialogsTest, TheReminderDialogAdvancesAtOnceAndWritesOnlyOnOk)
{
    auto* reminder = static_cast<TReminderObject*>(AddLeaf(root, ClassCode::Reminder, u"Dentist"_s));
    reminder->Recurrence().SetDate(QDate(1998, 12, 15));
    reminder->Recurrence().SetRecurMode(1);
    TRemdDlg dialog;
    dialog.SetReminder(*reminder, true);
    EXPECT_EQ(dialog.Title(), u"New Reminder"_s);
    EXPECT_EQ(dialog.DatesText(), reminder->Recurrence().SummaryText());
    dialog.AdvanceClicked();
    EXPECT_EQ(reminder->Recurrence().AsDate(), QDate(1999, 1, 15));
    EXPECT_EQ(dialog.DatesText(), reminder->Recurrence().SummaryText());
    EXPECT_EQ(reminder->Title(), u"Dentist"_s);
    EXPECT_TRUE(reminder->Value().isEmpty());
}

TEST_F(ItemDialogsTest, TabbingRunsThroughTheFieldsThenTheCategoryButtonAndTheButtons)
{
    TPhoneEditDlg dialog;
    dialog.SetContact(*AddLeaf(root, ClassCode::Phone, u"P"_s), true);
    dialog.Fields()->ShowFormats(true);
    dialog.show();
    QStringList order;
    QWidget* w = dialog.findChild<QLineEdit*>(u"PhoneTitle"_s);
    for (int i = 0; i < 8 && w; ++i) {
        order << (w->objectName().isEmpty() ? w->property("text").toString() : w->objectName());
        do
            w = w->nextInFocusChain();
        while (!(w->focusPolicy() & Qt::TabFocus) || !w->isVisible());
    }
    EXPECT_EQ(order, (QStringList{u"PhoneTitle"_s, u"PhoneNum"_s, u"Extension"_s, u"PhoneFmt"_s, u"PhoneComment"_s,
                                  u"CatSelect"_s, u"OKBtn"_s, u"CancelBtn"_s}));
}

TEST_F(ItemDialogsTest, SecureAddressesAreTakenAndOtherTextIsRefusedWithAReason)
{
    TTreeNode* site = AddContainer(root, ClassCode::Website, u"x"_s);
    QString refusal;
    WhenShown([&refusal](QDialog& d) {
        Find<QLineEdit>(d, u"WebTitle"_s)->setText(u"Shop"_s);
        auto* address = Find<QComboBox>(d, u"Web"_s);
        address->setCurrentText(u"www.example.org"_s);
        // The refusal comes as a message over the dialog, which stays open.
        QTimer::singleShot(0, [&refusal] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                refusal = box->text();
                box->accept();
            }
        });
        Ok(d);
        EXPECT_TRUE(d.isVisible());
        address->setCurrentText(u"https://shop.example.org/"_s);
        Ok(d);
    });
    ASSERT_TRUE(RunItemDialog(*site->Item(), true, nullptr));
    EXPECT_EQ(site->Item()->Value(), u"https://shop.example.org/"_s);
    EXPECT_TRUE(refusal.contains(u"https://www.example.org"_s)) << refusal.toStdString();
}

TEST_F(ItemDialogsTest, APersonsWebsitePageTakesHttpsAndLeavesTheBareSchemeAlone)
{
    TTreeNode* node = AddContainer(root, ClassCode::Person, u"New Person"_s);
    WhenShown([](QDialog& d) {
        Find<QLineEdit>(d, u"Title"_s)->setText(u"Jane"_s);
        Find<QComboBox>(d, u"Web"_s)->setCurrentText(u"https://jane.example.org"_s);
        Ok(d);
    });
    ASSERT_TRUE(RunItemDialog(*node->Item(), true, nullptr));
    ASSERT_EQ(node->ChildCount(), 1);
    EXPECT_EQ(node->Children()[0]->Item()->Value(), u"https://jane.example.org"_s);
    EXPECT_EQ(WebsiteRefusal(u"http://"_s, false), QString());
    EXPECT_FALSE(WebsiteRefusal(u"http://"_s, true).isEmpty());
    EXPECT_FALSE(WebsiteRefusal(u"jane.example.org"_s, false).isEmpty());
}

TEST(VCardImportDialogTest, TheCardsTextsAreShownAsWritten)
{
    TVCImportDlg dialog(u"<b>Jane</b>"_s, u"<i>Acme</i>"_s);
    for (const QString& name : {u"CardName"_s, u"CardOrganization"_s}) {
        auto* label = dialog.findChild<QLabel*>(name);
        ASSERT_NE(label, nullptr);
        EXPECT_EQ(label->textFormat(), Qt::PlainText);
    }
    EXPECT_EQ(dialog.findChild<QLabel*>(u"CardName"_s)->text(), u"<b>Jane</b>"_s);
}
