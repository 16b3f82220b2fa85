#include "ui/dialogs/TRemdDlg.h"

#include "model/ReminderObject.h"
#include "ui/dialogs/TRecurringDateDlg.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

TRemdDlg::TRemdDlg(QWidget* parent)
    : TOKBottomDlg(QStringLiteral("Reminder"), ClassCode::Reminder, parent), m_title(new QLineEdit(Body())),
      m_dates(new QLabel(Body())), m_comment(new QLineEdit(Body()))
{
    m_title->setObjectName(QStringLiteral("TitleEdit"));
    m_dates->setObjectName(QStringLiteral("TargetDateLabel"));
    m_dates->setWordWrap(true);
    m_dates->setTextFormat(Qt::PlainText);
    m_dates->setFrameShape(QFrame::StyledPanel);
    m_dates->setMinimumHeight(m_dates->fontMetrics().lineSpacing() * 2 + 8);
    m_comment->setObjectName(QStringLiteral("RemdComment"));
    auto* setDate = new QPushButton(QStringLiteral("Set Date..."), Body());
    setDate->setObjectName(QStringLiteral("SetDateBtn"));
    setDate->setToolTip(QStringLiteral("Select due date(s)"));
    setDate->setAutoDefault(false);
    auto* advance = new QPushButton(QStringLiteral("Advance"), Body());
    advance->setObjectName(QStringLiteral("AdvanceBtn"));
    advance->setToolTip(QStringLiteral("Advance due date"));
    advance->setAutoDefault(false);
    connect(setDate, &QPushButton::clicked, this, &TRemdDlg::SetDateClicked);
    connect(advance, &QPushButton::clicked, this, &TRemdDlg::AdvanceClicked);

    auto* dateButtons = new QHBoxLayout;
    dateButtons->addWidget(setDate);
    dateButtons->addWidget(advance);
    dateButtons->addStretch();
    auto* form = new QFormLayout(Body());
    form->setContentsMargins(0, 0, 0, 0);
    form->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
    form->addRow(QStringLiteral("Title"), m_title);
    form->addRow(QStringLiteral("Date(s)"), m_dates);
    form->addRow(QString(), dateButtons);
    form->addRow(QStringLiteral("Comment"), m_comment);
    ChainTabOrder({m_title, setDate, advance, m_comment});
    setMinimumWidth(440);
}

void TRemdDlg::SetReminder(TReminderObject& reminder, bool isNew)
{
    m_reminder = &reminder;
    SetItem(&reminder);
    m_title->setText(isNew ? QStringLiteral("New Reminder") : reminder.Title());
    m_comment->setText(reminder.Comment());
    ShowDates();
}

QString TRemdDlg::Title() const
{
    return m_title->text();
}

QString TRemdDlg::Comment() const
{
    return m_comment->text();
}

QString TRemdDlg::DatesText() const
{
    return m_dates->text();
}

void TRemdDlg::SetDateClicked()
{
    if (!m_reminder)
        return;
    TRecurringDateDlg::Execute(m_reminder->Recurrence(), this);
    ShowDates();
}

void TRemdDlg::AdvanceClicked()
{
    if (!m_reminder)
        return;
    m_reminder->Recurrence().Advance();
    ShowDates();
}

void TRemdDlg::ShowDates()
{
    m_dates->setText(m_reminder ? m_reminder->Recurrence().SummaryText() : QString());
}
