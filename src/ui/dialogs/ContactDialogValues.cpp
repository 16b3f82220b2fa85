#include "ui/dialogs/ContactDialogValues.h"

#include "model/AddressObject.h"
#include "model/ItemFactory.h"
#include "model/OrgObject.h"
#include "model/PersonObject.h"
#include "model/PhoneObject.h"
#include "model/PrimaryLinks.h"
#include "model/TextRules.h"
#include "model/TreeOps.h"

namespace {
TZVBObject* Child(const TZVBObject& owner, const QString& title, int code)
{
    ItemRef* ref = FindChild(&owner, title, code);
    return ref ? ref->Item() : nullptr;
}

TZVBObject* Create(TZVBObject& owner, int code, const QString& title, const QString& value, const QString& comment)
{
    return CreateItem(code, title, value, 0, QString(), owner.Node(), comment).Item();
}

void ApplyAddress(TZVBObject& owner, PrimaryLinks& links, const AddressPageValues& page, bool isNew)
{
    if (page.title.isEmpty() || (isNew && page.text.isEmpty()))
        return;
    const QStringList lines = page.text.split(u'\n');
    const QString firstLine = lines.first();
    auto* address = dynamic_cast<TAddressObject*>(Child(owner, page.title, ClassCode::Address));
    if (address) {
        address->SetValue(firstLine);
        address->SetComment(page.comment);
    } else {
        address = dynamic_cast<TAddressObject*>(Create(owner, ClassCode::Address, page.title, firstLine, page.comment));
    }
    if (address) {
        address->SetLines(lines);
        address->SetPlace(page.city, page.state, page.postCode, page.country);
    }
    links.Address = TextRules::Clean(page.title);
}

void ApplyNumber(TZVBObject& owner, QString& link, int code, const NumberPageValues& page)
{
    if (page.title.isEmpty() || !page.filled)
        return;
    TZVBObject* item = Child(owner, page.title, code);
    if (item) {
        item->SetValue(page.number);
        item->SetComment(page.comment);
    } else {
        item = Create(owner, code, page.title, page.number, page.comment);
    }
    if (auto* phone = dynamic_cast<TPhoneObject*>(item))
        phone->SetExtension(page.extension);
    link = TextRules::Clean(page.title);
}

void ApplyText(TZVBObject& owner, QString& link, int code, const TextPageValues& page, bool valueOk)
{
    if (page.title.isEmpty() || !valueOk)
        return;
    if (TZVBObject* item = Child(owner, page.title, code)) {
        item->SetValue(page.value);
        item->SetComment(page.comment);
    } else {
        Create(owner, code, page.title, page.value, page.comment);
    }
    link = TextRules::Clean(page.title);
}
} // namespace

void ApplyContactPages(TZVBObject& owner, PrimaryLinks& links, const ContactPageValues& pages, bool isNew)
{
    ApplyAddress(owner, links, pages.address, isNew);
    ApplyNumber(owner, links.Phone, ClassCode::Phone, pages.phone);
    ApplyNumber(owner, links.Fax, ClassCode::Fax, pages.fax);
    ApplyText(owner, links.EMail, ClassCode::EMail, pages.email, !pages.email.value.isEmpty());
    ApplyText(owner, links.Website, ClassCode::Website, pages.website, TextRules::IsUrl(pages.website.value));
}

void ApplyPersonDialog(TPersonObject& person, const PersonDialogValues& values, bool isNew)
{
    person.SetNameParts(values.salutation, values.firstName, values.middleName, values.lastName);
    person.SetTitle(values.title);
    person.SetValue(person.FullName());
    person.SetComment(values.comment);
    ApplyContactPages(person, person.Primaries(), values.pages, isNew);
}

void ApplyOrgDialog(TOrgObject& org, const OrgDialogValues& values, bool isNew)
{
    org.SetTitle(values.title);
    org.SetComment(values.comment);
    ApplyContactPages(org, org.Primaries(), values.pages, isNew);
}
