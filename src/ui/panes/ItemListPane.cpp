#include "ui/panes/ItemListPane.h"

#include "ui/panes/ItemListModel.h"

#include <QEvent>
#include <QKeyEvent>
#include <QHeaderView>
#include <QListView>
#include <QStackedLayout>
#include <QTreeView>

ItemListPane::ItemListPane(ItemListModel& model, QWidget* parent)
    : QWidget(parent), m_model(model), m_selection(new QItemSelectionModel(&model, this))
{
    setObjectName(QStringLiteral("MainItems"));
    m_icons = new QListView(this);
    m_icons->setObjectName(QStringLiteral("MainItemsIcons"));
    m_details = new QTreeView(this);
    m_details->setObjectName(QStringLiteral("MainItemsDetails"));
    m_details->setRootIsDecorated(false);
    m_details->setItemsExpandable(false);
    m_details->setUniformRowHeights(true);
    m_details->setAllColumnsShowFocus(true);
    m_details->setSortingEnabled(false);
    const QAbstractItemView::EditTriggers edit = QAbstractItemView::EditKeyPressed | QAbstractItemView::SelectedClicked;
    for (QAbstractItemView* view : {static_cast<QAbstractItemView*>(m_icons), static_cast<QAbstractItemView*>(m_details)}) {
        view->setModel(&m_model);
        view->setSelectionModel(m_selection);
        view->setSelectionMode(QAbstractItemView::ExtendedSelection);
        view->setEditTriggers(edit);
        view->setContextMenuPolicy(Qt::CustomContextMenu);
        view->setDragDropMode(QAbstractItemView::DragDrop);
        view->setDefaultDropAction(Qt::CopyAction);
        view->setAcceptDrops(true);
        view->installEventFilter(this);
        // Not `activated`: where the desktop opens on a single click it
        // would fire on every click that only selects.
        connect(view, &QAbstractItemView::doubleClicked, this, [this](const QModelIndex& index) {
            if (TZVBObject* item = m_model.ItemAt(index.row()))
                Q_EMIT Activated(item);
        });
        connect(view, &QWidget::customContextMenuRequested, this, [this, view](const QPoint& pos) {
            // The pop-up shows only when a row is selected.
            if (m_selection->hasSelection())
                Q_EMIT ContextMenuRequested(view->viewport()->mapToGlobal(pos));
        });
    }
    m_details->header()->resizeSection(ItemListModel::TitleColumn, 125);
    m_details->header()->resizeSection(ItemListModel::TargetColumn, 150);
    m_details->header()->resizeSection(ItemListModel::CommentColumn, 150);
    m_details->header()->setStretchLastSection(true);

    m_stack = new QStackedLayout(this);
    m_stack->setContentsMargins(0, 0, 0, 0);
    m_stack->addWidget(m_icons);
    m_stack->addWidget(m_details);
    SetViewStyle(ListView::vsIcon);
    // A new style must take effect even when it equals the starting one.
    m_style = ListView::vsIcon;
}

void ItemListPane::SetViewStyle(ListView::ViewStyle style)
{
    const bool changed = style != m_style;
    m_style = style;
    switch (style) {
    case ListView::vsIcon:
        m_icons->setViewMode(QListView::IconMode);
        m_icons->setIconSize(QSize(32, 32));
        m_icons->setGridSize(QSize(96, 72));
        m_icons->setFlow(QListView::LeftToRight);
        m_icons->setWrapping(true);
        m_icons->setWordWrap(true);
        m_icons->setMovement(QListView::Static);
        m_icons->setResizeMode(QListView::Adjust);
        m_stack->setCurrentWidget(m_icons);
        break;
    case ListView::vsSmallIcon:
        m_icons->setViewMode(QListView::ListMode);
        m_icons->setIconSize(QSize(16, 16));
        m_icons->setGridSize(QSize(160, 22));
        m_icons->setFlow(QListView::LeftToRight);
        m_icons->setWrapping(true);
        m_icons->setWordWrap(false);
        m_icons->setResizeMode(QListView::Adjust);
        m_stack->setCurrentWidget(m_icons);
        break;
    case ListView::vsList:
        m_icons->setViewMode(QListView::ListMode);
        m_icons->setIconSize(QSize(16, 16));
        m_icons->setGridSize(QSize());
        m_icons->setFlow(QListView::TopToBottom);
        m_icons->setWrapping(true);
        m_icons->setWordWrap(false);
        m_icons->setResizeMode(QListView::Adjust);
        m_stack->setCurrentWidget(m_icons);
        break;
    case ListView::vsReport:
        m_details->setIconSize(QSize(16, 16));
        m_stack->setCurrentWidget(m_details);
        break;
    }
    if (changed)
        Q_EMIT ViewStyleChanged(style);
}

QAbstractItemView* ItemListPane::CurrentView() const
{
    return m_style == ListView::vsReport ? static_cast<QAbstractItemView*>(m_details) : m_icons;
}

QList<int> ItemListPane::SelectedRows() const
{
    // The icon and list views select only the first column, the details view
    // every column: a row counts as selected when any of its cells is.
    QList<int> rows;
    for (const QModelIndex& index : m_selection->selectedIndexes()) {
        if (!rows.contains(index.row()))
            rows.append(index.row());
    }
    std::sort(rows.begin(), rows.end());
    return rows;
}

TZVBObject* ItemListPane::SelectedItem() const
{
    const QList<int> rows = SelectedRows();
    if (rows.isEmpty())
        return nullptr;
    const QModelIndex current = m_selection->currentIndex();
    if (current.isValid() && rows.contains(current.row()))
        return m_model.ItemAt(current.row());
    return m_model.ItemAt(rows.first());
}

QList<TZVBObject*> ItemListPane::SelectedItems() const
{
    QList<TZVBObject*> items;
    for (int row : SelectedRows())
        items.append(m_model.ItemAt(row));
    return items;
}

void ItemListPane::SelectItem(const TZVBObject* item)
{
    const int row = m_model.RowOf(item);
    if (row < 0)
        return;
    const QModelIndex index = m_model.index(row, 0);
    m_selection->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    CurrentView()->scrollTo(index);
}

void ItemListPane::SelectAll()
{
    CurrentView()->setFocus();
    CurrentView()->selectAll();
}

void ItemListPane::EditCurrent()
{
    const QModelIndex current = m_selection->currentIndex();
    if (current.isValid())
        CurrentView()->edit(m_model.index(current.row(), ItemListModel::TitleColumn));
}

bool ItemListPane::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::FocusIn)
        Q_EMIT FocusEntered();
    if (event->type() == QEvent::KeyPress && watched == CurrentView()) {
        // Enter opens the current row as a double click does (an open
        // title editor takes its keys itself).
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            if (TZVBObject* item = SelectedItem()) {
                Q_EMIT Activated(item);
                return true;
            }
        }
    }
    return QWidget::eventFilter(watched, event);
}
