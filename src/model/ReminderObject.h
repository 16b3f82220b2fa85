#pragma once

#include "model/RecurringDate.h"
#include "model/ZVBObject.h"

// A dated entry with a recurrence. It is due when today is on or after its
// date; the due state is judged when it is read, edited or advanced.
class TReminderObject : public TZVBObject
{
public:
    TReminderObject(const QString& title, const QString& value, std::int32_t id, const QString& comment);

    TRecurringDate& Recurrence() { return m_recurrence; }
    const TRecurringDate& Recurrence() const { return m_recurrence; }
    // SetDue(1) when today is on or after the recurrence's date, else SetDue(0).
    void ApplyDueRule();
    bool IsDueToday() const;

    int ImageIndex() const override;
    void ReadDetails(const QString& line) override;
    void WriteRecord(RecordText& out, int level) const override;
    void AdjustListMenu(ListMenuMask& menu) const override;
    bool EditNew(TTreeNode* node) override;
    void DefaultAction() override;
    void AdvanceDate() override;

private:
    // Selects the root and then the item's node again, so the list shows the change.
    void Reselect();

    TRecurringDate m_recurrence;
};
