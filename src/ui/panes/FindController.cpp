#include "ui/panes/FindController.h"

#include "model/Finder.h"
#include "model/ItemTree.h"
#include "model/TreeNode.h"
#include "model/ZVBObject.h"
#include "ui/panes/ItemListModel.h"
#include "ui/panes/ItemListPane.h"
#include "ui/panes/PaneHost.h"
#include "ui/common/CommandIcons.h"
#include "ui/common/TProgressForm.h"

#include <QAbstractItemView>
#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QTimer>
#include <QToolBar>
#include <QTreeView>

FindController::FindController(PaneHost& panes, QToolBar& findBar) : QObject(panes.Window()), m_form(panes)
{
    auto* label = new QLabel(QStringLiteral("F&ind:"), &findBar);
    m_edit = new QLineEdit(&findBar);
    m_edit->setObjectName(QStringLiteral("FindEditBox"));
    m_edit->setToolTip(QStringLiteral("Find"));
    m_edit->setStatusTip(QStringLiteral("Type the start of a word to find the next item whose title holds it"));
    m_edit->setClearButtonEnabled(true);
    m_edit->setMaximumWidth(220);
    label->setBuddy(m_edit);
    label->setContentsMargins(4, 0, 4, 0);
    findBar.addWidget(label);
    findBar.addWidget(m_edit);

    m_timer = new QTimer(this);
    m_timer->setObjectName(QStringLiteral("SearchTime"));
    m_timer->setInterval(1000);
    m_timer->setSingleShot(true);
    connect(m_edit, &QLineEdit::textChanged, this, [this](const QString& text) {
        m_timer->stop();
        if (!text.isEmpty())
            m_timer->start();
    });
    connect(m_timer, &QTimer::timeout, this, [this] { FindFromBar(m_edit->text()); });
    // Enter does not wait for the timer.
    connect(m_edit, &QLineEdit::returnPressed, this, [this] {
        m_timer->stop();
        if (!m_edit->text().isEmpty())
            FindFromBar(m_edit->text());
    });

    m_find = new QAction(QStringLiteral("&Find"), panes.Window());
    m_find->setObjectName(QStringLiteral("Find1"));
    m_find->setShortcut(QKeySequence(Qt::Key_F3));
    m_find->setIcon(CommandIcons::Get(QStringLiteral("edit-find")));
    m_find->setStatusTip(QStringLiteral("Find the next item matching the text in the find bar"));
    panes.Window()->addAction(m_find);
    connect(m_find, &QAction::triggered, this, [this] {
        if (!m_edit->text().isEmpty())
            FindFromBar(m_edit->text());
    });

    m_progress = new TProgressForm(panes.Window());
}

int FindController::StartPosition()
{
    // A selected row starts the walk at its node (its own for a container,
    // its holder's for a leaf), and is deselected.
    ItemListPane* list = m_form.MainItems();
    if (TZVBObject* item = list->SelectedItem()) {
        list->Selection()->clearSelection();
        if (item->Node())
            return item->Node()->AbsoluteIndex();
    }
    return m_form.SelectedNode()->AbsoluteIndex();
}

template <typename Search>
bool FindController::Run(Search&& search)
{
    if (!m_form.Folders()->currentIndex().isValid())
        m_form.SelectNode(m_form.SelectedNode());
    const int start = StartPosition();
    const int count = m_form.Tree().Count();
    m_progress->SetMaximum(count - 1);
    m_progress->SetPosition(0);
    m_progress->SetActionText(QStringLiteral("Searching..."));
    m_progress->SetResultText(QString());
    m_progress->show();
    const Finder::Match match = search(start, [this](int step) { m_progress->SetPosition(step + 1); });
    m_progress->hide();
    if (!match)
        return false;
    ShowMatch(match.node, match.leaf);
    return true;
}

bool FindController::Locate(const QString& text)
{
    return Run([this, &text](int start, const Finder::Progress& progress) {
        return Finder::Locate(m_form.Tree(), start, text, progress);
    });
}

bool FindController::LooksLikeNumber(const QString& text)
{
    int digits = 0;
    int others = 0;
    for (const QChar c : text) {
        if (c.isDigit())
            ++digits;
        else if (!c.isSpace())
            ++others;
    }
    return digits >= 3 && digits > others;
}

bool FindController::FindFromBar(const QString& text)
{
    // Titles first; a text of mostly digits may be a number held by a phone or fax.
    if (Locate(text) || (LooksLikeNumber(text) && LocatePhone(text))) {
        Q_EMIT Message(QString());
        return true;
    }
    Q_EMIT Message(u'"' + text + QStringLiteral("\" not found"));
    return false;
}

bool FindController::LocatePhone(const QString& number)
{
    return Run([this, &number](int start, const Finder::Progress& progress) {
        return Finder::LocatePhone(m_form.Tree(), start, number, progress);
    });
}

void FindController::ShowMatch(TTreeNode* node, TZVBObject* leaf)
{
    ItemListPane* list = m_form.MainItems();
    const TZVBObject* row = leaf;
    if (!leaf) {
        if (!node->Parent()) {
            m_form.SelectNode(node);
            m_form.Folders()->setFocus();
            return;
        }
        // A container is shown as a row of its parent.
        m_form.SelectNode(node->Parent());
        row = node->Item();
    } else {
        m_form.SelectNode(node);
    }
    if (list->Model().RowOf(row) >= 0) {
        list->SelectItem(row);
        list->CurrentView()->setFocus();
    } else {
        m_form.Folders()->setFocus();
    }
}
