#include "exchange/StandardCard.h"

#include "model/AddressObject.h"
#include "model/Card.h"
#include "model/ClassCodes.h"
#include "model/OrgObject.h"
#include "model/TreeNode.h"
#include "model/ZVBObject.h"
#include "model/PersonObject.h"
#include "exchange/CardLines.h"

#include <QStringList>

#include <algorithm>
#include <initializer_list>
#include <vector>

using namespace Qt::StringLiterals;

namespace {

// The TYPE words that the item's title names: a title the reader made from
// the parameters ("Office,Voice") gives them back; common words that people
// type themselves ("Mobile", "Work") are understood too.
QStringList TypesOf(const QString& title, int classCode, bool preferred)
{
    // The parameters' display names, made once rather than per word.
    static const std::vector<QString> displayNames = [] {
        std::vector<QString> names;
        for (int b = 0; b < CardParameter::kCount; ++b)
            names.push_back(CardParameter::DisplayName(b));
        return names;
    }();
    QStringList types;
    auto add = [&types](const QString& type) {
        if (!types.contains(type))
            types.append(type);
    };
    auto isSeparator = [](QChar c) { return c == u',' || c == u';' || c == u'/' || c == u' '; };
    const QStringView text(title);
    for (qsizetype start = 0; start < text.size();) {
        if (isSeparator(text[start])) {
            ++start;
            continue;
        }
        qsizetype end = start;
        while (end < text.size() && !isSeparator(text[end]))
            ++end;
        const QStringView word = text.mid(start, end - start).trimmed();
        start = end;
        int bit = -1;
        for (int b = 0; b < CardParameter::kCount && bit < 0; ++b) {
            if (word.compare(displayNames[static_cast<size_t>(b)], Qt::CaseInsensitive) == 0)
                bit = b;
        }
        if (bit < 0)
            bit = CardParameter::BitOf(word);
        if (bit >= 0 && bit != CardParameter::Pref) {
            add(CardParameter::Name(bit));
            continue;
        }
        auto is = [&word](QStringView other) { return word.compare(other, Qt::CaseInsensitive) == 0; };
        if (is(u"mobile") || is(u"cell"))
            add(u"CELL"_s);
        else if (is(u"business") || is(u"office") || is(u"work"))
            add(u"WORK"_s);
        else if (is(u"private") || is(u"home"))
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

QString Property(const QString& name, const QStringList& types, std::initializer_list<QString> values)
{
    QString line;
    line.reserve(128);
    line += name;
    if (!types.isEmpty()) {
        line += u";TYPE="_s;
        line += types.join(u',');
    }
    line += u':';
    bool first = true;
    for (const QString& value : values) {
        if (!first)
            line += u';';
        first = false;
        CardLines::AppendEscaped(line, value);
    }
    return CardLines::Fold(line);
}

QString ContactPoint(const TZVBObject& leaf, bool preferred)
{
    const int code = leaf.ClassCode();
    if (code != ClassCode::Address && code != ClassCode::Phone && code != ClassCode::Fax && code != ClassCode::EMail)
        return {};
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
    return Property(u"EMAIL"_s, types, {leaf.Value()});
}

// The item's preferred contact points, as the card this program builds for
// the item marks them: those its primary links name.
std::vector<const TZVBObject*> PreferredLeaves(const TZVBObject& item)
{
    const PrimaryLinks* links = nullptr;
    if (const auto* person = dynamic_cast<const TPersonObject*>(&item))
        links = &person->Primaries();
    else if (const auto* organization = dynamic_cast<const TOrgObject*>(&item))
        links = &organization->Primaries();
    if (!links)
        return {};
    return {links->ResolveAddress(&item), links->ResolvePhone(&item), links->ResolveEMail(&item),
            links->ResolveFax(&item)};
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
    QString text;
    text.reserve(512);
    text += u"BEGIN:VCARD\r\nVERSION:3.0\r\n"_s;
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
    const std::vector<const TZVBObject*> preferred = PreferredLeaves(item);
    for (const auto& ref : item.Contents()) {
        const TZVBObject* leaf = ref->Item();
        text += ContactPoint(*leaf, std::find(preferred.begin(), preferred.end(), leaf) != preferred.end());
    }
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

QString UidForItem(std::int32_t itemId)
{
    return QStringLiteral("zendrivo-") + QString::number(itemId);
}

std::int32_t ItemOfUid(const QString& uid)
{
    if (!uid.startsWith(u"zendrivo-"))
        return 0;
    bool ok = false;
    const std::int32_t id = uid.mid(9).toInt(&ok);
    return ok ? id : 0;
}

} // namespace StandardCard
