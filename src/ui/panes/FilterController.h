#pragma once

#include "model/CategoryFilter.h"

#include <QObject>
#include <QStringList>

class QAction;
class QListWidget;
class QToolBar;
class QWidget;

// The category filter: the two buttons (any, all; at most one down), the
// check list of the 32 category names that takes the tree's place while a
// filter is on, and the test every list row passes through.
class FilterController : public QObject
{
    Q_OBJECT

public:
    FilterController(QToolBar& findBar, QWidget* parent);

    QListWidget* FilterListBox() const { return m_list; }
    QAction* AnyButton() const { return m_any; }
    QAction* AllButton() const { return m_all; }
    const CategoryFilter& Filter() const { return m_filter; }
    bool FilterOn() const { return m_filter.IsOn(); }
    bool PassesFilter(const class TZVBObject& item) const { return m_filter.PassesFilter(item); }

    void SetNames(const QStringList& names);
    QStringList Names() const;
    // Checks category n (1-based), as a click would.
    void SetChecked(int category, bool checked);

Q_SIGNALS:
    // The filter or its mask changed: the list is filled again.
    void Changed();
    // A filter was switched on or off: the filter list takes the tree's place or gives it back.
    void FilterOnChanged(bool on);

private:
    void ButtonToggled(QAction* button, bool down);
    void RebuildMask();

    QListWidget* m_list;
    QAction* m_any;
    QAction* m_all;
    CategoryFilter m_filter;
};
