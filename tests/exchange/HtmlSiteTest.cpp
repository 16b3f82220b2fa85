#include "TreeFixture.h"

#include "exchange/HtmlSite.h"
#include "model/AddressObject.h"
#include "model/ClassCodes.h"
#include "model/PersonObject.h"

#include <QRegularExpression>

#include "TextList.h"

#include <gtest/gtest.h>

// Lists print one entry a line in failure messages.
static void PrintTo(const QStringList& lines, std::ostream* os)
{
    *os << '\n' << lines.join(u'\n').toStdString();
}

namespace {

// A list of texts written as plain literals.
// A club with a person, a sub-folder holding an organization with a team,
// and a website with two pages.
struct Club : TreeFixture
{
    TTreeNode* club = Make(ClassCode::Folder, u"Club", root, 1);
    TTreeNode* ann = Make(ClassCode::Person, u"Ann", club, 10);
    TTreeNode* sub = Make(ClassCode::Folder, u"Sub", club, 20);
    TTreeNode* acme = Make(ClassCode::Organization, u"Acme", sub, 30);
    TTreeNode* crew = Make(ClassCode::Team, u"Crew", acme, 40);
    TTreeNode* links = Make(ClassCode::Website, u"Links", club, 50, u"http://links.example/");
    TTreeNode* docs = Make(ClassCode::Website, u"Docs", links, 51, u"http://docs.example/");
    TTreeNode* wiki = Make(ClassCode::Website, u"Wiki", links, 52, u"http://wiki.example/");

    Club()
    {
        auto* person = static_cast<TPersonObject*>(ann->Item());
        person->SetNameParts(QStringLiteral("Dr."), QStringLiteral("Ann"), QString(), QStringLiteral("Lee"));
        auto* home = static_cast<TAddressObject*>(
            CreateItem(ClassCode::Address, QStringLiteral("Home"), QStringLiteral("1 Main St"), 11, {}, ann, {}).Item());
        home->SetLines({QStringLiteral("1 Main St")});
        home->SetPlace(QStringLiteral("Springfield"), QStringLiteral("IL"), QStringLiteral("62701"), QString());
        CreateItem(ClassCode::Phone, QStringLiteral("Work"), QStringLiteral("555-1234"), 12, {}, ann, {});
        CreateItem(ClassCode::Phone, QStringLiteral("Cell"), QStringLiteral("555-9876"), 13, {}, ann, {});
        person->Primaries().Address = QStringLiteral("Home");
        person->Primaries().Phone = QStringLiteral("Work");
    }

    TTreeNode* Make(int code, QStringView title, TTreeNode* parent, int id, QStringView value = {})
    {
        return CreateItem(code, title.toString(), value.toString(), id, {}, parent, {}).node;
    }

