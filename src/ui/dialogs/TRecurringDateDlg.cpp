#include "ui/dialogs/TRecurringDateDlg.h"

#include "model/Clock.h"
#include "model/RecurringDate.h"
#include "ui/dialogs/NextOccurrence.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {
// A year field the user cannot type into; its arrows step the calendar.
class YearSpinBox : public QSpinBox
{
public:
    explicit YearSpinBox(QWidget* parent) : QSpinBox(parent)
    {
        setRange(1, 9999);
        lineEdit()->setReadOnly(true);
    }
    std::function<void(int steps)> onStep;

    void stepBy(int steps) override
    {
        if (onStep)
            onStep(steps);
    }

protected:
    StepEnabled stepEnabled() const override { return StepUpEnabled | StepDownEnabled; }
};
} // namespace

TRecurringDateDlg::TRecurringDateDlg(const QDate& start, int recurMode, const QString& caption, QWidget* parent)
    : QDialog(parent), m_state(start), m_dateLabel(new QLabel(this)), m_months(new QComboBox(this)),
      m_year(new YearSpinBox(this)), m_grid(new QTableWidget(CalendarState::kRows, CalendarState::kColumns, this)),
      m_recur(new QComboBox(this)), m_next(new QPushButton(QStringLiteral("&Next Occurrence"), this))
{
    setWindowTitle(caption.isEmpty() ? QStringLiteral("Select Date") : caption);
    m_dateLabel->setObjectName(QStringLiteral("DateLabel"));
    m_months->setObjectName(QStringLiteral("MonthSelector"));
    m_year->setObjectName(QStringLiteral("YearSelector"));
    m_grid->setObjectName(QStringLiteral("MonthGrid"));
    m_recur->setObjectName(QStringLiteral("RecurModeCombo"));
    m_next->setObjectName(QStringLiteral("NextOccurrenceBtn"));
    m_next->setToolTip(QStringLiteral("Move the date to its first occurrence from today"));
    m_next->setAutoDefault(false);
    connect(m_next, &QPushButton::clicked, this, &TRecurringDateDlg::NextOccurrenceClicked);
    connect(m_recur, &QComboBox::currentIndexChanged, this, [this] {
        m_next->setEnabled(RecurMode() != 0 && m_state.Working() < Clock::Today());
    });

    const QLocale locale;
    for (int month = 1; month <= 12; ++month)
        m_months->addItem(locale.monthName(month, QLocale::LongFormat));
    m_months->setMaxVisibleItems(12);
    static_cast<YearSpinBox*>(m_year)->onStep = [this](int steps) {
        for (int i = 0; i < std::abs(steps); ++i)
            steps > 0 ? YearUp() : YearDown();
    };

    m_grid->horizontalHeader()->hide();
    m_grid->verticalHeader()->hide();
    m_grid->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    m_grid->verticalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    m_grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_grid->setSelectionMode(QAbstractItemView::SingleSelection);
    m_grid->setShowGrid(false);
    m_grid->setMinimumSize(7 * 34, 7 * 24);
    QFont headFont = m_grid->font();
    headFont.setBold(true);
    for (int column = 0; column < CalendarState::kColumns; ++column) {
        // Sunday first: Qt counts Monday as 1 and Sunday as 7.
        auto* head = new QTableWidgetItem(locale.dayName(column == 0 ? 7 : column, QLocale::ShortFormat));
        head->setFlags(Qt::ItemIsEnabled);
        head->setTextAlignment(Qt::AlignCenter);
        head->setFont(headFont);
        m_grid->setItem(0, column, head);
    }
    connect(m_grid, &QTableWidget::cellClicked, this, &TRecurringDateDlg::CellClicked);
    connect(m_months, &QComboBox::activated, this, &TRecurringDateDlg::MonthChosen);

    auto* group = new QGroupBox(QStringLiteral(" &Date "), this);
    auto* grid = new QGridLayout(group);
    grid->addWidget(new QLabel(QStringLiteral("Start:"), group), 0, 0);
    grid->addWidget(m_dateLabel, 0, 1, 1, 2);
    grid->addWidget(m_months, 1, 0, 1, 2);
    grid->addWidget(m_year, 1, 2);
    grid->addWidget(m_grid, 2, 0, 1, 3);
    auto* recurLabel = new QLabel(QStringLiteral("Recur:"), group);
    recurLabel->setBuddy(m_recur);
    grid->addWidget(recurLabel, 3, 0);
    grid->addWidget(m_recur, 3, 1, 1, 2);
    grid->addWidget(m_next, 4, 1, 1, 2, Qt::AlignRight);
    grid->setColumnStretch(1, 1);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(group);
    layout->addWidget(buttons);

    setTabOrder(m_months, m_year);
    setTabOrder(m_year, m_grid);
    setTabOrder(m_grid, m_recur);
    setTabOrder(m_recur, m_next);
    setTabOrder(m_next, buttons->button(QDialogButtonBox::Ok));
    setTabOrder(buttons->button(QDialogButtonBox::Ok), buttons->button(QDialogButtonBox::Cancel));

    Refresh();
    m_recur->setCurrentIndex(std::clamp(recurMode, 0, TRecurringDate::kModeCount - 1));
    m_next->setEnabled(RecurMode() != 0 && m_state.Working() < Clock::Today());
    m_grid->setFocus();
}

