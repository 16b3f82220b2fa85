#include "model/PhoneObject.h"

#include "model/Card.h"
#include "model/FieldRow.h"
#include "model/ItemHost.h"
#include "model/TextRules.h"

TPhoneObject::TPhoneObject(const QString& title, const QString& value, std::int32_t id, const QString& comment)
    : TZVBObject(ClassCode::Phone, title, value, id, comment)
{
}

void TPhoneObject::SetExtension(const QString& extension)
{
    m_extension = TextRules::Clean(extension);
}

void TPhoneObject::ReadDetails(const QString& line)
{
    ReadFieldsAndCategories(line, u"{Phon}", {&m_extension});
}

void TPhoneObject::WriteRecord(RecordText& out, int level) const
{
    RecordWithFields(out, level, u"{Phon}", {m_extension});
}

void TPhoneObject::AdjustListMenu(ListMenuMask& menu) const
{
    menu = ListMenuMask();
    menu.Show(ListMenuEntry::Dial);
}

bool TPhoneObject::EditNew(TTreeNode* /*node*/)
{
    return EditInDialog(true);
}

bool TPhoneObject::ImportFields(const QStringList& fieldNames, QStringList& row)
{
    if (!ImportTitledValue(fieldNames, row, QStringLiteral("Phone Number")))
        return false;
    if (const auto extension = FieldRow::Value(fieldNames, row, QStringLiteral("Extension")))
        SetExtension(*extension);
    return !Title().isEmpty() && !Value().isEmpty();
}

QString TPhoneObject::ExportField(const QString& fieldName) const
{
    if (fieldName == u"Extension")
        return FieldRow::Cell(m_extension);
    return ExportTitledValue(fieldName, u"Phone Number");
}

void TPhoneObject::DefaultAction()
{
    Dial();
}

void TPhoneObject::Dial()
{
    if (ItemHost* host = ItemHost::Current())
        host->Dial(Title(), Value());
}

QString TPhoneObject::VCardLine() const
{
    return u"TEL:" + CardText::Escape(Value());
}
