#include "ui/shell/WindowGeometryAdapter.h"

#include <QRect>
#include <QWidget>

WindowGeometryAdapter::WindowGeometryAdapter(QWidget* window, const QString& name)
    : QObject(window)
    , m_window(window)
{
    setObjectName(name);
}

QRect WindowGeometryAdapter::Normal() const
{
    if (!m_window)
        return {};
    // The frame's top-left (as move() takes it) with the client size (as resize() takes it).
    if (m_window->windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen)) {
        const QRect normal = m_window->normalGeometry();
        if (normal.isValid())
            return normal;
    }
    return QRect(m_window->pos(), m_window->size());
}

int WindowGeometryAdapter::Left() const { return Normal().x(); }
int WindowGeometryAdapter::Top() const { return Normal().y(); }
int WindowGeometryAdapter::Width() const { return Normal().width(); }
int WindowGeometryAdapter::Height() const { return Normal().height(); }

Qt::WindowStates WindowGeometryAdapter::WindowState() const
{
    // A minimized window comes back as a normal one.
    return m_window ? (m_window->windowState() & ~Qt::WindowMinimized) : Qt::WindowNoState;
}

void WindowGeometryAdapter::SetLeft(int left)
{
    if (m_window)
        m_window->move(left, m_window->pos().y());
}

void WindowGeometryAdapter::SetTop(int top)
{
    if (m_window)
        m_window->move(m_window->pos().x(), top);
}

void WindowGeometryAdapter::SetWidth(int width)
{
    if (m_window && width > 0)
        m_window->resize(width, m_window->height());
}

void WindowGeometryAdapter::SetHeight(int height)
{
    if (m_window && height > 0)
        m_window->resize(m_window->width(), height);
}

void WindowGeometryAdapter::SetWindowState(Qt::WindowStates state)
{
    if (m_window)
        m_window->setWindowState(state & ~Qt::WindowMinimized);
}
