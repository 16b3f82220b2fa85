#include "ui/options/TOptionPages.h"

#include "platform/ProfileFile.h"
#include "ui/options/BrowserMailPage.h"
#include "ui/options/CategoriesPage.h"
#include "ui/options/PhoneDevicePage.h"
#include "ui/telephony/TDialPhoneDialog.h"
#include "ui/help/HelpTopics.h"
#include "ui/help/THelpBrowser.h"
#include "ui/options/TToolItems.h"
#include "ui/options/ToolsMenuPage.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QMessageBox>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

TOptionPages::TOptionPages(const QString& profilePath, TToolItems& tools, const QStringList& categoryNames,
                           QWidget* parent)
    : QDialog(parent), m_profilePath(profilePath), m_settings(OptionSettings::Read(ProfileFile(profilePath))),
      m_pages(new QTabWidget), m_browserMail(new BrowserMailPage), m_toolsMenu(new ToolsMenuPage(tools)),
      m_categories(new CategoriesPage), m_dialPhone(new TDialPhoneDialog(this)),
      m_phoneDevice(new PhoneDevicePage(*m_dialPhone))
{
    setObjectName(QStringLiteral("TOptionPages"));
    setWindowTitle(QStringLiteral("Options"));
    m_pages->setObjectName(QStringLiteral("PageControl"));
    m_pages->addTab(m_browserMail, QStringLiteral("Browser/Mail"));
    m_pages->addTab(m_toolsMenu, QStringLiteral("Tools Menu"));
    m_pages->addTab(m_categories, QStringLiteral("Categories"));
    m_pages->addTab(m_phoneDevice, QStringLiteral("Phone Device"));
    // The dialog's own dial settings, on the same registry key as the dialer's.
    m_dialPhone->Settings().Load();

    if (!categoryNames.isEmpty())
        m_settings.categories = categoryNames;
    m_browserMail->SetValues(m_settings.browserPath, m_settings.ddeName, m_settings.inetMail);
    m_categories->SetNames(m_settings.categories);
    m_phoneDevice->CallerIDCheck()->setChecked(m_settings.callerId);

    auto* buttons = new QDialogButtonBox;
    m_ok = buttons->addButton(QDialogButtonBox::Ok);
    m_cancel = buttons->addButton(QDialogButtonBox::Cancel);
    m_help = buttons->addButton(QDialogButtonBox::Help);
    m_ok->setObjectName(QStringLiteral("OKBtn"));
    m_cancel->setObjectName(QStringLiteral("CancelBtn"));
    m_help->setObjectName(QStringLiteral("HelpBtn"));
    connect(buttons, &QDialogButtonBox::accepted, this, &TOptionPages::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &TOptionPages::reject);
    connect(m_help, &QPushButton::clicked, this, [] { THelpBrowser::OpenContext(HelpTopics::OptionsDialog); });

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_pages, 1);
    layout->addWidget(buttons);

    // Each page's fields in reading order, then the buttons.
    for (const QList<QWidget*>& chain : {m_browserMail->TabChain(), m_toolsMenu->TabChain(), m_categories->TabChain(),
                                          m_phoneDevice->TabChain()}) {
        for (qsizetype i = 1; i < chain.size(); ++i)
            setTabOrder(chain.at(i - 1), chain.at(i));
    }
    connect(&tools, &TToolItems::Changed, this, [this] { m_toolsChanged = true; });
    SetMessage([this](const QString& caption, const QString& text) { QMessageBox::critical(this, caption, text); });
    resize(440, 420);
}

OptionSettings TOptionPages::Values() const
{
    OptionSettings values = m_settings;
    values.browserPath = m_browserMail->BrowserPath();
    values.ddeName = m_browserMail->DdeName();
    values.inetMail = m_browserMail->INetMail();
    values.categories = m_categories->Names();
    values.callerId = m_phoneDevice->CallerIDCheck()->isChecked();
    return values;
}

void TOptionPages::SetMessage(Message message)
{
    m_message = message;
    m_toolsMenu->SetMessage(std::move(message));
}

void TOptionPages::accept()
{
    // A name still being edited counts, as does a tool attribute being typed.
    m_categories->CommitName();
    m_toolsMenu->StoreAll();
    const OptionSettings values = Values();
    ProfileFile profile(m_profilePath);
    if (!values.Write(profile)) {
        m_message(QStringLiteral("Options"), QStringLiteral("The options could not be written to %1.").arg(m_profilePath));
        return;
    }
    QDialog::accept();
    Q_EMIT BrowserLinkChanged(values.ddeName, OptionSettings::BrowserProgram(values.browserPath));
    Q_EMIT CategoryNamesChanged(values.categories);
    Q_EMIT CallerIdSwitched(values.callerId);
}

void TOptionPages::done(int result)
{
    QDialog::done(result);
    if (m_toolsChanged) {
        m_toolsChanged = false;
        Q_EMIT ToolsChanged();
    }
}
