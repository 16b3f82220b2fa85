#pragma once

#include <QObject>
#include <QPointer>

class QWidget;

// A top-level window's position, size and state as the properties the
// settings entries name (Left, Top, Width, Height, WindowState). While the
// window is maximized or full screen the restored (normal) geometry is
// reported, so the next start un-maximizes to the right place.
class WindowGeometryAdapter : public QObject
{
    Q_OBJECT
    Q_PROPERTY(int Left READ Left WRITE SetLeft)
    Q_PROPERTY(int Top READ Top WRITE SetTop)
    Q_PROPERTY(int Width READ Width WRITE SetWidth)
    Q_PROPERTY(int Height READ Height WRITE SetHeight)
    Q_PROPERTY(Qt::WindowStates WindowState READ WindowState WRITE SetWindowState)

public:
    // Named `name` for the settings lookup; owned by the window.
    WindowGeometryAdapter(QWidget* window, const QString& name);

    int Left() const;
    int Top() const;
    int Width() const;
    int Height() const;
    Qt::WindowStates WindowState() const;

    void SetLeft(int left);
    void SetTop(int top);
    void SetWidth(int width);
    void SetHeight(int height);
    void SetWindowState(Qt::WindowStates state);

private:
    QRect Normal() const;

    QPointer<QWidget> m_window;
};
