#pragma once

#include <QObject>
#include <QString>

#include <functional>

class QAction;
class QMenu;
class QToolBar;
class PaneHost;
class TTreeNode;
class TZVBObject;

// The commands that create, delete, copy, move and open items. Each acts on
// the selection of the pane that last had the focus and ends by refilling
// the list.
class ItemCommands : public QObject
{
    Q_OBJECT

public:
    explicit ItemCommands(PaneHost& panes);

    // File "&New" (containers) and the pop-up's "Ne&w" (everything).
    QMenu* FileNewMenu() const { return m_fileNew; }
    QMenu* PopupNewMenu() const { return m_popupNew; }
    QMenu* PopupEditMenu() const { return m_popupEdit; }
    void FillNewItemBar(QToolBar* bar);
    void FillSpeedBar(QToolBar* bar);
    void AddEditActions(QMenu* edit);
    void AddPopupActions(QMenu* popup, QAction* renameAction);

    QAction* CutAction() const { return m_cut; }
    QAction* CopyAction() const { return m_copy; }
    QAction* PasteAction() const { return m_paste; }
    QAction* DeleteAction() const { return m_delete; }
    QAction* PropertiesAction() const { return m_properties; }

    // Creates an item of the class below the selected node (the root when
    // none) and lets it ask for its details; returns it, or null when it was
    // refused or discarded.
    TZVBObject* NewItem(int classCode);
    // Creates a tool item from a configured tool.
    TZVBObject* NewToolItem(const QString& toolName, const QString& program, const QString& parameters);
    // The description the delete question names, or empty when there is nothing to delete.
    QString DeleteDescription() const;
    void Delete(bool ask = true);
    void Copy();
    void Cut();
    void Paste();
    void Properties();
    void StartNotes();
    // A file from the file manager becomes a document item below the selected node.
    TZVBObject* AddDocument(const QString& path);

    // Asks the question with Yes, No and Cancel; tests replace it.
    using Question = std::function<bool(const QString& caption, const QString& text)>;
    void SetQuestion(Question question) { m_question = std::move(question); }

private:
    QAction* MakeAction(const QString& text, const QString& name, const QKeySequence& shortcut, const QString& tip);
    void ShowError(const QString& message);
    QString CopyText(QString* plainText) const;
    // Copies the selection; true when it reached the clipboard.
    bool CopySelection();
    bool Ask(const QString& caption, const QString& text);

    PaneHost& m_form;
    QMenu* m_fileNew = nullptr;
    QMenu* m_popupNew = nullptr;
    QMenu* m_popupEdit = nullptr;
    QList<QAction*> m_newContainer;
    QList<QAction*> m_newLeaf;
    QAction* m_cut = nullptr;
    QAction* m_copy = nullptr;
    QAction* m_paste = nullptr;
    QAction* m_delete = nullptr;
    QAction* m_properties = nullptr;
    QAction* m_notes = nullptr;
    Question m_question;
};
