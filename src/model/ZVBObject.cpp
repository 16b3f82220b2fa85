#include "model/ZVBObject.h"

#include "model/RecordText.h"

#include "model/FieldRow.h"
#include "model/ItemHost.h"
#include "model/ItemTree.h"
#include "model/TextRules.h"
#include "model/TreeNode.h"
#include "model/TreeOps.h"

TZVBObject::TZVBObject(int classCode, const QString& title, const QString& value, std::int32_t id,
                       const QString& comment)
    : m_id(id),
      m_title(TextRules::Clean(title)),
      m_value(TextRules::Clean(value)),
      m_comment(TextRules::Clean(comment)),
      m_classCode(static_cast<std::uint8_t>(classCode & 0xFF))
{
}

TZVBObject::~TZVBObject()
{
    // The ancestors' due counts drop before the item goes.
    if (m_due) {
        ChangeAncestorsDueCount(m_node, -1);
        m_due = 0;
    }
    // Whoever deletes an item has taken it and its Contents out of the
    // tree's id index already.
    while (!m_contents.Empty())
        m_contents.PopBack();
}


TItemTree* TZVBObject::Tree() const
{
    return m_node ? m_node->Tree() : nullptr;
}

TZVBObject* TZVBObject::Holder() const
{
    if (!m_node)
        return nullptr;
    if (IsContainer() || m_classCode == ClassCode::Root) {
        if (m_node->Item() != this)
            return m_node->Item();
        return m_node->Parent() ? m_node->Parent()->Item() : nullptr;
    }
    return m_node->Item();
}

void TZVBObject::SetComment(const QString& comment)
{
    m_comment = TextRules::Clean(comment);
    Changed();
}

void TZVBObject::SetTitle(const QString& title)
{
    m_title = TextRules::Clean(title);
    Changed();
    // Only a container's own node takes a place among sorted siblings; a
    // leaf shares its holder's node and must not reorder the holder.
    if (m_node && m_node->Item() == this) {
        if (TTreeNode* parent = m_node->Parent())
            m_node->Tree()->SortChildren(parent);
    }
}

void TZVBObject::StoreValue(const QString& value)
{
    m_value = TextRules::Clean(value);
    Changed();
}

void TZVBObject::Changed()
{
    TItemTree* tree = Tree();
    if (!tree)
        return;
    if (m_node->Item() == this)
        tree->NotifyNodeChanged(m_node);
    else
        tree->NotifyContentsChanged(m_node->Item());
}

void TZVBObject::SetValue(const QString& value)
{
    StoreValue(value);
}

int TZVBObject::ImageIndex() const
{
    return m_isRemote ? ImageIndex::RemoteFolder : m_classCode;
}

void TZVBObject::ReadDetails(const QString& /*line*/)
{
    // The root and items of unknown classes carry no details.
}

qsizetype TZVBObject::HeaderSize() const
{
    // Braces, blanks, separators and room for three numbers.
    return 16 + 3 * 21 + m_title.size() + m_value.size() + m_comment.size();
}

void TZVBObject::AppendHeader(RecordText& out, int level) const
{
    out.AddAscii("{");
    out.AddNumber(level);
    out.AddAscii(" ");
    out.AddNumber(m_classCode);
    out.AddAscii(" }");
    out.Add(m_title);
    out.AddAscii("~~");
    out.Add(m_value);
    out.AddAscii("~~");
    out.Add(m_comment);
    out.AddAscii("~~");
    out.AddNumber(m_id);
}

QString TZVBObject::WriteRecord(int level) const
{
    QString text;
    RecordText out(text);
    WriteRecord(out, level);
    out.Finish();
    return text;
}

void TZVBObject::WriteRecord(RecordText& out, int level) const
{
    // Unknown classes write an empty details line, since every record but
    // the root's is read as two lines.
    out.Reserve(HeaderSize() + 2);
    AppendHeader(out, level);
    if (m_classCode != ClassCode::Root)
        out.EndLine();
}

bool TZVBObject::DetailFields(const QString& line, QStringView tag, TextRules::FieldViews& fields)
{
    if (!line.startsWith(tag))
        return false;
    TextRules::SplitFieldViews(QStringView(line).sliced(tag.size()), fields);
    return true;
}

void TZVBObject::TagOnlyRecord(RecordText& out, int level, QStringView tag) const
{
    RecordWithFields(out, level, tag, {});
}

void TZVBObject::ReadTagOnlyDetails(const QString& line, QStringView tag)
{
    if (!line.startsWith(tag))
        return;
    m_categories = static_cast<std::uint32_t>(TextRules::ParseInteger(QStringView(line).sliced(tag.size())));
}

qsizetype TZVBObject::ReadFieldsAndCategories(const QString& line, QStringView tag, std::initializer_list<QString*> targets)
{
    TextRules::FieldViews fields;
    if (!DetailFields(line, tag, fields))
        return -1;
    qsizetype at = 0;
    for (QString* target : targets) {
        if (at >= fields.size()) {
            m_categories = 0;
            return fields.size();
        }
        *target = TextRules::CleanField(fields[at++]);
    }
    m_categories = at < fields.size() ? static_cast<std::uint32_t>(TextRules::ParseInteger(fields[at])) : 0;
    return fields.size();
}

