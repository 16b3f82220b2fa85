#include "model/ReminderObject.h"

#include "model/Clock.h"
#include "model/ItemHost.h"
#include "model/ItemTree.h"
#include "model/TextRules.h"
#include "model/TreeNode.h"

TReminderObject::TReminderObject(const QString& title, const QString& value, std::int32_t id, const QString& comment)
    : TZVBObject(ClassCode::Reminder, title, value, id, comment)
{
    m_recurrence.SetUseToday(false);
}

bool TReminderObject::IsDueToday() const
{
    return Clock::Today() >= m_recurrence.AsDate();
}

void TReminderObject::ApplyDueRule()
{
    SetDue(IsDueToday() ? 1 : 0);
}

int TReminderObject::ImageIndex() const
{
    return IsDueToday() ? ImageIndex::DueReminder : ClassCode::Reminder;
}

void TReminderObject::ReadDetails(const QString& line)
{
    QString recurrence;
    if (ReadFieldsAndCategories(line, u"{Remd}", {&recurrence}) < 0)
        return;
    try {
        m_recurrence.FromText(recurrence);
    } catch (const EConvertError&) {
        // A damaged date keeps the default one.
    }
    ApplyDueRule();
}

void TReminderObject::WriteRecord(RecordText& out, int level) const
{
    RecordWithFields(out, level, u"{Remd}", {m_recurrence.AsText()});
}

void TReminderObject::AdjustListMenu(ListMenuMask& menu) const
{
    menu = ListMenuMask();
    menu.Show(ListMenuEntry::AdvanceDate);
}

bool TReminderObject::EditNew(TTreeNode* /*node*/)
{
    return EditInDialog(true);
}

void TReminderObject::DefaultAction()
{
    Edit();
    Reselect();
}

void TReminderObject::AdvanceDate()
{
    m_recurrence.Advance();
    StoreValue(m_recurrence.DateText());
    ApplyDueRule();
    Reselect();
}

void TReminderObject::Reselect()
{
    ItemHost* host = ItemHost::Current();
    if (!host)
        return;
    if (TItemTree* tree = Tree())
        host->SelectNode(tree->Root());
    host->SelectNode(Node());
}
