#include "QtPrinters.h"
#include "ui/common/CommaText.h"
#include "ui/help/HelpTopics.h"
#include "ui/shell/TTipBar.h"

#include <QLabel>
#include <QSet>
#include <QSignalSpy>
#include <QToolButton>

#include <gtest/gtest.h>

namespace {

QToolButton* Bulb(TTipBar& bar)
{
    for (QToolButton* button : bar.findChildren<QToolButton*>())
        if (button->toolTip() == u"Help with Tip...")
            return button;
    return nullptr;
}

TEST(CommaTextTest, SplitsQuotedAndPlainFields)
{
    EXPECT_EQ(CommaText::Split(QStringLiteral("\"Hello, world\",1016")),
              (QStringList{QStringLiteral("Hello, world"), QStringLiteral("1016")}));
    EXPECT_EQ(CommaText::Split(QStringLiteral("\"Say \"\"hi\"\"\"")), QStringList{QStringLiteral("Say \"hi\"")});
    EXPECT_EQ(CommaText::Split(QStringLiteral(" plain , 12 ")), (QStringList{QStringLiteral("plain"), QStringLiteral("12")}));
    EXPECT_EQ(CommaText::Split(QStringLiteral("a,,b,")),
              (QStringList{QStringLiteral("a"), QString(), QStringLiteral("b"), QString()}));
    EXPECT_EQ(CommaText::Split(QStringLiteral("\"unterminated, still one")), QStringList{QStringLiteral("unterminated, still one")});
    EXPECT_TRUE(CommaText::Split(QStringLiteral("  ")).isEmpty());
    const QStringList fields{QStringLiteral("x, \"y\""), QString(), QStringLiteral(" pad"), QStringLiteral("7")};
    EXPECT_EQ(CommaText::Split(CommaText::Join(fields)), fields);
}

TEST(TipBarTest, ShowsTipsAndEnablesTheBulbOnlyWithAHelpNumber)
{
    TTipBar bar;
    bar.SetTipFile({QStringLiteral("\"First, with help\",1016"), QStringLiteral("\"Second, without\""),
                    QStringLiteral("Third,1020")});
    QToolButton* bulb = Bulb(bar);
    ASSERT_NE(bulb, nullptr);
    EXPECT_EQ(bar.CurrentText(), u"First, with help");
    EXPECT_TRUE(bulb->isEnabled());

    bar.NextTip();
    EXPECT_EQ(bar.CurrentText(), u"Second, without");
    EXPECT_EQ(bar.CurrentHelpContext(), -1);
    EXPECT_FALSE(bulb->isEnabled());

    bar.NextTip();
    EXPECT_EQ(bar.CurrentHelpContext(), 1020);
    EXPECT_TRUE(bulb->isEnabled());
    bar.NextTip();
    EXPECT_EQ(bar.Position(), 2) << "paging stops at the last tip";
    bar.ShowTip(-5);
    EXPECT_EQ(bar.Position(), 0);
    bar.PreviousTip();
    EXPECT_EQ(bar.Position(), 0);
}

TEST(TipBarTest, BulbAsksForTheCurrentTipsHelp)
{
    TTipBar bar;
    bar.SetTipFile({QStringLiteral("\"A\",1016"), QStringLiteral("\"B\",1032")});
    QSignalSpy help(&bar, &TTipBar::HelpRequested);
    bar.NextTip();
    Bulb(bar)->click();
    ASSERT_EQ(help.count(), 1);
    EXPECT_EQ(help.at(0).at(0).toInt(), 1032);
}

TEST(TipBarTest, RandomTipIsNeverTheLastAndOneTipAlwaysShows)
{
    TTipBar bar;
    bar.SetTipFile({QStringLiteral("only")});
    bar.ShowRandomTip();
    EXPECT_EQ(bar.CurrentText(), u"only");

    bar.SetTipFile({QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")});
    QSet<int> shown;
    for (int i = 0; i < 200; ++i) {
        bar.ShowRandomTip();
        shown.insert(bar.Position());
    }
    EXPECT_EQ(shown, (QSet<int>{0, 1}));

    bar.SetTipFile({});
    bar.ShowRandomTip();
    EXPECT_EQ(bar.CurrentText(), QString());
    EXPECT_FALSE(Bulb(bar)->isEnabled());
}

TEST(TipBarTest, ProgramTipsAreFortyEightWithHelpTopics)
{
    const QStringList tips = TTipBar::DefaultTips();
    ASSERT_EQ(tips.size(), 48);
    TTipBar bar;
    bar.SetTipFile(tips);
    const QLabel* label = bar.findChild<QLabel*>();
    ASSERT_NE(label, nullptr);
    QSet<QString> texts;
    for (int i = 0; i < bar.TipCount(); ++i) {
        bar.ShowTip(i);
        EXPECT_FALSE(bar.CurrentText().isEmpty()) << i;
        const QRect room = label->contentsRect().adjusted(label->margin(), label->margin(), -label->margin(), -label->margin());
        const QRect needed = label->fontMetrics().boundingRect(QRect(0, 0, room.width(), 1000), Qt::TextWordWrap,
                                                               bar.CurrentText());
        EXPECT_LE(needed.height(), room.height()) << "tip " << i << " is too long for the bar";
        EXPECT_FALSE(HelpTopics::Topic(bar.CurrentHelpContext()).isEmpty()) << "tip " << i;
        texts.insert(bar.CurrentText());
    }
    EXPECT_EQ(texts.size(), 48) << "a tip is repeated";
}

} // namespace
