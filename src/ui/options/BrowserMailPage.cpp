#include "ui/options/BrowserMailPage.h"

#include "comm/InstalledBrowsers.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

BrowserMailPage::BrowserMailPage(QWidget* parent)
    : QWidget(parent), m_dde(new QComboBox), m_path(new QLineEdit), m_browse(new QPushButton(QStringLiteral("..."))),
      m_mail(new QButtonGroup(this)),
      m_options{new QRadioButton(QStringLiteral("Use \"mailto\" protocol")),
                new QRadioButton(QStringLiteral("Use the desktop's mail program")),
                new QRadioButton(QStringLiteral("Use Web Browser "))}
{
    setObjectName(QStringLiteral("BrowserMailPage"));
    m_dde->setObjectName(QStringLiteral("DDE"));
    m_dde->setEditable(true);
    // The browsers this system has; choosing one fills in its program.
    for (const InstalledBrowser& browser : FindInstalledBrowsers())
        m_dde->addItem(browser.name, browser.program);
    m_dde->setInsertPolicy(QComboBox::NoInsert);
    connect(m_dde, &QComboBox::activated, this, [this](int index) {
        const QString program = m_dde->itemData(index).toString();
        if (!program.isEmpty())
            m_path->setText(program);
    });
    m_path->setObjectName(QStringLiteral("Path"));
    m_browse->setObjectName(QStringLiteral("BrowseBtn"));
    m_browse->setAutoDefault(false);
    // A small button beside the field, not one as wide as "Cancel".
    m_browse->setFixedWidth(m_browse->fontMetrics().horizontalAdvance(m_browse->text()) + 20);
    m_browse->setToolTip(QStringLiteral("Choose the browser's program file"));
    connect(m_browse, &QPushButton::clicked, this, &BrowserMailPage::BrowseClicked);

    auto* browser = new QGroupBox(QStringLiteral("Preferred Browser"));
    auto* pathRow = new QHBoxLayout;
    pathRow->addWidget(m_path, 1);
    pathRow->addWidget(m_browse);
    auto* browserForm = new QFormLayout(browser);
    browserForm->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
    browserForm->addRow(QStringLiteral("Browser"), m_dde);
    browserForm->addRow(QStringLiteral("Program"), pathRow);

    auto* mail = new QGroupBox(QStringLiteral("Internet E-Mail"));
    auto* mailLayout = new QVBoxLayout(mail);
    auto* notice = new QLabel(QStringLiteral("Select the method to use for sending E-Mail to an Internet address."));
    notice->setWordWrap(true);
    mailLayout->addWidget(notice);
    for (int i = 0; i < 3; ++i) {
        m_options[i]->setObjectName(QStringLiteral("EMailOpt%1").arg(i + 1));
        m_mail->addButton(m_options[i], i + 1);
        mailLayout->addWidget(m_options[i]);
    }

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(browser);
    layout->addWidget(mail);
    layout->addStretch(1);
    SetValues({}, QStringLiteral("IExplore"), 1);
}

void BrowserMailPage::SetValues(const QString& browserPath, const QString& ddeName, int inetMail)
{
    m_path->setText(browserPath);
    m_dde->setCurrentText(ddeName);
    // An exclusive group cannot show no choice at all; an unknown number must.
    m_mail->setExclusive(false);
    for (int i = 0; i < 3; ++i)
        m_options[i]->setChecked(inetMail == i + 1);
    m_mail->setExclusive(true);
}

QString BrowserMailPage::BrowserPath() const
{
    return m_path->text();
}

QString BrowserMailPage::DdeName() const
{
    return m_dde->currentText();
}

int BrowserMailPage::INetMail() const
{
    const int id = m_mail->checkedId();
    return id == 1 || id == 2 ? id : 3;
}

QList<QWidget*> BrowserMailPage::TabChain() const
{
    return {m_dde, m_path, m_browse, m_options[0], m_options[1], m_options[2]};
}

void BrowserMailPage::BrowseClicked()
{
    const QString start = m_path->text().isEmpty() ? QString() : QFileInfo(m_path->text()).absolutePath();
    // Only existing files can be chosen; the current directory stays as it is.
    const QString path = QFileDialog::getOpenFileName(this, QStringLiteral("Executable File Name"), start);
    if (!path.isEmpty())
        m_path->setText(path);
}
