#include "model/TextCodec.h"
#include "model/TextRules.h"

#include <gtest/gtest.h>

using namespace TextRules;
using namespace Qt::StringLiterals;

TEST(TextRules, CleaningKeepsEveryTextStorableInOneRecord)
{
    EXPECT_EQ(Clean(QStringLiteral("plain")), QStringLiteral("plain"));
    EXPECT_EQ(Clean(QStringLiteral("two\r\nlines\nand\rmore")), QStringLiteral("two lines and more"));
    EXPECT_EQ(Clean(QStringLiteral("a~~b")), QStringLiteral("a~b"));
    EXPECT_EQ(Clean(QStringLiteral("a~~~~~b")), QStringLiteral("a~b"));
    // A "~" at the end would merge with the separator after the field.
    EXPECT_EQ(Clean(QStringLiteral("ends~")), QStringLiteral("ends"));
    EXPECT_EQ(Clean(QStringLiteral("~starts")), QStringLiteral("~starts"));
}

TEST(TextRules, FieldsSplitAtEachSeparatorWithTheRemainderLast)
{
    EXPECT_EQ(SplitFields(u"a~~b"), (QList<QString>{QStringLiteral("a"), QStringLiteral("b")}));
    EXPECT_EQ(SplitFields(u"a~~b~~"), (QList<QString>{QStringLiteral("a"), QStringLiteral("b"), QString()}));
    EXPECT_EQ(SplitFields(u""), QList<QString>{QString()});
    EXPECT_EQ(SplitFields(u"a~~~b"), (QList<QString>{QStringLiteral("a"), QStringLiteral("~b")}));
    // Runs of "~" are taken two at a time from the left.
    EXPECT_EQ(SplitFields(u"~~~~"), (QList<QString>{QString(), QString(), QString()}));
    EXPECT_EQ(SplitFields(u"~~~~~b~"), (QList<QString>{QString(), QString(), QStringLiteral("~b~")}));
    EXPECT_EQ(SplitFields(u"~"), QList<QString>{QStringLiteral("~")});
}

TEST(TextRules, IntegerRuleReadsSignsHexAndStopsAtTheFirstStrangeCharacter)
{
    EXPECT_EQ(ParseInteger(u"184467"), 184467);
    EXPECT_EQ(ParseInteger(u"  -42"), -42);
    EXPECT_EQ(ParseInteger(u"+7"), 7);
    EXPECT_EQ(ParseInteger(u"$1F"), 31);
    EXPECT_EQ(ParseInteger(u"$FFFFFFFF"), -1);
    EXPECT_EQ(ParseInteger(u""), 0);
    // Incomplete texts keep the digits read so far, without the minus sign.
    EXPECT_EQ(ParseInteger(u"12x"), 12);
    EXPECT_EQ(ParseInteger(u"-12x"), 12);
    EXPECT_EQ(ParseInteger(u"99999999999"), 999999999);
    EXPECT_EQ(ParseInteger(u"-2147483648"), INT32_MIN);
    EXPECT_EQ(ParseInteger(u"abc"), 0);
}

TEST(TextRules, UrlsNeedAKnownSchemeAndMoreThanSevenCharacters)
{
    EXPECT_TRUE(IsUrl(QStringLiteral("HTTP://a.b")));
    EXPECT_TRUE(IsUrl(QStringLiteral("mailto:x@y")));
    EXPECT_TRUE(IsUrl(QStringLiteral("telnet:host")));
    EXPECT_FALSE(IsUrl(QStringLiteral("ftp:a.b")));  // seven characters
    EXPECT_TRUE(IsUrl(QStringLiteral("https://example.org")));
    EXPECT_TRUE(IsUrl(QStringLiteral("SFTP://host/dir")));
    EXPECT_FALSE(IsUrl(QStringLiteral("https:/")));  // seven characters
    EXPECT_FALSE(IsUrl(QStringLiteral("www.example.org")));
    EXPECT_TRUE(IsInternetMail(QStringLiteral("a_1-b@c")));
    EXPECT_FALSE(IsInternetMail(QStringLiteral("Jane Miller")));
}

TEST(TextCodec, LinesAreUtf8OrWindows1252AndEndWithLfOrCrLf)
{
    const QByteArray bytes = "\xEF\xBB\xBF" "caf\xC3\xA9\r\nna\xEFve \x80\nlast";
    const QList<QString> lines = TextCodec::SplitLines(bytes);
    ASSERT_EQ(lines.size(), 3);
    EXPECT_EQ(lines[0], QStringLiteral("caf\u00E9"));
    EXPECT_EQ(lines[1], QStringLiteral("na\u00EFve \u20AC"));
    EXPECT_EQ(lines[2], QStringLiteral("last"));
    EXPECT_TRUE(TextCodec::SplitLines("").isEmpty());
    EXPECT_EQ(TextCodec::SplitLines("a\r\n").size(), 1);
}

