#include "ui/shell/TMainForm.h"
#include "ui/sync/SyncController.h"

#include "model/Database.h"
#include "model/Exceptions.h"
#include "model/FolderObject.h"
#include "model/TreeNode.h"
#include "model/ZVBObject.h"
#include "ui/common/AppInfo.h"
#include "ui/common/CommandIcons.h"
#include "ui/common/PlainMessage.h"
#include "ui/commands/DropCommands.h"
#include "ui/common/CategoryNames.h"
#include "ui/panes/FilterController.h"
#include "ui/panes/FindController.h"
#include "ui/panes/FolderTreeModel.h"
#include "ui/common/ImageLists.h"
#include "ui/commands/ItemCommands.h"
#include "ui/panes/ItemIcons.h"
#include "ui/panes/ItemListModel.h"
#include "ui/panes/ItemListPane.h"
#include "ui/panes/ItemPopupMenu.h"
#include "ui/shell/MainWindowHost.h"
#include "ui/shell/AutoSaver.h"
#include "ui/shell/DesktopDatabase.h"
#include "platform/RescueFile.h"
#include "comm/TBrowserDDE.h"
#include "ui/dialogs/DialogHooks.h"
#include "ui/shell/CheckedAdapter.h"
#include "ui/shell/MainWindowSettings.h"
#include "ui/shell/ShownAdapter.h"
#include "ui/help/TAboutBox.h"
#include "ui/help/THelpBrowser.h"
#include "ui/shell/TIniOut.h"
#include "ui/options/TOptionPages.h"
#include "ui/reports/ReportCommands.h"
#include "ui/telephony/TCallerIdForm.h"
#include "ui/telephony/TDialPhoneDialog.h"
#include "ui/shell/TTipBar.h"
#include "ui/options/TToolItems.h"
#include "ui/options/TToolsDlg.h"
#include "ui/options/ToolsMenu.h"
#include "ui/wizards/WizardCommands.h"
#include "ui/dialogs/TVCImportDlg.h"
#include "exchange/ExchangeFile.h"
#include "exchange/VCardImport.h"
#include "ui/shell/SplitterAdapter.h"
#include "ui/shell/WindowGeometryAdapter.h"
#include "platform/ProfileFile.h"

#include "ui/dialogs/RunItemDialog.h"

#include <QFileIconProvider>
#include <QGuiApplication>
#include <QScreen>

#include <QAction>
#include <QActionGroup>
#include <QPointer>
#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QListWidget>
#include <QSplitter>
#include <QStackedWidget>
#include <QInputDialog>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QToolBar>
#include <QToolButton>
#include <QTreeView>

#include <algorithm>

TMainForm::TMainForm(QWidget* parent) : QMainWindow(parent), m_host(std::make_unique<MainWindowHost>(*this))
{
    setObjectName(QStringLiteral("TMainForm"));
    setWindowTitle(AppInfo::ProductName());
    setWindowIcon(ImageLists::AppIcon());
    CommandIcons::ChooseTheme();
    resize(640, 480);
    // Room for the tree, a few columns of the list and the bars.
    setMinimumSize(560, 400);
    m_images = new ImageLists(this);
    m_icons = std::make_unique<ItemIcons>(*m_images);
    // Tool items ask for their tool's image when they are made, so the tools come first.
    m_tools = new TToolItems(ProfileFile::Default(), m_images, this);
    m_host->SetEditor([this](TZVBObject& item, bool isNew) { return RunItemDialog(item, isNew, this); });
    DialogHooks::SetHelpHandler([](int context) { THelpBrowser::OpenContext(context); });
    DialogHooks::SetIconProvider([images = QPointer<ImageLists>(m_images)](int index) {
        return images ? images->Icon(index) : QIcon();
    });

    // The root "My Contacts" and the database below it, before any view exists.
    TTreeNode* root = m_tree.CreateRoot();
    m_database = new DesktopDatabase(m_tree, QDir::currentPath(), this);
    connect(m_database, &DesktopDatabase::ReadOnlyChanged, this, [this](bool readOnly) {
        setWindowTitle(readOnly ? AppInfo::ProductName() + QStringLiteral(" (read-only)") : AppInfo::ProductName());
    });
    m_database->LoadAtStart();

    CreatePanes();
    m_commands = new ItemCommands(*this);
    m_commands->AddPopupActions(m_popup, m_popup->RenameAction());
    m_drops = new DropCommands(*this, *m_commands);
    m_folderModel->SetDropHandler([this](const QMimeData* data, TTreeNode* target) { return m_drops->DropOnNode(data, target); });
    m_listModel->SetDropHandler(
        [this](const QMimeData* data, const TZVBObject* target) { return m_drops->ListAccepts(data, target); },
        [this](const QMimeData* data, TZVBObject* target) { return m_drops->DropOnList(data, target); });
    CreateActions();
    CreateToolBars();
    CreateStatusBar();
    CreateMenus();

    SelectNode(root);
    m_activePane = QStringLiteral("Folders");
    CreateSettings();
    connect(&m_database->Autosave(), &AutoSaver::Failed, this, [this](const QString& message) {
        m_panels[0]->setText(message);
        RescueFile::Report(message);
    });
}

