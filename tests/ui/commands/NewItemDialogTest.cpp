// The New commands end to end: the main window's command, the item's
// EditNew, the real dialog, and the item left in the tree.
#include "model/TreeNode.h"
#include "model/TreeOps.h"
#include "model/ZVBObject.h"
#include "ui/commands/ItemCommands.h"
#include "ui/shell/TMainForm.h"

#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>

namespace {
// Runs the action on the modal dialog once it shows.
void OnDialog(std::function<void(QDialog&)> action)
{
    QTimer::singleShot(0, [action] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        action(*dialog);
    });
}

class NewItemDialogTest : public ::testing::Test
{
protected:
    NewItemDialogTest() { QDir::setCurrent(dir.path()); }
    ~NewItemDialogTest() override
    {
        form.reset();
        QDir::setCurrent(QDir::tempPath());
    }
    QTemporaryDir dir;
    std::unique_ptr<TMainForm> form = std::make_unique<TMainForm>();
};
} // namespace

TEST_F(NewItemDialogTest, ANewPhoneTakesWhatTheDialogSaysAndCancelLeavesNothing)
{
    TTreeNode* root = form->Tree().Root();
    form->SelectNode(root);
    OnDialog([](QDialog& dialog) {
        dialog.findChild<QLineEdit*>(QStringLiteral("PhoneTitle"))->setText(QStringLiteral("Office"));
        dialog.findChild<QLineEdit*>(QStringLiteral("PhoneNum"))->setText(QStringLiteral("555 0100"));
        dialog.accept();
    });
    TZVBObject* phone = form->Commands().NewItem(6);
    ASSERT_NE(phone, nullptr);
    EXPECT_EQ(phone->Title(), QStringLiteral("Office"));
    EXPECT_EQ(phone->Value(), QStringLiteral("555 0100"));
    EXPECT_EQ(ContentCount(root->Item()), 1);

    OnDialog([](QDialog& dialog) { dialog.reject(); });
    EXPECT_EQ(form->Commands().NewItem(3), nullptr);
    EXPECT_EQ(root->ChildCount(), 0);
}

TEST_F(NewItemDialogTest, ANewPersonFromItsDialogGetsItsPrimaryPhone)
{
    form->SelectNode(form->Tree().Root());
    OnDialog([](QDialog& dialog) {
        auto* title = dialog.findChild<QLineEdit*>(QStringLiteral("Title"));
        ASSERT_NE(title, nullptr);
        title->setText(QStringLiteral("Jane Miller"));
        dialog.findChild<QLineEdit*>(QStringLiteral("PhoneNum"))->setText(QStringLiteral("555 0199"));
        dialog.accept();
    });
    TZVBObject* person = form->Commands().NewItem(3);
    ASSERT_NE(person, nullptr);
    EXPECT_EQ(person->Title(), QStringLiteral("Jane Miller"));
    ItemRef* phone = FindChild(person, QStringLiteral("Primary Phone"), 6);
    ASSERT_NE(phone, nullptr);
    EXPECT_EQ(phone->Item()->Value(), QStringLiteral("555 0199"));
}
