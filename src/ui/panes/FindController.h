#pragma once

#include <QObject>

class QAction;
class QLineEdit;
class QTimer;
class QToolBar;
class PaneHost;
class TProgressForm;
class TTreeNode;
class TZVBObject;

// The find bar: the text box searched one second after the last keystroke,
// Edit "&Find" (F3) for the next match, and the two searches of the whole
// tree that select what they find.
class FindController : public QObject
{
    Q_OBJECT

public:
    FindController(PaneHost& panes, QToolBar& findBar);

    QLineEdit* FindEditBox() const { return m_edit; }
    QAction* FindAction() const { return m_find; }
    QTimer* SearchTime() const { return m_timer; }

    // Selects the next node or leaf with a word starting with the text; false when none.
    bool Locate(const QString& text);
    // Selects the next phone or fax with the number's digits; false when none.
    bool LocatePhone(const QString& number);
    // What the find bar runs: the next title, else for a text of mostly
    // digits the next number; says "not found" through Message.
    bool FindFromBar(const QString& text);
    static bool LooksLikeNumber(const QString& text);

Q_SIGNALS:
    // A text for the status bar; empty clears it.
    void Message(const QString& text);

private:
    int StartPosition();
    void ShowMatch(TTreeNode* node, TZVBObject* leaf);
    template <typename Search> bool Run(Search&& search);

    PaneHost& m_form;
    QLineEdit* m_edit;
    QTimer* m_timer;
    QAction* m_find;
    TProgressForm* m_progress;
};