    static HtmlPublishOptions Options(bool frames)
    {
        HtmlPublishOptions options;
        options.frames = frames;
        options.mainPage = QStringLiteral("Club.htm");
        options.title = QStringLiteral("Our Club");
        options.directory = QStringLiteral("/tmp");
        return options;
    }
};

const HtmlSite::Page& PageOf(const HtmlSite::Site& site, QStringView file)
{
    for (const HtmlSite::Page& page : site.pages) {
        if (page.file == file)
            return page;
    }
    static const HtmlSite::Page none;
    ADD_FAILURE() << "no page " << file.toString().toStdString();
    return none;
}

QStringList IndexLinks(const QStringList& lines)
{
    QStringList links;
    for (const QString& line : lines) {
        if (line.startsWith(u"<a href=\"") && line.contains(u"hspace=5"))
            links.append(line.section(u'"', 1, 1));
        else if (line.contains(u"blockquote"))
            links.append(line);
    }
    return links;
}

TEST(HtmlSite, FramedSiteHasFramesetIndexAndMainPages)
{
    Club t;
    const HtmlSite::Site site = HtmlSite::Build(*t.club, Club::Options(true));
    ASSERT_EQ(site.pages.size(), 3U);
    EXPECT_EQ(PageOf(site, u"Club.htm").lines,
              L({"<html>", "<head>", "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=utf-8\">",
                           "<title>Club</title>", "<meta name=\"GENERATOR\" content=\"Zendrivo\">", "</head>",
                           "<frameset cols=\"35%,65%\">",
                           "<frame src=\"zivoindex.htm\" name=\"index\" marginwidth=1 marginheight=1>",
                           "<frame src=\"zivomain.htm\" name=\"main\" marginwidth=1 marginheight=1>", "<noframes>",
                           "<body><p>", "<p>This Web page uses frames, but your browser does not support them.</p>",
                           "</body>", "</noframes>", "</frameset>", "</html>"}));

    const QStringList& index = PageOf(site, u"zivoindex.htm").lines;
    EXPECT_TRUE(index.contains(u"<base target=main>"));
    EXPECT_TRUE(index.contains(u"<title>Our Club</title>"));
    EXPECT_TRUE(index.contains(u"<body background=\"\" text=Black link=Navy>"));
    // In tree order; the team nests below its organization,
    // the website is listed because it has pages, its pages are not.
    EXPECT_EQ(IndexLinks(index), L({"zivomain.htm#Ann", "zivomain.htm#Sub", "<blockquote>", "zivomain.htm#Acme",
                                              "<blockquote>", "zivomain.htm#Crew", "</blockquote>", "</blockquote>",
                                              "zivomain.htm#Links"}));
    EXPECT_TRUE(index.contains(u"<p><font size=2><a href=\"zivomain.zvd\"><img src=\"zvb_16.gif\" align=left border=0 "
                               u"width=16 height=16>Get Zendrivo&#8482; file</a></font></p>"));
    // The credit names no web site.
    EXPECT_FALSE(index.join(u'\n').contains(u"zivohome"));
    EXPECT_TRUE(index.contains(u"<img src=\"zivobtn.gif\" align=bottom border=0 width=120 height=40 alt=\"Zendrivo\"></p>"));

    const QStringList& main = PageOf(site, u"zivomain.htm").lines;
    EXPECT_EQ(main.mid(main.indexOf(u"<h2>Our Club</h2>"), 3), L({"<h2>Our Club</h2>", "<p>&nbsp;</p>", "<hr>"}));
    EXPECT_EQ(main.mid(main.size() - 2), L({"</body>", "</html>"}));
}

TEST(HtmlSite, PersonSectionKeepsPrimariesApartAndTheTableWhole)
{
    Club t;
    const HtmlSite::Site site = HtmlSite::Build(*t.club, Club::Options(true));
    const QStringList& main = PageOf(site, u"zivomain.htm").lines;
    const int at = main.indexOf(u"<tr><td valign=top><a name=\"Ann\"><font size=4>Ann</font></a><br>");
    ASSERT_GT(at, 0);
    EXPECT_EQ(main.mid(at - 1, 14),
              L({"<p><table width=100%>", "<tr><td valign=top><a name=\"Ann\"><font size=4>Ann</font></a><br>",
                           "<p><font size=2><a href=\"vc10.vcf\"><img src=\"vcard.gif\" align=left border=0 width=16 "
                           "height=16>Get vCard</a></font></p>",
                           "Dr. Ann  Lee<br>", "<em><strong>Home</strong></em><br>", "1 Main St<br>",
                           "Springfield, IL 62701<br>", "</td><td valign=top>",
                           "<em><strong>Work</strong></em> 555-1234<br>", "</td></tr>", "<tr><td colspan=2 valign=top>",
                           "<em><strong>Cell</strong></em> 555-9876<br>", "<p>", "</td></tr></table>"}));
}

TEST(HtmlSite, SinglePageLinksWithinItself)
{
    Club t;
    const HtmlSite::Site site = HtmlSite::Build(*t.club, Club::Options(false));
    ASSERT_EQ(site.pages.size(), 1U);
    const QStringList& page = site.pages[0].lines;
    EXPECT_EQ(site.pages[0].file, u"Club.htm");
    EXPECT_FALSE(page.contains(u"<base target=main>"));
    const int heading = page.indexOf(u"<h2>Our Club</h2>");
    const int credit = page.indexOf(u"<p><font size=1>This page created with...<br></font>");
    const int firstLink = page.indexOf(u"<a href=\"#Sub\"><img src=\"folder.gif\" align=bottom border=0 hspace=5 "
                                       u"width=15 height=13>Sub</a><br>");
    EXPECT_TRUE(page.contains(u"<a href=\"#Ann\"><img src=\"person.gif\" align=bottom border=0 hspace=5 width=16 "
                              u"height=16>Ann</a><br>"));
    const int rule = page.indexOf(u"<hr>");
    const int firstSection = page.indexOf(u"<p><a name=\"Club\"><font size=4>Club</font></a><br>");
    EXPECT_TRUE(0 < heading && heading < credit && credit < firstLink && firstLink < rule && rule < firstSection)
        << heading << ' ' << credit << ' ' << firstLink << ' ' << rule << ' ' << firstSection;
}

TEST(HtmlSite, LevelSettingLimitsHowDeepTheIndexGoes)
{
    Club t;
    HtmlPublishOptions options = Club::Options(true);
    const auto links = [&](int levels) {
        options.levels = levels;
        const HtmlSite::Site site = HtmlSite::Build(*t.club, options);
        return IndexLinks(PageOf(site, u"zivoindex.htm").lines);
    };
    EXPECT_EQ(links(1), L({"zivomain.htm#Ann", "zivomain.htm#Sub", "zivomain.htm#Links"}));
    EXPECT_EQ(links(2), L({"zivomain.htm#Ann", "zivomain.htm#Sub", "<blockquote>", "zivomain.htm#Acme",
                           "</blockquote>", "zivomain.htm#Links"}));
    EXPECT_EQ(links(0), links(9));
    EXPECT_TRUE(links(0).contains(u"zivomain.htm#Crew"));
    // The sections list everything whatever the setting.
    options.levels = 1;
    const HtmlSite::Site site = HtmlSite::Build(*t.club, options);
    const QStringList& main = PageOf(site, u"zivomain.htm").lines;
    EXPECT_TRUE(main.contains(u"<a name=\"Crew\"><font size=4>Crew</font></a><br>"));
}

TEST(HtmlSite, EveryPageClosesWhatItOpens)
{
    Club t;
    // The last page of a website has an earlier sibling outside the site.
    for (const TTreeNode* published : {t.club, t.wiki, t.sub, t.ann}) {
        for (const bool frames : {true, false}) {
            for (const HtmlSite::Page& page : HtmlSite::Build(*published, Club::Options(frames)).pages) {
                int depth = 0;
                for (const QString& line : page.lines) {
                    depth += static_cast<int>(line.count(u"<blockquote>")) - static_cast<int>(line.count(u"</blockquote>"));
                    ASSERT_GE(depth, 0) << page.file.toStdString() << " of " << published->Item()->Title().toStdString();
                }
                EXPECT_EQ(depth, 0) << page.file.toStdString() << " of " << published->Item()->Title().toStdString();
                EXPECT_EQ(page.lines.join(u'\n').count(u"<table"), page.lines.join(u'\n').count(u"</table>"));
            }
        }
    }
}

TEST(HtmlSite, UserTextIsShownAsTextNotMarkup)
{
    Club t;
    const QString hostile = QStringLiteral("<b>\"Tom & Jerry\"</b>");
    TTreeNode* tom = t.Make(ClassCode::Person, hostile, t.club, 60);
    tom->Item()->SetComment(QStringLiteral("likes <script>alert(1)</script>"));
    CreateItem(ClassCode::EMail, QStringLiteral("Mail \"x\""), QStringLiteral("tom@example.com\"><i>"), 61, {}, tom, {});
    t.Make(ClassCode::Website, u"Bad", t.club, 62, u"javascript:alert(1)");

    const HtmlSite::Site site = HtmlSite::Build(*t.club, Club::Options(false));
    const QString page = site.pages[0].lines.join(u'\n');
    EXPECT_FALSE(page.contains(hostile));
    EXPECT_FALSE(page.contains(u"<script>"));
    EXPECT_FALSE(page.contains(u"<i>"));
    EXPECT_FALSE(page.contains(u"javascript:"));
    EXPECT_TRUE(page.contains(u"<font size=4>&lt;b&gt;&quot;Tom &amp; Jerry&quot;&lt;/b&gt;</font>"));
    EXPECT_TRUE(page.contains(u"likes &lt;script&gt;alert(1)&lt;/script&gt;<br>"));
    EXPECT_TRUE(page.contains(u"<a href=\"mailto:tom@example.com&quot;&gt;&lt;i&gt;\">"));
    EXPECT_TRUE(page.contains(u"\nBad<br>"));
    EXPECT_TRUE(page.contains(u"<a name=\"_b__Tom___Jerry___b_\">"));
}

TEST(HtmlSite, AnchorsAreUniqueAndLinksReachThem)
{
    Club t;
    t.Make(ClassCode::Person, u"Ann", t.sub, 70);
    t.Make(ClassCode::Person, u"Tom #1 Smith", t.club, 71);
    const HtmlSite::Site site = HtmlSite::Build(*t.club, Club::Options(false));
    const QString page = site.pages[0].lines.join(u'\n');

    static const QRegularExpression name(QStringLiteral("<a name=\"([^\"]*)\""));
    static const QRegularExpression href(QStringLiteral("<a href=\"#([^\"]*)\""));
    QStringList names;
    for (auto it = name.globalMatch(page); it.hasNext();)
        names.append(it.next().captured(1));
    QStringList targets;
    for (auto it = href.globalMatch(page); it.hasNext();)
        targets.append(it.next().captured(1));
    EXPECT_EQ(names.size(), QSet<QString>(names.begin(), names.end()).size()) << names.join(u' ').toStdString();
    for (const QString& target : targets)
        EXPECT_TRUE(names.contains(target)) << target.toStdString();
    EXPECT_TRUE(names.contains(u"Ann"));
    EXPECT_TRUE(names.contains(u"Ann-70"));
    EXPECT_TRUE(names.contains(u"Tom__1_Smith"));
    EXPECT_TRUE(targets.contains(u"Links")); // a website listed in the index has its anchor
}

TEST(HtmlSite, CardsFollowTheOptionAndStayApartForEqualIds)
{
    Club t;
    t.Make(ClassCode::Person, u"Twin", t.club, 10); // the same Id as Ann, as after a second import
    HtmlPublishOptions options = Club::Options(false);
    const HtmlSite::Site with = HtmlSite::Build(*t.club, options);
    QStringList files;
    for (const HtmlSite::CardFile& card : with.cards)
        files.append(card.file);
    EXPECT_EQ(files.size(), 3); // Acme, Ann and Twin
    EXPECT_TRUE(files.contains(u"vc30.vcf"));
    EXPECT_TRUE(files.contains(u"vc10.vcf"));
    EXPECT_TRUE(files.contains(u"vc10-2.vcf"));

    options.includeVCard = false;
    const HtmlSite::Site without = HtmlSite::Build(*t.club, options);
    EXPECT_TRUE(without.cards.empty());
    EXPECT_FALSE(without.pages[0].lines.join(u'\n').contains(u"Get vCard"));
}

TEST(HtmlSite, LeafHasAnEmptyIndex)
{
    Club t;
    const HtmlSite::Site site = HtmlSite::Build(*t.crew, Club::Options(true));
    const QStringList& index = PageOf(site, u"zivoindex.htm").lines;
    EXPECT_TRUE(IndexLinks(index).isEmpty());
    EXPECT_TRUE(index.join(u'\n').contains(u"zivomain.zvd"));
}

} // namespace
