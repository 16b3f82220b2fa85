#pragma once

#include "ui/dialogs/TOKBottomDlg.h"

class QLineEdit;

// "Team": title and comment of an existing team.
class TTeamEditDlg : public TOKBottomDlg
{
    Q_OBJECT

public:
    explicit TTeamEditDlg(QWidget* parent = nullptr);

    void SetTeam(TZVBObject& team);
    QString Title() const;
    QString Comment() const;

private:
    QLineEdit* m_title;
    QLineEdit* m_comment;
};
