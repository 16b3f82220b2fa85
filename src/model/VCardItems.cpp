#include "model/AddressObject.h"
#include "model/Card.h"
#include "model/Clock.h"
#include "model/ItemCard.h"
#include "model/ItemFactory.h"
#include "model/OrgObject.h"
#include "model/PersonObject.h"
#include "model/RecurringDate.h"
#include "model/TextRules.h"
#include "model/TreeNode.h"

#include <QVarLengthArray>

// vCard reading and writing of persons and organizations.
namespace {

// The kinds of contact point a card holds, in the order they become children.
enum class ContactKind : signed char { None = -1, Address, EMail, Phone };

ContactKind KindOf(const TCardProperty& property)
{
    // Asked of every property of every card: an ASCII first letter tells
    // which of the three names to try.
    const QString& name = property.Name();
    const char16_t first = name.isEmpty() ? u'\0' : name.front().unicode();
    if (first < 0x80) {
        switch (first | 0x20) {
        case u'a': return property.IsNamed(u"ADR") ? ContactKind::Address : ContactKind::None;
        case u'e': return property.IsNamed(u"EMAIL") ? ContactKind::EMail : ContactKind::None;
        case u't': return property.IsNamed(u"TEL") ? ContactKind::Phone : ContactKind::None;
        default: return ContactKind::None;
        }
    }
    if (property.IsNamed(u"ADR"))
        return ContactKind::Address;
    if (property.IsNamed(u"EMAIL"))
        return ContactKind::EMail;
    if (property.IsNamed(u"TEL"))
        return ContactKind::Phone;
    return ContactKind::None;
}

// A child for the property; the preferred one becomes the primary link of
// its kind. The property's values move to the child: the card drops the
// property once its children are made.
void TakeContactPoint(TZVBObject* owner, PrimaryLinks& primaries, TCardProperty& property, ContactKind kind,
                      bool foreign)
{
    int code = ClassCode::EMail;
    QStringList values = std::move(property.Values());
    const auto take = [&values](qsizetype i) { return i < values.size() ? std::move(values[i]) : QString(); };
    // An address's value is its first line, which its fields keep as well.
    QString value = kind == ContactKind::Address ? values.value(0) : take(0);
    std::array<QString, 7> address;
    if (kind == ContactKind::Address) {
        code = ClassCode::Address;
        // Cleaned where the item takes them.
        for (int i = 0; i < 7; ++i)
            address[static_cast<size_t>(i)] = take(i);
        // Other programs' cards (those with a version line) give the address as
        // post-office box, extended address, street; ours give lines 1 to 3.
        if (foreign) {
            std::swap(address[0], address[2]);
            value = address[0];
        }
    } else if (kind == ContactKind::Phone) {
        code = property.Has(CardParameter::Fax) ? ClassCode::Fax : ClassCode::Phone;
    }
    const ItemHandle child =
        CreateItem(code, property.ParameterDescription(), value, 0, QString(), owner->Node(), QString());
    if (code == ClassCode::Address)
        static_cast<TAddressObject*>(child.Item())->SetFields(std::move(address));
    if (property.Has(CardParameter::Pref))
        *primaries.ForClass(code) = child.Item()->Title();
}

// One child per address, e-mail and phone property (all addresses first,
// then e-mail, then phones, each kind in the card's order) and the web
// address; the properties taken are removed from the card. Foreign: the
// card has a version line, so it comes from another program.
void ImportContactPoints(TZVBObject* owner, PrimaryLinks& primaries, TCard& card, bool foreign)
{
    QVarLengthArray<ContactKind, 64> kinds(card.Count());
    for (int at = 0; at < card.Count(); ++at)
        kinds[at] = KindOf(card.At(at));
    for (const ContactKind kind : {ContactKind::Address, ContactKind::EMail, ContactKind::Phone}) {
        for (int at = 0; at < card.Count(); ++at) {
            if (kinds[at] == kind)
                TakeContactPoint(owner, primaries, card.At(at), kind, foreign);
        }
    }
    card.DeleteWhere([&kinds](int at) { return kinds[at] != ContactKind::None; });
    const int url = card.IndexOf(u"URL");
    if (url < 0)
        return;
    const QString label = QStringLiteral("Web URL");
    CreateItem(ClassCode::Website, label, card.At(url).ValueAt(0), 0, QString(), owner->Node(), QString());
    primaries.Website = label;
    card.Delete(url);
}

// Names are otherwise matched as prefixes: "NOTE" must not find "N".
const TCardProperty* Exactly(const TCard& card, QStringView name)
{
    for (int i = 0; i < card.Count(); ++i) {
        const QString& own = card.At(i).Name();
        if (own.size() == name.size() && own.compare(name, Qt::CaseInsensitive) == 0)
            return &card.At(i);
    }
    return nullptr;
}

// "1970-03-15", "19700315", "1970-03-15T08:00:00Z"; without a year
// ("--0315", "--03-15") this year's date.
QDate BirthdayOf(const QString& text)
{
    QString date = text.trimmed().section(u'T', 0, 0);
    const bool yearless = date.startsWith(u"--");
    date.remove(u'-');
    if (yearless)
        date.prepend(QString::number(Clock::Today().year()));
    if (date.size() != 8)
        return {};
    return QDate::fromString(date, u"yyyyMMdd");
}

// The card's birthday as a yearly date item, its note as the comment, where
// the person has neither yet.
void ImportBirthdayAndNote(TZVBObject* person, const TCard& card)
{
    if (const TCardProperty* note = Exactly(card, u"NOTE"); note && person->Comment().isEmpty()) {
        const QStringList& values = note->Values();
        person->SetComment(values.size() == 1 ? values.front() : values.join(u","));
    }
    const TCardProperty* bday = Exactly(card, u"BDAY");
    const QDate date = bday ? BirthdayOf(bday->ValueAt(0)) : QDate();
    if (!date.isValid())
        return;
    const QString title = QStringLiteral("Birthday");
    for (const auto& ref : person->Contents()) {
        if (ref->Item()->ClassCode() == ClassCode::Reminder && ref->Item()->Title() == title)
            return;
    }
    TRecurringDate recurrence;
    recurrence.SetDate(date);
    recurrence.SetRecurMode(2);
    CreateItem(ClassCode::Reminder, title, recurrence.DateText(), 0, u"{Remd}" + recurrence.AsText(), person->Node(),
               QString());
}

TCardProperty PropertyOf(const QString& line)
{
    TCardProperty property;
    property.Parse(line);
    return property;
}

// The contact points of the contents, the primary ones marked preferred.
void AddContactPoints(const TZVBObject* owner, const PrimaryLinks& primaries, TCard& card)
{
    const TZVBObject* preferred[] = {primaries.ResolveAddress(owner), primaries.ResolvePhone(owner),
                                     primaries.ResolveEMail(owner), primaries.ResolveFax(owner)};
    for (const auto& ref : owner->Contents()) {
        const QString line = ref->Item()->VCardLine();
        if (line.isEmpty())
            continue;
        TCardProperty property = PropertyOf(line);
        if (std::find(std::begin(preferred), std::end(preferred), ref->Item()) != std::end(preferred))
            property.Set(CardParameter::Pref);
        card.Add(std::move(property));
    }
}

} // namespace