TMainForm::~TMainForm()
{
    // The database watches the tree, which is a member and goes before the children.
    delete m_database;
    m_database = nullptr;
    // The views go first: they call into the models, whose icons and
    // filters live in members that are destroyed before the children.
    delete takeCentralWidget();
}

void TMainForm::CreatePanes()
{
    m_folderModel = new FolderTreeModel(m_tree, this);
    m_listModel = new ItemListModel(m_tree, this);
    m_folderModel->SetIconProvider([this](int image, int selected, int state) { return m_icons->TreeIcon(image, selected, state); });
    m_listModel->SetIconProvider([this](int image, int state) { return m_icons->ListIcon(image, state); });
    connect(m_images, &ImageLists::ImageChanged, this, [this] { m_icons->Clear(); });

    m_folders = new QTreeView;
    m_folders->setObjectName(QStringLiteral("Folders"));
    m_folders->setModel(m_folderModel);
    m_folders->setHeaderHidden(true);
    m_folders->setIndentation(20);
    m_folders->setIconSize(QSize(ItemIcons::kTreeIconWidth, 16));
    m_folders->setUniformRowHeights(true);
    m_folders->setEditTriggers(QAbstractItemView::EditKeyPressed | QAbstractItemView::SelectedClicked);
    m_folders->setContextMenuPolicy(Qt::CustomContextMenu);
    m_folders->installEventFilter(this);
    m_folders->setDragDropMode(QAbstractItemView::DragDrop);
    m_folders->setDefaultDropAction(Qt::CopyAction);
    m_folders->setDropIndicatorShown(true);
    m_folders->expand(m_folderModel->index(0, 0));

    m_items = new ItemListPane(*m_listModel);
    connect(m_items, &ItemListPane::FocusEntered, this, [this] { m_activePane = QStringLiteral("MainItems"); });
    connect(m_items, &ItemListPane::Activated, this, [](TZVBObject* item) { item->DefaultAction(); });
    connect(m_items, &ItemListPane::ContextMenuRequested, this, &TMainForm::ShowPopupMenu);
    connect(m_listModel, &ItemListModel::Refilled, this, &TMainForm::UpdateItemCount);

    connect(m_folders->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex& current) {
                if (TTreeNode* node = FolderTreeModel::NodeAt(current))
                    RefreshListPane(node);
            });
    // A node renamed in place keeps the status bar and the tray's path current.
    connect(m_folderModel, &QAbstractItemModel::dataChanged, this, [this] {
        const TTreeNode* node = SelectedNode();
        if (m_panels[2] && node && m_panels[2]->text() != node->Item()->Title()) {
            m_panels[2]->setText(node->Item()->Title());
            Q_EMIT ToolTipPathChanged(ToolTipPath(node));
        }
    });
    connect(m_folders, &QWidget::customContextMenuRequested, this, [this](const QPoint& pos) {
        // The right button first selects the node under the mouse.
        // On the empty area the menu concerns the node already selected.
        const QModelIndex index = m_folders->indexAt(pos);
        if (index.isValid())
            m_folders->setCurrentIndex(index);
        m_activePane = QStringLiteral("Folders");
        ShowPopupMenu(m_folders->viewport()->mapToGlobal(pos));
    });

    // The tree and, while a filter is on, the category list in its place.
    m_left = new QStackedWidget;
    m_left->addWidget(m_folders);
    m_splitter = new QSplitter(Qt::Horizontal);
    m_splitter->setObjectName(QStringLiteral("WinSplitterPanel"));
    m_splitter->addWidget(m_left);
    m_splitter->addWidget(m_items);
    m_splitter->setStretchFactor(1, 1);
    m_splitter->setSizes({220, 540});
    m_splitter->setChildrenCollapsible(false);
    setCentralWidget(m_splitter);

    m_popup = new ItemPopupMenu(this);
    InstallSync();
    connect(m_popup, &ItemPopupMenu::RenameTriggered, this, [this] {
        if (m_activePane == u"MainItems")
            m_items->EditCurrent();
        else
            RenameNodeInPlace(SelectedNode());
    });
    connect(m_popup, &ItemPopupMenu::EntryTriggered, this, [this](ListMenuEntry entry) {
        TZVBObject* item = PopupItem();
        if (!item)
            return;
        try {
            switch (entry) {
            case ListMenuEntry::Open: OpenSelected(); break;
            case ListMenuEntry::SendMail: item->SendMail(QString()); break;
            case ListMenuEntry::SendFax: item->SendFax(QString()); break;
            case ListMenuEntry::Dial: item->Dial(); break;
            case ListMenuEntry::Browse: item->Browse(); break;
            case ListMenuEntry::AdvanceDate: item->AdvanceDate(); break;
            case ListMenuEntry::Launch: item->Launch(); break;
            }
        } catch (const EZendrivoError& e) {
            ShowError(e.Message());
        }
    });
}

