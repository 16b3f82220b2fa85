#include "ui/dialogs/ContactFields.h"

#include "model/TreeOps.h"
#include "model/ZVBObject.h"

#include <QComboBox>
#include <QFormLayout>
#include <QLineEdit>

ContactFields::ContactFields(int classCode, bool titleList, const QString& objectPrefix, QWidget* parent)
    : QWidget(parent), m_classCode(classCode), m_form(new QFormLayout(this))
{
    m_form->setContentsMargins(0, 0, 0, 0);
    m_form->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
    const QString name = objectPrefix + u"Title";
    if (titleList) {
        m_titleList = new QComboBox(this);
        m_titleList->setEditable(true);
        m_titleList->setInsertPolicy(QComboBox::NoInsert);
        m_titleList->setObjectName(name);
        m_form->addRow(QStringLiteral("Title"), m_titleList);
        connect(m_titleList, &QComboBox::textActivated, this, &ContactFields::TitleChosen);
    } else {
        m_titleEdit = AddEdit(QStringLiteral("Title"), name, 40);
    }
}

QString ContactFields::Title() const
{
    return m_titleList ? m_titleList->currentText() : m_titleEdit->text();
}

void ContactFields::SetTitle(const QString& title)
{
    if (m_titleList)
        m_titleList->setCurrentText(title);
    else
        m_titleEdit->setText(title);
}

QWidget* ContactFields::TitleWidget() const
{
    return m_titleList ? static_cast<QWidget*>(m_titleList) : m_titleEdit;
}

void ContactFields::ShowOwner(const TZVBObject* owner, const QStringList& titles, const QString& primaryTitle)
{
    m_owner = owner;
    if (m_titleList) {
        m_titleList->clear();
        m_titleList->addItems(titles);
    }
    SetTitle(primaryTitle);
    TitleChosen(primaryTitle);
}

QLineEdit* ContactFields::AddEdit(const QString& label, const QString& name, int maxLength)
{
    auto* edit = new QLineEdit(this);
    edit->setObjectName(name);
    if (maxLength > 0)
        edit->setMaxLength(maxLength);
    m_form->addRow(label, edit);
    return edit;
}

void ContactFields::TitleChosen(const QString& title)
{
    if (!m_owner)
        return;
    if (ItemRef* ref = FindChild(m_owner, title, m_classCode))
        Load(*ref->Item());
}
