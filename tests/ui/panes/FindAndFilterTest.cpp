#include "TreeBuilder.h"

#include "ui/panes/FilterController.h"
#include "ui/panes/FindController.h"
#include "ui/panes/ItemListModel.h"
#include "ui/panes/ItemListPane.h"
#include "ui/shell/TMainForm.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QLineEdit>
#include <QListWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <QTreeView>

#include <gtest/gtest.h>

namespace {
class FindAndFilterTest : public ::testing::Test
{
protected:
    FindAndFilterTest()
    {
        QDir::setCurrent(dir.path());
        qputenv("ZENDRIVO_HOME", dir.path().toUtf8());
        form = std::make_unique<TMainForm>();
        root = form->Tree().Root();
    }
    ~FindAndFilterTest() override
    {
        form.reset();
        qunsetenv("ZENDRIVO_HOME");
        QDir::setCurrent(QDir::tempPath());
    }
    QStringList Rows() const
    {
        QStringList titles;
        for (int row = 0; row < form->ListModel()->rowCount(); ++row)
            titles.append(form->ListModel()->ItemAt(row)->Title());
        return titles;
    }

    QTemporaryDir dir;
    std::unique_ptr<TMainForm> form;
    TTreeNode* root = nullptr;
};
} // namespace

TEST_F(FindAndFilterTest, TheFilterListTakesTheTreesPlaceAndNarrowsTheRows)
{
    form->resize(800, 500);
    form->show();
    TZVBObject* tagged = AddLeaf(root, 6, QStringLiteral("Tagged 32"));
    tagged->SetCategories(1U << 31);
    AddLeaf(root, 6, QStringLiteral("Plain"));
    form->SelectNode(root);
    FilterController& filters = form->Filters();
    EXPECT_EQ(filters.Names().size(), 32);
    EXPECT_EQ(filters.Names().at(6), QStringLiteral("User Defined 7"));

    const int treeWidth = form->Folders()->width();
    filters.AnyButton()->setChecked(true);
    QCoreApplication::processEvents();
    EXPECT_TRUE(filters.FilterListBox()->isVisible());
    EXPECT_FALSE(form->Folders()->isVisible());
    EXPECT_EQ(filters.FilterListBox()->width(), treeWidth);
    EXPECT_EQ(Rows().size(), 2); // nothing checked: everything shows
    filters.SetChecked(32, true);
    EXPECT_EQ(Rows(), QStringList{QStringLiteral("Tagged 32")});
    // The other button takes over; at most one is down.
    filters.AllButton()->setChecked(true);
    EXPECT_FALSE(filters.AnyButton()->isChecked());
    EXPECT_EQ(Rows(), QStringList{QStringLiteral("Tagged 32")});
    filters.AllButton()->setChecked(false);
    EXPECT_FALSE(filters.FilterListBox()->isVisible());
    EXPECT_TRUE(form->Folders()->isVisible());
    EXPECT_EQ(Rows().size(), 2);
}

TEST_F(FindAndFilterTest, FindSelectsTheMatchAndF3MovesOn)
{
    TTreeNode* people = AddContainer(root, 0, QStringLiteral("People"));
    TTreeNode* john = AddContainer(people, 3, QStringLiteral("John Smith"));
    TTreeNode* office = AddContainer(root, 0, QStringLiteral("Office"));
    TZVBObject* phone = AddLeaf(office, 6, QStringLiteral("Smith hotline"));
    FindController& find = form->Find();
    // Typing starts the one-second timer; F3 searches at once.
    find.FindEditBox()->setText(QStringLiteral("sm"));
    EXPECT_TRUE(find.SearchTime()->isActive());
    find.FindAction()->trigger();
    EXPECT_EQ(form->SelectedNode(), people);
    EXPECT_EQ(form->MainItems()->SelectedItem(), john->Item());
    find.FindAction()->trigger();
    EXPECT_EQ(form->SelectedNode(), office);
    EXPECT_EQ(form->MainItems()->SelectedItem(), phone);
    find.FindAction()->trigger();
    EXPECT_EQ(form->SelectedNode(), people); // wrapped
    EXPECT_FALSE(find.Locate(QStringLiteral("nobody")));
}
