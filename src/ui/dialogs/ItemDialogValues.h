#pragma once

#include "ui/dialogs/ContactDialogValues.h"

#include <QString>

class TAddressObject;
class TDocObject;
class TFolderObject;
class TPhoneObject;
class TReminderObject;

// OK of the small item dialogs. Each answers whether the item took the
// dialog's values over; when a required field is empty nothing changes, and
// a new item that answers false is discarded by its caller.

// New: title and address text required; existing: the title.
bool ApplyAddressDialog(TAddressObject& address, const AddressPageValues& values, bool isNew);
// Title and a number with something besides literals.
bool ApplyPhoneDialog(TPhoneObject& phone, const NumberPageValues& values);
// New: title and a filled number; existing: the title.
bool ApplyFaxDialog(TZVBObject& fax, const NumberPageValues& values, bool isNew);
// The address is required; the title may be empty.
bool ApplyEMailDialog(TZVBObject& mail, const TextPageValues& values);
// The address must be a URL.
// Why the website dialogs refuse an address, or empty when they take it.
// A page left at a bare scheme ("http://") is refused only when it must hold
// an address.
QString WebsiteRefusal(const QString& address, bool required);

bool ApplyWebsiteDialog(TZVBObject& site, const TextPageValues& values);
// Title and file name required; the document then takes its file's icon.
bool ApplyDocumentDialog(TDocObject& doc, const TextPageValues& values);
// The title is required; the value is the tool's target address.
bool ApplyToolDialog(TZVBObject& tool, const TextPageValues& values);
// Teams take title and comment as they are, even an empty title.
void ApplyTeamDialog(TZVBObject& team, const QString& title, const QString& comment);
// Title, comment and the remote location (empty for a local folder).
void ApplyFolderDialog(TFolderObject& folder, const QString& title, const QString& comment, const QString& location);
// A non-empty title is required; then the date text and the due state.
bool ApplyReminderDialog(TReminderObject& reminder, const QString& title, const QString& comment);

// The location a folder dialog stores: empty when not remote; for the
// Internet the text with "http://" in front when it lacks it.
QString RemoteFolderLocation(bool remote, bool internet, const QString& text);