void TMainForm::CreateActions()
{
    m_viewGroup = new QActionGroup(this);
    m_viewGroup->setExclusive(true);
    static const struct { const char16_t* caption; const char16_t* name; const char16_t* hint; ListView::ViewStyle style; } kViews[] = {
        {u"Lar&ge Icons", u"LargeIcons", u"Large Icons | Change right-hand pane to large icon view", ListView::vsIcon},
        {u"S&mall Icons", u"SmallIcons", u"Small Icons | Change right-hand pane to small icon view", ListView::vsSmallIcon},
        {u"&List", u"List", u"List | Change right-hand pane to list view", ListView::vsList},
        {u"&Details", u"Details", u"Details | Change right-hand pane to detail view", ListView::vsReport},
    };
    int tag = 1;
    for (const auto& v : kViews) {
        auto* action = new QAction(QString::fromUtf16(v.caption), m_viewGroup);
        action->setObjectName(QString::fromUtf16(v.name));
        action->setCheckable(true);
        action->setData(tag++);
        const QStringList hint = QString::fromUtf16(v.hint).split(QStringLiteral(" | "));
        action->setToolTip(hint.value(0));
        action->setStatusTip(hint.value(1));
        const ListView::ViewStyle style = v.style;
        connect(action, &QAction::triggered, this, [this, style] { m_items->SetViewStyle(style); });
    }
    m_viewGroup->actions().first()->setChecked(true);
    connect(m_items, &ItemListPane::ViewStyleChanged, this, [this](ListView::ViewStyle style) {
        m_viewGroup->actions().at(static_cast<int>(style))->setChecked(true);
    });
}

