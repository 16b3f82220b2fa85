#include "ui/telephony/TNewLocationForm.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QVBoxLayout>

TNewLocationForm::TNewLocationForm(QWidget* parent) : QDialog(parent), m_name(new QLineEdit)
{
    setObjectName(QStringLiteral("TNewLocationForm"));
    setWindowTitle(QStringLiteral("New Dialing Location"));
    m_name->setObjectName(QStringLiteral("LocationEdit"));
    // A location is a registry key: no separators in its name.
    m_name->setMaxLength(64);
    auto* fields = new QFormLayout;
    fields->addRow(QStringLiteral("Name of Location:"), m_name);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addWidget(buttons);
}

QString TNewLocationForm::Name() const
{
    return m_name->text().remove(u'\\').trimmed();
}
