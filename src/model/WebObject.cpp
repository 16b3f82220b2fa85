#include "model/WebObject.h"

#include "model/Card.h"
#include "model/FieldRow.h"
#include "model/ItemHost.h"
#include "model/TextRules.h"

TWebObject::TWebObject(const QString& title, const QString& value, std::int32_t id, const QString& comment)
    : TZVBObject(ClassCode::Website, title, value, id, comment)
{
}

void TWebObject::ReadDetails(const QString& line)
{
    ReadTagOnlyDetails(line, u"{Webs}");
}

void TWebObject::WriteRecord(RecordText& out, int level) const
{
    TagOnlyRecord(out, level, u"{Webs}");
}

void TWebObject::AdjustListMenu(ListMenuMask& menu) const
{
    menu = ListMenuMask();
    menu.Show(ListMenuEntry::Open);
    menu.Show(ListMenuEntry::Browse);
}

bool TWebObject::EditNew(TTreeNode* /*node*/)
{
    return EditInDialog(true);
}

bool TWebObject::ImportFields(const QStringList& fieldNames, QStringList& row)
{
    const auto url = FieldRow::Value(fieldNames, row, QStringLiteral("Website"));
    if (!url)
        return false;
    SetValue(*url);
    if (const auto title = FieldRow::Value(fieldNames, row, QStringLiteral("Title")))
        SetTitle(*title);
    else if (TextRules::IsUrl(Value()))
        SetTitle(Value());
    if (const auto comment = FieldRow::Value(fieldNames, row, QStringLiteral("Comment")))
        SetComment(*comment);
    return !Title().isEmpty() && !Value().isEmpty();
}

QString TWebObject::ExportField(const QString& fieldName) const
{
    return ExportTitledValue(fieldName, u"Website");
}

void TWebObject::DefaultAction()
{
    Browse();
}

void TWebObject::Browse()
{
    if (ItemHost* host = ItemHost::Current())
        host->Browse(Value());
}

QString TWebObject::VCardLine() const
{
    return u"URL:" + CardText::Escape(Value());
}
