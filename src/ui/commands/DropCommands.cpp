#include "ui/common/PlainMessage.h"
#include "ui/commands/DropCommands.h"

#include "model/Exceptions.h"
#include "model/ItemTree.h"
#include "model/TreeNode.h"
#include "model/TreeOps.h"
#include "model/ZVBObject.h"
#include "model/RecordIO.h"
#include "model/TextCodec.h"
#include "ui/commands/ClipboardTransfer.h"
#include "ui/commands/DragPayload.h"
#include "ui/commands/ItemCommands.h"
#include "ui/panes/PaneHost.h"

#include <QMessageBox>
#include <QMimeData>
#include <QUrl>

namespace {
// A field counts as present from two characters on (a cell is quoted, so
// an empty one has two).
bool HasField(const TZVBObject* item, const QString& name)
{
    QString cell = item->ExportField(name);
    if (cell.startsWith(u'"') && cell.endsWith(u"\","))
        cell = cell.mid(1, cell.size() - 3);
    return cell.size() >= 2;
}

bool IsReadOnly(const TTreeNode* node)
{
    return node->Item()->IsRemote() || node->Item()->InRemote();
}
} // namespace

DropCommands::DropCommands(PaneHost& panes, ItemCommands& commands)
    : QObject(panes.Window()), m_form(panes), m_commands(commands)
{
}

bool DropCommands::Ask(const QString& text)
{
    if (m_question)
        return m_question(text);
    return PlainMessage::Show(m_form.Window(), QMessageBox::Question, QStringLiteral("Confirm"), text,
                              QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel)
        == QMessageBox::Yes;
}

void DropCommands::ShowError(const QString& message)
{
    PlainMessage::Critical(m_form.Window(), QStringLiteral("Zendrivo"), message);
}

bool DropCommands::DropOnNode(const QMimeData* data, TTreeNode* target)
{
    if (!target)
        return false;
    TItemTree& tree = m_form.Tree();
    const QList<TTreeNode*> nodes = DragPayload::Nodes(data);
    const QList<TZVBObject*> items = DragPayload::Items(data);
    const QString records = nodes.isEmpty() && items.isEmpty() ? ClipboardTransfer::Records(data) : QString();
    if (nodes.isEmpty() && items.isEmpty() && records.isEmpty())
        return false;
    if (IsReadOnly(target)) {
        ShowError(ERemoteParent().Message());
        return false;
    }
    if (!records.isEmpty()) {
        // Entries from outside the tree (the call history): copies go in.
        TTreeNode* selected = m_form.SelectedNode();
        const int created = RecordIO::ReadRecords(TextCodec::SplitLines(records.toUtf8()), 0, target);
        m_form.RefreshListPane(selected ? selected : m_form.SelectedNode());
        return created > 0;
    }
    bool moved = false;
    for (TTreeNode* node : nodes) {
        // The tree stays a tree with "My Contacts" as its only root.
        if (node->Parent() && node != target && !node->IsAncestorOf(target) && node->Parent() != target)
            moved |= tree.MoveNode(node, target);
    }
    TTreeNode* selected = m_form.SelectedNode();
    for (TZVBObject* item : items) {
        if (item->IsContainer()) {
            TTreeNode* node = item->Node();
            if (node != target && !node->IsAncestorOf(target) && node->Parent() != target)
                moved |= tree.MoveNode(node, target);
        } else if (item->Node() != target) {
            TZVBObject* holder = item->Holder();
            for (const auto& ref : holder->Contents()) {
                if (ref->Item() == item) {
                    MoveLeaf(holder, ref.get(), target);
                    moved = true;
                    break;
                }
            }
        }
    }
    if (moved)
        tree.SortChildren(target);
    m_form.RefreshListPane(selected ? selected : m_form.SelectedNode());
    return moved;
}

bool DropCommands::ListAccepts(const QMimeData* data, const TZVBObject* target) const
{
    if (data->hasUrls())
        return true;
    if (!DragPayload::Nodes(data).isEmpty())
        return true; // accepted, but the drop does nothing
    const QList<TZVBObject*> items = DragPayload::Items(data);
    if (items.isEmpty() || !target)
        return false;
    return items.first()->ClassCode() == 10
        && (HasField(target, QStringLiteral("E-Mail Address")) || HasField(target, QStringLiteral("Fax Number")));
}

bool DropCommands::DropOnList(const QMimeData* data, TZVBObject* target)
{
    if (data->hasUrls()) {
        // Files from the file manager: the first one becomes a document.
        for (const QUrl& url : data->urls()) {
            if (url.isLocalFile() && url.toLocalFile().size() <= 255) {
                m_commands.AddDocument(url.toLocalFile());
                return true;
            }
        }
        return false;
    }
    const QList<TZVBObject*> items = DragPayload::Items(data);
    if (items.isEmpty() || !target || items.first()->ClassCode() != 10)
        return false;
    const QString file = items.first()->Value();
    try {
        if (HasField(target, QStringLiteral("Fax Number"))
            && Ask(u"Send document via Fax to " + target->Title() + u"?"))
            target->SendFax(file);
        if (HasField(target, QStringLiteral("E-Mail Address"))
            && Ask(u"Send document as an E-Mail attachment to " + target->Title() + u"?"))
            target->SendMail(file);
    } catch (const EZendrivoError& e) {
        ShowError(e.Message());
    }
    return true;
}
