#pragma once

#include "ui/dialogs/ContactDialogValues.h"
#include "ui/dialogs/TOKBottomDlg.h"

class ContactPages;
class QComboBox;
class QLineEdit;
class TPersonObject;

// "Person": the name, a comment and the five pages of primary contact points.
class TEditPersDlg : public TOKBottomDlg
{
    Q_OBJECT

public:
    explicit TEditPersDlg(QWidget* parent = nullptr);

    // Fills every control from the person; a new one gets the preset page
    // titles and the format lists, an existing one neither.
    void SetPerson(TPersonObject& person, bool isNew);
    PersonDialogValues Values() const;

    // Leaving the title splits it into the name parts.
    void TitleLeft();

    QLineEdit* TitleEdit() const { return m_title; }
    QLineEdit* FirstEdit() const { return m_first; }
    QLineEdit* MiddleEdit() const { return m_middle; }
    QLineEdit* LastEdit() const { return m_last; }
    ContactPages* Pages() const { return m_pages; }

protected:
    QString Refusal() override;

private:
    QLineEdit* m_title;
    QComboBox* m_salutation;
    QLineEdit* m_first;
    QLineEdit* m_middle;
    QLineEdit* m_last;
    QLineEdit* m_comment;
    ContactPages* m_pages;
};
