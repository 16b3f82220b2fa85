#include "HeadlessChromium.h"
#include "RecordingStarter.h"

#include "comm/TBrowserDDE.h"
#include "model/Exceptions.h"
#include "platform/ProfileFile.h"

#include <QElapsedTimer>
#include <QFile>
#include <QStandardPaths>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

namespace {

quint16 FreePort()
{
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost, 0);
    return probe.serverPort();
}

class BrowserLinkTest : public ::testing::Test
{
protected:
    QTemporaryDir dir;
    ProfileFile profile{dir.filePath(QStringLiteral("zvb.ini"))};
};

} // namespace

TEST_F(BrowserLinkTest, OpensWithTheConfiguredProgramElseTheDesktops)
{
    RecordingStarter starter;
    const QString browser = dir.filePath(QStringLiteral("mybrowser"));
    QFile file(browser);
    file.open(QIODevice::WriteOnly);
    file.close();
    file.setPermissions(QFile::ReadOwner | QFile::ExeOwner);
    profile.WriteString(QStringLiteral("Browser"), QStringLiteral("Path"), browser);
    TBrowserDDE link(profile, &starter);
    EXPECT_TRUE(link.OpenURL(QStringLiteral("http://example.org/")).ok);
    link.SetLink(QStringLiteral("chromium"), dir.filePath(QStringLiteral("not-there")));
    const LaunchResult viaDesktop = link.OpenURL(QStringLiteral("mailto:ann@example.org"));
    ASSERT_EQ(starter.started.size(), QStandardPaths::findExecutable(u"xdg-open"_qs).isEmpty() ? 1 : 2);
    EXPECT_EQ(starter.started[0], (QStringList{browser, u"http://example.org/"_qs}));
    if (starter.started.size() == 2)
        EXPECT_EQ(starter.started[1].last(), u"mailto:ann@example.org");
    else
        EXPECT_FALSE(viaDesktop.ok);
}

TEST_F(BrowserLinkTest, PicksTheFirstPageAndNamesTheReasonWhenNoBrowserAnswers)
{
    const BrowserPage page = TBrowserDDE::ParsePageList(
        R"([{"type":"service_worker","url":"chrome://sw"},{"type":"page","url":"https://example.org/","title":"Example"},
            {"type":"page","url":"about:blank","title":""}])");
    EXPECT_EQ(page.url, u"https://example.org/");
    EXPECT_EQ(page.title, u"Example");
    EXPECT_TRUE(TBrowserDDE::ParsePageList("not json").url.isEmpty());

    RecordingStarter starter;
    profile.WriteInteger(QStringLiteral("Browser"), QStringLiteral("DebugPort"), FreePort());
    TBrowserDDE link(profile, &starter);
    try {
        link.CurrentPage();
        ADD_FAILURE() << "a page without a browser";
    } catch (const EZendrivoError& e) {
        EXPECT_TRUE(e.Message().startsWith(QStringLiteral("No web browser answers on port %1").arg(link.DebugPort())));
    }
    EXPECT_FALSE(link.MayLaunch);
    EXPECT_TRUE(starter.started.isEmpty()); // getting the page never starts a browser
}

TEST_F(BrowserLinkTest, ReadsTheCurrentPageOfAHeadlessChromium)
{
    const QString pagePath = dir.filePath(QStringLiteral("page.html"));
    QFile page(pagePath);
    ASSERT_TRUE(page.open(QIODevice::WriteOnly));
    page.write("<html><head><title>Zendrivo test page</title></head><body>hello</body></html>");
    page.close();
    HeadlessChromium browser(u"file://"_qs + pagePath);
    if (browser.Port() == 0)
        GTEST_SKIP() << "no Chromium-family browser could be started";

    profile.WriteInteger(QStringLiteral("Browser"), QStringLiteral("DebugPort"), browser.Port());
    TBrowserDDE link(profile);
    BrowserPage current;
    QElapsedTimer clock;
    clock.start();
    // The page may still be loading when the endpoint first answers.
    while (clock.elapsed() < 30000 && current.title != u"Zendrivo test page") {
        current = link.CurrentPage();
        if (current.title != u"Zendrivo test page")
            QThread::msleep(100);
    }
    EXPECT_EQ(current.url, u"file://" + pagePath);
    EXPECT_EQ(current.title, u"Zendrivo test page");
    EXPECT_FALSE(link.CurrentService().isEmpty());
}
