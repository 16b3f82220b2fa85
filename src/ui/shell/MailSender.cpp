#include "ui/shell/MailSender.h"

#include "comm/MailRoute.h"
#include "comm/TBrowserDDE.h"
#include "comm/TEmail.h"
#include "platform/ShellLauncher.h"

#include <QMessageBox>

MailSender::MailSender(QWidget* window, TBrowserDDE& browser) : m_window(window), m_browser(browser)
{
    confirm = [this](const QString& question) {
        return QMessageBox::question(m_window, QStringLiteral("Send Mail"), question,
                                     QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel)
            == QMessageBox::Yes;
    };
}

void MailSender::ShowError(const QString& error) const
{
    QMessageBox::warning(m_window, QStringLiteral("Send Mail"), error);
}

void MailSender::Send(const QString& address, const QStringList& selected, const QString& attachmentPath, int mode)
{
    const int recipients = static_cast<int>(selected.size());
    switch (ChooseMailRoute(mode, recipients, address, !attachmentPath.isEmpty())) {
    case MailRoute::DesktopLink: {
        const LaunchResult opened = starter ? ShellLauncher(*starter).OpenDocument(u"mailto:" + address)
                                            : ShellLauncher().OpenDocument(u"mailto:" + address);
        if (!opened.ok)
            ShowError(opened.error);
        return;
    }
    case MailRoute::BrowserLink: {
        const LaunchResult opened = m_browser.OpenURL(u"mailto:" + address);
        if (!opened.ok)
            ShowError(opened.error);
        return;
    }
    case MailRoute::AskThenMailProgram:
        if (!confirm(QString::fromUtf16(kMultipleQuestion)))
            return;
        break;
    case MailRoute::MailProgram:
        break;
    }
    TEmail mail(starter);
    mail.Recipient = selected;
    if (mail.Recipient.isEmpty())
        mail.Recipient.append(address);
    if (!attachmentPath.isEmpty())
        mail.Attachment.append(attachmentPath);
    // The mail program shows its own window; only a hand-off that could not
    // happen at all is worth a word.
    if (mail.Send() != TEmail::Success)
        ShowError(mail.LastError());
}
