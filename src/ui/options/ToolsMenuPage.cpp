#include "ui/options/ToolsMenuPage.h"

#include "ui/options/ToolListDelegate.h"
#include "ui/options/TToolItems.h"

#include <QCheckBox>
#include <QFileDialog>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QListView>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

ToolsMenuPage::ToolsMenuPage(TToolItems& tools, QWidget* parent)
    : QWidget(parent), m_tools(tools), m_list(ToolListDelegate::CreateList(tools, this)),
      m_new(new QPushButton(QStringLiteral("New"))), m_delete(new QPushButton(QStringLiteral("Delete"))),
      m_attributes(new QGroupBox(QStringLiteral("Tool Attributes"))), m_description(new QLineEdit),
      m_filename(new QLineEdit), m_arguments(new QLineEdit),
      m_allowAddress(new QCheckBox(QStringLiteral("Allow address item creation")))
{
    setObjectName(QStringLiteral("ToolsMenuPage"));
    m_list->setObjectName(QStringLiteral("ToolList"));
    m_new->setObjectName(QStringLiteral("NewBtn"));
    m_delete->setObjectName(QStringLiteral("DeleteBtn"));
    m_description->setObjectName(QStringLiteral("Description"));
    m_filename->setObjectName(QStringLiteral("FilenameEdit"));
    m_arguments->setObjectName(QStringLiteral("Arguments"));
    m_allowAddress->setObjectName(QStringLiteral("AddressCheckBox"));
    for (QPushButton* button : {m_new, m_delete})
        button->setAutoDefault(false);

    auto* buttons = new QVBoxLayout;
    buttons->addWidget(m_new);
    buttons->addWidget(m_delete);
    buttons->addStretch(1);
    auto* top = new QHBoxLayout;
    top->addWidget(m_list, 1);
    top->addLayout(buttons);

    auto* form = new QFormLayout(m_attributes);
    form->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
    form->addRow(QStringLiteral("Description"), m_description);
    form->addRow(QStringLiteral("Executable File Name"), m_filename);
    form->addRow(QStringLiteral("Program Arguments"), m_arguments);
    form->addRow(QString(), m_allowAddress);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top, 1);
    layout->addWidget(m_attributes);

    connect(m_list->selectionModel(), &QItemSelectionModel::selectionChanged, this, &ToolsMenuPage::ShowSelected);
    connect(m_new, &QPushButton::clicked, this, &ToolsMenuPage::NewClicked);
    connect(m_delete, &QPushButton::clicked, this, &ToolsMenuPage::DeleteClicked);
    connect(m_description, &QLineEdit::editingFinished, this, &ToolsMenuPage::StoreAttributes);
    connect(m_arguments, &QLineEdit::editingFinished, this, &ToolsMenuPage::StoreAttributes);
    connect(m_filename, &QLineEdit::editingFinished, this, &ToolsMenuPage::StoreAll);
    connect(m_allowAddress, &QCheckBox::clicked, this, &ToolsMenuPage::StoreAttributes);
    m_message = [this](const QString& caption, const QString& text) { QMessageBox::critical(this, caption, text); };
    ShowSelected();
}

int ToolsMenuPage::SelectedTool() const
{
    const QModelIndexList rows = m_list->selectionModel()->selectedRows();
    return rows.isEmpty() ? -1 : rows.first().row();
}

void ToolsMenuPage::SelectTool(int index)
{
    m_list->setCurrentIndex(m_tools.index(index));
}

bool ToolsMenuPage::AddToolFile(const QString& path)
{
    if (path.isEmpty())
        return false;
    if (!TToolItem::IsProgramFile(path)) {
        m_message(QStringLiteral("Invalid File Type"), QStringLiteral("Only executable files may be used as Tools"));
        return false;
    }
    SelectTool(m_tools.Append(TToolItem(TToolItem::DescriptionFor(path), path, {}, false)));
    return true;
}

void ToolsMenuPage::StoreAttributes()
{
    if (m_showing)
        return;
    m_tools.SetAttributes(SelectedTool(), m_description->text(), m_arguments->text(), m_allowAddress->isChecked());
}

QList<QWidget*> ToolsMenuPage::TabChain() const
{
    return {m_list, m_new, m_delete, m_description, m_filename, m_arguments, m_allowAddress};
}

void ToolsMenuPage::NewClicked()
{
    AddToolFile(QFileDialog::getOpenFileName(this, QStringLiteral("New Tool")));
}

void ToolsMenuPage::DeleteClicked()
{
    const int tool = SelectedTool();
    if (tool < 0)
        return;
    m_tools.RemoveAt(tool);
    // Removing the selected row does not always announce a new selection.
    ShowSelected();
}

void ToolsMenuPage::ShowSelected()
{
    const int tool = SelectedTool();
    // Filling the fields must not write them back into the tool.
    m_showing = true;
    const TToolItem shown = tool >= 0 ? m_tools.Item(tool) : TToolItem();
    m_description->setText(shown.Description);
    m_filename->setText(shown.Filename);
    m_arguments->setText(shown.Arguments);
    m_allowAddress->setChecked(shown.AllowAddress);
    m_showing = false;
    m_attributes->setEnabled(tool >= 0);
    m_delete->setEnabled(tool >= 0);
}

void ToolsMenuPage::StoreAll()
{
    StoreAttributes();
    if (!m_showing)
        m_tools.SetFilename(SelectedTool(), m_filename->text());
}
