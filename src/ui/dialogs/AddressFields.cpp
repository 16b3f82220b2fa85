#include "ui/dialogs/AddressFields.h"

#include "model/AddressObject.h"

#include <QFontMetrics>
#include <QFormLayout>
#include <QLineEdit>
#include <QPlainTextEdit>

namespace {
constexpr int kAddressLimit = 120;
}

AddressFields::AddressFields(bool titleList, QWidget* parent)
    : ContactFields(ClassCode::Address, titleList, QStringLiteral("Addr"), parent), m_addr(new QPlainTextEdit(this))
{
    m_addr->setObjectName(QStringLiteral("Addr"));
    m_addr->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_addr->setTabChangesFocus(true);
    m_addr->setFixedHeight(QFontMetrics(m_addr->font()).lineSpacing() * 3 + 14);
    Form()->addRow(QStringLiteral("Address"), m_addr);
    connect(m_addr, &QPlainTextEdit::textChanged, this, &AddressFields::LimitAddress);
    m_city = AddEdit(QStringLiteral("City"), QStringLiteral("City"), 25);
    m_state = AddEdit(QStringLiteral("State/Province"), QStringLiteral("State"), 20);
    m_postCode = AddEdit(QStringLiteral("Postal/Zip"), QStringLiteral("PostCode"), 10);
    m_country = AddEdit(QStringLiteral("Country"), QStringLiteral("Country"), 15);
    m_comment = AddEdit(QStringLiteral("Comment"), QStringLiteral("AddrComment"), 255);
}

void AddressFields::Load(const TZVBObject& item)
{
    const auto* address = dynamic_cast<const TAddressObject*>(&item);
    if (!address)
        return;
    // Trailing empty lines are only the padding to three.
    QStringList lines = address->Lines();
    while (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    m_addr->setPlainText(lines.join(u'\n'));
    m_city->setText(address->City());
    m_state->setText(address->State());
    m_postCode->setText(address->PostalCode());
    m_country->setText(address->Country());
    m_comment->setText(address->Comment());
}

QList<QWidget*> AddressFields::TabChain() const
{
    return {TitleWidget(), m_addr, m_city, m_state, m_postCode, m_country, m_comment};
}

AddressPageValues AddressFields::Values() const
{
    return {Title(),         m_addr->toPlainText(), m_city->text(), m_state->text(), m_postCode->text(),
            m_country->text(), m_comment->text()};
}

void AddressFields::LimitAddress()
{
    const QString text = m_addr->toPlainText();
    if (text.size() <= kAddressLimit)
        return;
    QSignalBlocker block(m_addr);
    m_addr->setPlainText(text.left(kAddressLimit));
    m_addr->moveCursor(QTextCursor::End);
}
