// File "Print..." of the main window opens "Print Reports" on the current
// item, with its address as the envelope's delivery address.
#include "TreeBuilder.h"

#include "ui/panes/ItemListPane.h"
#include "ui/shell/TMainForm.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

// Runs the action, reads the modal dialog it opens, and closes it.
QStringList OpenAndRead(QAction* action)
{
    QStringList seen;
    QTimer::singleShot(0, [&seen] {
        QWidget* dialog = QApplication::activeModalWidget();
        if (!dialog)
            return;
        seen.append(dialog->objectName());
        if (auto* node = dialog->findChild<QLineEdit*>(QStringLiteral("NodeId")))
            seen.append(node->text());
        if (auto* delivery = dialog->findChild<QPlainTextEdit*>(QStringLiteral("Delivery")))
            seen.append(delivery->toPlainText());
        dialog->close();
    });
    action->trigger();
    return seen;
}

TEST(PrintCommandTest, FileMenuOpensPrintReportsOnTheCurrentItem)
{
    QTemporaryDir dir;
    QDir::setCurrent(dir.path());
    {
        TMainForm form;
        TTreeNode* friends = AddContainer(form.Tree().Root(), 0, QStringLiteral("Friends"));
        TTreeNode* anna = AddContainer(friends, 3, QStringLiteral("Anna Berg"), QStringLiteral("Anna Berg"),
                                       QStringLiteral("{Pers}~~Anna~~~~Berg~~Home~~~~~~~~~~0"));
        AddLeaf(anna, 5, QStringLiteral("Home"), QString(),
                QStringLiteral("{Addr}12 Elm Street~~~~~~Springfield~~IL~~62701~~USA~~0"));
        QMenu* file = form.menuBar()->findChild<QMenu*>(QStringLiteral("FileMenu"));
        ASSERT_NE(file, nullptr);
        QAction* print = nullptr;
        QAction* setup = nullptr;
        for (QAction* action : file->actions()) {
            if (action->objectName() == u"Print1")
                print = action;
            if (action->objectName() == u"PrinterSetup1")
                setup = action;
        }
        ASSERT_NE(print, nullptr);
        ASSERT_NE(setup, nullptr);
        EXPECT_EQ(print->text(), QStringLiteral("&Print..."));
        EXPECT_EQ(setup->text(), QStringLiteral("P&rinter Setup..."));

        form.SelectNode(anna);
        EXPECT_EQ(OpenAndRead(print),
                  (QStringList{QStringLiteral("TReportForm"), QStringLiteral("My Contacts/Friends/Anna Berg"),
                               QStringLiteral("Anna Berg\n12 Elm Street\nSpringfield, IL\n62701 USA")}));
        // A folder has no address to hand over.
        form.SelectNode(friends);
        EXPECT_EQ(OpenAndRead(print),
                  (QStringList{QStringLiteral("TReportForm"), QStringLiteral("My Contacts/Friends"), QString()}));
    }
    QDir::setCurrent(QDir::tempPath());
}

} // namespace
