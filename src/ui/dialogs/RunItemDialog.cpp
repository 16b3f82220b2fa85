#include "ui/dialogs/RunItemDialog.h"

#include "model/AddressObject.h"
#include "model/DocObject.h"
#include "model/FolderObject.h"
#include "model/OrgObject.h"
#include "model/PersonObject.h"
#include "model/PhoneObject.h"
#include "model/ReminderObject.h"
#include "platform/ProfileFile.h"
#include "sync/Binding.h"
#include "sync/SecretStore.h"
#include "ui/dialogs/ItemDialogValues.h"
#include "ui/dialogs/NumberFields.h"
#include "ui/dialogs/TDocEditDlg.h"
#include "ui/dialogs/TEMailEditDlg.h"
#include "ui/dialogs/TEditAddressDlg.h"
#include "ui/dialogs/TEditPersDlg.h"
#include "ui/dialogs/TFaxEditDlg.h"
#include "ui/dialogs/TFolderEditDlg.h"
#include "ui/dialogs/TOrgEditDlg.h"
#include "ui/dialogs/TPhoneEditDlg.h"
#include "ui/dialogs/TRemdDlg.h"
#include "ui/dialogs/TTeamEditDlg.h"
#include "ui/dialogs/TToolEdit.h"
#include "ui/dialogs/TWebSiteDlg.h"

#include <QMessageBox>
#include <QUrl>

namespace {
bool Accepted(QDialog& dialog)
{
    return dialog.exec() == QDialog::Accepted;
}

bool Person(TPersonObject& person, bool isNew, QWidget* parent)
{
    TEditPersDlg dialog(parent);
    dialog.SetPerson(person, isNew);
    if (!Accepted(dialog))
        return false;
    ApplyPersonDialog(person, dialog.Values(), isNew);
    return true;
}

bool Org(TOrgObject& org, bool isNew, QWidget* parent)
{
    TOrgEditDlg dialog(parent);
    dialog.SetOrg(org, isNew);
    if (!Accepted(dialog))
        return false;
    ApplyOrgDialog(org, dialog.Values(), isNew);
    return true;
}

bool Address(TAddressObject& address, bool isNew, QWidget* parent)
{
    TEditAddressDlg dialog(parent);
    dialog.SetContact(address, isNew);
    return Accepted(dialog) && ApplyAddressDialog(address, dialog.Values(), isNew);
}

// New numbers choose a format; existing ones are shown as stored.
void ShowFormats(NumberFields& fields, bool isNew, const QString& format)
{
    if (isNew)
        fields.SelectFormat(format);
    fields.ShowFormats(isNew);
}

bool Phone(TPhoneObject& phone, bool isNew, QWidget* parent)
{
    TPhoneEditDlg dialog(parent);
    dialog.SetContact(phone, isNew);
    ShowFormats(*dialog.Fields(), isNew, QStringLiteral("Free Format"));
    return Accepted(dialog) && ApplyPhoneDialog(phone, dialog.Values());
}

bool Fax(TZVBObject& fax, bool isNew, QWidget* parent)
{
    TFaxEditDlg dialog(parent);
    dialog.SetContact(fax, isNew);
    ShowFormats(*dialog.Fields(), isNew, QStringLiteral("USA"));
    return Accepted(dialog) && ApplyFaxDialog(fax, dialog.Values(), isNew);
}

bool EMail(TZVBObject& mail, bool isNew, QWidget* parent)
{
    TEMailEditDlg dialog(parent);
    dialog.SetContact(mail, isNew);
    return Accepted(dialog) && ApplyEMailDialog(mail, dialog.Values());
}

bool Website(TZVBObject& site, bool isNew, QWidget* parent)
{
    TWebSiteDlg dialog(parent);
    dialog.SetContact(site, isNew);
    return Accepted(dialog) && ApplyWebsiteDialog(site, dialog.Values());
}

bool Document(TDocObject& doc, bool isNew, QWidget* parent)
{
    TDocEditDlg dialog(parent);
    dialog.SetDocument(doc, isNew);
    return Accepted(dialog) && ApplyDocumentDialog(doc, dialog.Values());
}

bool Tool(TZVBObject& tool, QWidget* parent)
{
    TToolEdit dialog(parent);
    dialog.SetTool(tool);
    return Accepted(dialog) && ApplyToolDialog(tool, dialog.Values());
}

bool Team(TZVBObject& team, QWidget* parent)
{
    TTeamEditDlg dialog(parent);
    dialog.SetTeam(team);
    if (!Accepted(dialog))
        return false;
    ApplyTeamDialog(team, dialog.Title(), dialog.Comment());
    return true;
}

// Binds the folder to the address book the dialog names, or unbinds it;
// the password goes to the desktop's secret store.
void ApplyCardDavBinding(const TFolderObject& folder, const TFolderEditDlg& dialog, QWidget* parent)
{
    const QString profile = ProfileFile::Default();
    const auto before = Binding::Of(profile, folder.Id());
    if (!dialog.IsCardDav()) {
        if (before && !Binding::Remove(profile, folder.Id()))
            QMessageBox::warning(parent, QStringLiteral("Folder"), QStringLiteral("Unable to write %1.").arg(profile));
        return;
    }
    const QUrl url(dialog.CardDavUrl());
    if (!url.isValid() || (url.scheme() != u"http" && url.scheme() != u"https")) {
        QMessageBox::warning(parent, QStringLiteral("Folder"),
                             QStringLiteral("\"%1\" is not an http or https address; the folder was not bound.")
                                 .arg(dialog.CardDavUrl()));
        return;
    }
    const Binding binding{folder.Id(), url.toString(), dialog.CardDavUser()};
    if (!binding.Store(profile)) {
        QMessageBox::warning(parent, QStringLiteral("Folder"), QStringLiteral("Unable to write %1.").arg(profile));
        return;
    }
    QString error;
    if (!dialog.CardDavPassword().isEmpty()
        && !SecretStore::Write(binding.url, binding.user, dialog.CardDavPassword(), &error))
        QMessageBox::warning(parent, QStringLiteral("Folder"),
                             error + QStringLiteral("\n\nZendrivo will ask for the password when it syncs."));
}

bool Folder(TFolderObject& folder, QWidget* parent)
{
    TFolderEditDlg dialog(parent);
    dialog.SetFolder(folder);
    if (!Accepted(dialog))
        return false;
    ApplyFolderDialog(folder, dialog.Title(), dialog.Comment(), dialog.Location());
    ApplyCardDavBinding(folder, dialog, parent);
    return true;
}

bool Reminder(TReminderObject& reminder, bool isNew, QWidget* parent)
{
    TRemdDlg dialog(parent);
    dialog.SetReminder(reminder, isNew);
    return Accepted(dialog) && ApplyReminderDialog(reminder, dialog.Title(), dialog.Comment());
}

template <class T>
T* As(TZVBObject& item)
{
    return dynamic_cast<T*>(&item);
}
} // namespace

