#include "TreeBuilder.h"

#include "model/Database.h"
#include "model/EMailObject.h"
#include "ui/commands/ItemCommands.h"
#include "ui/panes/FindController.h"
#include "ui/panes/FolderTreeModel.h"
#include "ui/panes/ItemListModel.h"
#include "ui/panes/ItemListPane.h"
#include "ui/panes/ItemPopupMenu.h"
#include "ui/shell/MainWindowHost.h"
#include "ui/shell/TMainForm.h"
#include "ui/shell/TTipBar.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QScreen>
#include <QSplitter>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QTreeView>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

// What a first-time user does with the main window: the commands on the
// default view, the menus, the bars, the status texts and the hand-overs.
namespace {
class MainFormUseTest : public ::testing::Test
{
protected:
    MainFormUseTest()
    {
        QDir::setCurrent(dir.path());
        qputenv("ZENDRIVO_HOME", dir.path().toUtf8());
        form = std::make_unique<TMainForm>();
        root = form->Tree().Root();
        form->Commands().SetQuestion([this](const QString& caption, const QString& text) {
            questions.append(caption + u": " + text);
            return true;
        });
    }
    ~MainFormUseTest() override
    {
        form.reset();
        qunsetenv("ZENDRIVO_HOME");
        QDir::setCurrent(QDir::tempPath());
    }

    // Clicks a row in the view of the current style, as the mouse would.
    void ClickRow(const TZVBObject* item)
    {
        QAbstractItemView* view = form->MainItems()->CurrentView();
        const QModelIndex index = form->ListModel()->index(form->ListModel()->RowOf(item), 0);
        view->scrollTo(index);
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(index).center());
        QFocusEvent focus(QEvent::FocusIn);
        QApplication::sendEvent(view, &focus);
    }

    QStringList Titles(const QMenu* menu) const
    {
        QStringList titles;
        for (const QAction* action : menu->actions()) {
            if (!action->isSeparator() && action->isVisible())
                titles.append(action->text());
        }
        return titles;
    }

    // Answers the next modal message box, remembering its text.
    void CloseNextMessage()
    {
        QTimer::singleShot(0, [this] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                messages.append(box->text());
                messageFormats.append(box->textFormat());
                box->reject();
            }
        });
    }

    QTemporaryDir dir;
    std::unique_ptr<TMainForm> form;
    TTreeNode* root = nullptr;
    QStringList questions;
    QStringList messages;
    QList<Qt::TextFormat> messageFormats;
};
} // namespace

TEST_F(MainFormUseTest, CommandsActOnRowsPickedInEveryView)
{
    TTreeNode* person = AddContainer(root, 3, u"Jane"_s);
    form->resize(800, 600);
    form->show();
    const ListView::ViewStyle styles[] = {ListView::vsIcon, ListView::vsSmallIcon, ListView::vsList, ListView::vsReport};
    for (ListView::ViewStyle style : styles) {
        TZVBObject* phone = AddLeaf(person, 6, u"Office"_s, u"555 0100"_s);
        form->SelectNode(person);
        form->MainItems()->SetViewStyle(style);
        ClickRow(phone);
        EXPECT_EQ(form->MainItems()->SelectedItem(), phone) << style;
        EXPECT_EQ(form->MainItems()->SelectedItems(), QList<TZVBObject*>{phone}) << style;
        EXPECT_EQ(form->Commands().DeleteDescription(), u"Office"_s) << style;
        form->Commands().Delete(true);
        EXPECT_TRUE(person->Item()->Contents().empty()) << style;
    }
    EXPECT_EQ(questions.size(), 4);
}

TEST_F(MainFormUseTest, TheDeleteKeyAsksAsShiftDelDoes)
{
    TTreeNode* person = AddContainer(root, 3, u"Jane"_s);
    TZVBObject* phone = AddLeaf(person, 6, u"Office"_s);
    form->show();
    form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    form->SelectNode(person);
    ClickRow(phone);
    QTest::keyClick(form->MainItems()->CurrentView(), Qt::Key_Delete);
    EXPECT_EQ(questions, QStringList{u"Warning: Are you sure you want to delete Office and all sub-items?"_s});
    EXPECT_TRUE(person->Item()->Contents().empty());
    // In the find box the key stays a text key.
    form->Find().FindEditBox()->setText(u"abc"_s);
    form->Find().FindEditBox()->setFocus();
    form->Find().FindEditBox()->setCursorPosition(0);
    QTest::keyClick(form->Find().FindEditBox(), Qt::Key_Delete);
    EXPECT_EQ(form->Find().FindEditBox()->text(), u"bc"_s);
    EXPECT_EQ(questions.size(), 1);
}

