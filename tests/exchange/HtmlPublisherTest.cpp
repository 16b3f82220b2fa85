#include "TreeFixture.h"
#include "FileBytes.h"

#include "exchange/HtmlPublisher.h"
#include "exchange/WebGraphics.h"
#include "model/ClassCodes.h"
#include "model/Exceptions.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>

#include "TextList.h"

#include <gtest/gtest.h>

namespace {

// A list of texts written as plain literals.
// A folder with a person and an organization, published into a fresh directory.
struct Publishing : ::testing::Test, TreeFixture
{
    QTemporaryDir dir;
    TTreeNode* folder = CreateItem(ClassCode::Folder, QStringLiteral("Friends"), {}, 5, {}, root, {}).node;
    HtmlPublishOptions options;

    void SetUp() override
    {
        WebGraphics::SetFolder(QStringLiteral(ZENDRIVO_WEB_GRAPHICS));
        CreateItem(ClassCode::Person, QStringLiteral("Bo"), {}, 7, {}, folder, {});
        TTreeNode* org = CreateItem(ClassCode::Organization, QStringLiteral("Acme"), {}, 8, {}, folder, {}).node;
        CreateItem(ClassCode::Website, QStringLiteral("Home"), QStringLiteral("https://acme.example/"), 9, {}, org, {});
        CreateItem(ClassCode::EMail, QStringLiteral("Desk"), QStringLiteral("desk@acme.example"), 10, {}, org, {});
        options.directory = dir.filePath(QStringLiteral("site"));
        options.mainPage = QStringLiteral("Friends.htm");
        options.title = QStringLiteral("Friends");
    }
    void TearDown() override { WebGraphics::SetFolder(QString()); }

