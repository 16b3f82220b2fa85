#include "model/Card.h"

#include "model/Exceptions.h"
#include "model/RegularFile.h"
#include "model/TextCodec.h"

#include <QFile>
#include <QHash>

#include <array>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string_view>

namespace CardParameter {

namespace {
struct Entry
{
    const char16_t* name;
    const char16_t* display;
};
constexpr Entry kTable[kCount] = {
    {u"DOM", u"Domestic"},       {u"INTL", u"International"}, {u"POSTAL", u"Postal"},
    {u"PARCEL", u"Parcel"},      {u"HOME", u"Home"},          {u"WORK", u"Office"},
    {u"PREF", u"Preferred"},     {u"VOICE", u"Voice Line"},   {u"FAX", u"Fax Line"},
    {u"MSG", u"Message Only"},   {u"CELL", u"Cellular"},      {u"PAGER", u"Pager"},
    {u"BBS", u"BBS"},            {u"MODEM", u"MODEM"},        {u"CAR", u"Car Phone"},
    {u"ISDN", u"ISDN"},          {u"VIDEO", u"Video Phone"},  {u"AOL", u"AOL"},
    {u"AppleLink", u"AppleLink"}, {u"ATTMail", u"ATTMail"},   {u"CIS", u"CIS"},
    {u"eWorld", u"eWorld"},      {u"INTERNET", u"Internet"},  {u"IBMMail", u"IBMMail"},
    {u"MCIMail", u"MCIMail"},    {u"POWERSHARE", u"Powershare"}, {u"PRODIGY", u"PRODIGY"},
    {u"TLX", u"TLX"},            {u"X400", u"X.400"}};
} // namespace

QString Name(int bit)
{
    return bit >= 0 && bit < kCount ? QString::fromUtf16(kTable[bit].name) : QString();
}

QString DisplayName(int bit)
{
    return bit >= 0 && bit < kCount ? QString::fromUtf16(kTable[bit].display) : QString();
}

int BitOf(QStringView name)
{
    for (int bit = 0; bit < kCount; ++bit) {
        if (name.size() == qsizetype(std::char_traits<char16_t>::length(kTable[bit].name)) &&
            name.compare(QStringView(kTable[bit].name), Qt::CaseInsensitive) == 0)
            return bit;
    }
    return -1;
}

namespace {
// The table's names in capitals with their lengths, for the bytes of card
// files: every parameter word of a file is looked up here.
struct UpperName
{
    char text[12] = {};
    qsizetype size = 0;
};

constexpr std::array<UpperName, kCount> kUpperNames = [] {
    std::array<UpperName, kCount> names{};
    for (int bit = 0; bit < kCount; ++bit) {
        const std::u16string_view name(kTable[bit].name);
        for (size_t i = 0; i < name.size(); ++i) {
            const char16_t c = name[i];
            names[size_t(bit)].text[i] = static_cast<char>(c >= u'a' && c <= u'z' ? c - 32 : c);
        }
        names[size_t(bit)].size = qsizetype(name.size());
    }
    return names;
}();
static_assert(std::char_traits<char16_t>::length(u"POWERSHARE") < sizeof(UpperName::text));

// The names of each length and first letter: two at most share both, so a
// word of a file is compared with two names at most, not with all of them.
// A name's bit is held plus one, so that a slot starts out empty as zero.
constexpr qsizetype kLongestName = 10;
struct Candidates
{
    std::array<std::uint8_t, 2> bitsPlusOne;
};
constexpr std::size_t StartIndex(qsizetype size, char upperFirst)
{
    return static_cast<std::size_t>(size * 26 + (upperFirst - 'A'));
}
constexpr std::array<Candidates, (kLongestName + 1) * 26> kByStart = [] {
    std::array<Candidates, (kLongestName + 1) * 26> table{};
    for (int bit = 0; bit < kCount; ++bit) {
        const UpperName& name = kUpperNames[size_t(bit)];
        if (name.size > kLongestName || name.text[0] < 'A' || name.text[0] > 'Z')
            throw "a parameter name this table cannot hold";
        Candidates& slot = table[StartIndex(name.size, name.text[0])];
        if (slot.bitsPlusOne[1] != 0)
            throw "three parameter names of one length and first letter";
        slot.bitsPlusOne[slot.bitsPlusOne[0] == 0 ? 0 : 1] = static_cast<std::uint8_t>(bit + 1);
    }
    return table;
}();
} // namespace

// The table's names are ASCII, and no Latin-1 letter beyond it folds to one.
int BitOf(QByteArrayView name)
{
    const auto upper = [](char c) { return c >= 'a' && c <= 'z' ? char(c - 32) : c; };
    if (name.isEmpty() || name.size() > kLongestName)
        return -1;
    const char first = upper(name[0]);
    if (first < 'A' || first > 'Z')
        return -1;
    for (const std::uint8_t bitPlusOne : kByStart[StartIndex(name.size(), first)].bitsPlusOne) {
        if (bitPlusOne == 0)
            break;
        const int bit = bitPlusOne - 1;
        const UpperName& entry = kUpperNames[size_t(bit)];
        qsizetype i = 1;
        while (i < name.size() && upper(name[i]) == entry.text[i])
            ++i;
        if (i == name.size())
            return bit;
    }
    return -1;
}

} // namespace CardParameter