bool RunItemDialog(TZVBObject& item, bool isNew, QWidget* parent)
{
    switch (item.ClassCode()) {
    case ClassCode::Folder:
        // New folders and teams are named in place instead.
        return !isNew && As<TFolderObject>(item) && Folder(*As<TFolderObject>(item), parent);
    case ClassCode::Team: return !isNew && Team(item, parent);
    case ClassCode::Organization: return As<TOrgObject>(item) && Org(*As<TOrgObject>(item), isNew, parent);
    case ClassCode::Person: return As<TPersonObject>(item) && Person(*As<TPersonObject>(item), isNew, parent);
    case ClassCode::Website: return Website(item, isNew, parent);
    case ClassCode::Address: return As<TAddressObject>(item) && Address(*As<TAddressObject>(item), isNew, parent);
    case ClassCode::Phone: return As<TPhoneObject>(item) && Phone(*As<TPhoneObject>(item), isNew, parent);
    case ClassCode::EMail: return EMail(item, isNew, parent);
    case ClassCode::Fax: return Fax(item, isNew, parent);
    case ClassCode::Reminder: return As<TReminderObject>(item) && Reminder(*As<TReminderObject>(item), isNew, parent);
    case ClassCode::Document: return As<TDocObject>(item) && Document(*As<TDocObject>(item), isNew, parent);
    case ClassCode::Tool: return Tool(item, parent);
    default: return false;
    }
}
