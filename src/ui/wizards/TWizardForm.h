#pragma once

#include <QDialog>
#include <QStringList>

class QDialogButtonBox;
class QPushButton;
class QStackedWidget;

// A dialog that shows one page at a time out of the list of visible pages,
// with "Cancel", "<< Back" and "Next >>" below. On the last visible page
// "Next >>" reads "Finish" and runs the work.
class TWizardForm : public QDialog
{
    Q_OBJECT

public:
    explicit TWizardForm(QWidget* parent = nullptr);

    // Every page, in order, named by its object name.
    QStringList AllSheets() const;
    const QStringList& VisibleSheets() const { return m_visible; }
    int CurrentPage() const { return m_current; }
    QString CurrentSheet() const;
    QWidget* Sheet(const QString& name) const;
    QPushButton* NextButton() const { return m_next; }
    QPushButton* BackButton() const { return m_back; }
    // True while "Next >>" reads "Finish".
    bool AtFinish() const { return m_atFinish; }

    // Makes every page visible again; the current page stays the first.
    void ShowAllSheets();
    // Leaves only these pages visible, in page order.
    void KeepSheets(const QStringList& names);
    void NextPage();
    void PrevPage();

protected:
    // Adds a page named name.
    void AddSheet(QWidget* page, const QString& name);
    // After every page change; enables "Next >>" by default.
    virtual void PageChange();
    // Runs the work on "Finish"; true closes the wizard.
    virtual bool Finish() = 0;

private:
    void Activate(int index);
    void NextBtnClick();
    void BackBtnClick();

    QStackedWidget* m_pages;
    QDialogButtonBox* m_buttons;
    QPushButton* m_back;
    QPushButton* m_next;
    QStringList m_visible;
    int m_current = 0;
    bool m_atFinish = false;
};
