#include "ui/shell/MainWindowHost.h"

#include "model/EMailObject.h"
#include "platform/DetachedProcessStarter.h"
#include "platform/ProfileFile.h"
#include "platform/SchemeHandler.h"
#include "platform/ShellLauncher.h"
#include "ui/common/PlainMessage.h"
#include "ui/shell/TMainForm.h"
#include "ui/options/TToolItems.h"
#include "ui/telephony/TDialPhoneDialog.h"

#include <QFileInfo>
#include <QMessageBox>
#include <QUrl>

MainWindowHost::MainWindowHost(TMainForm& form) : m_form(form)
{
    ItemHost::Install(this);
}

MainWindowHost::~MainWindowHost()
{
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
    QStringList args;
    if (!attachmentPath.isEmpty())
        args << QStringLiteral("--attach") << attachmentPath;
    args << item.Value();
    const auto result = DetachedProcessStarter().start(QStringLiteral("xdg-email"), args, QString());
    if (!result.ok)
        ShowLaunchError(result.error);
}

void MainWindowHost::SendFax(const QString& /*name*/, const QString& number, const QString& /*attachmentPath*/)
{
    QMessageBox::information(&m_form, QStringLiteral("Send Fax"),
                             QStringLiteral("No fax command is set up, so the fax to %1 cannot be sent.").arg(number));
}

void MainWindowHost::Browse(const QString& url)
{
    // The browser chosen in the options, else the desktop's own.
    const QString browser = ProfileFile(ProfileFile::Default()).ReadString(QStringLiteral("Browser"), QStringLiteral("Path"));
    const QFileInfo program(browser);
    const auto result = !browser.isEmpty() && program.isFile() && program.isExecutable()
        ? DetachedProcessStarter().start(browser, {url}, QString())
        : ShellLauncher().OpenDocument(url);
    if (!result.ok)
        ShowLaunchError(result.error);
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

double MainWindowHost::RemoteLastModified(const QString& /*url*/)
{
    return 0;
}

bool MainWindowHost::DownloadRemote(const QString& /*url*/, const QString& /*localFile*/)
{
    return false;
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