TEST_F(MainFormUseTest, OnlyADoubleClickOrEnterRunsTheDefaultAction)
{
    TTreeNode* a = AddContainer(root, 0, u"A"_s);
    form->show();
    form->SelectNode(root);
    QAbstractItemView* view = form->MainItems()->CurrentView();
    const QModelIndex index = form->ListModel()->index(form->ListModel()->RowOf(a->Item()), 0);
    // Desktops that open on one click send `activated` for a single click.
    Q_EMIT view->activated(index);
    EXPECT_EQ(form->SelectedNode(), root);
    Q_EMIT view->doubleClicked(index);
    EXPECT_EQ(form->SelectedNode(), a);
    form->SelectNode(root);
    ClickRow(a->Item());
    QTest::keyClick(view, Qt::Key_Return);
    EXPECT_EQ(form->SelectedNode(), a);
}

TEST_F(MainFormUseTest, MenusFollowTheirOrderAndNameEachCommandOnce)
{
    const QMenu* edit = form->findChild<QMenu*>(u"EditMenu"_s);
    ASSERT_NE(edit, nullptr);
    EXPECT_EQ(Titles(edit), (QStringList{u"Cu&t"_s, u"&Copy"_s, u"&Paste"_s, u"&Delete"_s, u"&Select All"_s, u"&Find"_s}));

    const QMenu* popup = form->findChild<QMenu*>(u"ListPopup"_s);
    ASSERT_NE(popup, nullptr);
    int renames = Titles(popup).count(u"&Rename"_s);
    for (const QAction* action : popup->actions()) {
        if (action->menu())
            renames += Titles(action->menu()).count(u"&Rename"_s);
    }
    EXPECT_EQ(renames, 1);
    EXPECT_TRUE(Titles(form->findChild<QMenu*>(u"ListPaneEdit"_s)).contains(u"&Rename"_s));
}

TEST_F(MainFormUseTest, TheTreesEmptyAreaPopsUpTheMenuOfTheSelectedNode)
{
    TTreeNode* a = AddContainer(root, 3, u"Jane"_s);
    form->resize(800, 600);
    form->show();
    form->SelectNode(a);
    QTreeView* tree = form->Folders();
    const QPoint empty(5, tree->viewport()->height() - 5);
    ASSERT_FALSE(tree->indexAt(empty).isValid());
    Q_EMIT tree->customContextMenuRequested(empty);
    auto* popup = form->findChild<ItemPopupMenu*>(u"ListPopup"_s);
    EXPECT_TRUE(popup->isVisible());
    EXPECT_EQ(form->SelectedNode(), a);
    popup->hide();
}

TEST_F(MainFormUseTest, StatusTextsShowUserTextAsWrittenAndFollowARename)
{
    TTreeNode* folder = AddContainer(root, 0, u"<b>Bold</b>"_s);
    form->SelectNode(folder);
    auto* panel = form->findChild<QLabel*>(u"StatusPanel2"_s);
    ASSERT_NE(panel, nullptr);
    EXPECT_EQ(panel->textFormat(), Qt::PlainText);
    EXPECT_EQ(panel->text(), u"<b>Bold</b>"_s);

    QString tip;
    QObject::connect(form.get(), &TMainForm::ToolTipPathChanged, [&tip](const QString& t) { tip = t; });
    FolderTreeModel* tree = form->FolderModel();
    ASSERT_TRUE(tree->setData(tree->IndexOf(folder), u"Plain"_s));
    EXPECT_EQ(form->StatusText(2), u"Plain"_s);
    EXPECT_EQ(tip, u"[My Contacts/Plain]"_s);

    // The delete question names the title without reading it as markup.
    form->Commands().SetQuestion({});
    CloseNextMessage();
    form->Commands().Delete(true);
    ASSERT_EQ(messages.size(), 1);
    EXPECT_EQ(messageFormats.first(), Qt::PlainText);
    EXPECT_EQ(form->SelectedNode(), folder); // the box was cancelled
}

TEST_F(MainFormUseTest, TheTipBarHasItsRoomAtTheFirstStartSize)
{
    form->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    auto* label = form->TipBar()->findChild<QLabel*>();
    ASSERT_NE(label, nullptr);
    EXPECT_TRUE(label->isVisible());
    EXPECT_GE(label->width(), 325);
    const auto* more = form->TipBar()->findChild<QToolButton*>(u"qt_toolbar_ext_button"_s);
    EXPECT_TRUE(!more || !more->isVisible());
}

TEST_F(MainFormUseTest, AFirstStartFillsTwoThirdsOfTheScreenCentred)
{
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    const QSize expected = (screen.size() * 2 / 3).expandedTo(form->minimumSize()).boundedTo(screen.size());
    EXPECT_EQ(form->size(), expected);
    EXPECT_LE(std::abs(form->geometry().center().x() - screen.center().x()), 1);
    EXPECT_GE(form->minimumWidth(), 500);
    EXPECT_GE(form->minimumHeight(), 350);
}

