#include "automation/TZivoApp.h"

#include "automation/AutomationError.h"
#include "automation/AutomationHost.h"
#include "automation/AutomationNames.h"
#include "automation/InsertCheck.h"
#include "model/ItemFactory.h"
#include "model/ItemTree.h"
#include "model/TreeNode.h"
#include "model/TreeOps.h"
#include "model/ZVBObject.h"

#include <QStringList>

namespace {
bool Within(const TTreeNode* node, const TTreeNode* top)
{
    return node && (node == top || top->IsAncestorOf(node));
}
} // namespace

TZivoApp::TZivoApp(AutomationHost& host) : m_host(host), m_tree(host.Tree())
{
    if (TTreeNode* root = m_tree.Root())
        MoveTo(root, root->Item(), root);
    m_tree.AddObserver(this);
}

TZivoApp::~TZivoApp()
{
    m_tree.RemoveObserver(this);
}

void TZivoApp::MoveTo(TTreeNode* node, TZVBObject* item, TTreeNode* itemNode)
{
    m_node = node;
    m_item = item;
    m_itemNode = itemNode;
}

void TZivoApp::MoveToItem(TZVBObject* item)
{
    TTreeNode* node = item->Node();
    MoveTo(node ? node : m_node, item, node);
}

TZVBObject& TZivoApp::CurrentOrThrow() const
{
    if (!m_item)
        throw EAutomationError(AutomationNames::ErrorNoItem(), QStringLiteral("The cursor is on no item"));
    return *m_item;
}

TZVBObject& TZivoApp::ItemToChange() const
{
    TZVBObject& item = CurrentOrThrow();
    // What a remote folder holds is read-only, in the window as here: the
    // next refresh would undo the change, and it is never saved.
    if (item.InRemote())
        throw EAutomationError(AutomationNames::ErrorReadOnlyFolder(),
                               QStringLiteral("Cannot change records within a remote (read-only) folder"));
    return item;
}

void TZivoApp::Changed(TZVBObject& item) const
{
    if (m_itemNode && m_itemNode->Item() == &item)
        m_tree.NotifyNodeChanged(m_itemNode);
    else if (m_itemNode)
        m_tree.NotifyContentsChanged(m_itemNode->Item());
    m_host.ShowChanges();
}

void TZivoApp::Insert(int classCode, const QString& title, const QString& value, const QString& comment,
                      const QString& details)
{
    if (!m_node)
        throw EAutomationError(AutomationNames::ErrorNoItem(), QStringLiteral("The cursor is on no item"));
    const QString problem = InsertCheck::Problem(classCode, details);
    if (!problem.isEmpty())
        throw EAutomationError(AutomationNames::ErrorBadArgument(), problem);
    const ItemHandle made = CreateItem(classCode, title, value, 0, details, m_node, comment);
    // A new container takes its place among its siblings, as one made by hand does.
    if (made.node)
        m_tree.SortChildren(m_node);
    m_host.ShowChanges();
}

void TZivoApp::CopyClipboard()
{
    m_host.SetClipboardText(CurrentOrThrow().ClipboardText());
}

void TZivoApp::DoDefaultAction()
{
    CurrentOrThrow().DefaultAction();
}

int TZivoApp::zivoID() const
{
    return m_item ? m_item->Id() : 0;
}

int TZivoApp::zivoClass() const
{
    return m_item ? m_item->ClassCode() & 0x7F : 0;
}

QString TZivoApp::zivoTitle() const
{
    return m_item ? m_item->Title() : QString();
}

void TZivoApp::SetzivoTitle(const QString& title)
{
    TZVBObject& item = ItemToChange();
    item.SetTitle(title);
    m_host.ShowChanges();
}

QString TZivoApp::zivoTarget() const
{
    return m_item ? m_item->Value() : QString();
}

void TZivoApp::SetzivoTarget(const QString& value)
{
    TZVBObject& item = ItemToChange();
    item.SetValue(value);
    Changed(item);
}

QString TZivoApp::zivoComment() const
{
    return m_item ? m_item->Comment() : QString();
}

void TZivoApp::SetzivoComment(const QString& comment)
{
    TZVBObject& item = ItemToChange();
    item.SetComment(comment);
    Changed(item);
}

QString TZivoApp::zivoField(const QString& name) const
{
    return m_item ? m_item->ExportField(name) : QString();
}

void TZivoApp::SetzivoField(const QString& name, const QString& value)
{
    TZVBObject& item = ItemToChange();
    const QStringList names{name};
    QStringList row{value};
    item.ImportFields(names, row);
    Changed(item);
}

int TZivoApp::ItemCount() const
{
    return m_tree.Count();
}

