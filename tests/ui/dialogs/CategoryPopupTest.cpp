#include "TreeBuilder.h"

#include "platform/ProfileFile.h"
#include "ui/common/CategoryNames.h"
#include "ui/dialogs/TCategoryPopup.h"

#include <QListWidget>
#include <QTemporaryDir>

#include <gtest/gtest.h>

TEST(CategoryNamesTest, MissingOrEmptyNamesAreUserDefined)
{
    QTemporaryDir dir;
    ProfileFile profile(dir.filePath(QStringLiteral("zvb.ini")));
    ASSERT_TRUE(profile.WriteString(QStringLiteral("Categories"), QStringLiteral("Cat1"), QStringLiteral("Family")));
    ASSERT_TRUE(profile.WriteString(QStringLiteral("Categories"), QStringLiteral("Cat2"), QString()));
    ASSERT_TRUE(profile.WriteString(QStringLiteral("Categories"), QStringLiteral("cat32"), QStringLiteral("Last")));
    const QStringList names = CategoryNames::Read(profile);
    ASSERT_EQ(names.size(), 32);
    EXPECT_EQ(names.at(0), QStringLiteral("Family"));
    EXPECT_EQ(names.at(1), QStringLiteral("User Defined 2"));
    EXPECT_EQ(names.at(30), QStringLiteral("User Defined 31"));
    EXPECT_EQ(names.at(31), QStringLiteral("Last"));
}

TEST(CategoryPopupTest, TheCheckedEntriesBecomeTheCategoriesOnClosingTheThirtySecondIncluded)
{
    TItemTree tree;
    TZVBObject* item = AddLeaf(tree.CreateRoot(), 6, QStringLiteral("Phone"));
    item->SetCategories(0x80000001U);
    QStringList names;
    for (int n = 1; n <= 32; ++n)
        names << CategoryNames::DefaultName(n);
    TCategoryPopup popup(*item, names);
    EXPECT_EQ(popup.windowTitle(), QStringLiteral("Select Categories"));
    EXPECT_TRUE(popup.windowFlags() & Qt::Tool);
    ASSERT_EQ(popup.List()->count(), 32);
    EXPECT_EQ(popup.List()->item(31)->checkState(), Qt::Checked);
    EXPECT_EQ(popup.List()->item(0)->checkState(), Qt::Checked);
    EXPECT_EQ(popup.List()->item(1)->checkState(), Qt::Unchecked);

    popup.open();
    popup.List()->item(0)->setCheckState(Qt::Unchecked);
    popup.List()->item(4)->setCheckState(Qt::Checked);
    EXPECT_EQ(item->Categories(), 0x80000001U); // nothing changes before closing
    popup.close();
    EXPECT_EQ(item->Categories(), 0x80000010U);
}

TEST(CategoryPopupTest, EntriesMissingFromTheNamesAreSkippedAndCleared)
{
    TItemTree tree;
    TZVBObject* item = AddLeaf(tree.CreateRoot(), 6, QStringLiteral("Phone"));
    item->SetCategories(0xFFFFFFFFU);
    TCategoryPopup popup(*item, {QStringLiteral("A"), QStringLiteral("B")});
    EXPECT_EQ(popup.List()->count(), 2);
    popup.open();
    popup.reject();
    EXPECT_EQ(item->Categories(), 3U);
}
