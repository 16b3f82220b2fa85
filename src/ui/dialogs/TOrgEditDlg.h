#pragma once

#include "ui/dialogs/ContactDialogValues.h"
#include "ui/dialogs/TOKBottomDlg.h"

class ContactPages;
class QLineEdit;
class TOrgObject;

// "Organization": title, comment and the five pages of primary contact points.
class TOrgEditDlg : public TOKBottomDlg
{
    Q_OBJECT

public:
    explicit TOrgEditDlg(QWidget* parent = nullptr);

    void SetOrg(TOrgObject& org, bool isNew);
    OrgDialogValues Values() const;
    ContactPages* Pages() const { return m_pages; }

protected:
    QString Refusal() override;

private:
    QLineEdit* m_title;
    QLineEdit* m_comment;
    ContactPages* m_pages;
};