void TPersonObject::ImportVCard(TCard& card)
{
    if (const TCardProperty* n = card.Find(u"N")) {
        QString* parts[] = {&m_lastName, &m_firstName, &m_middleName, &m_salutation};
        for (qsizetype i = 0; i < std::min<qsizetype>(4, n->Values().size()); ++i)
            *parts[i] = TextRules::Clean(n->Values()[i]);
    }
    // Our own cards carry the item's title in TITLE and no version line;
    // everyone else's TITLE is a job title, so their people are named by FN.
    const bool foreign = card.Find(u"VERSION") != nullptr;
    const TCardProperty* title = foreign ? nullptr : card.Find(u"TITLE");
    const TCardProperty* fn = card.Find(u"FN");
    if (title)
        SetTitle(title->ValueAt(0));
    else if (fn && !fn->ValueAt(0).trimmed().isEmpty())
        SetTitle(fn->ValueAt(0));
    else
        SetTitle(m_firstName + u' ' + m_lastName);
    StoreValue(FullName());
    ImportContactPoints(this, m_primaries, card, foreign);
    ImportBirthdayAndNote(this, card);
}

bool BuildItemCard(const TZVBObject& item, TCard& card)
{
    if (const auto* person = dynamic_cast<const TPersonObject*>(&item)) {
        person->BuildCard(card);
        return true;
    }
    if (const auto* org = dynamic_cast<const TOrgObject*>(&item)) {
        org->BuildCard(card);
        return true;
    }
    return false;
}

void TPersonObject::BuildCard(TCard& card) const
{
    card.Add(PropertyOf(u"N:" + CardText::Escape(m_lastName) + u';' + CardText::Escape(m_firstName) + u';' + CardText::Escape(m_middleName) + u';'
                        + CardText::Escape(m_salutation)));
    card.Add(PropertyOf(u"FN:" + CardText::Escape(Value())));
    card.Add(PropertyOf(u"TITLE:" + CardText::Escape(Title())));
    AddContactPoints(this, m_primaries, card);
}

void TPersonObject::WriteVCard(const QString& path) const
{
    TCard card;
    BuildCard(card);
    CardText::Save(path, {card});
}

void TOrgObject::ImportVCard(TCard& card)
{
    const TCardProperty* org = card.Find(u"ORG");
    SetTitle(org ? org->ValueAt(0) : QString());
    ImportContactPoints(this, m_primaries, card, card.Find(u"VERSION") != nullptr);
}

void TOrgObject::BuildCard(TCard& card) const
{
    for (const char16_t* name : {u"N:", u"FN:", u"ORG:"})
        card.Add(PropertyOf(QString::fromUtf16(name) + CardText::Escape(Title())));
    AddContactPoints(this, m_primaries, card);
}

void TOrgObject::WriteVCard(const QString& path) const
{
    TCard card;
    BuildCard(card);
    CardText::Save(path, {card});
}