bool TZivoApp::Items(int index)
{
    if (index < 0 || index >= m_tree.Count())
        return false;
    TTreeNode* node = m_tree.NodeAt(index);
    if (!node)
        return false;
    MoveTo(node, node->Item(), node);
    return true;
}

int TZivoApp::CurrentItemIndex() const
{
    return m_node ? m_node->AbsoluteIndex() : 0;
}

int TZivoApp::NextSiblingIndex() const
{
    if (!m_node)
        return 0;
    const int row = m_node->Row();
    const TTreeNode* parent = m_node->Parent();
    const TTreeNode* sibling = parent ? parent->Child(row + 1) : m_tree.Top(row + 1);
    if (sibling)
        return sibling->AbsoluteIndex();
    if (m_node->ChildCount() > 0)
        return m_node->Child(m_node->ChildCount() - 1)->AbsoluteIndex();
    return 0;
}

int TZivoApp::ChildCount() const
{
    if (!m_node)
        return 0;
    return m_node->ChildCount() + ContentCount(m_node->Item());
}

bool TZivoApp::Child(int index)
{
    if (!m_node || index < 0)
        return false;
    const int nodes = m_node->ChildCount();
    if (index < nodes) {
        TTreeNode* child = m_node->Child(index);
        m_item = child->Item();
        m_itemNode = child;
        return true;
    }
    ItemRef* entry = ContentAt(m_node->Item(), index - nodes);
    if (!entry || !entry->Item())
        return false;
    m_item = entry->Item();
    m_itemNode = m_node;
    return true;
}

int TZivoApp::SelectCount() const
{
    const QString pane = m_host.ActivePane();
    if (pane == u"Folders")
        return 1;
    if (pane == u"MainItems")
        return static_cast<int>(m_host.SelectedItems().size());
    return 0;
}

bool TZivoApp::MoveToSelection(int index, bool listFirst)
{
    const QList<TZVBObject*> rows = m_host.SelectedItems();
    if (listFirst && !rows.isEmpty()) {
        if (index < 0 || index >= rows.size())
            return false;
        MoveToItem(rows[index]);
        return true;
    }
    // The tree has one selected node.
    TTreeNode* node = m_host.SelectedNode();
    if (index != 0 || !node)
        return false;
    MoveTo(node, node->Item(), node);
    return true;
}

bool TZivoApp::UserSelected(int index)
{
    return MoveToSelection(index, m_host.ActivePane() != u"Folders");
}

bool TZivoApp::NextItemWithTitle(const QString& title)
{
    if (title.isEmpty() || !m_host.FindTitle(title))
        return false;
    // The find selects the match's row and gives the list the focus; a
    // hidden window gets no focus change, so the row is taken directly.
    return MoveToSelection(0, true);
}

bool TZivoApp::ItemWithId(int id)
{
    const int count = m_tree.Count();
    for (int i = 0; i < count; ++i) {
        TTreeNode* node = m_tree.NodeAt(i);
        TZVBObject* own = node->Item();
        if (!own)
            continue;
        if (own->Id() == id) {
            MoveTo(node, own, node);
            return true;
        }
        for (const auto& entry : own->Contents()) {
            if (entry->Item() && entry->Item()->Id() == id) {
                MoveTo(node, entry->Item(), node);
                return true;
            }
        }
    }
    return false;
}

void TZivoApp::NodesAboutToBeRemoved(TTreeNode* parent, int first, int last)
{
    for (int row = first; row <= last; ++row) {
        const TTreeNode* going = parent ? parent->Child(row) : m_tree.Top(row);
        if (!going)
            continue;
        if (Within(m_node, going))
            MoveTo(nullptr, nullptr, nullptr);
        else if (Within(m_itemNode, going))
            MoveTo(m_node, nullptr, nullptr);
    }
}

void TZivoApp::ContentsChanged(TZVBObject* container)
{
    // A leaf that left its holder (deleted or moved) is no longer ours to touch.
    if (!m_item || !m_itemNode || m_itemNode->Item() == m_item || m_itemNode->Item() != container)
        return;
    for (const auto& entry : container->Contents()) {
        if (entry->Item() == m_item)
            return;
    }
    m_item = nullptr;
    m_itemNode = nullptr;
}

void TZivoApp::TreeAboutToBeReset()
{
    const TTreeNode* root = m_tree.Root();
    m_onRootAtReset = root && m_node == root && m_item == root->Item();
}

void TZivoApp::TreeReset()
{
    // Everything below the root was read again; only a cursor on the root survives.
    TTreeNode* root = m_tree.Root();
    if (m_onRootAtReset && root)
        MoveTo(root, root->Item(), root);
    else
        MoveTo(nullptr, nullptr, nullptr);
}
