#include "model/FaxObject.h"

#include "model/Card.h"
#include "model/FieldRow.h"
#include "model/ItemHost.h"

TFaxObject::TFaxObject(const QString& title, const QString& value, std::int32_t id, const QString& comment)
    : TZVBObject(ClassCode::Fax, title, value, id, comment)
{
}

void TFaxObject::ReadDetails(const QString& line)
{
    ReadTagOnlyDetails(line, u"{Faxs}");
}

void TFaxObject::WriteRecord(RecordText& out, int level) const
{
    TagOnlyRecord(out, level, u"{Faxs}");
}

void TFaxObject::AdjustListMenu(ListMenuMask& menu) const
{
    menu = ListMenuMask();
    menu.Show(ListMenuEntry::SendFax);
    menu.Show(ListMenuEntry::Dial);
}

bool TFaxObject::EditNew(TTreeNode* /*node*/)
{
    return EditInDialog(true);
}

bool TFaxObject::ImportFields(const QStringList& fieldNames, QStringList& row)
{
    return ImportTitledValue(fieldNames, row, QStringLiteral("Fax Number")) && !Title().isEmpty() && !Value().isEmpty();
}

QString TFaxObject::ExportField(const QString& fieldName) const
{
    return ExportTitledValue(fieldName, u"Fax Number");
}

void TFaxObject::DefaultAction()
{
    SendFax(QString());
}

void TFaxObject::SendFax(const QString& attachmentPath)
{
    if (ItemHost* host = ItemHost::Current())
        host->SendFax(Title(), Value(), attachmentPath);
}

void TFaxObject::Dial()
{
    if (ItemHost* host = ItemHost::Current())
        host->Dial(Title(), Value());
}

QString TFaxObject::VCardLine() const
{
    return u"TEL;FAX:" + CardText::Escape(Value());
}
