#include "QtPrinters.h"
#include "ui/common/AppInfo.h"
#include "ui/help/HelpTopics.h"
#include "ui/help/TAboutBox.h"
#include "ui/help/THelpBrowser.h"
#include "ui/common/UiResources.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTextBrowser>
#include <QDialog>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

QString Page(const QString& name)
{
    InitUiResources();
    QFile file(u":/help/" + name);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

bool HasAnchor(const QString& page, const QString& anchor)
{
    return page.contains(u"name=\"" + anchor + u'"') || page.contains(u"id=\"" + anchor + u'"');
}

TEST(HelpTest, EveryContextOpensAnExistingPageAndAnchor)
{
    for (int context : HelpTopics::Contexts()) {
        const QString topic = HelpTopics::Topic(context);
        const QString page = Page(topic.section(u'#', 0, 0));
        ASSERT_FALSE(page.isEmpty()) << context << " " << topic.toStdString();
        if (topic.contains(u'#')) {
            EXPECT_TRUE(HasAnchor(page, topic.section(u'#', 1))) << context << " " << topic.toStdString();
        }
    }
    EXPECT_EQ(HelpTopics::Topic(HelpTopics::ItemDialogs), u"items.html");
    EXPECT_EQ(HelpTopics::Topic(HelpTopics::OptionsDialog), u"options.html");
    EXPECT_EQ(HelpTopics::Url(4711), HelpTopics::ContentsUrl());
}

TEST(HelpTest, LinksBetweenPagesResolve)
{
    InitUiResources();
    const QStringList pages = QDir(QStringLiteral(":/help")).entryList({QStringLiteral("*.html")});
    ASSERT_GE(pages.size(), 10);
    static const QRegularExpression link(QStringLiteral("(?:href|src)=\"([^\"]+)\""));
    for (const QString& name : pages) {
        const QString page = Page(name);
        for (const auto& match : link.globalMatch(page)) {
            const QString target = match.captured(1);
            if (target.startsWith(u"qrc:")) {
                EXPECT_TRUE(QFile::exists(target.mid(3))) << name.toStdString() << " -> " << target.toStdString();
                continue;
            }
            const QString file = target.section(u'#', 0, 0);
            const QString linked = file.isEmpty() ? page : Page(file);
            ASSERT_FALSE(linked.isEmpty()) << name.toStdString() << " -> " << target.toStdString();
            if (target.contains(u'#')) {
                EXPECT_TRUE(HasAnchor(linked, target.section(u'#', 1))) << name.toStdString() << " -> " << target.toStdString();
            }
        }
    }
}

TEST(HelpTest, BrowserOpensContextsAndGoesBack)
{
    THelpBrowser help;
    help.ShowContents();
    EXPECT_EQ(help.Source(), HelpTopics::ContentsUrl());
    EXPECT_TRUE(help.Browser()->toPlainText().contains(u"Contents"));

    help.ShowContext(HelpTopics::ItemDialogs);
    EXPECT_EQ(help.Source().fileName(), u"items.html");
    EXPECT_TRUE(help.Browser()->toPlainText().contains(u"Preferred contact points"));

    help.ShowContext(1016);
    EXPECT_EQ(help.Source().fragment(), u"find");
    EXPECT_TRUE(help.Browser()->isBackwardAvailable());
    help.Browser()->backward();
    EXPECT_EQ(help.Source().fileName(), u"items.html");
    help.Browser()->forward();
    EXPECT_EQ(help.Source().fileName(), u"find.html");
}

TEST(AboutBoxTest, ShowsNameVersionAndDate)
{
    TAboutBox about;
    EXPECT_EQ(about.windowTitle(), u"About Zendrivo");
    EXPECT_TRUE(about.Text().contains(AppInfo::ProductName()));
    EXPECT_TRUE(about.Text().contains(AppInfo::Version()));
    EXPECT_TRUE(about.Text().contains(AppInfo::BuildDate()));
}

} // namespace

TEST(HelpTest, HelpOpenedFromADialogTakesInputBesideItAndEscCloses)
{
    QDialog dialog;
    bool checked = false;
    QTimer::singleShot(0, [&] {
        THelpBrowser::OpenContext(HelpTopics::ItemDialogs);
        THelpBrowser* help = THelpBrowser::Shared();
        // A window of the modal dialog is the one kind it does not block.
        EXPECT_EQ(help->parentWidget(), &dialog);
        EXPECT_TRUE(help->isWindow());
        EXPECT_TRUE(help->isVisible());
        dialog.accept();
        checked = true;
    });
    dialog.exec();
    ASSERT_TRUE(checked);
    THelpBrowser* help = THelpBrowser::Shared();
    // With the dialog gone it stays open on its own.
    EXPECT_EQ(help->parentWidget(), nullptr);
    EXPECT_TRUE(help->isVisible());
    help->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(help));
    QTest::keyClick(help->Browser(), Qt::Key_Escape);
    EXPECT_FALSE(help->isVisible());
}
