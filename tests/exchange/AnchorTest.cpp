#include "exchange/HtmlLines.h"
#include "exchange/HtmlText.h"
#include "exchange/NetscapeAnchor.h"
#include "exchange/WordSplit.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {
AnchorInfo Anchor(const char16_t* line)
{
    const std::optional<AnchorInfo> info = GetAnchorInfo(QStringView(line));
    EXPECT_TRUE(info.has_value()) << QString::fromUtf16(line).toStdString();
    return info.value_or(AnchorInfo());
}
} // namespace

TEST(WordSplit, QuotesGroupAndCommasSeparate)
{
    EXPECT_EQ(WordSplit::Split(u"  a b,c"), (QStringList{u"a"_s, u"b"_s, u"c"_s}));
    EXPECT_EQ(WordSplit::Split(u"\"Joe \"\"J\"\" D\"<j@x.org>"), (QStringList{u"Joe \"J\" D"_s, u"<j@x.org>"_s}));
    EXPECT_EQ(WordSplit::Split(u"a,,b"), (QStringList{u"a"_s, QString(), u"b"_s}));
    EXPECT_EQ(WordSplit::Split(u"\"open"), (QStringList{u"open"_s}));
    EXPECT_EQ(WordSplit::ValueOf({u"x"_s, u"href=1"_s, u"HREF=2"_s}, u"HREF"), u"1"_s);
}

TEST(Anchor, TakesHrefAmongOtherAttributesInAnyOrder)
{
    const AnchorInfo a = Anchor(u"  <DT><A ADD_DATE=\"1\" FOLDED HREF=\"http://x.org/a?b=1&amp;c=2\" ID=\"z\">Site</A>");
    EXPECT_EQ(a.link, u"http://x.org/a?b=1&c=2"_s);
    EXPECT_EQ(a.caption, u"Site"_s);
    // A blank before ">" and a lower-case attribute name.
    EXPECT_EQ(Anchor(u"<A href=\"http://y.org/\" >Y</A>").link, u"http://y.org/"_s);
}

TEST(Anchor, FollowsTheOldRulesWhereTheyCutOrRefuse)
{
    EXPECT_FALSE(GetAnchorInfo(u"<dt><a href=\"http://x.org/\">lower</a>"));
    EXPECT_EQ(Anchor(u"<A HREF=\"http://x.org/a,b\">C</A>").link, u"http://x.org/a"_s);
    EXPECT_EQ(Anchor(u"<A HREF=\"http://x.org/\">no end tag").caption, QString());
    EXPECT_EQ(Anchor(u"<A HREF=\"http://x.org/\">lower end</a>").caption, QString());
    EXPECT_FALSE(GetAnchorInfo(u"<A HREF=\"http://x.org/\""));
    EXPECT_FALSE(GetAnchorInfo(u"<A NAME=\"top\">Top</A>"));
    EXPECT_FALSE(GetAnchorInfo(u"<ADDRESS>me</ADDRESS>"));
    EXPECT_FALSE(GetAnchorInfo(u"<A"));
}

TEST(Anchor, CaptionLosesMarkupAndDecodesReferences)
{
    EXPECT_EQ(Anchor(u"<A HREF=\"h\"><B>O&#39;Reilly &amp; Co</B> &lt;b&gt; &#x41;&bogus; &</A>").caption,
              u"O'Reilly & Co <b> A&bogus; &"_s);
    EXPECT_EQ(Anchor(u"<A HREF=\"h\" TITLE=\"a>b\">T</A>").caption, u"T"_s);
    EXPECT_EQ(HtmlText::DecodeEntities(u"&#0;&#xD800;&#1114112;&#65;"), u"&#0;&#xD800;&#1114112;A"_s);
}

TEST(BookmarkTitle, FirstTitleLineDecides)
{
    EXPECT_EQ(GetBMTitle({u"<html>"_s, u"  <title>My &amp; Links</TITLE>"_s, u"<TITLE>Other</TITLE>"_s}),
              u"My & Links"_s);
    EXPECT_EQ(GetBMTitle({u"<TITLE>Lower end</title>"_s, u"<TITLE>Later</TITLE>"_s}), QString());
    EXPECT_EQ(GetBMTitle({u"<H1>No title</H1>"_s}), QString());
}

TEST(HtmlLines, DecodesDeclaredMacPagesAndOddLineEnds)
{
    const QList<QString> mac = HtmlLines::Split(
        "<META CONTENT=\"text/html; charset=x-mac-roman\">\n<A HREF=\"h\">Caf\x8e \xc9</A>\n\xc3\xa9\n");
    ASSERT_EQ(mac.size(), 3);
    EXPECT_EQ(mac[1], u"<A HREF=\"h\">Café …</A>"_s);
    EXPECT_EQ(mac[2], u"é"_s); // valid UTF-8 stays UTF-8
    EXPECT_EQ(HtmlLines::Split("caf\xe9"), QList<QString>{u"café"_s});
    EXPECT_EQ(HtmlLines::Split("\xEF\xBB\xBF<a>\r<b>\r"), (QList<QString>{u"<a>"_s, u"<b>"_s}));
}