void TZVBObject::RecordWithFields(RecordText& out, int level, QStringView tag,
                                  std::initializer_list<QStringView> fields) const
{
    qsizetype size = HeaderSize() + 2 + tag.size() + 21;
    for (QStringView field : fields)
        size += field.size() + 2;
    out.Reserve(size);
    AppendHeader(out, level);
    out.EndLine();
    out.Add(tag);
    for (QStringView field : fields) {
        out.Add(field);
        out.AddAscii("~~");
    }
    out.AddNumber(static_cast<std::int32_t>(m_categories));
}

void TZVBObject::AdjustListMenu(ListMenuMask& menu) const
{
    menu = ListMenuMask();
    menu.Show(ListMenuEntry::Open);
}

int TZVBObject::SelectedImageIndex() const
{
    if (m_classCode != ClassCode::Folder)
        return m_classCode;
    return m_isRemote ? ImageIndex::OpenRemoteFolder : ImageIndex::OpenFolder;
}

bool TZVBObject::EditNew(TTreeNode* node)
{
    if (ItemHost* host = ItemHost::Current(); host && node)
        host->BeginRename(*node);
    return true;
}

bool TZVBObject::ImportFields(const QStringList& /*fieldNames*/, QStringList& /*row*/)
{
    return false;
}

QString TZVBObject::ExportField(const QString& /*fieldName*/) const
{
    return QString();
}

void TZVBObject::ImportVCard(TCard& /*card*/)
{
}

void TZVBObject::DefaultAction()
{
    if (ItemHost* host = ItemHost::Current())
        host->SelectNode(m_node);
}

bool TZVBObject::Edit()
{
    return EditInDialog(false);
}

QString TZVBObject::ExportTitledValue(const QString& fieldName, QStringView valueField) const
{
    if (fieldName == u"Title")
        return FieldRow::Cell(m_title);
    if (fieldName == valueField)
        return FieldRow::Cell(m_value);
    if (fieldName == u"Comment")
        return FieldRow::Cell(m_comment);
    return QString();
}

bool TZVBObject::ImportTitledValue(const QStringList& fieldNames, const QStringList& row, const QString& valueField)
{
    const auto title = FieldRow::Value(fieldNames, row, QStringLiteral("Title"));
    const auto value = FieldRow::Value(fieldNames, row, valueField);
    if (!title || !value)
        return false;
    SetTitle(*title);
    SetValue(*value);
    if (const auto comment = FieldRow::Value(fieldNames, row, QStringLiteral("Comment")))
        SetComment(*comment);
    return true;
}

bool TZVBObject::EditInDialog(bool isNew)
{
    ItemHost* host = ItemHost::Current();
    return host && host->EditItem(*this, isNew);
}

// The actions below belong to the classes that offer them in their pop-up
// menu; the others never show the entry, so the base does nothing.
void TZVBObject::SendMail(const QString& /*attachmentPath*/) {}
void TZVBObject::SendFax(const QString& /*attachmentPath*/) {}
void TZVBObject::Dial() {}
void TZVBObject::Browse() {}
void TZVBObject::AdvanceDate() {}
void TZVBObject::Launch() {}
void TZVBObject::Refresh() {}

void TZVBObject::WriteVCard(const QString& /*path*/) const {}

QString TZVBObject::VCardLine() const
{
    return QString();
}

QString TZVBObject::CopyToClipboard() const
{
    // The record at level 1; the desktop puts it on the clipboard beside ClipboardText().
    return WriteRecord(1);
}

QString TZVBObject::ClipboardText() const
{
    return m_value;
}

void TZVBObject::AttachToNode(TTreeNode* node)
{
    if (m_due && node != m_node && !IsContainer()) {
        ChangeAncestorsDueCount(m_node, -1);
        ChangeAncestorsDueCount(node, +1);
    }
    m_node = node;
    RefreshInRemote();
}

void TZVBObject::RefreshInRemote()
{
    const TZVBObject* holder = Holder();
    m_inRemote = holder && (holder->IsRemote() || holder->InRemote());
    if (!IsContainer() || !m_node || m_node->Item() != this)
        return;
    const bool below = m_isRemote || m_inRemote;
    for (const auto& ref : Contents())
        ref->Item()->m_inRemote = below;
    for (const auto& child : m_node->Children())
        child->Item()->RefreshInRemote();
}

void TZVBObject::SetDue(int due)
{
    due = due ? 1 : 0;
    if (due == m_due)
        return;
    ChangeAncestorsDueCount(m_node, due ? +1 : -1);
    m_due = due;
    Changed();
}

void TZVBObject::AppendContent(std::unique_ptr<ItemRef> ref)
{
    if (TItemTree* tree = Tree(); tree && ref && ref->Item())
        tree->IndexId(ref->Item()->Id());
    m_contents.PushBack(std::move(ref));
}

std::unique_ptr<ItemRef> TZVBObject::TakeContent(const ItemRef* ref)
{
    std::unique_ptr<ItemRef> taken = m_contents.Take(ref);
    if (TItemTree* tree = Tree(); tree && taken && taken->Item())
        tree->UnindexId(taken->Item()->Id());
    return taken;
}

void TZVBObject::ClearContents()
{
    TItemTree* tree = Tree();
    while (!m_contents.Empty()) {
        if (const TZVBObject* last = m_contents.View().back()->Item(); tree && last)
            tree->UnindexId(last->Id());
        m_contents.PopBack();
    }
}