    QString Out(const QString& name) const { return options.directory + u'/' + name; }
    QStringList Files() const { return QDir(options.directory).entryList(QDir::Files, QDir::Name); }
};

TEST_F(Publishing, WritesPagesDownloadsAndImages)
{
    const HtmlPublisher::Result result = HtmlPublisher::Publish(*folder, options);
    EXPECT_EQ(Files(), L({"Friends.htm", "folder.gif", "org.gif", "person.gif", "team.gif", "vc7.vcf",
                                    "vc8.vcf", "vcard.gif", "web.gif", "zivobtn.gif", "zivoindex.htm", "zivomain.htm",
                                    "zivomain.zvd", "zvb_16.gif"}));
    EXPECT_EQ(result.copied.size(), 8);
    EXPECT_TRUE(ReadAll(Out(QStringLiteral("zivomain.zvd"))).contains("Friends"));
    EXPECT_TRUE(ReadAll(Out(QStringLiteral("vc7.vcf"))).startsWith("begin:vcard"));
    EXPECT_TRUE(ReadAll(Out(QStringLiteral("zivomain.htm"))).contains("</html>\r\n"));

    options.includeVCard = false;
    options.includeZvd = false;
    options.frames = false;
    QDir(options.directory).removeRecursively();
    HtmlPublisher::Publish(*folder, options);
    EXPECT_FALSE(Files().contains(u"vc7.vcf"));
    EXPECT_FALSE(Files().contains(u"zivomain.zvd"));
    EXPECT_FALSE(Files().contains(u"zivoindex.htm"));
    EXPECT_FALSE(ReadAll(Out(QStringLiteral("Friends.htm"))).contains("zivomain.zvd"));
}

TEST_F(Publishing, CopiesNeverReplaceWhatIsThere)
{
    ASSERT_TRUE(QDir().mkpath(options.directory));
    WriteAll(Out(QStringLiteral("person.gif")), "mine");
    const QString background = dir.filePath(QStringLiteral("paper.gif"));
    WriteAll(background, "GIF89a paper");
    WriteAll(Out(QStringLiteral("paper.gif")), "older paper");
    options.background = background;

    const HtmlPublisher::Result first = HtmlPublisher::Publish(*folder, options);
    EXPECT_EQ(ReadAll(Out(QStringLiteral("person.gif"))), "mine");
    EXPECT_EQ(ReadAll(Out(QStringLiteral("paper.gif"))), "older paper");
    EXPECT_FALSE(first.copied.contains(u"person.gif"));
    EXPECT_TRUE(ReadAll(Out(QStringLiteral("Friends.htm"))).isEmpty() == false);
    EXPECT_TRUE(ReadAll(Out(QStringLiteral("zivoindex.htm"))).contains("<body background=\"paper.gif\""));

    const HtmlPublisher::Result second = HtmlPublisher::Publish(*folder, options);
    EXPECT_TRUE(second.copied.isEmpty());
    EXPECT_EQ(second.written, first.written); // pages are written again
}

TEST_F(Publishing, EveryLocalReferenceNamesAFileOfTheSite)
{
    options.background = WebGraphics::BackgroundImage(QStringLiteral("marble"));
    for (const bool frames : {true, false}) {
        options.frames = frames;
        QDir(options.directory).removeRecursively();
        HtmlPublisher::Publish(*folder, options);
        static const QRegularExpression reference(QStringLiteral("(?:href|src|background)=\"([^\"]*)\""));
        for (const QString& file : Files()) {
            if (!file.endsWith(u".htm"))
                continue;
            const QString text = QString::fromUtf8(ReadAll(Out(file)));
            for (auto it = reference.globalMatch(text); it.hasNext();) {
                const QString target = it.next().captured(1).section(u'#', 0, 0);
                if (target.isEmpty() || target.contains(u':'))
                    continue; // a place on the same page, or an outside link
                EXPECT_TRUE(QFileInfo(Out(target)).isFile()) << file.toStdString() << " -> " << target.toStdString();
            }
        }
    }
}

TEST_F(Publishing, RefusesWhatCannotBePublished)
{
    const auto problem = [&](auto change) {
        HtmlPublishOptions wrong = options;
        change(wrong);
        return HtmlPublisher::Problem(wrong);
    };
    EXPECT_TRUE(HtmlPublisher::Problem(options).isEmpty());
    EXPECT_EQ(problem([](auto& o) { o.textColor = QStringLiteral("Mauve"); }), u"Unknown text colour Mauve");
    EXPECT_EQ(problem([](auto& o) { o.linkColor = QStringLiteral("navy"); }), u"Unknown link colour navy");
    EXPECT_FALSE(problem([](auto& o) { o.levels = 10; }).isEmpty());
    EXPECT_FALSE(problem([](auto& o) { o.mainPage = QStringLiteral("zivomain.htm"); }).isEmpty());
    EXPECT_TRUE(problem([](auto& o) {
                    o.mainPage = QStringLiteral("zivomain.htm");
                    o.frames = false;
                }).isEmpty());
    EXPECT_FALSE(problem([](auto& o) { o.mainPage = QStringLiteral("sub/page.htm"); }).isEmpty());
    EXPECT_FALSE(problem([](auto& o) { o.background = QStringLiteral("/nonexistent/bg.gif"); }).isEmpty());

    options.textColor = QStringLiteral("Mauve");
    EXPECT_THROW(HtmlPublisher::Publish(*folder, options), EZendrivoError);
    EXPECT_FALSE(QFileInfo::exists(options.directory));
}

TEST_F(Publishing, UnwritableDirectoryFailsWithItsName)
{
    // A path below a plain file can never become a folder, for root as well.
    WriteAll(dir.filePath(QStringLiteral("plain")), "x");
    options.directory = dir.filePath(QStringLiteral("plain/site"));
    try {
        HtmlPublisher::Publish(*folder, options);
        FAIL() << "published below a file";
    } catch (const EZendrivoError& e) {
        EXPECT_TRUE(e.Message().contains(options.directory)) << e.Message().toStdString();
    }
}

TEST(WebGraphics, InstallationHasEveryNamedImage)
{
    WebGraphics::SetFolder(QStringLiteral(ZENDRIVO_WEB_GRAPHICS));
    for (const QString& name : WebGraphics::BackgroundNames()) {
        EXPECT_TRUE(ReadAll(WebGraphics::BackgroundImage(name)).startsWith("GIF8")) << name.toStdString();
        EXPECT_TRUE(ReadAll(WebGraphics::BackgroundPreview(name)).startsWith("BM")) << name.toStdString();
    }
    EXPECT_EQ(WebGraphics::BackgroundNames().size(), 27);
    // Width and height from the GIF screen descriptor.
    const auto size = [](const QByteArray& gif) {
        const auto byte = [&](int i) { return static_cast<int>(static_cast<unsigned char>(gif.at(i))); };
        return gif.size() < 10 ? QString() : QStringLiteral("%1x%2").arg(byte(6) | byte(7) << 8).arg(byte(8) | byte(9) << 8);
    };
    for (const QString& icon : WebGraphics::IconFiles()) {
        const QByteArray gif = ReadAll(WebGraphics::IconsFolder() + u'/' + icon);
        EXPECT_TRUE(gif.startsWith("GIF8")) << icon.toStdString();
        const QString expected = icon == u"folder.gif" ? QStringLiteral("15x13") : icon == u"zivobtn.gif" ? QStringLiteral("120x40") : QStringLiteral("16x16");
        EXPECT_EQ(size(gif), expected) << icon.toStdString();
    }
    EXPECT_TRUE(WebGraphics::BackgroundImage(QStringLiteral("plaid")).isEmpty());
    WebGraphics::SetFolder(QString());
}

} // namespace
