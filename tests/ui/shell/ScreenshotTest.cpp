// Pictures of the main window for a person to look at: run with
// ZENDRIVO_SCREENSHOTS=DIR (under xvfb-run for a real window system).
#include "TreeBuilder.h"

#include "ui/panes/FilterController.h"
#include "ui/panes/ItemListModel.h"
#include "ui/panes/ItemListPane.h"
#include "ui/panes/ItemPopupMenu.h"
#include "ui/shell/TMainForm.h"

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeView>

#include <gtest/gtest.h>

namespace {
void FillSample(TTreeNode* root)
{
    TTreeNode* business = AddContainer(root, 0, QStringLiteral("Business"));
    TTreeNode* acme = AddContainer(business, 1, QStringLiteral("Acme Corporation"));
    AddLeaf(acme, 5, QStringLiteral("Headquarters"), QStringLiteral("1 Industrial Way"),
            QStringLiteral("{Addr}1 Industrial Way~~~~~~Metropolis~~NY~~10001~~USA~~0"));
    AddLeaf(acme, 6, QStringLiteral("Switchboard"), QStringLiteral("(555)010-0000"), {}, QStringLiteral("weekdays 9-5"));
    AddLeaf(acme, 8, QStringLiteral("Fax"), QStringLiteral("(555)010-0001"));
    AddContainer(acme, 4, QStringLiteral("Acme on the web"), QStringLiteral("http://acme.example"));
    TTreeNode* sales = AddContainer(acme, 2, QStringLiteral("Sales team"));
    for (const char* name : {"Jane Miller", "Omar Haddad", "Li Wei", "Sofia Rossi"}) {
        TTreeNode* p = AddContainer(sales, 3, QString::fromLatin1(name));
        AddLeaf(p, 6, QStringLiteral("Office"), QStringLiteral("(555)123-4567"), QStringLiteral("{Phon}12~~0"));
        AddLeaf(p, 7, QStringLiteral("Work mail"), QStringLiteral("%1@acme.example").arg(QString::fromLatin1(name).section(u' ', 0, 0).toLower()));
    }
    TTreeNode* friends = AddContainer(root, 0, QStringLiteral("Friends"));
    for (const char* name : {"Anna Berg", "Carlos Diaz", "Ewa Nowak", "Frank Osei", "Grace Kim", "Hiro Tanaka",
                             "Ines Costa", "Jonas Weber"}) {
        TTreeNode* p = AddContainer(friends, 3, QString::fromLatin1(name));
        AddLeaf(p, 5, QStringLiteral("Home"), QStringLiteral("12 Elm Street"),
                QStringLiteral("{Addr}12 Elm Street~~~~~~Springfield~~IL~~62701~~USA~~0"));
        AddLeaf(p, 6, QStringLiteral("Cell"), QStringLiteral("(555)987-6543"));
        AddLeaf(p, 9, QStringLiteral("Birthday"), QStringLiteral("3/15/27"), QStringLiteral("{Remd}2027,3,15,2~~0"));
    }
    AddLeaf(friends, 9, QStringLiteral("Reunion"), QStringLiteral("1/10/26"), QStringLiteral("{Remd}2026,1,10,0~~0"));
    AddContainer(root, 0, QStringLiteral("Shared directory"), QStringLiteral("/srv/shared/contacts.zvd"));
    AddContainer(root, 4, QStringLiteral("Bookmarks"), QStringLiteral("http://example.org"));
    AddLeaf(root, 10, QStringLiteral("Contract.odt"), QStringLiteral("/home/user/Contract.odt"));
    AddLeaf(root, 12, QStringLiteral("Map of Springfield"), QStringLiteral("Springfield"), QStringLiteral("{Tool}/usr/bin/maps~~--city~~0"));
    AddLeaf(root, 6, QStringLiteral("Pizza"), QStringLiteral("(555)222-3333"));
}
} // namespace

TEST(Screenshots, MainWindowInEachView)
{
    const QString out = qEnvironmentVariable("ZENDRIVO_SCREENSHOTS");
    if (out.isEmpty())
        GTEST_SKIP() << "set ZENDRIVO_SCREENSHOTS to a directory to take pictures";
    QTemporaryDir dir;
    QDir::setCurrent(dir.path());
    qputenv("ZENDRIVO_HOME", dir.path().toUtf8());
    TMainForm form;
    FillSample(form.Tree().Root());
    form.resize(900, 600);
    form.show();
    form.Folders()->expandAll();
    form.SelectNode(form.Tree().FindPath(QStringLiteral("My Contacts/Business/Acme Corporation")));
    const struct { ListView::ViewStyle style; const char* name; } views[] = {
        {ListView::vsIcon, "large-icons"}, {ListView::vsSmallIcon, "small-icons"},
        {ListView::vsList, "list"}, {ListView::vsReport, "details"}};
    for (const auto& v : views) {
        form.MainItems()->SetViewStyle(v.style);
        QTest::qWait(300);
        form.grab().save(out + QStringLiteral("/main-%1.png").arg(QString::fromLatin1(v.name)));
    }
    form.SelectNode(form.Tree().FindPath(QStringLiteral("My Contacts/Friends")));
    QTest::qWait(300);
    form.grab().save(out + QStringLiteral("/main-friends.png"));
    form.Filters().AnyButton()->setChecked(true);
    form.Filters().SetChecked(2, true);
    QTest::qWait(300);
    form.grab().save(out + QStringLiteral("/main-filter.png"));
    form.Filters().AnyButton()->setChecked(false);
    QDir::setCurrent(QDir::tempPath());
}

TEST(Screenshots, FirstStartAndEachViewWithARowsMenu)
{
    const QString out = qEnvironmentVariable("ZENDRIVO_SCREENSHOTS");
    if (out.isEmpty())
        GTEST_SKIP() << "set ZENDRIVO_SCREENSHOTS to a directory to take pictures";
    QTemporaryDir dir;
    QDir::setCurrent(dir.path());
    qputenv("ZENDRIVO_HOME", dir.path().toUtf8());
    TMainForm form;
    FillSample(form.Tree().Root());
    // The size and place a first start chooses, as the user sees it.
    form.show();
    form.Folders()->expandAll();
    QTest::qWait(300);
    QScreen* screen = QGuiApplication::primaryScreen();
    screen->grabWindow(0).save(out + QStringLiteral("/first-start.png"));
    form.SelectNode(form.Tree().FindPath(QStringLiteral("My Contacts/Business/Acme Corporation")));
    const struct { ListView::ViewStyle style; const char* name; } views[] = {
        {ListView::vsIcon, "large-icons"}, {ListView::vsSmallIcon, "small-icons"},
        {ListView::vsList, "list"}, {ListView::vsReport, "details"}};
    auto* popup = form.findChild<ItemPopupMenu*>(QStringLiteral("ListPopup"));
    for (const auto& v : views) {
        form.MainItems()->SetViewStyle(v.style);
        QAbstractItemView* view = form.MainItems()->CurrentView();
        const QModelIndex phone = form.ListModel()->index(form.ListModel()->RowOf(
            form.Tree().FindPath(QStringLiteral("My Contacts/Business/Acme Corporation"))->Item()->Contents()[1]->Item()), 0);
        QTest::qWait(200);
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(phone).center());
        QTest::qWait(100);
        Q_EMIT view->customContextMenuRequested(view->visualRect(phone).center());
        QTest::qWait(300);
        screen->grabWindow(0).save(out + QStringLiteral("/menu-%1.png").arg(QString::fromLatin1(v.name)));
        popup->hide();
    }
    QDir::setCurrent(QDir::tempPath());
}
