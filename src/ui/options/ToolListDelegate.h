#pragma once

#include <QStyledItemDelegate>

class QListView;
class TToolItems;

// Draws a tool row as the tool lists do: 36 pixels high, the icon in the
// row's corner and the description beside it, the row in the highlight
// colour while selected.
class ToolListDelegate : public QStyledItemDelegate
{
    Q_OBJECT

public:
    static constexpr int kRowHeight = 36;
    static constexpr int kIconSize = 32;

    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

    // A list of the tools drawn so, one row selectable at a time.
    static QListView* CreateList(TToolItems& tools, QWidget* parent);
};
