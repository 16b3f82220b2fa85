#include "exchange/VCardParser.h"

#include "exchange/AsciiWords.h"
#include "exchange/VCardLineReader.h"
#include "exchange/VCardValue.h"

#include <algorithm>

namespace VCardParser {

namespace {
using VCardValue::Escapes;

using AsciiWords::StartsWith;

// The names are tested as prefixes, so NOTE is kept too (by "N").
bool IsReadName(QByteArrayView name)
{
    for (QByteArrayView known : {"FN", "N", "ADR", "TEL", "EMAIL", "TITLE", "ORG", "URL", "BDAY"}) {
        if (StartsWith(name, known))
            return true;
    }
    return false;
}

// The names of the properties read, shared by every card rather than
// allocated per line; others as they were written.
QString NameOf(QByteArrayView name)
{
    static const QString kKnown[] = {QStringLiteral("FN"),    QStringLiteral("N"),     QStringLiteral("ADR"),
                                     QStringLiteral("TEL"),   QStringLiteral("EMAIL"), QStringLiteral("TITLE"),
                                     QStringLiteral("ORG"),   QStringLiteral("URL"),   QStringLiteral("BDAY"),
                                     QStringLiteral("NOTE")};
    for (const QString& known : kKnown) {
        const char16_t* letters = QStringView(known).utf16();
        if (known.size() == name.size() &&
            std::equal(name.begin(), name.end(), letters, [](char a, char16_t b) { return char16_t(uchar(a)) == b; }))
            return known;
    }
    return QString::fromLatin1(name);
}

// A property whose values wait for the card's version, which may come last.
struct Pending
{
    QString name;
    std::uint32_t parameters;
    QString text;
    QLatin1StringView scheme; // "tel:" or "mailto:" before the value, for phones and e-mail
};

// 4.0 writes numbers and addresses as URIs.
QLatin1StringView SchemeOf(QByteArrayView name)
{
    if (AsciiWords::Is(name, "TEL"))
        return QLatin1StringView("tel:");
    if (AsciiWords::Is(name, "EMAIL"))
        return QLatin1StringView("mailto:");
    return {};
}

class CardBuilder
{
public:
    void Start()
    {
        m_pending.clear();
        m_cut = 0;
        m_escapes = Escapes::Plain;
    }

    void Take(QByteArrayView line, const VCardHead& head)
    {
        if (StartsWith(head.name, "VERSION") && head.name.size() == 7) {
            const QByteArrayView version = line.sliced(head.valueStart).trimmed();
            if (version.startsWith("2"))
                m_escapes = Escapes::Version21;
            else if (version.startsWith("3") || version.startsWith("4"))
                m_escapes = Escapes::Version3;
            // Kept: a card with a version line comes from another program.
            m_pending.push_back({QStringLiteral("VERSION"), head.parameters, QString::fromLatin1(version), {}});
            return;
        }
        if (!IsReadName(head.name))
            return;
        if (m_pending.size() >= static_cast<size_t>(kMaxPropertiesPerCard)) {
            ++m_cut;
            return;
        }
        m_pending.push_back({NameOf(head.name), head.parameters,
                             VCardValue::Decode(line.sliced(head.valueStart), head), SchemeOf(head.name)});
    }

    // Properties of the current card beyond the limit.
    int Cut() const { return m_cut; }

    TCard Finish()
    {
        TCard card;
        card.Reserve(static_cast<int>(m_pending.size()));
        for (Pending& p : m_pending) {
            QStringList values = VCardValue::Split(p.text, m_escapes);
            QString& first = values.first();
            if (!p.scheme.isEmpty() && first.startsWith(p.scheme, Qt::CaseInsensitive))
                first.remove(0, p.scheme.size());
            card.Add(TCardProperty(p.name, p.parameters, std::move(values)));
        }
        m_pending.clear();
        return card;
    }

private:
    std::vector<Pending> m_pending;
    Escapes m_escapes = Escapes::Plain;
    int m_cut = 0;
};
} // namespace

void Parse(QByteArrayView bytes, const std::function<void(TCard&)>& take, Dropped* dropped)
{
    VCardLineReader reader(bytes);
    CardBuilder builder;
    Dropped own;
    Dropped& counts = dropped ? *dropped : own;
    const auto finish = [&] {
        if (builder.Cut() > 0) {
            ++counts.cutCards;
            counts.cutProperties += builder.Cut();
        }
        TCard card = builder.Finish();
        take(card);
    };
    QByteArrayView line;
    VCardHead head;
    bool inCard = false;
    while (reader.Next(line, head)) {
        if (!inCard) {
            if (StartsWith(line, "BEGIN:")) {
                inCard = true;
                builder.Start();
            }
            continue;
        }
        if (StartsWith(line, "END:")) {
            finish();
            inCard = false;
        } else if (head.valueStart >= 0) {
            builder.Take(line, head);
        }
    }
    if (inCard)
        finish();
    counts.longLines += reader.LongLines();
}

void Parse(QByteArrayView bytes, std::vector<TCard>& cards, Dropped* dropped)
{
    Parse(bytes, [&cards](TCard& card) { cards.push_back(std::move(card)); }, dropped);
}

QStringList Describe(const Dropped& dropped)
{
    QStringList lines;
    if (dropped.cutCards > 0)
        lines.append(QStringLiteral("%1 card(s) had more than %2 lines; %3 line(s) beyond that were left out")
                         .arg(dropped.cutCards)
                         .arg(kMaxPropertiesPerCard)
                         .arg(dropped.cutProperties));
    if (dropped.longLines > 0)
        lines.append(QStringLiteral("%1 line(s) longer than %2 bytes were left out")
                         .arg(dropped.longLines)
                         .arg(VCardLineReader::kMaxLineBytes));
    return lines;
}

} // namespace VCardParser
