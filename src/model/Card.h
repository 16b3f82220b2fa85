#pragma once

#include <QByteArrayView>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <cstdint>
#include <vector>

// The 29 type parameters of a card property, as bits 0 to 28 in this order.
namespace CardParameter {
enum Bit : int {
    Dom, Intl, Postal, Parcel, Home, Work, Pref, Voice, Fax, Msg, Cell, Pager, Bbs, Modem, Car, Isdn, Video,
    Aol, AppleLink, AttMail, Cis, EWorld, Internet, IbmMail, McIMail, PowerShare, Prodigy, Tlx, X400
};
inline constexpr int kCount = 29;

// The parameter as written ("WORK") and its display name ("Office").
QString Name(int bit);
QString DisplayName(int bit);
// The bit of a parameter name compared without case, or -1.
int BitOf(QStringView name);
int BitOf(QByteArrayView name); // Latin-1

} // namespace CardParameter

// One line of a card: a name, a set of type parameters and its values.
class TCardProperty
{
public:
    TCardProperty() = default;
    TCardProperty(const QString& name, std::uint32_t parameters, QStringList values)
        : m_name(name), m_parameters(parameters), m_values(std::move(values)) {}

    // Reads one line in the plain form this program writes: the head before
    // the first ":" is the name and bare parameters; ";" and "," separate
    // both the head and the values; a double quote shields separators.
    void Parse(const QString& line);
    // "NAME;PARAM...:v1;v2" with the parameters in table order.
    QString Format() const;
    // The display names of the set parameters in table order, joined by ",".
    QString ParameterDescription() const;

    const QString& Name() const { return m_name; }
    // Whether the name equals the searched name's start of the same length,
    // without case; a nameless property never matches.
    bool IsNamed(QStringView searched) const
    {
        // Most names differ in their first letter: an import asks each card
        // for each name it reads.
        if (m_name.isEmpty() || m_name.size() > searched.size())
            return false;
        const char16_t own = m_name.front().unicode();
        const char16_t other = searched.front().unicode();
        if (own < 0x80 && other < 0x80 && (own | 0x20) != (other | 0x20))
            return false;
        return IsNamedLetterByLetter(searched);
    }
    void SetName(const QString& name) { m_name = name; }
    std::uint32_t Parameters() const { return m_parameters; }
    void SetParameters(std::uint32_t parameters) { m_parameters = parameters; }
    bool Has(int bit) const { return (m_parameters >> bit) & 1U; }
    void Set(int bit, bool on = true);
    const QStringList& Values() const { return m_values; }
    QStringList& Values() { return m_values; }
    // The value at an index, empty when the property has fewer.
    QString ValueAt(qsizetype index) const { return m_values.value(index); }

    bool operator==(const TCardProperty&) const = default;

private:
    bool IsNamedLetterByLetter(QStringView searched) const;

    QString m_name;
    std::uint32_t m_parameters = 0;
    QStringList m_values;
};

// The properties of one card, in file order.
class TCard
{
public:
    void Add(TCardProperty property) { m_properties.push_back(std::move(property)); }
    // Room for count properties in all, made once.
    void Reserve(int count) { m_properties.reserve(static_cast<size_t>(count)); }
    int Count() const { return static_cast<int>(m_properties.size()); }
    const TCardProperty& At(int index) const { return m_properties[static_cast<size_t>(index)]; }
    TCardProperty& At(int index) { return m_properties[static_cast<size_t>(index)]; }
    // The first property whose own name equals the searched name's start of
    // the same length, without case; -1 when there is none. Nameless
    // properties (lines without a head) are never found.
    int IndexOf(QStringView name) const;
    const TCardProperty* Find(QStringView name) const;
    void Delete(int index) { m_properties.erase(m_properties.begin() + index); }
    // Deletes every property the test picks by its index, in one pass: a
    // card gives up most of its lines this way on import.
    template <typename Test>
    void DeleteWhere(Test picked)
    {
        std::size_t kept = 0;
        for (std::size_t at = 0; at < m_properties.size(); ++at) {
            if (picked(static_cast<int>(at)))
                continue;
            if (kept != at)
                m_properties[kept] = std::move(m_properties[at]);
            ++kept;
        }
        m_properties.resize(kept);
    }

    bool operator==(const TCard&) const = default;

private:
    std::vector<TCardProperty> m_properties;
};

namespace CardText {
// A value as it goes into a property line: "\\", ",", ";" and the double
// quote get a backslash before them and a line break becomes "\n", so the
// value reads back whole instead of splitting or losing characters.
QString Escape(const QString& value);
// The file text of the cards: "begin:vcard", the formatted properties and
// "end:vcard" for each, every line ended by CR LF, no version line.
QString Format(const std::vector<TCard>& cards);
// Writes the cards as UTF-8; a failure leaves an existing file whole and
// throws EZendrivoError naming the file and the reason.
void Save(const QString& path, const std::vector<TCard>& cards);
} // namespace CardText
