#include "model/DocObject.h"

#include "model/ItemHost.h"

TDocObject::TDocObject(const QString& title, const QString& value, std::int32_t id, const QString& comment)
    : TZVBObject(ClassCode::Document, title, value, id, comment)
{
}

void TDocObject::FetchIcon()
{
    if (Value().isEmpty())
        return;
    if (ItemHost* host = ItemHost::Current())
        m_imageIndex = host->DocumentImageIndex(Value(), m_imageIndex);
}

int TDocObject::ImageIndex() const
{
    return m_imageIndex;
}

void TDocObject::ReadDetails(const QString& line)
{
    ReadTagOnlyDetails(line, u"{Docs}");
}

void TDocObject::WriteRecord(RecordText& out, int level) const
{
    TagOnlyRecord(out, level, u"{Docs}");
}

void TDocObject::AdjustListMenu(ListMenuMask& menu) const
{
    menu = ListMenuMask();
    menu.Show(ListMenuEntry::Launch);
}

bool TDocObject::EditNew(TTreeNode* /*node*/)
{
    return EditInDialog(true);
}

void TDocObject::DefaultAction()
{
    Launch();
}

void TDocObject::Launch()
{
    if (ItemHost* host = ItemHost::Current())
        host->ShellOpen(Value(), QString(), QString());
}

void TDocObject::WriteHtmlEntry(THtmlOut& /*out*/, bool /*withVCardLink*/) const
{
    // Documents stay private: published pages never list them.
}
