#include "ui/wizards/TWizardForm.h"

#include <QDialogButtonBox>
#include <QFrame>
#include <QPushButton>
#include <QStackedWidget>
#include <QVBoxLayout>

namespace {
const QString kNext = QStringLiteral("Next >>");
const QString kFinish = QStringLiteral("Finish");
} // namespace

TWizardForm::TWizardForm(QWidget* parent)
    : QDialog(parent)
    , m_pages(new QStackedWidget(this))
    , m_buttons(new QDialogButtonBox(QDialogButtonBox::Cancel, this))
{
    setWindowTitle(QStringLiteral("Wizard"));
    m_back = m_buttons->addButton(QStringLiteral("<< Back"), QDialogButtonBox::ActionRole);
    m_back->setObjectName(QStringLiteral("BackBtn"));
    m_next = m_buttons->addButton(kNext, QDialogButtonBox::ActionRole);
    m_next->setObjectName(QStringLiteral("NextBtn"));
    m_next->setDefault(true);
    m_next->setAutoDefault(true);
    m_buttons->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("CancelBtn"));
    connect(m_buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_back, &QPushButton::clicked, this, &TWizardForm::BackBtnClick);
    connect(m_next, &QPushButton::clicked, this, &TWizardForm::NextBtnClick);

    auto* rule = new QFrame(this);
    rule->setFrameShape(QFrame::HLine);
    rule->setFrameShadow(QFrame::Sunken);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_pages, 1);
    layout->addWidget(rule);
    layout->addWidget(m_buttons);
}

QStringList TWizardForm::AllSheets() const
{
    QStringList names;
    for (int i = 0; i < m_pages->count(); ++i)
        names.append(m_pages->widget(i)->objectName());
    return names;
}

QString TWizardForm::CurrentSheet() const
{
    return m_current < m_visible.size() ? m_visible[m_current] : QString();
}

QWidget* TWizardForm::Sheet(const QString& name) const
{
    for (int i = 0; i < m_pages->count(); ++i) {
        if (m_pages->widget(i)->objectName() == name)
            return m_pages->widget(i);
    }
    return nullptr;
}

void TWizardForm::AddSheet(QWidget* page, const QString& name)
{
    page->setObjectName(name);
    m_pages->addWidget(page);
    if (m_pages->count() == 1) {
        ShowAllSheets();
        Activate(0);
    } else {
        m_visible.append(name);
        Activate(m_current);
    }
}

void TWizardForm::ShowAllSheets()
{
    m_visible = AllSheets();
}

void TWizardForm::KeepSheets(const QStringList& names)
{
    ShowAllSheets();
    m_visible.removeIf([&](const QString& name) { return !names.contains(name); });
    Activate(qMin(m_current, m_visible.size() - 1));
}

void TWizardForm::Activate(int index)
{
    m_current = qMax(0, index);
    if (QWidget* page = Sheet(CurrentSheet()))
        m_pages->setCurrentWidget(page);
    m_atFinish = m_visible.size() > 1 && m_current == m_visible.size() - 1;
    m_next->setText(m_atFinish ? kFinish : kNext);
    m_back->setEnabled(m_current > 0);
}

void TWizardForm::NextPage()
{
    if (m_atFinish || m_current >= m_visible.size() - 1)
        return;
    Activate(m_current + 1);
    PageChange();
}

void TWizardForm::PrevPage()
{
    if (m_current == 0)
        return;
    Activate(m_current - 1);
    PageChange();
}

void TWizardForm::PageChange()
{
    m_next->setEnabled(true);
}

void TWizardForm::NextBtnClick()
{
    if (!m_atFinish) {
        NextPage();
        return;
    }
    if (Finish())
        accept();
}

void TWizardForm::BackBtnClick()
{
    PrevPage();
}