void TMainForm::CreateMenus()
{
    QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
    file->setObjectName(QStringLiteral("FileMenu"));
    file->addMenu(m_commands->FileNewMenu());
    file->addSeparator();
    QAction* save = file->addAction(QStringLiteral("&Save Database"), this, &TMainForm::SaveDatabaseCommand);
    save->setObjectName(QStringLiteral("SaveDatabase"));
    save->setStatusTip(QStringLiteral("Save all changes to the database now"));
    save->setIcon(CommandIcons::Get(QStringLiteral("document-save")));
    QAction* revert = file->addAction(QStringLiteral("R&evert to Saved"), this, &TMainForm::RevertToSavedCommand);
    revert->setObjectName(QStringLiteral("RevertToSaved"));
    revert->setStatusTip(QStringLiteral("Discard the changes made since the database was last saved"));
    WizardCommands::Install(*file, save, *this);
    file->addSeparator();
    QAction* exit = file->addAction(QStringLiteral("E&xit"), this, &TMainForm::ExitRequested);
    exit->setObjectName(QStringLiteral("Exit"));
    exit->setShortcut(QKeySequence(Qt::ALT | Qt::Key_X));
    exit->setStatusTip(QStringLiteral("Save the database and end Zendrivo"));
    ReportCommands::Install(*this, file, m_speedBar);

    QMenu* edit = menuBar()->addMenu(QStringLiteral("&Edit"));
    edit->setObjectName(QStringLiteral("EditMenu"));
    m_commands->AddEditActions(edit);
    edit->addSeparator();
    QAction* selectAll = edit->addAction(QStringLiteral("&Select All"), this, [this] { m_items->SelectAll(); });
    selectAll->setObjectName(QStringLiteral("SelectAll"));
    selectAll->setStatusTip(QStringLiteral("Select every item in the right-hand pane"));
    edit->addAction(m_find->FindAction());

    QMenu* view = menuBar()->addMenu(QStringLiteral("&View"));
    view->setObjectName(QStringLiteral("ViewMenu"));
    const struct { QToolBar* bar; const char16_t* caption; const char16_t* name; } kBars[] = {
        {m_speedBar, u"Tool&bar", u"ToolbarItem"},
        {m_newBar, u"&New Item Bar", u"NewItemBar"},
        {m_findBar, u"&Find Bar", u"FindBarItem"},
        {m_tipBar, u"T&ip Bar", u"TipBarItem"},
    };
    for (const auto& b : kBars) {
        QAction* toggle = b.bar->toggleViewAction();
        toggle->setText(QString::fromUtf16(b.caption));
        toggle->setObjectName(QString::fromUtf16(b.name));
        view->addAction(toggle);
    }
    QAction* statusItem = view->addAction(QStringLiteral("&Status Bar"));
    statusItem->setObjectName(QStringLiteral("StatusbarItem"));
    statusItem->setCheckable(true);
    statusItem->setChecked(true);
    connect(statusItem, &QAction::toggled, statusBar(), &QWidget::setVisible);
    view->addSeparator();
    view->addActions(m_viewGroup->actions());
    view->addSeparator();
    QAction* options = view->addAction(QStringLiteral("&Options..."), this, &TMainForm::ShowOptions);
    options->setObjectName(QStringLiteral("Options1"));
    options->setStatusTip(QStringLiteral("Change the browser, mail, tools and category settings"));

    QMenu* help = menuBar()->addMenu(QStringLiteral("&Help"));
    help->setObjectName(QStringLiteral("HelpMenu"));
    QAction* contents = help->addAction(QStringLiteral("&Contents"), this, [] { THelpBrowser::OpenContents(); });
    contents->setObjectName(QStringLiteral("Contents1"));
    contents->setShortcut(QKeySequence::HelpContents);
    contents->setStatusTip(QStringLiteral("Show the table of contents of the help"));
    QAction* about = help->addAction(QStringLiteral("&About..."), this, [this] { TAboutBox(this).exec(); });
    about->setObjectName(QStringLiteral("About1"));
    about->setStatusTip(QStringLiteral("Show the program's name, version and build date"));
    contents->setIcon(CommandIcons::Get(QStringLiteral("help-contents")));
    QAction* helpButton = m_speedBar->addAction(contents->icon(), QStringLiteral("Help"));
    helpButton->setObjectName(QStringLiteral("HelpBtn"));
    helpButton->setStatusTip(contents->statusTip());
    connect(helpButton, &QAction::triggered, contents, &QAction::trigger);
}

