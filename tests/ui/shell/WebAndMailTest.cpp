#include "HeadlessChromium.h"
#include "RecordingStarter.h"
#include "TreeBuilder.h"

#include "comm/TBrowserDDE.h"
#include "platform/ProfileFile.h"
#include "ui/panes/ItemListModel.h"
#include "ui/shell/MailSender.h"
#include "ui/shell/MainWindowHost.h"
#include "ui/shell/TMainForm.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

TEST(GetBrowserUrl, TheBrowsersPageBecomesAWebsiteInTheSelectedFolder)
{
    QTemporaryDir dir;
    QDir::setCurrent(dir.path());
    const QString pagePath = dir.filePath(QStringLiteral("page.html"));
    QFile page(pagePath);
    ASSERT_TRUE(page.open(QIODevice::WriteOnly));
    page.write("<html><head><title>Captured page</title></head><body>hello</body></html>");
    page.close();
    HeadlessChromium browser(u"file://"_qs + pagePath);
    if (browser.Port() == 0)
        GTEST_SKIP() << "no Chromium-family browser could be started";

    TMainForm form;
    TTreeNode* folder = AddContainer(form.Tree().Root(), 0, QStringLiteral("Links"));
    form.SelectNode(folder);
    form.Host().Browser().SetDebugPort(browser.Port());
    // The page may still be loading when the endpoint first answers.
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < 30000) {
        const BrowserPage current = form.Host().Browser().CurrentPage();
        if (current.title == u"Captured page")
            break;
        QThread::msleep(100);
    }
    form.Host().GetBrowserURL();
    ASSERT_EQ(folder->ChildCount(), 1);
    EXPECT_EQ(folder->Child(0)->Item()->ClassCode(), 4);
    EXPECT_EQ(folder->Child(0)->Item()->Title(), u"Captured page");
    EXPECT_EQ(folder->Child(0)->Item()->Value(), u"file://" + pagePath);
    EXPECT_EQ(form.ListModel()->rowCount(), 1);
    QDir::setCurrent(QDir::tempPath());
}

TEST(MailSender, SeveralRecipientsAreAskedAboutAndGoTogether)
{
    QTemporaryDir dir;
    ProfileFile profile(dir.filePath(QStringLiteral("zvb.ini")));
    TBrowserDDE link(profile);
    QWidget window;
    MailSender sender(&window, link);
    RecordingStarter starter;
    sender.starter = &starter;
    QStringList asked;
    bool answer = false;
    sender.confirm = [&](const QString& question) {
        asked.append(question);
        return answer;
    };
    const QStringList rows = {u"a@example.org"_qs, u"b@example.org"_qs, u"c@example.org"_qs};
    sender.Send(u"a@example.org"_qs, rows, {}, 1);
    ASSERT_EQ(asked.size(), 1);
    EXPECT_EQ(asked[0], QString::fromUtf16(MailSender::kMultipleQuestion));
    EXPECT_TRUE(starter.calls.isEmpty()); // "No" sends nothing
    answer = true;
    sender.Send(u"a@example.org"_qs, rows, {}, 1);
    ASSERT_EQ(starter.calls.size(), 1);
    EXPECT_TRUE(starter.calls[0].program.endsWith(u"/xdg-email"));
    EXPECT_EQ(starter.calls[0].arguments, rows);
    // One address in mode 1 is a link for the desktop, without a question.
    sender.Send(u"solo@example.org"_qs, {}, {}, 1);
    ASSERT_EQ(starter.calls.size(), 2);
    EXPECT_EQ(starter.calls[1].arguments.last(), u"mailto:solo@example.org");
    EXPECT_EQ(asked.size(), 2);
}
