#include "exchange/ContactsHeader.h"

#include "exchange/DelimitedText.h"

#include <array>
#include <utility>

namespace ContactsHeader {
namespace {

using Column = std::pair<const char16_t*, const char16_t*>; // column name, our field

// Columns of each address book, first match wins for a field.
constexpr std::array kGoogle{
    Column{u"Name", u"Title"},
    Column{u"Name Prefix", u"Salutation"},
    Column{u"Given Name", u"First Name"},
    Column{u"First Name", u"First Name"},
    Column{u"Additional Name", u"Middle Name"},
    Column{u"Middle Name", u"Middle Name"},
    Column{u"Family Name", u"Last Name"},
    Column{u"Last Name", u"Last Name"},
    Column{u"Notes", u"Comment"},
    Column{u"E-mail 1 - Value", u"E-Mail Address"},
    Column{u"Phone 1 - Value", u"Phone Number"},
    Column{u"Address 1 - Street", u"Address Line 1"},
    Column{u"Address 1 - Extended Address", u"Address Line 2"},
    Column{u"Address 1 - City", u"City"},
    Column{u"Address 1 - Region", u"State/Province"},
    Column{u"Address 1 - Postal Code", u"Postal Code"},
    Column{u"Address 1 - Country", u"Country"},
    Column{u"Website 1 - Value", u"Website"},
};

constexpr std::array kOutlook{
    Column{u"Title", u"Salutation"},
    Column{u"First Name", u"First Name"},
    Column{u"Middle Name", u"Middle Name"},
    Column{u"Last Name", u"Last Name"},
    Column{u"Business Street", u"Address Line 1"},
    Column{u"Business Street 2", u"Address Line 2"},
    Column{u"Business Street 3", u"Address Line 3"},
    Column{u"Business City", u"City"},
    Column{u"Business State", u"State/Province"},
    Column{u"Business Postal Code", u"Postal Code"},
    Column{u"Business Country/Region", u"Country"},
    Column{u"Business Country", u"Country"},
    Column{u"Business Fax", u"Fax Number"},
    Column{u"Business Phone", u"Phone Number"},
    Column{u"E-mail Address", u"E-Mail Address"},
    Column{u"Notes", u"Comment"},
    Column{u"Web Page", u"Website"},
};

constexpr std::array kThunderbird{
    Column{u"First Name", u"First Name"},
    Column{u"Last Name", u"Last Name"},
    Column{u"Display Name", u"Title"},
    Column{u"Primary Email", u"E-Mail Address"},
    Column{u"Work Phone", u"Phone Number"},
    Column{u"Fax Number", u"Fax Number"},
    Column{u"Work Address", u"Address Line 1"},
    Column{u"Work Address 2", u"Address Line 2"},
    Column{u"Work City", u"City"},
    Column{u"Work State", u"State/Province"},
    Column{u"Work ZipCode", u"Postal Code"},
    Column{u"Work Country", u"Country"},
    Column{u"Web Page 1", u"Website"},
    Column{u"Notes", u"Comment"},
};

template <size_t N>
Guess Map(const QString& source, const std::array<Column, N>& columns, const QStringList& header,
          const QStringList& available)
{
    Guess guess;
    QStringList taken;
    int last = -1;
    for (int i = 0; i < header.size(); ++i) {
        QString field = QString::fromUtf16(kIgnoredColumn);
        for (const Column& column : columns) {
            const QString ours = QString::fromUtf16(column.second);
            if (header[i].trimmed().compare(QString::fromUtf16(column.first), Qt::CaseInsensitive) == 0
                && available.contains(ours) && !taken.contains(ours)) {
                field = ours;
                taken.append(ours);
                last = i;
                break;
            }
        }
        guess.fields.append(field);
    }
    if (last < 0)
        return {};
    guess.fields = guess.fields.mid(0, last + 1);
    guess.source = source;
    return guess;
}

} // namespace

Guess Recognise(const QString& headerLine, const QStringList& available)
{
    const QStringList header = DelimitedText::SplitLine(headerLine);
    const auto has = [&](QStringView name) {
        return header.contains(name.toString(), Qt::CaseInsensitive);
    };
    if (has(u"Display Name") && has(u"Primary Email"))
        return Map(QStringLiteral("Thunderbird"), kThunderbird, header, available);
    if (has(u"E-mail Address") && (has(u"Business Street") || has(u"Home Street")))
        return Map(QStringLiteral("Outlook"), kOutlook, header, available);
    if (has(u"E-mail 1 - Value") || has(u"Given Name") || has(u"Phone 1 - Value"))
        return Map(QStringLiteral("Google Contacts"), kGoogle, header, available);
    return {};
}

} // namespace ContactsHeader
