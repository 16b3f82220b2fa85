#pragma once

#include <QColor>
#include <QFont>
#include <QRect>
#include <QStringList>

#include <vector>

// One piece of a laid-out page, in layout units from the page's top-left
// corner: text lines in a box, painted only inside the clip rectangle.
struct TReportItem
{
    QRect box;
    QRect clip;
    QStringList lines;
    QFont font;
    QColor color;
    QColor background;
    Qt::Alignment alignment;
    bool memo = false;
};

struct TReportPage
{
    std::vector<TReportItem> items;
};
