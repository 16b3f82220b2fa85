#include "ui/dialogs/TextFields.h"

#include "model/ZVBObject.h"

#include <QComboBox>
#include <QFormLayout>
#include <QLineEdit>

TextFields::TextFields(int classCode, bool titleList, QWidget* parent)
    : ContactFields(classCode, titleList, classCode == ClassCode::EMail ? QStringLiteral("EMail") : QStringLiteral("Web"),
                    parent)
{
    if (classCode == ClassCode::EMail) {
        m_mail = AddEdit(QStringLiteral("E-Mail Address"), QStringLiteral("EMailAddr"), 80);
    } else {
        m_web = new QComboBox(this);
        m_web->setObjectName(QStringLiteral("Web"));
        m_web->setEditable(true);
        m_web->setInsertPolicy(QComboBox::NoInsert);
        m_web->addItems({QStringLiteral("http://"), QStringLiteral("https://"), QStringLiteral("ftp://"), QStringLiteral("news:"),
                         QStringLiteral("mailto:"), QStringLiteral("gopher://"), QStringLiteral("wais:"),
                         QStringLiteral("telnet:")});
        m_web->setCurrentText(QStringLiteral("http://"));
        Form()->addRow(QStringLiteral("Site Address"), m_web);
    }
    m_comment = AddEdit(QStringLiteral("Comment"),
                        classCode == ClassCode::EMail ? QStringLiteral("EMailComment") : QStringLiteral("WebComment"), 255);
}

void TextFields::Load(const TZVBObject& item)
{
    SetValue(item.Value());
    m_comment->setText(item.Comment());
}

QList<QWidget*> TextFields::TabChain() const
{
    return {TitleWidget(), m_mail ? static_cast<QWidget*>(m_mail) : m_web, m_comment};
}

TextPageValues TextFields::Values() const
{
    return {Title(), m_mail ? m_mail->text() : m_web->currentText(), m_comment->text()};
}

void TextFields::SetValue(const QString& value)
{
    if (m_mail)
        m_mail->setText(value);
    else
        m_web->setCurrentText(value);
}
