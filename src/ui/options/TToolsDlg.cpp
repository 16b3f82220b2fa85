#include "ui/options/TToolsDlg.h"

#include "ui/options/ToolListDelegate.h"
#include "ui/options/TToolItems.h"
#include "ui/options/ToolsMenu.h"

#include <QHBoxLayout>
#include <QListView>
#include <QPushButton>
#include <QVBoxLayout>

TToolsDlg::TToolsDlg(TToolItems& tools, QWidget* parent)
    : QDialog(parent, Qt::Tool), m_tools(tools), m_list(ToolListDelegate::CreateList(tools, this)),
      m_launch(new QPushButton(QStringLiteral("&Launch"), this)),
      m_newAddress(new QPushButton(QStringLiteral("&New Address..."), this)),
      m_close(new QPushButton(QStringLiteral("&Close"), this))
{
    setObjectName(QStringLiteral("TToolsDlg"));
    setWindowTitle(QStringLiteral("Tools"));
    m_list->setObjectName(QStringLiteral("ToolList"));
    m_launch->setObjectName(QStringLiteral("LaunchBtn"));
    m_newAddress->setObjectName(QStringLiteral("NewAddressBtn"));
    m_close->setObjectName(QStringLiteral("CloseBtn"));
    m_launch->setDefault(true);

    auto* buttons = new QVBoxLayout;
    buttons->addWidget(m_launch);
    buttons->addWidget(m_newAddress);
    buttons->addStretch(1);
    buttons->addWidget(m_close);
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(m_list, 1);
    layout->addLayout(buttons);
    setTabOrder(m_list, m_launch);
    setTabOrder(m_launch, m_newAddress);
    setTabOrder(m_newAddress, m_close);
    resize(360, 260);

    connect(m_list->selectionModel(), &QItemSelectionModel::selectionChanged, this, &TToolsDlg::UpdateButtons);
    connect(&m_tools, &TToolItems::Changed, this, &TToolsDlg::UpdateButtons);
    connect(m_list, &QListView::doubleClicked, this, &TToolsDlg::LaunchClicked);
    connect(m_launch, &QPushButton::clicked, this, &TToolsDlg::LaunchClicked);
    connect(m_newAddress, &QPushButton::clicked, this, &TToolsDlg::NewAddressClicked);
    connect(m_close, &QPushButton::clicked, this, &QDialog::reject);
    UpdateButtons();
}

int TToolsDlg::SelectedTool() const
{
    const QModelIndexList rows = m_list->selectionModel()->selectedRows();
    return rows.isEmpty() ? -1 : rows.first().row();
}

void TToolsDlg::SelectTool(int index)
{
    m_list->setCurrentIndex(m_tools.index(index));
}

int TToolsDlg::ChooseForNewItem(TToolItems& tools, QWidget* parent)
{
    TToolsDlg dialog(tools, parent);
    return dialog.exec() == NewAddress ? dialog.SelectedTool() : -1;
}

void TToolsDlg::UpdateButtons()
{
    const int tool = SelectedTool();
    m_launch->setEnabled(tool >= 0);
    m_newAddress->setEnabled(tool >= 0 && m_tools.Item(tool).AllowAddress);
}

void TToolsDlg::LaunchClicked()
{
    const int tool = SelectedTool();
    if (tool < 0)
        return;
    const LaunchResult result = m_tools.Launch(tool);
    accept();
    ToolsMenu::ReportLaunch(parentWidget(), m_tools.Item(tool), result);
}

void TToolsDlg::NewAddressClicked()
{
    const int tool = SelectedTool();
    if (tool >= 0 && m_tools.Item(tool).AllowAddress)
        done(NewAddress);
}
