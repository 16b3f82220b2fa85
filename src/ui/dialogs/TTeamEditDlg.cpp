#include "ui/dialogs/TTeamEditDlg.h"

#include "model/ZVBObject.h"

#include <QFormLayout>
#include <QLineEdit>

TTeamEditDlg::TTeamEditDlg(QWidget* parent)
    : TOKBottomDlg(QStringLiteral("Team"), ClassCode::Team, parent), m_title(new QLineEdit(Body())),
      m_comment(new QLineEdit(Body()))
{
    m_title->setObjectName(QStringLiteral("TeamTitle"));
    m_title->setMaxLength(40);
    m_comment->setObjectName(QStringLiteral("TeamComment"));
    m_comment->setMaxLength(255);
    auto* form = new QFormLayout(Body());
    form->setContentsMargins(0, 0, 0, 0);
    form->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
    form->addRow(QStringLiteral("Title"), m_title);
    form->addRow(QStringLiteral("Comment"), m_comment);
    ChainTabOrder({m_title, m_comment});
    setMinimumWidth(360);
}

void TTeamEditDlg::SetTeam(TZVBObject& team)
{
    SetItem(&team);
    m_title->setText(team.Title());
    m_comment->setText(team.Comment());
}

QString TTeamEditDlg::Title() const
{
    return m_title->text();
}

QString TTeamEditDlg::Comment() const
{
    return m_comment->text();
}
