#include "ui/dialogs/ContactPages.h"

#include "model/PrimaryLinks.h"
#include "model/TreeOps.h"
#include "model/ZVBObject.h"
#include "ui/dialogs/AddressFields.h"
#include "ui/dialogs/ItemDialogValues.h"
#include "ui/dialogs/NumberFields.h"
#include "ui/dialogs/TextFields.h"

#include <QTabBar>
#include <QVBoxLayout>

namespace {
// A page with its fields at the top.
QWidget* Page(QWidget* fields)
{
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(fields);
    layout->addStretch();
    return page;
}
} // namespace

ContactPages::ContactPages(QWidget* parent)
    : QTabWidget(parent), m_address(new AddressFields(true)),
      m_phone(new NumberFields(ClassCode::Phone, true, PhoneFormats::Phone())),
      m_fax(new NumberFields(ClassCode::Fax, true, PhoneFormats::Phone())),
      m_email(new TextFields(ClassCode::EMail, true)), m_website(new TextFields(ClassCode::Website, true))
{
    // Every page tab stays in sight; the dialog grows to hold them.
    setUsesScrollButtons(false);
    addTab(Page(m_address), QStringLiteral("Primary Address"));
    addTab(Page(m_phone), QStringLiteral("Primary Phone"));
    addTab(Page(m_fax), QStringLiteral("Primary FAX"));
    addTab(Page(m_email), QStringLiteral("Primary E-mail"));
    addTab(Page(m_website), QStringLiteral("Primary Website"));
}

void ContactPages::SetUp(const TZVBObject& owner, const PrimaryLinks& links)
{
    const bool hasLeaves = !owner.Contents().empty();
    const auto setUp = [&](ContactFields* page, const QString& link) {
        if (hasLeaves)
            page->ShowOwner(&owner, ListChildTitles(&owner, page->ClassCode()), link);
    };
    setUp(m_address, links.Address);
    setUp(m_phone, links.Phone);
    setUp(m_fax, links.Fax);
    setUp(m_email, links.EMail);
    setUp(m_website, links.Website);
}

void ContactPages::PresetNewTitles()
{
    m_address->SetTitle(QStringLiteral("Primary Address"));
    m_phone->SetTitle(QStringLiteral("Primary Phone"));
    m_fax->SetTitle(QStringLiteral("Primary FAX"));
    m_email->SetTitle(QStringLiteral("Primary E-Mail"));
    m_website->SetTitle(QStringLiteral("Primary Website"));
}

void ContactPages::ShowFormats(bool visible)
{
    for (NumberFields* page : {m_phone, m_fax}) {
        if (visible)
            page->SelectFormat(QStringLiteral("Free Format"));
        page->ShowFormats(visible);
    }
}

ContactPageValues ContactPages::Values() const
{
    return {m_address->Values(), m_phone->Values(), m_fax->Values(), m_email->Values(), m_website->Values()};
}

QList<QWidget*> ContactPages::TabChain() const
{
    return QList<QWidget*>{static_cast<QWidget*>(tabBar())} + m_address->TabChain() + m_phone->TabChain() + m_fax->TabChain()
        + m_email->TabChain() + m_website->TabChain();
}

QString ContactPages::Refusal()
{
    const TextPageValues site = m_website->Values();
    // A page without a title is left alone, whatever its address.
    const QString refusal = site.title.isEmpty() ? QString() : WebsiteRefusal(site.value, false);
    if (!refusal.isEmpty())
        setCurrentIndex(indexOf(m_website->parentWidget()));
    return refusal;
}
