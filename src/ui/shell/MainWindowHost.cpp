#include "ui/shell/MainWindowHost.h"

#include "comm/HttpRemoteFetcher.h"
#include "comm/TBrowserDDE.h"
#include "comm/TFaxSender.h"
#include "comm/WaitPump.h"
#include "model/EMailObject.h"
#include "model/Exceptions.h"
#include "model/ItemFactory.h"
#include "model/ItemTree.h"
#include "model/TreeNode.h"
#include "ui/panes/FolderTreeModel.h"
#include "ui/panes/ItemListPane.h"
#include "ui/shell/MailSender.h"
#include "platform/DetachedProcessStarter.h"
#include "platform/ProfileFile.h"
#include "platform/SchemeHandler.h"
#include "platform/ShellLauncher.h"
#include "ui/common/PlainMessage.h"
#include "ui/shell/TMainForm.h"
#include "ui/options/TToolItems.h"
#include "ui/telephony/TDialPhoneDialog.h"

#include <QApplication>
#include <QFileInfo>
#include <QMessageBox>
#include <QTreeView>
#include <QUrl>

MainWindowHost::MainWindowHost(TMainForm& form)
    : m_form(form), m_browser(std::make_unique<TBrowserDDE>(ProfileFile(ProfileFile::Default()))),
      m_fetcher(std::make_unique<HttpRemoteFetcher>()),
      m_mail(std::make_unique<MailSender>(&form, *m_browser))
{
    ItemHost::Install(this);
    // Transfers keep the window painted while they wait. Input waits until
    // they end: a click could otherwise delete the folder being refreshed.
    WaitPump::SetCallback([] {
        QApplication::processEvents(QEventLoop::ExcludeUserInputEvents | QEventLoop::WaitForMoreEvents);
    });
}

MainWindowHost::~MainWindowHost()
{
    WaitPump::SetCallback({});
    if (ItemHost::Current() == this)
        ItemHost::Install(nullptr);
}

bool MainWindowHost::EditItem(TZVBObject& item, bool isNew)
{
    return m_editor && m_editor(item, isNew);
}

void MainWindowHost::BeginRename(TTreeNode& node)
{
    m_form.RenameNodeInPlace(&node);
}

void MainWindowHost::SelectNode(TTreeNode* node)
{
    m_form.SelectNode(node);
}

void MainWindowHost::Dial(const QString& name, const QString& number)
{
    TDialPhoneDialog& dialer = TDialPhoneDialog::Shared();
    dialer.Title = QStringLiteral("Dial Phone");
    dialer.Recipient = name;
    dialer.PhoneNumber = number;
    dialer.Execute(&m_form);
}

void MainWindowHost::SendMail(TEMailObject& item, const QString& attachmentPath)
{
    // The desktop mail client's compose window.
    if (!HasHandler(QStringLiteral("mailto"),
                    QStringLiteral("No e-mail program is set up, so the message to %1 cannot be written.\n\n"
                                   "Install a mail program and make it the desktop's default for e-mail "
                                   "(\"mailto:\" links), for example in the desktop's Default Applications "
                                   "settings; View > Options > Browser/Mail chooses how Zendrivo sends e-mail.")
                        .arg(item.Value())))
        return;
    const int mode = ProfileFile(ProfileFile::Default()).ReadInteger(QStringLiteral("Settings"), QStringLiteral("INetMail"), 0);
    QStringList selected;
    if (m_form.ActivePane() == u"MainItems") {
        for (TZVBObject* row : m_form.MainItems()->SelectedItems()) {
            const QString address = row->ExportField(QStringLiteral("E-Mail Address"));
            if (!address.isEmpty())
                selected.append(address);
        }
    }
    m_mail->Send(item.Value(), selected, attachmentPath, mode);
}

void MainWindowHost::SendFax(const QString& name, const QString& number, const QString& attachmentPath)
{
    TFaxSender sender(ProfileFile(ProfileFile::Default()).ReadString(QStringLiteral("Settings"), QStringLiteral("FaxCommand")));
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const TFaxSender::Result result = sender.Send(name, number, attachmentPath);
    QApplication::restoreOverrideCursor();
    if (!result.ok)
        QMessageBox::critical(&m_form, QStringLiteral("Send Fax"), result.message);
}

void MainWindowHost::Browse(const QString& url)
{
    const LaunchResult result = m_browser->OpenURL(url);
    if (!result.ok)
        ShowLaunchError(result.error);
}

void MainWindowHost::GetBrowserURL()
{
    TTreeNode* node = m_form.SelectedNode();
    if (!node)
        return;
    m_form.SelectNode(node);
    BrowserPage page;
    try {
        QApplication::setOverrideCursor(Qt::WaitCursor);
        page = m_browser->CurrentPage();
        QApplication::restoreOverrideCursor();
    } catch (const EZendrivoError& e) {
        QApplication::restoreOverrideCursor();
        QMessageBox::information(&m_form, QStringLiteral("Get Browser URL"), e.Message());
        return;
    }
    if (page.url.isEmpty())
        return;
    try {
        CreateItem(ClassCode::Website, page.title.isEmpty() ? page.url : page.title, page.url, 0, QString(), node,
                   QString());
    } catch (const EZendrivoError& e) {
        QMessageBox::critical(&m_form, QStringLiteral("Get Browser URL"), e.Message());
        return;
    }
    m_form.Tree().SortChildren(node);
    m_form.Folders()->expand(m_form.FolderModel()->IndexOf(node));
    m_form.RefreshListPane(node);
}

void MainWindowHost::ShellOpen(const QString& path, const QString& parameters, const QString& workingDirectory)
{
    const auto result = parameters.isEmpty() && workingDirectory.isEmpty()
        ? ShellLauncher().OpenDocument(path)
        : ShellLauncher().Launch(path, parameters, workingDirectory);
    if (!result.ok)
        ShowLaunchError(result.error);
}

int MainWindowHost::DocumentImageIndex(const QString& path, int currentIndex)
{
    return m_form.DocumentImageIndex(path, currentIndex);
}

int MainWindowHost::ToolImageIndex(const QString& program)
{
    return m_form.Tools().ImageIndexFor(program);
}

bool MainWindowHost::HasHandler(const QString& scheme, const QString& missing)
{
    const QString handler = m_handlerQuery ? m_handlerQuery(scheme) : SchemeHandler::DefaultFor(scheme);
    if (!handler.isEmpty())
        return true;
    ShowLaunchError(missing);
    return false;
}

void MainWindowHost::ShowLaunchError(const QString& error)
{
    m_lastError = error;
    PlainMessage::Warning(&m_form, QStringLiteral("Zendrivo"), error);
}
