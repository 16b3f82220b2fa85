#include "exchange/RecordTypes.h"

#include "model/ClassCodes.h"

namespace RecordTypes {

namespace {

QStringList Names(std::initializer_list<const char16_t*> names)
{
    QStringList list;
    for (const char16_t* name : names)
        list.append(QString::fromUtf16(name));
    return list;
}

} // namespace

const std::vector<RecordType>& All()
{
    static const std::vector<RecordType> types = [] {
        const QStringList address = Names({u"Address Line 1", u"Address Line 2", u"Address Line 3", u"City",
                                           u"State/Province", u"Postal Code", u"Country"});
        const QStringList reach = Names({u"Phone Number", u"Fax Number", u"E-Mail Address", u"Website", u"Comment"});
        const QStringList title = Names({u"Title"});
        return std::vector<RecordType>{
            {QStringLiteral("Person"), ClassCode::Person,
             title + Names({u"Salutation", u"First Name", u"Middle Name", u"Last Name"}) + address + reach},
            {QStringLiteral("Organization"), ClassCode::Organization, title + address + reach},
            {QStringLiteral("Website Addresses"), ClassCode::Website, Names({u"Title", u"Website", u"Comment"})},
            {QStringLiteral("Addresses"), ClassCode::Address, title + address},
            {QStringLiteral("Phone Numbers"), ClassCode::Phone,
             Names({u"Title", u"Phone Number", u"Extension", u"Comment"})},
            {QStringLiteral("E-mail Addresses"), ClassCode::EMail, Names({u"Title", u"E-Mail Address", u"Comment"})},
            {QStringLiteral("FAX Numbers"), ClassCode::Fax, Names({u"Title", u"Fax Number", u"Comment"})},
        };
    }();
    return types;
}

const RecordType* Find(QStringView name)
{
    for (const RecordType& type : All()) {
        if (name.compare(type.name, Qt::CaseInsensitive) == 0)
            return &type;
    }
    return nullptr;
}

const RecordType* OfClass(int classCode)
{
    for (const RecordType& type : All()) {
        if (type.classCode == classCode)
            return &type;
    }
    return nullptr;
}

} // namespace RecordTypes
