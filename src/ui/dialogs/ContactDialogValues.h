#pragma once

#include <QString>

class TOrgObject;
class TPersonObject;
class TZVBObject;
struct PrimaryLinks;

// What the five pages of the person and organization dialogs hold when OK is
// pressed. Numbers come as they are stored (literals of their format kept)
// together with whether anything but literals was typed.
struct AddressPageValues
{
    QString title;
    QString text; // the address lines, separated by line breaks
    QString city;
    QString state;
    QString postCode;
    QString country;
    QString comment;
};

struct NumberPageValues
{
    QString title;
    QString number;
    bool filled = false;
    QString extension; // phones only
    QString comment;
};

struct TextPageValues
{
    QString title;
    QString value;
    QString comment;
};

struct ContactPageValues
{
    AddressPageValues address;
    NumberPageValues phone;
    NumberPageValues fax;
    TextPageValues email;
    TextPageValues website;
};

struct PersonDialogValues
{
    QString salutation;
    QString firstName;
    QString middleName;
    QString lastName;
    QString title;
    QString comment;
    ContactPageValues pages;
};

struct OrgDialogValues
{
    QString title;
    QString comment;
    ContactPageValues pages;
};

// Creates or updates the owner's contact points named on the pages and makes
// them its primary ones. A page whose title or main field is empty leaves the
// children and the link as they were; a new owner also needs address text.
void ApplyContactPages(TZVBObject& owner, PrimaryLinks& links, const ContactPageValues& pages, bool isNew);

// OK of the person dialog: the name parts, title, full name and comment, then the pages.
void ApplyPersonDialog(TPersonObject& person, const PersonDialogValues& values, bool isNew);
// OK of the organization dialog: title and comment, then the pages.
void ApplyOrgDialog(TOrgObject& org, const OrgDialogValues& values, bool isNew);
