#include "ui/options/CategoriesPage.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QVBoxLayout>

CategoriesPage::CategoriesPage(QWidget* parent) : QWidget(parent), m_list(new QListWidget), m_name(new QLineEdit)
{
    setObjectName(QStringLiteral("CategoriesPage"));
    m_list->setObjectName(QStringLiteral("CatList"));
    m_name->setObjectName(QStringLiteral("CatName"));
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);

    auto* group = new QGroupBox(QStringLiteral("Category Names"));
    auto* groupLayout = new QVBoxLayout(group);
    groupLayout->addWidget(m_list, 1);
    auto* form = new QFormLayout;
    form->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
    form->addRow(QStringLiteral("Edit Name:"), m_name);
    groupLayout->addLayout(form);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(group);

    // The keyboard moves through the names too; a click also moves to the field.
    connect(m_list, &QListWidget::currentItemChanged, this, [this](QListWidgetItem* item) {
        if (item)
            m_name->setText(item->text());
    });
    connect(m_list, &QListWidget::itemClicked, this, &CategoriesPage::NameClicked);
    connect(m_name, &QLineEdit::editingFinished, this, &CategoriesPage::CommitName);
}

void CategoriesPage::SetNames(const QStringList& names)
{
    m_list->clear();
    m_list->addItems(names);
    m_name->clear();
    // With an entry selected from the start, the first name typed is kept.
    if (m_list->count() > 0)
        m_list->setCurrentRow(0);
}

QStringList CategoriesPage::Names() const
{
    QStringList names;
    names.reserve(m_list->count());
    for (int i = 0; i < m_list->count(); ++i)
        names.append(m_list->item(i)->text());
    return names;
}

void CategoriesPage::CommitName()
{
    QListWidgetItem* selected = m_list->currentItem();
    const QString name = m_name->text().trimmed();
    if (selected && selected->isSelected() && !name.isEmpty())
        selected->setText(name);
}

QList<QWidget*> CategoriesPage::TabChain() const
{
    return {m_list, m_name};
}

void CategoriesPage::NameClicked()
{
    if (QListWidgetItem* item = m_list->currentItem())
        m_name->setText(item->text());
    m_name->setFocus();
    m_name->selectAll();
}
