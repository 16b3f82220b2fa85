#include "ui/dialogs/NumberFields.h"

#include "model/PhoneObject.h"

#include <QComboBox>
#include <QFormLayout>
#include <QLineEdit>

NumberFields::NumberFields(int classCode, bool titleList, const QList<PhoneFormat>& formats, QWidget* parent)
    : ContactFields(classCode, titleList, classCode == ClassCode::Fax ? QStringLiteral("Fax") : QStringLiteral("Phone"),
                    parent),
      m_formats(formats)
{
    const bool phone = classCode == ClassCode::Phone;
    m_number = AddEdit(phone ? QStringLiteral("Phone") : QStringLiteral("FAX Number"),
                       phone ? QStringLiteral("PhoneNum") : QStringLiteral("FaxNum"), 0);
    if (phone)
    {
        m_extension = AddEdit(QStringLiteral("Extension"), QStringLiteral("Extension"), 6);
        m_extension->setMaximumWidth(m_extension->fontMetrics().horizontalAdvance(u'0') * 10 + 12);
    }
    m_formatList = new QComboBox(this);
    m_formatList->setObjectName(phone ? QStringLiteral("PhoneFmt") : QStringLiteral("FaxFmt"));
    for (const PhoneFormat& format : m_formats)
        m_formatList->addItem(format.name);
    m_formatList->setMaxVisibleItems(m_formats.size());
    Form()->addRow(QStringLiteral("Phone Number Format"), m_formatList);
    connect(m_formatList, &QComboBox::currentIndexChanged, this, &NumberFields::ApplyFormat);
    // The number takes its format once typed, so that "+" numbers and
    // numbers of other countries keep every digit.
    connect(m_number, &QLineEdit::editingFinished, this, &NumberFields::ReformatNumber);
    m_comment = AddEdit(QStringLiteral("Comment"), phone ? QStringLiteral("PhoneComment") : QStringLiteral("FaxComment"),
                        255);
    ShowFormats(false);
}

void NumberFields::Load(const TZVBObject& item)
{
    m_number->setText(item.Value());
    if (const auto* phone = dynamic_cast<const TPhoneObject*>(&item); phone && m_extension)
        m_extension->setText(phone->Extension());
    m_comment->setText(item.Comment());
}

QList<QWidget*> NumberFields::TabChain() const
{
    QList<QWidget*> chain{TitleWidget(), m_number};
    if (m_extension)
        chain << m_extension;
    return chain << m_formatList << m_comment;
}

NumberPageValues NumberFields::Values() const
{
    const QString typed = m_number->text();
    return {Title(), PhoneFormats::Format(CurrentEditMask(), typed), PhoneFormats::IsFilled(typed),
            m_extension ? m_extension->text() : QString(), m_comment->text()};
}

void NumberFields::ShowFormats(bool visible)
{
    Form()->setRowVisible(m_formatList, visible);
    if (visible) {
        ApplyFormat(m_formatList->currentIndex());
    } else {
        m_activeFormat = -1;
        m_number->setPlaceholderText(QString());
    }
}

void NumberFields::SelectFormat(const QString& name)
{
    const int index = m_formatList->findText(name);
    if (index < 0)
        return;
    if (index == m_formatList->currentIndex())
        ApplyFormat(index);
    else
        m_formatList->setCurrentIndex(index);
}

QString NumberFields::CurrentEditMask() const
{
    return m_activeFormat >= 0 ? m_formats.at(m_activeFormat).editMask : QString();
}

void NumberFields::ApplyFormat(int index)
{
    if (index < 0 || index >= m_formats.size())
        return;
    m_activeFormat = index;
    const QString mask = m_formats.at(index).editMask;
    m_number->setPlaceholderText(mask.isEmpty() ? QString() : PhoneFormats::Pattern(mask));
    ReformatNumber();
}

void NumberFields::ReformatNumber()
{
    const QString formatted = PhoneFormats::Format(CurrentEditMask(), m_number->text());
    if (formatted != m_number->text())
        m_number->setText(formatted);
}