void TMainForm::CreateToolBars()
{
    const auto makeBar = [this](const char16_t* caption, const char16_t* name, int tag) {
        QToolBar* bar = addToolBar(QString::fromUtf16(caption));
        bar->setObjectName(QString::fromUtf16(name));
        bar->setProperty("Tag", tag);
        bar->setIconSize(QSize(16, 16));
        return bar;
    };
    m_speedBar = makeBar(u"Toolbar", u"SpeedBar", 0);
    m_newBar = makeBar(u"New Item Bar", u"NewBar", 1);
    addToolBarBreak();
    m_findBar = makeBar(u"Find", u"FindBar", 2);
    // "Any" and "All" share one picture: their words tell them apart.
    m_findBar->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    m_tipBar = new TTipBar(this);
    m_tipBar->setWindowTitle(QStringLiteral("Tip Bar"));
    m_tipBar->SetTipFile(TTipBar::DefaultTips());
    m_tipBar->setProperty("Tag", 3);
    // A row of its own: beside the find bar the tip would go behind the
    // overflow arrow on all but the widest windows.
    addToolBarBreak();
    addToolBar(m_tipBar);
    connect(m_tipBar, &TTipBar::HelpRequested, this, [](int context) { THelpBrowser::OpenContext(context); });

    QAction* up = m_findBar->addAction(QStringLiteral("Up"), this, &TMainForm::UpOneLevel);
    up->setObjectName(QStringLiteral("UpOneBtn"));
    up->setToolTip(QStringLiteral("Up One Level"));
    up->setStatusTip(QStringLiteral("Go to the folder that holds this one"));
    up->setIcon(CommandIcons::Get(QStringLiteral("go-up")));
    m_find = new FindController(*this, *m_findBar);
    connect(m_find, &FindController::Message, this, [this](const QString& text) { m_panels[0]->setText(text); });
    m_filters = new FilterController(*m_findBar, m_left);
    m_left->addWidget(m_filters->FilterListBox());
    m_filters->SetNames(CategoryNames::ReadDefault());
    CategoryNames::SetCurrent(m_filters->Names());
    connect(m_filters, &FilterController::FilterOnChanged, this, [this](bool on) {
        m_left->setCurrentWidget(on ? static_cast<QWidget*>(m_filters->FilterListBox()) : m_folders);
    });
    connect(m_filters, &FilterController::Changed, this, [this] { RefreshListPane(SelectedNode()); });
    m_listModel->SetFilter([this](const TZVBObject& item) { return m_filters->PassesFilter(item); });
    m_commands->FillSpeedBar(m_speedBar);
    m_speedBar->addSeparator();
    m_toolsPopup = new QMenu(QStringLiteral("&Tools"), this);
    m_toolsPopup->setObjectName(QStringLiteral("ToolsPopup"));
    QAction* showPopup = m_toolsPopup->addAction(QStringLiteral("&Show Popup"), this, &TMainForm::NewToolItemFromDialog);
    showPopup->setObjectName(QStringLiteral("ShowPopup1"));
    m_toolsPopup->addSeparator();
    ToolsMenu::Keep(*m_toolsPopup, *m_tools, 2);
    auto* toolsButton = new QToolButton(m_speedBar);
    toolsButton->setObjectName(QStringLiteral("PopupButton1"));
    toolsButton->setText(QStringLiteral("Tools"));
    toolsButton->setIcon(CommandIcons::Get(QStringLiteral("system-run")));
    toolsButton->setToolTip(QStringLiteral("Tools Menu"));
    toolsButton->setStatusTip(QStringLiteral("Start an external tool, or add a tool item to the selected node"));
    toolsButton->setMenu(m_toolsPopup);
    toolsButton->setPopupMode(QToolButton::InstantPopup);
    m_speedBar->addWidget(toolsButton);
    QAction* getUrl = m_speedBar->addAction(QIcon::fromTheme(QStringLiteral("bookmark-new"), ImageLists::AppIcon()),
                                            QStringLiteral("Get Browser URL"), this, [this] { m_host->GetBrowserURL(); });
    getUrl->setObjectName(QStringLiteral("GetUrlBtn"));
    getUrl->setStatusTip(QStringLiteral("Capture the URL of the current page from your Web Browser"));
    m_speedBar->addSeparator();
    m_commands->FillNewItemBar(m_newBar);
    const char16_t* const viewIcons[] = {u"view-list-icons", u"view-grid", u"view-list-text", u"view-list-details"};
    int i = 0;
    for (QAction* view : m_viewGroup->actions()) {
        view->setIcon(CommandIcons::Get(QString::fromUtf16(viewIcons[i])));
        m_speedBar->addAction(view);
        if (QWidget* button = m_speedBar->widgetForAction(view))
            button->setObjectName(QStringLiteral("ViewTypeBtn%1").arg(++i));
    }
}

