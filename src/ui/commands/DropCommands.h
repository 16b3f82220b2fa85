#pragma once

#include <QObject>

#include <functional>

class QMimeData;
class ItemCommands;
class PaneHost;
class TTreeNode;
class TZVBObject;

// Drag and drop inside the window and from the file manager: nodes and rows
// moved onto tree nodes, documents dropped on a row to be faxed or mailed,
// and files that become document items.
class DropCommands : public QObject
{
    Q_OBJECT

public:
    DropCommands(PaneHost& panes, ItemCommands& commands);

    // Tree nodes or list rows dropped on a node. Refused (false) for the
    // root, a move into itself or its own subtree, or into a remote folder.
    bool DropOnNode(const QMimeData* data, TTreeNode* target);
    // Over the list: files from the file manager, and a document dragged onto
    // a row that has a fax number or an e-mail address.
    bool ListAccepts(const QMimeData* data, const TZVBObject* target) const;
    bool DropOnList(const QMimeData* data, TZVBObject* target);

    // Asks a Yes/No/Cancel question; tests replace it.
    using Question = std::function<bool(const QString& text)>;
    void SetQuestion(Question question) { m_question = std::move(question); }

private:
    bool Ask(const QString& text);
    void ShowError(const QString& message);

    PaneHost& m_form;
    ItemCommands& m_commands;
    Question m_question;
};
