#pragma once

#include "ui/panes/ViewStyle.h"

#include <QWidget>

class ItemListModel;
class QAbstractItemView;
class QItemSelectionModel;
class QListView;
class QStackedLayout;
class QTreeView;
class TZVBObject;

// The list pane "MainItems" in its four views: large icons (32 pixels),
// small icons, list, and details with the columns Title, Target and Comment.
// One model and one selection serve every view.
class ItemListPane : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(ListView::ViewStyle ViewStyle READ ViewStyle WRITE SetViewStyle NOTIFY ViewStyleChanged)

public:
    explicit ItemListPane(ItemListModel& model, QWidget* parent = nullptr);

    ListView::ViewStyle ViewStyle() const { return m_style; }
    void SetViewStyle(ListView::ViewStyle style);

    ItemListModel& Model() const { return m_model; }
    QItemSelectionModel* Selection() const { return m_selection; }
    // The view of the current style.
    QAbstractItemView* CurrentView() const;
    QListView* IconView() const { return m_icons; }
    QTreeView* DetailsView() const { return m_details; }

    // The first selected row's item, or null.
    TZVBObject* SelectedItem() const;
    QList<TZVBObject*> SelectedItems() const;
    // The selected rows in ascending order, whichever view selected them.
    QList<int> SelectedRows() const;
    void SelectItem(const TZVBObject* item);
    void SelectAll();
    // Starts editing the title of the current row in place.
    void EditCurrent();

Q_SIGNALS:
    void ViewStyleChanged(ListView::ViewStyle style);
    void Activated(TZVBObject* item);
    void ContextMenuRequested(const QPoint& globalPos);
    void FocusEntered();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    ItemListModel& m_model;
    QItemSelectionModel* m_selection;
    QStackedLayout* m_stack;
    QListView* m_icons;
    QTreeView* m_details;
    ListView::ViewStyle m_style = ListView::vsIcon;
};