void TMainForm::CreateStatusBar()
{
    for (int i = 0; i < 3; ++i) {
        m_panels[i] = new QLabel(this);
        m_panels[i]->setObjectName(QStringLiteral("StatusPanel%1").arg(i));
        // Titles are the user's own text, never markup.
        m_panels[i]->setTextFormat(Qt::PlainText);
        m_panels[i]->setMinimumWidth(i == 0 ? 200 : 100);
    }
    statusBar()->setObjectName(QStringLiteral("StatusBar"));
    statusBar()->addWidget(m_panels[0], 1);
    statusBar()->addWidget(m_panels[1]);
    statusBar()->addWidget(m_panels[2]);
}

QString TMainForm::StatusText(int panel) const
{
    return panel >= 0 && panel < 3 ? m_panels[panel]->text() : QString();
}

TTreeNode* TMainForm::SelectedNode() const
{
    TTreeNode* node = FolderTreeModel::NodeAt(m_folders->currentIndex());
    return node ? node : m_tree.Root();
}

void TMainForm::SelectNode(TTreeNode* node)
{
    if (!node)
        return;
    const QModelIndex index = m_folderModel->IndexOf(node);
    if (m_folders->currentIndex() == index) {
        RefreshListPane(node);
        return;
    }
    m_folders->setCurrentIndex(index);
    m_folders->scrollTo(index);
}

QString TMainForm::ToolTipPath(const TTreeNode* node)
{
    const QString path = u'[' + TItemTree::PathOf(node) + u']';
    return path.left(62);
}

void TMainForm::RefreshListPane(TTreeNode* node)
{
    if (!node)
        return;
    if (auto* folder = dynamic_cast<TFolderObject*>(node->Item()); folder && folder->IsRemote()) {
        m_panels[0]->setText(QStringLiteral("Updating remote folder..."));
        QApplication::setOverrideCursor(Qt::WaitCursor);
        try {
            folder->Refresh();
        } catch (const EZendrivoError& e) {
            QApplication::restoreOverrideCursor();
            ShowError(e.Message());
            QApplication::setOverrideCursor(Qt::WaitCursor);
        }
        QApplication::restoreOverrideCursor();
        m_panels[0]->clear();
    }
    if (m_sync)
        m_sync->SyncFolder(node); // a folder bound to an address book; it fills in as the sync ends
    QApplication::setOverrideCursor(Qt::WaitCursor);
    m_listModel->Fill(node);
    QApplication::restoreOverrideCursor();
    m_panels[2]->setText(node->Item()->Title());
    Q_EMIT ToolTipPathChanged(ToolTipPath(node));
    UpdateItemCount();
}

void TMainForm::UpdateItemCount()
{
    if (!m_panels[1])
        return; // still being built
    m_panels[1]->setText(QString::number(m_listModel->rowCount()) + u" item(s)");
}

void TMainForm::RenameNodeInPlace(TTreeNode* node)
{
    if (!FolderTreeModel::CanRename(node))
        return;
    const QModelIndex index = m_folderModel->IndexOf(node);
    m_folders->scrollTo(index);
    m_folders->setCurrentIndex(index);
    m_folders->edit(index);
}

TZVBObject* TMainForm::PopupItem() const
{
    if (m_activePane == u"Folders")
        return SelectedNode()->Item();
    if (TZVBObject* item = m_items->SelectedItem())
        return item;
    return SelectedNode()->Item();
}

void TMainForm::ShowPopupMenu(const QPoint& globalPos)
{
    m_popup->Adjust(PopupItem());
    m_popup->popup(globalPos);
}

void TMainForm::OpenSelected()
{
    if (m_activePane == u"Folders")
        return;
    TZVBObject* item = m_items->SelectedItem();
    if (item && item->IsContainer())
        SelectNode(item->Node());
}

void TMainForm::UpOneLevel()
{
    TTreeNode* node = SelectedNode();
    if (node && node->Parent())
        SelectNode(node->Parent());
}