TEST(TextRules, AppendNumberWritesWhatQStringNumberWrites)
{
    // Digits go out two at a time: odd and even counts, and zeros inside.
    for (const std::int64_t value : {std::int64_t(0), std::int64_t(7), std::int64_t(-1), std::int64_t(10),
                                     std::int64_t(99), std::int64_t(100), std::int64_t(-105), std::int64_t(1000000007),
                                     std::int64_t(2147483647), std::int64_t(-2147483647) - 1, INT64_MAX, INT64_MIN}) {
        QString text = QStringLiteral("x");
        TextRules::AppendNumber(text, value);
        EXPECT_EQ(text, u'x' + QString::number(value)) << value;
    }
}

// Sorting relies on the fast comparison ordering exactly as Qt's own
// comparison without case, also where letters beyond ASCII take part.
TEST(TextRules, CompareWithoutCaseOrdersAsQtDoes)
{
    const QStringList texts = {u""_s,         u"a"_s,       u"A"_s,      u"ab"_s,      u"aB"_s,      u"Abc"_s,
                               u"abd"_s,      u"b"_s,       u"Z"_s,      u"_"_s,       u"["_s,       u"`"_s,
                               u"Ärger"_s,    u"ärger"_s,   u"Arger"_s,  u"Zoë"_s,     u"ZOË"_s,     u"Zoe"_s,
                               u"ß"_s,        u"SS"_s,      u"Σίσυφος"_s, u"σίσυφος"_s, u"😀a"_s,     u"😀A"_s,
                               u"\uFF21"_s,   u"a\u00A0b"_s, u"a b"_s,   u"Office"_s,  u"office 2"_s, u"İstanbul"_s};
    const auto sign = [](int v) { return (v > 0) - (v < 0); };
    for (const QString& a : texts) {
        for (const QString& b : texts)
            EXPECT_EQ(sign(TextRules::CompareWithoutCase(a, b)), sign(a.compare(b, Qt::CaseInsensitive)))
                << a.toStdString() << " vs " << b.toStdString();
    }
}

// The packed prefixes must order every pair as the texts do: around the
// eighth and sixteenth characters, where a letter beyond ASCII or a NUL sits inside the
// prefix, and where one text is the start of the other. Latin-1 letters
// are held folded, except those that fold beyond it (the micro sign) and
// those with no other case (the sharp s, y with diaeresis).
TEST(TextRules, CasePrefixesOrderAsTheTextsDo)
{
    QStringList texts = {u""_s, u"a"_s, u"A"_s, u"Zoë"_s, u"Zoe"_s, u"ZOË Dubois"_s, u"Zoa"_s, u"Ärger"_s, u"arger"_s,
                         u"\uFF21"_s, u"😀a"_s, u"ß"_s, u"SS"_s, u"a b"_s, u"a\u00A0b"_s, u"Jørgensen"_s,
                         u"JØRGENSEN"_s, u"Jorgensen"_s, u"\u00B5m"_s, u"\u039Cm"_s, u"\u03BCm"_s, u"\u00FFa"_s,
                         u"\u0178a"_s, u"\u00D7"_s, u"\u00F7"_s, u"zz"_s, u"\u00E0"_s, u"\u00C0b"_s};
    const QString base = u"hugo tanaka and sons"_s;
    for (qsizetype length = 6; length <= 18; ++length) {
        texts.append(base.left(length));
        texts.append(base.left(length).toUpper());
        QString accented = base.left(length);
        accented[length - 1] = u'é';
        texts.append(accented);
        QString withNul = base.left(length);
        withNul[length - 1] = QChar(u'\0');
        texts.append(withNul);
        texts.append(withNul + u'b');
    }
    const auto sign = [](int v) { return (v > 0) - (v < 0); };
    for (const QString& a : texts) {
        const CasePrefix pa = CasePrefixOf(a);
        for (const QString& b : texts) {
            EXPECT_EQ(sign(CompareWithoutCase(pa, a, CasePrefixOf(b), b)), sign(CompareWithoutCase(a, b)))
                << a.toStdString() << " vs " << b.toStdString();
        }
    }
}

// The search for characters to clean looks at four at a time: each one is
// found in every position, and its neighbours among the low characters
// (tab, other controls) or just above them are not mistaken for one.
TEST(TextRules, CleaningFindsLineEndsAndTildesInEveryPosition)
{
    for (qsizetype length = 1; length <= 20; ++length) {
        for (qsizetype at = 0; at < length; ++at) {
            for (char16_t c : {u'~', u'\r', u'\n'}) {
                QString text(length, u'a');
                text[at] = QChar(c);
                if (c == u'~' && at + 1 < length)
                    text[at + 1] = QChar(c); // a lone tilde inside stays; two become one
                EXPECT_NE(Clean(text), text) << int(c) << " at " << at << " of " << length;
            }
            for (char16_t c : {u'\t', char16_t(0x0B), char16_t(0x0C), char16_t(0x0E), char16_t(0x7D), char16_t(0x7F),
                               char16_t(0x8000), char16_t(0xFFFF)}) {
                QString text(length, u'a');
                text[at] = QChar(c);
                EXPECT_EQ(Clean(text), text) << int(c) << " at " << at << " of " << length;
            }
        }
    }
}