QDate TRecurringDateDlg::ResultDate() const
{
    return result() == QDialog::Accepted ? m_state.Working() : m_state.Start();
}

int TRecurringDateDlg::RecurMode() const
{
    return std::max(0, m_recur->currentIndex());
}

bool TRecurringDateDlg::Execute(TRecurringDate& date, QWidget* parent)
{
    const QDate start = date.UseToday() ? Clock::Today() : date.AsDate();
    TRecurringDateDlg dialog(start, date.RecurMode(), date.DialogCaption(), parent);
    if (date.DialogLeft() != 0 || date.DialogTop() != 0)
        dialog.move(date.DialogLeft(), date.DialogTop());
    if (dialog.exec() != QDialog::Accepted)
        return false;
    date.SetDate(dialog.ResultDate());
    date.SetRecurMode(dialog.RecurMode());
    return true;
}

void TRecurringDateDlg::YearUp()
{
    m_state.YearUp();
    Refresh();
}

void TRecurringDateDlg::YearDown()
{
    m_state.YearDown();
    Refresh();
}

void TRecurringDateDlg::MonthChosen(int index)
{
    m_state.SetMonth(index + 1);
    Refresh();
}

void TRecurringDateDlg::CellClicked(int row, int column)
{
    // An empty cell changes nothing, but the cursor goes back to the working day.
    m_state.ClickCell(row, column);
    Refresh();
}

void TRecurringDateDlg::NextOccurrenceClicked()
{
    m_state.SetWorking(NextOccurrence(m_state.Working(), RecurMode(), Clock::Today()));
    Refresh();
}

void TRecurringDateDlg::Refresh()
{
    const QDate working = m_state.Working();
    m_dateLabel->setText(QLocale().toString(working, QLocale::LongFormat));
    for (int row = 1; row < CalendarState::kRows; ++row) {
        for (int column = 0; column < CalendarState::kColumns; ++column) {
            const int day = m_state.CellDay(row, column);
            auto* cell = new QTableWidgetItem(day ? QString::number(day) : QString());
            cell->setTextAlignment(Qt::AlignCenter);
            cell->setFlags(day ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::NoItemFlags);
            m_grid->setItem(row, column, cell);
        }
    }
    m_grid->setCurrentCell(m_state.RowOf(working.day()), m_state.ColumnOf(working.day()));
    {
        const QSignalBlocker block(m_months);
        m_months->setCurrentIndex(working.month() - 1);
    }
    m_year->setValue(working.year());
    const int chosen = m_recur->currentIndex();
    const QSignalBlocker block(m_recur);
    m_recur->clear();
    m_recur->addItems(TRecurringDate::ChoiceTexts(working));
    m_recur->setCurrentIndex(std::max(0, chosen));
    m_next->setEnabled(chosen > 0 && working < Clock::Today());
}