void TMainForm::InstallSync()
{
    SyncController::Hooks hooks;
    hooks.saveDatabase = [this] { return SaveDatabaseCommand(); };
    hooks.showStatus = [this](const QString& text) { m_panels[0]->setText(text); };
    hooks.showError = [this](const QString& text) { ShowError(text); };
    hooks.askPassword = [this](const QString& url, const QString& user, QString& password) {
        bool ok = false;
        password = QInputDialog::getText(this, QStringLiteral("Address Book Password"),
                                         QStringLiteral("Password of %1 at %2:").arg(user, url), QLineEdit::Password,
                                         QString(), &ok);
        return ok;
    };
    m_sync = new SyncController(m_tree, ProfileFile::Default(), std::move(hooks), this);
    m_sync->InstallMenuEntry(m_popup, m_popup->CommandsSeparator(), [this]() -> TTreeNode* {
        return m_activePane == u"Folders" ? SelectedNode() : nullptr;
    });
}

bool TMainForm::SaveDatabaseCommand()
{
    if (m_database->ReadOnly()) {
        ShowError(QStringLiteral("Zendrivo runs read-only because the database could not be loaded:\n%1\n\n"
                                 "Nothing is saved over it. \"Revert to Saved\" tries the database again.")
                      .arg(m_database->LoadError()));
        return false;
    }
    try {
        m_database->Save();
        return true;
    } catch (const ESaveError& e) {
        QMessageBox::critical(this, QStringLiteral("Error"), QString::fromUtf16(kSaveFailedMessage), QMessageBox::Cancel);
        ShowError(e.Message() + u"\n\n" + e.Detail());
        return false;
    }
}

void TMainForm::RevertToSavedCommand()
{
    const auto answer = QMessageBox::question(
        this, QStringLiteral("Revert to Saved"),
        QStringLiteral("This option will lose all changes made during this session. Are you sure?"),
        QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::Cancel);
    if (answer != QMessageBox::Ok)
        return;
    QString error;
    if (!m_database->Revert(&error)) {
        ShowError(error);
        return;
    }
    m_folders->expand(m_folderModel->index(0, 0));
    SelectNode(m_tree.Root());
    RefreshListPane(m_tree.Root());
}

void TMainForm::SaveAtExit()
{
    if (m_saved)
        return;
    m_saved = true;
    // The program is ending (maybe at SIGTERM or logout): nothing here may
    // wait on a dialog.
    m_exitSaveFailed = !m_database->SaveAtExit();
    SaveSettings();
    if (m_callerId) {
        m_callerId->SetCallerId(false);
        m_callerId->SaveHistory();
    }
}

void TMainForm::SaveForSession()
{
    // The desktop may cancel its logout after asking: the program goes on,
    // and its own end must save again whatever changes after this. Nothing
    // here waits on a dialog.
    m_exitSaveFailed = !m_database->SaveAtExit();
    SaveSettings();
}

void TMainForm::SaveSettings()
{
    m_settings->Save();
    if (!m_tools->Save())
        RescueFile::Report(QStringLiteral("The tools could not be written to %1.").arg(ProfileFile::Default()));
}

void TMainForm::SaveForCommand()
{
    m_database->Save();
}

void TMainForm::RefreshAfterCommand()
{
    TTreeNode* node = SelectedNode();
    RefreshListPane(node ? node : m_tree.Root());
}

void TMainForm::SetCallerId(bool on)
{
    if (m_callerId)
        m_callerId->SetCallerId(on);
}

void TMainForm::ShowMainWindow()
{
    showNormal();
    raise();
    activateWindow();
}

void TMainForm::HandleCommandLine(const QStringList& arguments)
{
    ShowMainWindow();
    for (qsizetype i = 1; i < arguments.size(); ++i)
        ImportArgument(arguments[i]);
}

void TMainForm::ImportArgument(const QString& argument)
{
    try {
        if (argument.contains(u".zvd")) {
            QStringList warnings;
            ExchangeFile::ImportExchangeFile(m_tree, argument, &warnings);
            RefreshListPane(SelectedNode());
            if (!warnings.isEmpty())
                QMessageBox::information(this, QStringLiteral("Import"), warnings.join(u'\n'));
        } else if (argument.contains(u".vcf")) {
            VCardImport::ImportFile(argument, m_tree.Root(),
                                    [this](const TCard& card) { return TVCImportDlg::AskAsOrganization(card, this); });
            RefreshListPane(SelectedNode());
        }
    } catch (const EZendrivoError& e) {
        ShowError(e.Message());
    }
}

