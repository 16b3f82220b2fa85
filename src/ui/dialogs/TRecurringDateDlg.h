#pragma once

#include "ui/dialogs/CalendarState.h"

#include <QDialog>

class QComboBox;
class QLabel;
class QPushButton;
class QSpinBox;
class QTableWidget;
class TRecurringDate;

// The calendar that sets a recurring date: a month list, a read-only year
// with arrows, the month grid and the list of recurrence rules for the
// working date. OK answers the working date, Cancel the start date.
class TRecurringDateDlg : public QDialog
{
    Q_OBJECT

public:
    TRecurringDateDlg(const QDate& start, int recurMode, const QString& caption, QWidget* parent = nullptr);

    QDate WorkingDate() const { return m_state.Working(); }
    // The working date after OK, the start date otherwise.
    QDate ResultDate() const;
    int RecurMode() const;

    // Shows the dialog for the recurrence; after OK it takes the date and rule.
    static bool Execute(TRecurringDate& date, QWidget* parent);

    void YearUp();
    void YearDown();
    void MonthChosen(int index);
    void CellClicked(int row, int column);
    // Moves a past date to its first occurrence from today by the chosen rule.
    void NextOccurrenceClicked();

    QComboBox* MonthSelector() const { return m_months; }
    QSpinBox* YearSelector() const { return m_year; }
    QTableWidget* MonthGrid() const { return m_grid; }
    QComboBox* RecurModeCombo() const { return m_recur; }
    QLabel* DateLabel() const { return m_dateLabel; }
    QPushButton* NextOccurrenceButton() const { return m_next; }

private:
    // Redraws the month and rebuilds the rule texts, keeping the chosen rule.
    void Refresh();

    CalendarState m_state;
    QLabel* m_dateLabel;
    QComboBox* m_months;
    QSpinBox* m_year;
    QTableWidget* m_grid;
    QComboBox* m_recur;
    QPushButton* m_next;
};
