#include "model/EMailObject.h"

#include "model/Card.h"
#include "model/FieldRow.h"
#include "model/ItemHost.h"
#include "model/TextRules.h"

TEMailObject::TEMailObject(const QString& title, const QString& value, std::int32_t id, const QString& comment)
    : TZVBObject(ClassCode::EMail, title, value, id, comment)
{
}

void TEMailObject::ReadDetails(const QString& line)
{
    ReadTagOnlyDetails(line, u"{Mail}");
}

void TEMailObject::WriteRecord(RecordText& out, int level) const
{
    TagOnlyRecord(out, level, u"{Mail}");
}

void TEMailObject::AdjustListMenu(ListMenuMask& menu) const
{
    menu = ListMenuMask();
    menu.Show(ListMenuEntry::SendMail);
}

bool TEMailObject::EditNew(TTreeNode* /*node*/)
{
    return EditInDialog(true);
}

bool TEMailObject::ImportFields(const QStringList& fieldNames, QStringList& row)
{
    const auto address = FieldRow::Value(fieldNames, row, QStringLiteral("E-Mail Address"));
    if (!address)
        return false;
    SetValue(*address);
    if (const auto title = FieldRow::Value(fieldNames, row, QStringLiteral("Title"))) {
        SetTitle(*title);
    } else {
        const qsizetype at = Value().indexOf(u'@');
        SetTitle(at < 0 ? Value() : Value().left(at));
    }
    if (const auto comment = FieldRow::Value(fieldNames, row, QStringLiteral("Comment")))
        SetComment(*comment);
    return !Title().isEmpty() && !Value().isEmpty();
}

QString TEMailObject::ExportField(const QString& fieldName) const
{
    return ExportTitledValue(fieldName, u"E-Mail Address");
}

void TEMailObject::DefaultAction()
{
    SendMail(QString());
}

void TEMailObject::SendMail(const QString& attachmentPath)
{
    if (ItemHost* host = ItemHost::Current())
        host->SendMail(*this, attachmentPath);
}

QString TEMailObject::VCardLine() const
{
    const QString kind = TextRules::IsInternetMail(Value()) ? QStringLiteral("EMAIL;INTERNET:") : QStringLiteral("EMAIL:");
    return kind + CardText::Escape(Value());
}
