#include "reports/Delivery.h"

#include "reports/ReportFields.h"

#include "model/ClassCodes.h"
#include "model/OrgObject.h"
#include "model/PersonObject.h"

TDeliveryTarget TDeliveryTarget::For(const TZVBObject* current)
{
    TDeliveryTarget target;
    if (!current)
        return target;
    if (const auto* person = dynamic_cast<const TPersonObject*>(current)) {
        target.address = person->Primaries().ResolveAddress(person);
        target.name = person->Value().trimmed();
    } else if (const auto* org = dynamic_cast<const TOrgObject*>(current)) {
        target.address = org->Primaries().ResolveAddress(org);
        target.name = org->Title();
    } else if (current->ClassCode() == ClassCode::Address) {
        target.address = current;
        target.name = current->Title();
    }
    if (!target.address)
        target.name.clear();
    return target;
}

QStringList TDeliveryTarget::Lines() const
{
    if (!address)
        return {};
    const QStringList seven = ReportFields::Values(*address, ReportFields::AddressFieldNames());
    QStringList lines;
    if (!name.isEmpty())
        lines.append(name);
    return lines + ReportFields::AddressLines(seven, false);
}
