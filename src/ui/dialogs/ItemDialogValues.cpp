#include "ui/dialogs/ItemDialogValues.h"

#include "model/AddressObject.h"
#include "model/DocObject.h"
#include "model/FolderObject.h"
#include "model/PhoneObject.h"
#include "model/ReminderObject.h"
#include "model/TextRules.h"

#include <QRegularExpression>

namespace {
void Write(TZVBObject& item, const QString& title, const QString& value, const QString& comment)
{
    item.SetTitle(title);
    item.SetValue(value);
    item.SetComment(comment);
}

const QString kHttp = QStringLiteral("http://");
} // namespace

bool ApplyAddressDialog(TAddressObject& address, const AddressPageValues& values, bool isNew)
{
    if (values.title.isEmpty() || (isNew && values.text.isEmpty()))
        return false;
    const QStringList lines = values.text.split(u'\n');
    Write(address, values.title, lines.first(), values.comment);
    address.SetLines(lines);
    address.SetPlace(values.city, values.state, values.postCode, values.country);
    return true;
}

bool ApplyPhoneDialog(TPhoneObject& phone, const NumberPageValues& values)
{
    if (values.title.isEmpty() || !values.filled)
        return false;
    Write(phone, values.title, values.number, values.comment);
    phone.SetExtension(values.extension);
    return true;
}

bool ApplyFaxDialog(TZVBObject& fax, const NumberPageValues& values, bool isNew)
{
    if (values.title.isEmpty() || (isNew && !values.filled))
        return false;
    Write(fax, values.title, values.number, values.comment);
    return true;
}

bool ApplyEMailDialog(TZVBObject& mail, const TextPageValues& values)
{
    if (values.value.isEmpty())
        return false;
    Write(mail, values.title, values.value, values.comment);
    return true;
}

QString WebsiteRefusal(const QString& address, bool required)
{
    const QString text = address.trimmed();
    if (TextRules::IsUrl(text))
        return QString();
    static const QRegularExpression bareScheme(QStringLiteral("^[A-Za-z]+:(//)?$"));
    if (!required && (text.isEmpty() || bareScheme.match(text).hasMatch()))
        return QString();
    if (text.isEmpty() || bareScheme.match(text).hasMatch())
        return QStringLiteral("Please enter the site's address after the scheme, for example https://www.example.org.");
    return QStringLiteral("\"%1\" is not a web address that can be opened.\n\n"
                          "Begin it with a scheme such as https://, http://, ftp:// or mailto: "
                          "(for example https://%2).")
        .arg(text, text.contains(u"://") ? QStringLiteral("www.example.org") : text);
}

bool ApplyWebsiteDialog(TZVBObject& site, const TextPageValues& values)
{
    if (!TextRules::IsUrl(values.value))
        return false;
    Write(site, values.title, values.value, values.comment);
    return true;
}

bool ApplyDocumentDialog(TDocObject& doc, const TextPageValues& values)
{
    if (values.title.isEmpty() || values.value.isEmpty())
        return false;
    Write(doc, values.title, values.value, values.comment);
    doc.FetchIcon();
    return true;
}

bool ApplyToolDialog(TZVBObject& tool, const TextPageValues& values)
{
    if (values.title.isEmpty())
        return false;
    Write(tool, values.title, values.value, values.comment);
    return true;
}

void ApplyTeamDialog(TZVBObject& team, const QString& title, const QString& comment)
{
    team.SetTitle(title);
    team.SetComment(comment);
}

void ApplyFolderDialog(TFolderObject& folder, const QString& title, const QString& comment, const QString& location)
{
    folder.SetTitle(title);
    folder.SetComment(comment);
    folder.SetValue(location);
}

bool ApplyReminderDialog(TReminderObject& reminder, const QString& title, const QString& comment)
{
    if (title.isEmpty())
        return false;
    Write(reminder, title, reminder.Recurrence().DateText(), comment);
    reminder.ApplyDueRule();
    return true;
}

QString RemoteFolderLocation(bool remote, bool internet, const QString& text)
{
    if (!remote)
        return QString();
    if (internet && !text.startsWith(kHttp))
        return kHttp + text;
    return text;
}
