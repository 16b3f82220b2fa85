#pragma once

#include "model/ItemHost.h"

#include <functional>
#include <memory>

class HttpRemoteFetcher;
class MailSender;
class TBrowserDDE;
class TMainForm;

// The desktop's answers to the items' requests: dialogs, selecting nodes,
// renaming in place, and handing numbers, addresses and files on.
class MainWindowHost : public ItemHost
{
public:
    explicit MainWindowHost(TMainForm& form);
    ~MainWindowHost() override;

    bool EditItem(TZVBObject& item, bool isNew) override;
    void BeginRename(TTreeNode& node) override;
    void SelectNode(TTreeNode* node) override;
    void Dial(const QString& name, const QString& number) override;
    void SendMail(TEMailObject& item, const QString& attachmentPath) override;
    void SendFax(const QString& name, const QString& number, const QString& attachmentPath) override;
    void Browse(const QString& url) override;
    void ShellOpen(const QString& path, const QString& parameters, const QString& workingDirectory) override;
    int DocumentImageIndex(const QString& path, int currentIndex) override;
    int ToolImageIndex(const QString& program) override;

    // The item dialogs, installed by the dialog layer.
    using Editor = std::function<bool(TZVBObject& item, bool isNew)>;
    void SetEditor(Editor editor) { m_editor = std::move(editor); }
    // Who opens a kind of link ("tel", "mailto"): the desktop file of its
    // handler, or empty when none is set up. Tests replace the desktop's answer.
    using HandlerQuery = std::function<QString(const QString& scheme)>;
    void SetHandlerQuery(HandlerQuery query) { m_handlerQuery = std::move(query); }
    // The last message shown for a failed hand-over; tests read it.
    QString LastError() const { return m_lastError; }

    // The one link to the web browser, set again when the options change.
    TBrowserDDE& Browser() const { return *m_browser; }
    MailSender& Mail() const { return *m_mail; }
    // "Get Browser URL": the browser's current page as a website item in
    // the selected node.
    void GetBrowserURL();

private:
    void ShowLaunchError(const QString& error);
    // False, after saying what is missing, when no program opens these links.
    bool HasHandler(const QString& scheme, const QString& missing);

    TMainForm& m_form;
    Editor m_editor;
    HandlerQuery m_handlerQuery;
    QString m_lastError;
    std::unique_ptr<TBrowserDDE> m_browser;
    std::unique_ptr<HttpRemoteFetcher> m_fetcher;
    std::unique_ptr<MailSender> m_mail;
};
