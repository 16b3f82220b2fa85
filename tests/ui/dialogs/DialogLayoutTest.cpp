#include "TreeBuilder.h"

#include "model/DocObject.h"
#include "model/FolderObject.h"
#include "model/OrgObject.h"
#include "model/PersonObject.h"
#include "model/ReminderObject.h"
#include "ui/dialogs/ContactPages.h"
#include "ui/dialogs/NumberFields.h"
#include "ui/dialogs/TCategoryPopup.h"
#include "ui/dialogs/TDocEditDlg.h"
#include "ui/dialogs/TEMailEditDlg.h"
#include "ui/dialogs/TEditAddressDlg.h"
#include "ui/dialogs/TEditPersDlg.h"
#include "ui/dialogs/TFaxEditDlg.h"
#include "ui/dialogs/TFolderEditDlg.h"
#include "ui/dialogs/TOrgEditDlg.h"
#include "ui/dialogs/TPhoneEditDlg.h"
#include "ui/dialogs/TRecurringDateDlg.h"
#include "ui/dialogs/TRemdDlg.h"
#include "ui/dialogs/TTeamEditDlg.h"
#include "ui/dialogs/TToolEdit.h"
#include "ui/dialogs/TWebSiteDlg.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QLabel>

#include <gtest/gtest.h>

#include <memory>

using namespace Qt::StringLiterals;

namespace {
// Every visible label and button gets at least the room its text needs and
// lies inside the dialog. With ZENDRIVO_DIALOG_SHOTS set the dialogs are
// also saved there as pictures, to look at.
void ExpectNothingClipped(QWidget& dialog, const QString& name)
{
    dialog.show();
    QApplication::processEvents();
    const QRect inside = dialog.rect();
    const auto visibleChildren = dialog.findChildren<QWidget*>();
    for (QWidget* child : visibleChildren) {
        if (!child->isVisible() || child->isWindow())
            continue;
        const QRect area(child->mapTo(&dialog, QPoint(0, 0)), child->size());
        EXPECT_TRUE(inside.contains(area)) << name.toStdString() << ": " << child->objectName().toStdString();
        const bool hasText = (qobject_cast<QLabel*>(child) && !qobject_cast<QLabel*>(child)->text().isEmpty()
                              && !qobject_cast<QLabel*>(child)->wordWrap())
            || qobject_cast<QAbstractButton*>(child);
        if (hasText) {
            EXPECT_GE(child->width(), child->minimumSizeHint().width())
                << name.toStdString() << ": " << child->objectName().toStdString();
        }
    }
    const QString shots = qEnvironmentVariable("ZENDRIVO_DIALOG_SHOTS");
    if (!shots.isEmpty())
        dialog.grab().save(QDir(shots).filePath(u"dlg-" + name + u".png"));
    dialog.hide();
}

class DialogLayoutTest : public ::testing::Test
{
protected:
    TItemTree tree;
    TTreeNode* root = tree.CreateRoot();
};
} // namespace

TEST_F(DialogLayoutTest, PersonAndOrganizationDialogsShowEveryPageUnclipped)
{
    auto* person = static_cast<TPersonObject*>(AddContainer(root, ClassCode::Person, u"New Person"_s)->Item());
    TEditPersDlg personDialog;
    personDialog.SetPerson(*person, true);
    for (int page = 0; page < 5; ++page) {
        personDialog.Pages()->setCurrentIndex(page);
        ExpectNothingClipped(personDialog, u"person-" + QString::number(page));
    }
    auto* org = static_cast<TOrgObject*>(AddContainer(root, ClassCode::Organization, u"Acme"_s)->Item());
    TOrgEditDlg orgDialog;
    orgDialog.SetOrg(*org, false);
    ExpectNothingClipped(orgDialog, u"org"_s);
}

TEST_F(DialogLayoutTest, SmallDialogsShowUnclipped)
{
    TEditAddressDlg address;
    address.SetContact(*AddLeaf(root, ClassCode::Address, u"A"_s), true);
    ExpectNothingClipped(address, u"address"_s);
    TPhoneEditDlg phone;
    phone.SetContact(*AddLeaf(root, ClassCode::Phone, u"P"_s), true);
    phone.Fields()->ShowFormats(true);
    ExpectNothingClipped(phone, u"phone"_s);
    TFaxEditDlg fax;
    fax.SetContact(*AddLeaf(root, ClassCode::Fax, u"F"_s), true);
    fax.Fields()->SelectFormat(u"USA"_s);
    fax.Fields()->ShowFormats(true);
    ExpectNothingClipped(fax, u"fax"_s);
    TEMailEditDlg mail;
    mail.SetContact(*AddLeaf(root, ClassCode::EMail, u"E"_s, u"jane@example.org"_s), false);
    ExpectNothingClipped(mail, u"email"_s);
    TWebSiteDlg web;
    web.SetContact(*AddContainer(root, ClassCode::Website, u"W"_s)->Item(), true);
    ExpectNothingClipped(web, u"website"_s);
    TDocEditDlg doc;
    doc.SetDocument(*AddLeaf(root, ClassCode::Document, u"D"_s, u"/tmp/notes.txt"_s), true);
    ExpectNothingClipped(doc, u"document"_s);
    TToolEdit tool;
    tool.SetTool(*AddLeaf(root, ClassCode::Tool, u"New Editor"_s));
    ExpectNothingClipped(tool, u"tool"_s);
    TTeamEditDlg team;
    team.SetTeam(*AddContainer(root, ClassCode::Team, u"Sales"_s)->Item());
    ExpectNothingClipped(team, u"team"_s);
    TFolderEditDlg folder;
    folder.SetFolder(*static_cast<TFolderObject*>(AddContainer(root, ClassCode::Folder, u"F"_s, u"/srv/a.zvd"_s)->Item()));
    ExpectNothingClipped(folder, u"folder"_s);
}

TEST_F(DialogLayoutTest, DateDialogsAndTheCategoryPickerShowUnclipped)
{
    auto* reminder = static_cast<TReminderObject*>(AddLeaf(root, ClassCode::Reminder, u"Dentist"_s));
    reminder->Recurrence().SetDate(QDate(1998, 3, 15));
    reminder->Recurrence().SetRecurMode(2);
    TRemdDlg remd;
    remd.SetReminder(*reminder, false);
    ExpectNothingClipped(remd, u"reminder"_s);
    TRecurringDateDlg calendar(QDate(1998, 3, 15), 5, u"Select a date"_s);
    ExpectNothingClipped(calendar, u"calendar"_s);
    QStringList names;
    for (int n = 1; n <= 32; ++n)
        names << u"User Defined " + QString::number(n);
    TCategoryPopup popup(*reminder, names);
    ExpectNothingClipped(popup, u"categories"_s);
}
