#include "comm/TBrowserDDE.h"

#include "comm/SocketErrors.h"
#include "comm/TagHTTP.h"
#include "platform/DetachedProcessStarter.h"
#include "platform/ProfileFile.h"

#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStandardPaths>

namespace {

const QString kSection = QStringLiteral("Browser");

DetachedProcessStarter& DefaultStarter()
{
    static DetachedProcessStarter starter;
    return starter;
}

} // namespace

TBrowserDDE::TBrowserDDE(const ProfileFile& profile, ProcessStarter* starter)
    : m_starter(starter ? starter : &DefaultStarter()),
      m_browserName(profile.ReadString(kSection, QStringLiteral("DDE"), QStringLiteral("IExplore"))),
      m_program(profile.ReadString(kSection, QStringLiteral("Path"))),
      m_debugPort(profile.ReadInteger(kSection, QStringLiteral("DebugPort"), kDefaultDebugPort))
{
    if (m_debugPort <= 0 || m_debugPort > 65535)
        m_debugPort = kDefaultDebugPort;
}

void TBrowserDDE::SetLink(const QString& browserName, const QString& program)
{
    m_browserName = browserName;
    m_program = program;
}

LaunchResult TBrowserDDE::OpenURL(const QString& url)
{
    MayLaunch = true;
    // A program named without a directory is looked up on the PATH.
    QString program = m_program;
    if (!program.isEmpty() && !program.contains(u'/'))
        program = QStandardPaths::findExecutable(program);
    const QFileInfo info(program);
    if (!program.isEmpty() && info.isFile() && info.isExecutable())
        return m_starter->start(info.absoluteFilePath(), {url}, QString());
    const QString opener = QStandardPaths::findExecutable(QStringLiteral("xdg-open"));
    if (opener.isEmpty())
        return {false, QStringLiteral("No web browser is set in the options, and xdg-open is not installed "
                                      "to open %1 in the desktop's browser.").arg(url)};
    return m_starter->start(opener, {url}, QString());
}

QByteArray TBrowserDDE::Ask(const QString& path, int timeOut)
{
    TagHTTP http;
    http.SetURL(QStringLiteral("http://127.0.0.1:%1%2").arg(m_debugPort).arg(path));
    http.TimeOut = timeOut;
    const int status = http.Get();
    if (status != 200)
        throw ESocketError(QStringLiteral("The browser's debugging port answered with status %1").arg(status));
    return http.Body();
}

bool TBrowserDDE::FindBrowser(QString* why)
{
    try {
        const QJsonObject version = QJsonDocument::fromJson(Ask(QStringLiteral("/json/version"), 5)).object();
        m_currentService = version.value(QStringLiteral("Browser")).toString();
        return true;
    } catch (const ESocketError& e) {
        if (why) {
            *why = QStringLiteral("No web browser answers on port %1 (%2). Start a Chromium-family browser with "
                                  "--remote-debugging-port=%1 to capture its current page.")
                       .arg(m_debugPort)
                       .arg(e.Message());
        }
        return false;
    }
}

BrowserPage TBrowserDDE::CurrentPage()
{
    MayLaunch = false;
    QString why;
    if (!FindBrowser(&why))
        throw EZendrivoError(why);
    BrowserPage page;
    try {
        page = ParsePageList(Ask(QStringLiteral("/json/list"), 10));
    } catch (const ESocketError& e) {
        throw EZendrivoError(QStringLiteral("The browser did not tell its current page: %1").arg(e.Message()));
    }
    if (page.url.isEmpty())
        throw EZendrivoError(QStringLiteral("The browser shows no page"));
    return page;
}

BrowserPage TBrowserDDE::ParsePageList(const QByteArray& json)
{
    // Targets come most recently active first.
    const QJsonArray targets = QJsonDocument::fromJson(json).array();
    for (const QJsonValue& value : targets) {
        const QJsonObject target = value.toObject();
        if (target.value(QStringLiteral("type")).toString() != u"page")
            continue;
        return {target.value(QStringLiteral("url")).toString(), target.value(QStringLiteral("title")).toString()};
    }
    return {};
}
