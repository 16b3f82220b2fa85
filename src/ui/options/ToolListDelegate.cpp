#include "ui/options/ToolListDelegate.h"

#include "ui/options/TToolItems.h"

#include <QIcon>
#include <QListView>
#include <QPainter>

void ToolListDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    const bool selected = option.state.testFlag(QStyle::State_Selected);
    const QPalette& palette = option.palette;
    painter->save();
    painter->fillRect(option.rect, palette.brush(selected ? QPalette::Highlight : QPalette::Base));
    const QIcon icon = index.data(Qt::DecorationRole).value<QIcon>();
    if (!icon.isNull())
        icon.paint(painter, QRect(option.rect.topLeft() + QPoint(1, 2), QSize(kIconSize, kIconSize)));
    painter->setFont(option.font);
    painter->setPen(palette.color(selected ? QPalette::HighlightedText : QPalette::Text));
    const QRect text = option.rect.adjusted(kIconSize + 4, 0, -2, 0);
    const QString description =
        option.fontMetrics.elidedText(index.data(Qt::DisplayRole).toString(), Qt::ElideRight, text.width());
    painter->drawText(text, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, description);
    if (option.state.testFlag(QStyle::State_HasFocus)) {
        QStyleOptionFocusRect focus;
        focus.QStyleOption::operator=(option);
        focus.backgroundColor = palette.color(selected ? QPalette::Highlight : QPalette::Base);
        if (const QWidget* widget = option.widget)
            widget->style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, painter, widget);
    }
    painter->restore();
}

QSize ToolListDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    const int width = kIconSize + 6 + option.fontMetrics.horizontalAdvance(index.data(Qt::DisplayRole).toString());
    return {width, kRowHeight};
}

QListView* ToolListDelegate::CreateList(TToolItems& tools, QWidget* parent)
{
    auto* list = new QListView(parent);
    list->setModel(&tools);
    list->setItemDelegate(new ToolListDelegate(list));
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list->setUniformItemSizes(true);
    list->setIconSize(QSize(kIconSize, kIconSize));
    return list;
}
