#include "ui/dialogs/TOrgEditDlg.h"

#include "model/OrgObject.h"
#include "ui/dialogs/ContactPages.h"

#include <QFormLayout>
#include <QLineEdit>
#include <QVBoxLayout>

TOrgEditDlg::TOrgEditDlg(QWidget* parent)
    : TOKBottomDlg(QStringLiteral("Organization"), ClassCode::Organization, parent), m_title(new QLineEdit(Body())),
      m_comment(new QLineEdit(Body())), m_pages(new ContactPages(Body()))
{
    m_title->setObjectName(QStringLiteral("Title"));
    m_comment->setObjectName(QStringLiteral("Comment"));
    auto* form = new QFormLayout;
    form->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
    form->addRow(QStringLiteral("Title"), m_title);
    form->addRow(QStringLiteral("Comment"), m_comment);
    auto* layout = new QVBoxLayout(Body());
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(form);
    layout->addWidget(m_pages);
    ChainTabOrder(QList<QWidget*>{m_title, m_comment} + m_pages->TabChain());
}

void TOrgEditDlg::SetOrg(TOrgObject& org, bool isNew)
{
    SetItem(&org);
    m_title->setText(org.Title());
    m_comment->setText(org.Comment());
    m_pages->SetUp(org, org.Primaries());
    if (isNew)
        m_pages->PresetNewTitles();
    m_pages->ShowFormats(isNew);
}

OrgDialogValues TOrgEditDlg::Values() const
{
    return {m_title->text(), m_comment->text(), m_pages->Values()};
}

QString TOrgEditDlg::Refusal()
{
    return m_pages->Refusal();
}
