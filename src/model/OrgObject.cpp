#include "model/OrgObject.h"

#include "model/FieldRow.h"
#include "model/ItemHost.h"

TOrgObject::TOrgObject(const QString& title, const QString& value, std::int32_t id, const QString& comment)
    : TZVBObject(ClassCode::Organization, title, value, id, comment)
{
}

void TOrgObject::ReadDetails(const QString& line)
{
    ReadFieldsAndCategories(line, u"{Orgn}",
                            {&m_primaries.Address, &m_primaries.Phone, &m_primaries.Fax, &m_primaries.EMail,
                             &m_primaries.Website});
}

void TOrgObject::WriteRecord(RecordText& out, int level) const
{
    RecordWithFields(out, level, u"{Orgn}", {m_primaries.Address, m_primaries.Phone, m_primaries.Fax,
                                               m_primaries.EMail, m_primaries.Website});
}

void TOrgObject::AdjustListMenu(ListMenuMask& menu) const
{
    m_primaries.AdjustListMenu(menu);
}

bool TOrgObject::EditNew(TTreeNode* /*node*/)
{
    return EditInDialog(true);
}

bool TOrgObject::ImportFields(const QStringList& fieldNames, QStringList& row)
{
    const auto title = FieldRow::Value(fieldNames, row, QStringLiteral("Title"));
    if (!title)
        return false;
    SetTitle(*title);
    if (auto comment = FieldRow::Value(fieldNames, row, QStringLiteral("Comment")))
        SetComment(*comment);
    if (Title().isEmpty())
        return false;
    m_primaries.ImportContactPoints(this, fieldNames, row);
    return true;
}

QString TOrgObject::ExportField(const QString& fieldName) const
{
    if (fieldName == u"Title")
        return FieldRow::Cell(Title());
    if (fieldName == u"Comment")
        return FieldRow::Cell(Comment());
    return m_primaries.ExportField(this, fieldName);
}

void TOrgObject::SendMail(const QString& attachmentPath)
{
    if (TZVBObject* mail = m_primaries.ResolveEMail(this))
        mail->SendMail(attachmentPath);
}

void TOrgObject::SendFax(const QString& attachmentPath)
{
    if (TZVBObject* fax = m_primaries.ResolveFax(this))
        fax->SendFax(attachmentPath);
}

void TOrgObject::Dial()
{
    if (TZVBObject* phone = m_primaries.ResolvePhone(this))
        phone->Dial();
}

void TOrgObject::Browse()
{
    if (TZVBObject* site = m_primaries.ResolveWebsite(this))
        site->Browse();
}
