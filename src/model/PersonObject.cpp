#include "model/PersonObject.h"

#include "model/FieldRow.h"
#include "model/ItemHost.h"
#include "model/TextRules.h"

TPersonObject::TPersonObject(const QString& title, const QString& value, std::int32_t id, const QString& comment)
    : TZVBObject(ClassCode::Person, title, value, id, comment)
{
}

void TPersonObject::SetNameParts(const QString& salutation, const QString& first, const QString& middle, const QString& last)
{
    m_salutation = TextRules::Clean(salutation);
    m_firstName = TextRules::Clean(first);
    m_middleName = TextRules::Clean(middle);
    m_lastName = TextRules::Clean(last);
}

QString TPersonObject::FullName() const
{
    return m_salutation + u' ' + m_firstName + u' ' + m_lastName;
}

void TPersonObject::ReadDetails(const QString& line)
{
    ReadFieldsAndCategories(line, u"{Pers}",
                            {&m_salutation, &m_firstName, &m_middleName, &m_lastName, &m_primaries.Address,
                             &m_primaries.Phone, &m_primaries.Fax, &m_primaries.EMail, &m_primaries.Website});
}

void TPersonObject::WriteRecord(RecordText& out, int level) const
{
    RecordWithFields(out, level, u"{Pers}",
                            {m_salutation, m_firstName, m_middleName, m_lastName, m_primaries.Address,
                             m_primaries.Phone, m_primaries.Fax, m_primaries.EMail, m_primaries.Website});
}

void TPersonObject::AdjustListMenu(ListMenuMask& menu) const
{
    m_primaries.AdjustListMenu(menu);
}

bool TPersonObject::EditNew(TTreeNode* /*node*/)
{
    return EditInDialog(true);
}

bool TPersonObject::ImportFields(const QStringList& fieldNames, QStringList& row)
{
    const auto field = [&](const char16_t* name) { return FieldRow::Value(fieldNames, row, QStringView(name)); };
    if (auto title = field(u"Title"))
        SetTitle(*title);
    if (auto v = field(u"Salutation"))
        m_salutation = TextRules::Clean(*v);
    if (auto v = field(u"First Name"))
        m_firstName = TextRules::Clean(*v);
    if (auto v = field(u"Middle Name"))
        m_middleName = TextRules::Clean(*v);
    if (auto v = field(u"Last Name"))
        m_lastName = TextRules::Clean(*v);
    if (auto v = field(u"Comment"))
        SetComment(*v);
    StoreValue(m_firstName + u' ' + m_lastName);
    if (Value().size() <= 1)
        return false;
    // Without a title column the person is named after its full name too.
    if (Title().isEmpty() || !field(u"Title"))
        SetTitle(Value());
    m_primaries.ImportContactPoints(this, fieldNames, row);
    return true;
}

QString TPersonObject::ExportField(const QString& fieldName) const
{
    if (fieldName == u"Title")
        return FieldRow::Cell(Title());
    if (fieldName == u"Salutation")
        return FieldRow::Cell(m_salutation);
    if (fieldName == u"First Name")
        return FieldRow::Cell(m_firstName);
    if (fieldName == u"Middle Name")
        return FieldRow::Cell(m_middleName);
    if (fieldName == u"Last Name")
        return FieldRow::Cell(m_lastName);
    if (fieldName == u"Comment")
        return FieldRow::Cell(Comment());
    return m_primaries.ExportField(this, fieldName);
}

void TPersonObject::SendMail(const QString& attachmentPath)
{
    if (TZVBObject* mail = m_primaries.ResolveEMail(this))
        mail->SendMail(attachmentPath);
}

void TPersonObject::SendFax(const QString& attachmentPath)
{
    if (TZVBObject* fax = m_primaries.ResolveFax(this))
        fax->SendFax(attachmentPath);
}

void TPersonObject::Dial()
{
    if (TZVBObject* phone = m_primaries.ResolvePhone(this))
        phone->Dial();
}

void TPersonObject::Browse()
{
    if (TZVBObject* site = m_primaries.ResolveWebsite(this))
        site->Browse();
}