TEST_F(MainFormUseTest, EveryToolbarButtonHasAnIconAndATip)
{
    for (const char16_t* name : {u"SpeedBar", u"NewBar", u"FindBar"}) {
        const auto* bar = form->findChild<QToolBar*>(QString::fromUtf16(name));
        ASSERT_NE(bar, nullptr);
        for (QToolButton* button : bar->findChildren<QToolButton*>(Qt::FindDirectChildrenOnly)) {
            if (button->objectName() == u"qt_toolbar_ext_button")
                continue;
            const QString id = QString::fromUtf16(name) + u'/' + button->text();
            EXPECT_FALSE(button->icon().isNull()) << id.toStdString();
            EXPECT_FALSE(button->toolTip().isEmpty()) << id.toStdString();
        }
    }
}

TEST_F(MainFormUseTest, TheFindBarFallsBackToNumbersAndSaysWhenNothingMatches)
{
    TTreeNode* person = AddContainer(root, 3, u"Jane"_s);
    TZVBObject* phone = AddLeaf(person, 6, u"Office"_s, u"(351) 123-4567"_s);
    form->show();
    EXPECT_TRUE(form->Find().FindFromBar(u"351 1234567"_s));
    EXPECT_EQ(form->MainItems()->SelectedItem(), phone);
    EXPECT_TRUE(form->StatusText(0).isEmpty());
    form->SelectNode(root);
    EXPECT_FALSE(form->Find().FindFromBar(u"Nobody"_s));
    EXPECT_EQ(form->StatusText(0), u"\"Nobody\" not found"_s);
    EXPECT_FALSE(FindController::LooksLikeNumber(u"Room 12"_s));
    EXPECT_TRUE(FindController::LooksLikeNumber(u"+49 351"_s));
}

TEST_F(MainFormUseTest, ASaveAskedForByTheSessionDoesNotStopTheSaveAtExit)
{
    form->SaveForSession();
    AddContainer(root, 0, u"Added after the cancelled logout"_s);
    form->SaveAtExit();
    QFile saved(dir.filePath(u"zivo.dat"_s));
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    EXPECT_TRUE(saved.readAll().contains("Added after the cancelled logout"));
}

TEST_F(MainFormUseTest, AMissingMailProgramIsNamed)
{
    // Dialing goes through the modem's dialer; mail through the desktop's handler.
    QStringList asked;
    form->Host().SetHandlerQuery([&asked](const QString& scheme) {
        asked.append(scheme);
        return QString();
    });
    TTreeNode* person = AddContainer(root, 3, u"Jane"_s);
    auto* mail = static_cast<TEMailObject*>(AddLeaf(person, 7, u"Mail"_s, u"jane@example.org"_s));
    CloseNextMessage();
    form->Host().SendMail(*mail, QString());
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages[0].contains(u"mailto:"));
    EXPECT_TRUE(messages[0].contains(u"Options"));
    EXPECT_EQ(asked, QStringList{u"mailto"_s});
}

TEST_F(MainFormUseTest, TheHelpDescribesOnlyCommandsTheMenusHave)
{
    QStringList menuTexts;
    for (const QAction* action : form->menuBar()->actions()) {
        for (const QAction* item : action->menu()->actions())
            menuTexts.append(item->text().remove(u'&').remove(u"..."_s));
    }
    QDirIterator pages(u":/help"_s);
    int read = 0;
    while (pages.hasNext()) {
        QFile page(pages.next());
        ASSERT_TRUE(page.open(QIODevice::ReadOnly));
        const QString text = QString::fromUtf8(page.readAll());
        ++read;
        for (const QString& command : {u"Import"_s, u"Publish"_s}) {
            if (text.contains(u"File, " + command)) {
                EXPECT_TRUE(menuTexts.contains(command)) << page.fileName().toStdString() << " names File, "
                                                         << command.toStdString();
            }
        }
    }
    EXPECT_GT(read, 5);
}

TEST(MainFormLayout, TheTreeWidthComesBackAfterARestart)
{
    QTemporaryDir dir;
    QDir::setCurrent(dir.path());
    qputenv("ZENDRIVO_HOME", dir.path().toUtf8());
    {
        TMainForm form;
        form.resize(900, 600);
        form.show();
        auto* splitter = form.findChild<QSplitter*>(u"WinSplitterPanel"_s);
        splitter->setSizes({310, 590});
        form.SaveAtExit();
    }
    {
        TMainForm form;
        form.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
        EXPECT_EQ(form.findChild<QSplitter*>(u"WinSplitterPanel"_s)->sizes().value(0), 310);
    }
    qunsetenv("ZENDRIVO_HOME");
    QDir::setCurrent(QDir::tempPath());
}