namespace {
QStringView TrimLeadingBlanks(QStringView text)
{
    qsizetype i = 0;
    while (i < text.size() && text[i] == u' ')
        ++i;
    return text.sliced(i);
}

// Splits at ";" and ","; a double quote starts or ends a stretch in which
// they do not separate and is itself dropped. Empty pieces stay. A
// backslash makes the next ",", ";", "\\" or double quote plain text, and
// "\n" is a line break.
QStringList SplitValues(QStringView text)
{
    QStringList values;
    QString current;
    bool quoted = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == u'\\' && i + 1 < text.size()) {
            const QChar next = text[i + 1];
            if (next == u',' || next == u';' || next == u'\\' || next == u'"') {
                current.append(next);
                ++i;
                continue;
            }
            if (next == u'n' || next == u'N') {
                current.append(u'\n');
                ++i;
                continue;
            }
            current.append(c);
        } else if (c == u'"')
            quoted = !quoted;
        else if (!quoted && (c == u';' || c == u','))
            values.append(std::exchange(current, QString()));
        else
            current.append(c);
    }
    values.append(current);
    return values;
}

// The head as a list: ";", "," and blanks separate, quotes shield; empty
// elements are dropped.
QStringList SplitHead(QStringView head)
{
    QStringList elements;
    QString current;
    bool quoted = false;
    const auto flush = [&] {
        if (!current.isEmpty())
            elements.append(std::exchange(current, QString()));
    };
    for (QChar c : head) {
        if (c == u'"')
            quoted = !quoted;
        else if (!quoted && (c == u';' || c == u',' || c.unicode() <= u' '))
            flush();
        else
            current.append(c);
    }
    flush();
    return elements;
}
} // namespace

void TCardProperty::Set(int bit, bool on)
{
    if (bit < 0 || bit >= CardParameter::kCount)
        return;
    if (on)
        m_parameters |= 1U << bit;
    else
        m_parameters &= ~(1U << bit);
}

void TCardProperty::Parse(const QString& line)
{
    m_name.clear();
    m_parameters = 0;
    const qsizetype colon = line.indexOf(u':');
    const QStringView head = colon < 0 ? QStringView() : QStringView(line).first(colon);
    const QStringView tail = colon < 0 ? QStringView(line) : QStringView(line).sliced(colon + 1);
    m_values = SplitValues(TrimLeadingBlanks(tail));
    const QStringList elements = SplitHead(TrimLeadingBlanks(head));
    if (elements.isEmpty())
        return;
    m_name = elements.first();
    for (const QString& element : elements)
        Set(CardParameter::BitOf(element));
}

