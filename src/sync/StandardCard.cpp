#include "sync/StandardCard.h"

#include "model/AddressObject.h"
#include "model/Card.h"
#include "model/ClassCodes.h"
#include "model/ItemCard.h"
#include "model/TreeNode.h"
#include "model/ZVBObject.h"
#include "model/PersonObject.h"
#include "sync/CardLines.h"

#include <QRegularExpression>
#include <QStringList>

using namespace Qt::StringLiterals;

namespace {

// The TYPE words that the item's title names: a title the reader made from
// the parameters ("Office,Voice") gives them back; common words that people
// type themselves ("Mobile", "Work") are understood too.
QStringList TypesOf(const QString& title, int classCode, bool preferred)
{
    QStringList types;
    auto add = [&types](const QString& type) {
        if (!types.contains(type))
            types.append(type);
    };
    static const QRegularExpression separators(u"[,;/ ]+"_s);
    for (const QString& raw : title.split(separators, Qt::SkipEmptyParts)) {
        const QString word = raw.trimmed();
        int bit = -1;
        for (int b = 0; b < CardParameter::kCount && bit < 0; ++b) {
            if (word.compare(CardParameter::DisplayName(b), Qt::CaseInsensitive) == 0)
                bit = b;
        }
        if (bit < 0)
            bit = CardParameter::BitOf(word);
        if (bit >= 0 && bit != CardParameter::Pref) {
            add(CardParameter::Name(bit));
            continue;
        }
        const QString lower = word.toLower();
        if (lower == u"mobile" || lower == u"cell")
            add(u"CELL"_s);
        else if (lower == u"business" || lower == u"office" || lower == u"work")
            add(u"WORK"_s);
        else if (lower == u"private" || lower == u"home")
            add(u"HOME"_s);
    }
    if (classCode == ClassCode::Fax)
        add(u"FAX"_s);
    if (classCode == ClassCode::EMail)
        add(u"INTERNET"_s);
    if (preferred)
        add(u"PREF"_s);
    return types;
}

QString Property(const QString& name, const QStringList& types, const QStringList& values)
{
    QString line = name;
    if (!types.isEmpty())
        line += u";TYPE="_s + types.join(u',');
    QStringList escaped;
    for (const QString& value : values)
        escaped.append(CardLines::Escape(value));
    return CardLines::Fold(line + u':' + escaped.join(u';'));
}

QString ContactPoint(const TZVBObject& leaf, bool preferred)
{
    const int code = leaf.ClassCode();
    const QStringList types = TypesOf(leaf.Title(), code, preferred);
    if (code == ClassCode::Address) {
        const auto& address = static_cast<const TAddressObject&>(leaf);
        // Post-office box, extended address, street: the item's third,
        // second and first lines.
        const QStringList& lines = address.Lines();
        return Property(u"ADR"_s, types,
                        {lines.value(2), lines.value(1), lines.value(0), address.City(), address.State(),
                         address.PostalCode(), address.Country()});
    }
    if (code == ClassCode::Phone || code == ClassCode::Fax)
        return Property(u"TEL"_s, types, {leaf.Value()});
    if (code == ClassCode::EMail)
        return Property(u"EMAIL"_s, types, {leaf.Value()});
    return {};
}

// Which of the item's leaves are its preferred ones: the card this program
// builds for the item marks them, one property per leaf that writes one.
std::vector<bool> PreferredLeaves(const TZVBObject& item)
{
    TCard card;
    BuildItemCard(item, card);
    int property = 0;
    while (property < card.Count() && card.At(property).Name() != u"ADR" && card.At(property).Name() != u"TEL"
           && card.At(property).Name() != u"EMAIL")
        ++property;
    std::vector<bool> preferred;
    for (const auto& ref : item.Contents()) {
        if (ref->Item()->VCardLine().isEmpty()) {
            preferred.push_back(false);
            continue;
        }
        preferred.push_back(property < card.Count() && card.At(property).Has(CardParameter::Pref));
        ++property;
    }
    return preferred;
}

QString FirstValue(const QStringList& lines, const QString& name)
{
    for (const QString& line : lines) {
        if (CardLines::NameOf(line) == name) {
            const qsizetype colon = line.indexOf(u':');
            return colon < 0 ? QString() : line.mid(colon + 1).trimmed();
        }
    }
    return {};
}

} // namespace

namespace StandardCard {

QString Write(const TZVBObject& item, const QString& uid)
{
    const int code = item.ClassCode();
    if (code != ClassCode::Person && code != ClassCode::Organization)
        return {};
    QString text = u"BEGIN:VCARD\r\nVERSION:3.0\r\n"_s;
    if (!uid.isEmpty())
        text += Property(u"UID"_s, {}, {uid});
    if (code == ClassCode::Person) {
        const auto& person = static_cast<const TPersonObject&>(item);
        text += Property(u"N"_s, {},
                         {person.LastName(), person.FirstName(), person.MiddleName(), person.Salutation(), QString()});
        text += Property(u"FN"_s, {}, {item.Title()});
    } else {
        text += Property(u"N"_s, {}, {item.Title(), QString(), QString(), QString(), QString()});
        text += Property(u"FN"_s, {}, {item.Title()});
        text += Property(u"ORG"_s, {}, {item.Title()});
        text += CardLines::Fold(u"X-ABShowAs:COMPANY"_s);
    }
    const std::vector<bool> preferred = PreferredLeaves(item);
    for (size_t i = 0; i < item.Contents().size(); ++i)
        text += ContactPoint(*item.Contents()[i]->Item(), preferred[i]);
    if (const TTreeNode* node = item.Node()) {
        for (const auto& child : node->Children()) {
            if (child->Item()->ClassCode() == ClassCode::Website) {
                text += Property(u"URL"_s, {}, {child->Item()->Value()});
                break;
            }
        }
    }
    return text + u"END:VCARD\r\n"_s;
}

bool IsOrganization(const QString& cardText)
{
    const QStringList lines = CardLines::Unfold(cardText);
    const QString kind = FirstValue(lines, u"KIND"_s).toLower();
    if (kind == u"org" || kind == u"organization")
        return true;
    if (FirstValue(lines, u"X-ABSHOWAS"_s).compare(u"COMPANY"_s, Qt::CaseInsensitive) == 0)
        return true;
    const QString org = FirstValue(lines, u"ORG"_s).section(u';', 0, 0);
    const QString n = FirstValue(lines, u"N"_s);
    const QString personal = n.section(u';', 1, 1) + n.section(u';', 2, 2);
    return !org.isEmpty() && FirstValue(lines, u"FN"_s) == org && personal.isEmpty();
}

QString UidOf(const QString& cardText)
{
    return FirstValue(CardLines::Unfold(cardText), u"UID"_s);
}

} // namespace StandardCard
