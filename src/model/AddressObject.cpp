#include "model/AddressObject.h"

#include "model/Card.h"
#include "model/FieldRow.h"
#include "model/ItemHost.h"
#include "model/TextRules.h"

namespace {
QStringList PaddedToThree(QStringList lines)
{
    for (QString& line : lines)
        line = TextRules::Clean(line);
    while (lines.size() < 3)
        lines.append(QString());
    return lines;
}
} // namespace

TAddressObject::TAddressObject(const QString& title, const QString& value, std::int32_t id, const QString& comment)
    : TZVBObject(ClassCode::Address, title, value, id, comment)
{
}

void TAddressObject::SetLines(const QStringList& lines)
{
    m_lines = PaddedToThree(lines);
    Changed();
}

void TAddressObject::SetPlace(const QString& city, const QString& state, const QString& postalCode, const QString& country)
{
    m_city = TextRules::Clean(city);
    m_state = TextRules::Clean(state);
    m_postalCode = TextRules::Clean(postalCode);
    m_country = TextRules::Clean(country);
    Changed();
}

void TAddressObject::SetFields(std::array<QString, 7>&& fields)
{
    // Into the three lines every address has from its start: an import sets
    // the fields of thousands, and a list made anew would cost a block each.
    m_lines.resize(3);
    for (qsizetype i = 0; i < 3; ++i)
        m_lines[i] = TextRules::Clean(std::move(fields[static_cast<std::size_t>(i)]));
    m_city = TextRules::Clean(std::move(fields[3]));
    m_state = TextRules::Clean(std::move(fields[4]));
    m_postalCode = TextRules::Clean(std::move(fields[5]));
    m_country = TextRules::Clean(std::move(fields[6]));
    Changed();
}

void TAddressObject::ReadDetails(const QString& line)
{
    // A new item is made with no details at all; it keeps its empty lines.
    if (!line.startsWith(u"{Addr}"))
        return;
    // A damaged record may hold fewer lines; the address still gets three,
    // the missing ones empty. The fields read are clean already.
    QStringList lines(3);
    if (ReadFieldsAndCategories(line, u"{Addr}", {&lines[0], &lines[1], &lines[2], &m_city, &m_state, &m_postalCode, &m_country}) < 0)
        return;
    m_lines = std::move(lines);
}

void TAddressObject::WriteRecord(RecordText& out, int level) const
{
    RecordWithFields(out, level, u"{Addr}",
                            {m_lines.value(0), m_lines.value(1), m_lines.value(2), m_city, m_state, m_postalCode, m_country});
}

void TAddressObject::AdjustListMenu(ListMenuMask& menu) const
{
    menu = ListMenuMask();
}

bool TAddressObject::EditNew(TTreeNode* /*node*/)
{
    return EditInDialog(true);
}

bool TAddressObject::ImportFields(const QStringList& fieldNames, QStringList& row)
{
    const auto field = [&](const char16_t* name) { return FieldRow::Value(fieldNames, row, QStringView(name)); };
    const auto line1 = field(u"Address Line 1");
    if (!line1)
        return false;
    QStringList lines{*line1};
    StoreValue(*line1);
    // A title that is not chosen or lies beyond a short row is missing
    // alike, as for e-mail items and websites.
    SetTitle(field(u"Title").value_or(QStringLiteral("New Address")));
    if (const auto v = field(u"Address Line 2"))
        lines.append(*v);
    if (const auto v = field(u"Address Line 3"))
        lines.append(*v);
    m_city = TextRules::Clean(field(u"City").value_or(m_city));
    m_state = TextRules::Clean(field(u"State/Province").value_or(m_state));
    m_postalCode = TextRules::Clean(field(u"Postal Code").value_or(m_postalCode));
    m_country = TextRules::Clean(field(u"Country").value_or(m_country));
    if (const auto v = field(u"Comment"))
        SetComment(*v);
    m_lines = PaddedToThree(lines);
    return !Title().isEmpty() && !Value().isEmpty();
}

QString TAddressObject::ExportField(const QString& fieldName) const
{
    if (fieldName == u"Title")
        return FieldRow::Cell(Title());
    if (fieldName == u"Address Line 1")
        return FieldRow::Cell(m_lines.value(0));
    if (fieldName == u"Address Line 2")
        return FieldRow::Cell(m_lines.value(1));
    if (fieldName == u"Address Line 3")
        return FieldRow::Cell(m_lines.value(2));
    if (fieldName == u"City")
        return FieldRow::Cell(m_city);
    if (fieldName == u"State/Province")
        return FieldRow::Cell(m_state);
    if (fieldName == u"Postal Code")
        return FieldRow::Cell(m_postalCode);
    if (fieldName == u"Country")
        return FieldRow::Cell(m_country);
    if (fieldName == u"Comment")
        return FieldRow::Cell(Comment());
    return QString();
}

QString TAddressObject::VCardLine() const
{
    using CardText::Escape;
    return u"ADR:" + Escape(m_lines.value(0)) + u';' + Escape(m_lines.value(1)) + u';' + Escape(m_lines.value(2))
        + u';' + Escape(m_city) + u';' + Escape(m_state) + u';' + Escape(m_postalCode) + u';' + Escape(m_country);
}

QString TAddressObject::ClipboardText() const
{
    QString text;
    for (const QString& line : m_lines) {
        if (!line.isEmpty())
            text += line + u"\r\n";
    }
    return text + m_city + u", " + m_state + u' ' + m_postalCode + u"\r\n" + m_country + u"\r\n";
}
