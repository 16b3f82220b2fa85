#pragma once

#include "platform/ProcessStarter.h"

#include <QString>

class ProfileFile;

// The page the browser shows.
struct BrowserPage
{
    QString url;
    QString title;
};

// The link to the user's web browser. A URL opens in the browser program set
// in the options ("Browser" "Path"), else in the desktop's own through
// xdg-open. The current page is read from a Chromium-family browser's
// remote-debugging endpoint on loopback ("Browser" "DebugPort", 9222 by
// default) with our own HTTP client; the browser must have been started
// with --remote-debugging-port. Getting the page never starts a browser.
class TBrowserDDE
{
public:
    static constexpr int kDefaultDebugPort = 9222;

    // Reads "DDE" (the chosen browser's name), "Path" and "DebugPort" of the
    // "Browser" section. Programs start through the starter, which must
    // outlive the link; null starts them detached.
    explicit TBrowserDDE(const ProfileFile& profile, ProcessStarter* starter = nullptr);

    // The settings again, after the options dialog closed with OK.
    void SetLink(const QString& browserName, const QString& program);
    void SetDebugPort(int port) { m_debugPort = port; }

    const QString& BrowserName() const { return m_browserName; }
    const QString& Program() const { return m_program; }
    int DebugPort() const { return m_debugPort; }
    // The browser that answered last, from its version reply.
    const QString& CurrentService() const { return m_currentService; }

    // Whether a browser may be started when none is running; opening a URL
    // turns it on, getting the current page off.
    bool MayLaunch = true;

    // Opens the URL in the browser; the result says why nothing could be started.
    LaunchResult OpenURL(const QString& url);

    // True when a browser answers on the debugging port; *why tells the
    // user what to do when none does.
    bool FindBrowser(QString* why = nullptr);
    // The address and title of the page shown last; throws EZendrivoError
    // naming the reason when no browser answers or it shows no page.
    BrowserPage CurrentPage();

    // The first page target of a /json/list reply; empty when there is none.
    static BrowserPage ParsePageList(const QByteArray& json);

private:
    QByteArray Ask(const QString& path, int timeOut);

    ProcessStarter* m_starter;
    QString m_browserName;
    QString m_program;
    int m_debugPort = kDefaultDebugPort;
    QString m_currentService;
};