QString TCardProperty::Format() const
{
    QString line = m_name;
    for (int bit = 0; bit < CardParameter::kCount; ++bit) {
        if (Has(bit))
            line += u';' + CardParameter::Name(bit);
    }
    line += u':';
    for (const QString& value : m_values)
        line += CardText::Escape(value) + u';';
    if (line.endsWith(u';'))
        line.chop(1);
    return line;
}

QString TCardProperty::ParameterDescription() const
{
    // An import asks for the same few sets for every card: each set's text
    // is made once and shared.
    thread_local QHash<std::uint32_t, QString> made;
    if (const auto found = made.constFind(m_parameters); found != made.constEnd())
        return *found;
    QStringList names;
    for (int bit = 0; bit < CardParameter::kCount; ++bit) {
        if (Has(bit))
            names.append(CardParameter::DisplayName(bit));
    }
    if (made.size() >= 256)
        made.clear();
    return *made.insert(m_parameters, names.join(u','));
}

bool TCardProperty::IsNamedLetterByLetter(QStringView searched) const
{
    // Names are ASCII as a rule and compared letter by letter; a name with
    // other characters gets the full case folding.
    const auto upper = [](char16_t c) { return c >= u'a' && c <= u'z' ? char16_t(c - 32) : c; };
    for (qsizetype i = 0; i < m_name.size(); ++i) {
        const char16_t own = m_name[i].unicode();
        const char16_t other = searched[i].unicode();
        if (own >= 0x80 || other >= 0x80)
            return searched.first(m_name.size()).compare(m_name, Qt::CaseInsensitive) == 0;
        if (upper(own) != upper(other))
            return false;
    }
    return true;
}

int TCard::IndexOf(QStringView name) const
{
    for (size_t i = 0; i < m_properties.size(); ++i) {
        if (m_properties[i].IsNamed(name))
            return static_cast<int>(i);
    }
    return -1;
}

const TCardProperty* TCard::Find(QStringView name) const
{
    const int index = IndexOf(name);
    return index < 0 ? nullptr : &m_properties[static_cast<size_t>(index)];
}

namespace CardText {

QString Escape(const QString& value)
{
    QString out;
    out.reserve(value.size());
    for (qsizetype i = 0; i < value.size(); ++i) {
        const QChar c = value[i];
        if (c == u'\\' || c == u',' || c == u';' || c == u'"') {
            out += u'\\';
            out += c;
        } else if (c == u'\r') {
            out += u"\\n";
            if (i + 1 < value.size() && value[i + 1] == u'\n')
                ++i;
        } else if (c == u'\n') {
            out += u"\\n";
        } else {
            out += c;
        }
    }
    return out;
}

QString Format(const std::vector<TCard>& cards)
{
    QString text;
    for (const TCard& card : cards) {
        text += u"begin:vcard\r\n";
        for (int i = 0; i < card.Count(); ++i)
            text += card.At(i).Format() + u"\r\n";
        text += u"end:vcard\r\n";
    }
    return text;
}

// Written beside the target and renamed over it, so a failure leaves an old
// file whole. Unlike the database save there is no flush to the disk: an
// export of many cards would spend almost all its time waiting for it.
void Save(const QString& given, const std::vector<TCard>& cards)
{
    // Only a regular file is written over; through a link, the file it names.
    RegularFile::CheckWriteTarget(given);
    const QString path = RegularFile::ResolvedWriteTarget(given);
    const QString part = path + u".part";
    QFile file(part);
    const auto fail = [&](const QString& reason) {
        file.remove();
        throw EZendrivoError(QStringLiteral("Unable to write the file: %1 (%2)").arg(path, reason));
    };
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        throw EZendrivoError(QStringLiteral("Unable to write the file: %1 (%2)").arg(path, file.errorString()));
    const QByteArray bytes = TextCodec::Encode(Format(cards));
    if (file.write(bytes) != bytes.size() || !file.flush())
        fail(file.errorString());
    file.close();
    if (file.error() != QFileDevice::NoError)
        fail(file.errorString());
    if (std::rename(QFile::encodeName(part).constData(), QFile::encodeName(path).constData()) != 0)
        fail(QString::fromLocal8Bit(std::strerror(errno)));
}

} // namespace CardText
