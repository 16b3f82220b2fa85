#pragma once

#include "model/ItemTree.h"

#include "ui/panes/PaneHost.h"

#include <QMainWindow>
#include <QStringList>

#include <memory>

class FolderTreeModel;
class ItemListModel;
class DesktopDatabase;
class DropCommands;
class FilterController;
class FindController;
class QStackedWidget;
class ImageLists;
class ItemIcons;
class TIniOut;
class TToolItems;
class TTipBar;
class ItemCommands;
class ItemListPane;
class ItemPopupMenu;
class MainWindowHost;
class QActionGroup;
class QLabel;
class QMenu;
class QSplitter;
class QToolBar;
class QTreeView;
class TTreeNode;
class TZVBObject;

// The main window "Zendrivo": the folder tree on the left, the items of the
// selected node on the right, menus, four toolbars and a status bar with
// three panels. Closing it only hides it; the program lives on in the tray.
class TMainForm : public QMainWindow, public PaneHost
{
    Q_OBJECT

public:
    // Creates the root "My Contacts" and loads the database from the
    // current directory (the data directory).
    explicit TMainForm(QWidget* parent = nullptr);
    ~TMainForm() override;

    QWidget* Window() override { return this; }
    TItemTree& Tree() override { return m_tree; }
    QTreeView* Folders() const override { return m_folders; }
    ItemListPane* MainItems() const override { return m_items; }
    FolderTreeModel* FolderModel() const { return m_folderModel; }
    ItemListModel* ListModel() const { return m_listModel; }
    MainWindowHost& Host() const { return *m_host; }
    ItemCommands& Commands() const { return *m_commands; }
    DropCommands& Drops() const { return *m_drops; }
    FindController& Find() const { return *m_find; }
    FilterController& Filters() const override { return *m_filters; }

    // "Folders" or "MainItems": the pane that last had the focus.
    QString ActivePane() const override { return m_activePane; }
    // The selected tree node; the root when nothing is selected.
    TTreeNode* SelectedNode() const override;
    void SelectNode(TTreeNode* node) override;
    // Fills the list from the node, refreshing a remote folder first, and
    // updates the status panels and the tray's tool tip.
    void RefreshListPane(TTreeNode* node) override;
    void RenameNodeInPlace(TTreeNode* node);
    QString StatusText(int panel) const;
    // "[My Contacts/A/B]", cut to 62 characters for the tray.
    static QString ToolTipPath(const TTreeNode* node);

    // The hand-over of a second start, and the first showing's own command
    // line: shows the window and imports ".zvd" and ".vcf" arguments.
    void HandleCommandLine(const QStringList& arguments);
    void ShowMainWindow();
    // The program's own command line, handled at the first showing.
    void SetOwnCommandLine(const QStringList& arguments) { m_ownCommandLine = arguments; }

    void SaveDatabaseCommand();
    void RevertToSavedCommand();
    // At the end of the program: the database and the settings. Never waits
    // on the user; a database that could not be saved goes to a rescue file.
    void SaveAtExit();
    // The session manager's request to save before a logout, which may
    // still be cancelled: the same save, and the program's end saves again.
    void SaveForSessionEnd();
    bool ExitSaveFailed() const { return m_exitSaveFailed; }
    DesktopDatabase& Database() const { return *m_database; }
    // A command handed over by zendrivo-cli: its save (throws ESaveError),
    // then the panes show what it changed.
    void SaveForCommand();
    void RefreshAfterCommand();

    int DocumentImageIndex(const QString& path, int currentIndex);
    ImageLists& Images() const { return *m_images; }
    TIniOut& Settings() const { return *m_settings; }
    TTipBar* TipBar() const { return m_tipBar; }
    TToolItems& Tools() const { return *m_tools; }
    // View "&Options...".
    void ShowOptions();
    // The speed bar's tools pop-up "&Show Popup": a tool item from a chosen tool.
    void NewToolItemFromDialog();

Q_SIGNALS:
    void ToolTipPathChanged(const QString& path);
    void ExitRequested();

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void CreatePanes();
    void CreateActions();
    void CreateMenus();
    void CreateToolBars();
    void CreateStatusBar();
    void CreateSettings();
    void UpdateItemCount();
    void ShowPopupMenu(const QPoint& globalPos);
    TZVBObject* PopupItem() const;
    void OpenSelected();
    void UpOneLevel();
    void ImportArgument(const QString& argument);
    void ShowError(const QString& message);

    TItemTree m_tree;
    std::unique_ptr<MainWindowHost> m_host;
    FolderTreeModel* m_folderModel = nullptr;
    ItemListModel* m_listModel = nullptr;
    QTreeView* m_folders = nullptr;
    ItemListPane* m_items = nullptr;
    QSplitter* m_splitter = nullptr;
    QLabel* m_panels[3] = {};
    QToolBar* m_speedBar = nullptr;
    QToolBar* m_newBar = nullptr;
    QToolBar* m_findBar = nullptr;
    TTipBar* m_tipBar = nullptr;
    ImageLists* m_images = nullptr;
    TToolItems* m_tools = nullptr;
    QMenu* m_toolsPopup = nullptr;
    std::unique_ptr<ItemIcons> m_icons;
    std::unique_ptr<TIniOut> m_settings;
    QActionGroup* m_viewGroup = nullptr;
    ItemPopupMenu* m_popup = nullptr;
    ItemCommands* m_commands = nullptr;
    DropCommands* m_drops = nullptr;
    FindController* m_find = nullptr;
    FilterController* m_filters = nullptr;
    QStackedWidget* m_left = nullptr;
    QString m_activePane = QStringLiteral("Folders");
    bool m_firstShow = true;
    bool m_saved = false;
    bool m_exitSaveFailed = false;
    DesktopDatabase* m_database = nullptr;
    QStringList m_ownCommandLine;
};