int TMainForm::DocumentImageIndex(const QString& path, int currentIndex)
{
    const QFileInfo info(path);
    if (!info.exists())
        return currentIndex;
    const QIcon icon = QFileIconProvider().icon(info);
    if (icon.isNull())
        return currentIndex;
    // The generic image stays; a document's own icon gets a place of its own.
    if (currentIndex == ImageLists::Document || currentIndex < 0)
        return m_images->AddImage(icon);
    m_images->ReplaceImage(currentIndex, icon);
    return currentIndex;
}

void TMainForm::ShowOptions()
{
    TOptionPages dialog(ProfileFile::Default(), *m_tools, m_filters->Names(), this);
    connect(&dialog, &TOptionPages::BrowserLinkChanged, this, [this](const QString& name, const QString& program) {
        m_host->Browser().SetLink(name, program);
    });
    connect(&dialog, &TOptionPages::CategoryNamesChanged, this, [this](const QStringList& names) {
        m_filters->SetNames(names);
        CategoryNames::SetCurrent(names);
    });
    connect(&dialog, &TOptionPages::CallerIdSwitched, this, [this](bool on) {
        // The dial settings may have a new device by now.
        TDialPhoneDialog::Shared().Settings().Load();
        SetCallerId(on);
    });
    dialog.exec();
}

void TMainForm::NewToolItemFromDialog()
{
    const int chosen = TToolsDlg::ChooseForNewItem(*m_tools, this);
    if (chosen < 0)
        return;
    const TToolItem& tool = m_tools->Item(chosen);
    m_commands->NewToolItem(tool.Description, tool.Filename, tool.Arguments);
}

void TMainForm::CreateSettings()
{
    // Objects whose persisted properties need an adapter.
    new WindowGeometryAdapter(this, QStringLiteral("MainForm"));
    new SplitterAdapter(m_splitter, QStringLiteral("FolderPane"));
    for (QToolBar* bar : {m_speedBar, m_newBar, m_findBar, static_cast<QToolBar*>(m_tipBar)})
        new ShownAdapter(bar, bar->objectName());
    for (int i = 1; i <= 4; ++i) {
        if (auto* button = findChild<QWidget*>(QStringLiteral("ViewTypeBtn%1").arg(i)))
            new CheckedAdapter(button, button->objectName());
    }
    m_settings = std::make_unique<TIniOut>(this, ProfileFile::Default());
    m_settings->SetItems(MainWindowSettings::Entries());
    // Before any saved size: a first start gets a size that suits the screen.
    const bool firstStart = ProfileFile(ProfileFile::Default())
                                .ReadString(QStringLiteral("Window"), QStringLiteral("Width"))
                                .isEmpty();
    m_settings->Load();
    if (firstStart)
        PlaceForFirstStart();
}

void TMainForm::PlaceForFirstStart()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect available = screen->availableGeometry();
    const QSize size = (available.size() * 2 / 3).expandedTo(minimumSize()).boundedTo(available.size());
    resize(size);
    move(available.center() - QPoint(size.width() / 2, size.height() / 2));
    m_splitter->setSizes({std::max(220, size.width() / 4), size.width() - std::max(220, size.width() / 4)});
}

void TMainForm::ShowError(const QString& message)
{
    PlainMessage::Critical(this, AppInfo::ProductName(), message);
}

void TMainForm::closeEvent(QCloseEvent* event)
{
    // The close box only hides the window; the program lives on in the tray.
    event->ignore();
    hide();
}

void TMainForm::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    if (!m_firstShow)
        return;
    m_firstShow = false;
    m_tipBar->ShowRandomTip();
    HandleCommandLine(m_ownCommandLine);
}

bool TMainForm::event(QEvent* event)
{
    if (event->type() == QEvent::StatusTip) {
        m_panels[0]->setText(static_cast<QStatusTipEvent*>(event)->tip());
        return true;
    }
    return QMainWindow::event(event);
}

bool TMainForm::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_folders && event->type() == QEvent::FocusIn)
        m_activePane = QStringLiteral("Folders");
    return QMainWindow::eventFilter(watched, event);
}
