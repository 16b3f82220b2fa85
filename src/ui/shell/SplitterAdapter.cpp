#include "ui/shell/SplitterAdapter.h"

#include <QSplitter>

#include <algorithm>

SplitterAdapter::SplitterAdapter(QSplitter* splitter, const QString& name) : QObject(splitter), m_splitter(splitter)
{
    setObjectName(name);
}

int SplitterAdapter::Width() const
{
    if (!m_splitter || m_splitter->count() < 2)
        return 0;
    return m_splitter->sizes().value(0);
}

void SplitterAdapter::SetWidth(int width)
{
    if (!m_splitter || m_splitter->count() < 2 || width <= 0)
        return;
    const QList<int> sizes = m_splitter->sizes();
    int total = 0;
    for (int size : sizes)
        total += size;
    // Before the first showing the panes have no size yet: the window's
    // width stands in, and the rest goes to the list as it stretches.
    if (total <= 0)
        total = std::max(m_splitter->window()->width(), 2 * kMinimumWidth);
    const int left = std::clamp(width, kMinimumWidth, std::max(kMinimumWidth, total - kMinimumWidth));
    m_splitter->setSizes({left, std::max(total - left, kMinimumWidth)});
}
