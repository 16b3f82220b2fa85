#pragma once

#include "ui/dialogs/TOKBottomDlg.h"


class QLabel;
class QLineEdit;
class TReminderObject;

// "Reminder": the title, the dates in words, "Set Date..." and "Advance"
// (which change the item's recurrence at once, even when the dialog is then
// cancelled) and a comment.
class TRemdDlg : public TOKBottomDlg
{
    Q_OBJECT

public:
    explicit TRemdDlg(QWidget* parent = nullptr);

    void SetReminder(TReminderObject& reminder, bool isNew);
    QString Title() const;
    QString Comment() const;
    QString DatesText() const;

    void SetDateClicked();
    void AdvanceClicked();

private:
    void ShowDates();

    TReminderObject* m_reminder = nullptr;
    QLineEdit* m_title;
    QLabel* m_dates;
    QLineEdit* m_comment;
};
