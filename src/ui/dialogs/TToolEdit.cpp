#include "ui/dialogs/TToolEdit.h"

#include "model/ZVBObject.h"

#include <QFormLayout>
#include <QLineEdit>

TToolEdit::TToolEdit(QWidget* parent)
    : TOKBottomDlg(QStringLiteral("Custom Tool"), ImageIndex::GenericFile, parent), m_title(new QLineEdit(Body())),
      m_address(new QLineEdit(Body())), m_comment(new QLineEdit(Body()))
{
    m_title->setObjectName(QStringLiteral("TitleEdit"));
    m_address->setObjectName(QStringLiteral("Address"));
    m_comment->setObjectName(QStringLiteral("CommentEdit"));
    auto* form = new QFormLayout(Body());
    form->setContentsMargins(0, 0, 0, 0);
    form->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
    form->addRow(QStringLiteral("Title"), m_title);
    form->addRow(QStringLiteral("Target Address"), m_address);
    form->addRow(QStringLiteral("Comment"), m_comment);
    ChainTabOrder({m_title, m_address, m_comment});
    setMinimumWidth(400);
}

void TToolEdit::SetTool(TZVBObject& tool)
{
    // A new tool comes named "New " and the tool's name already.
    SetItem(&tool);
    SetImage(tool.ImageIndex());
    m_title->setText(tool.Title());
    m_address->setText(tool.Value());
    m_comment->setText(tool.Comment());
}

TextPageValues TToolEdit::Values() const
{
    return {m_title->text(), m_address->text(), m_comment->text()};
}
