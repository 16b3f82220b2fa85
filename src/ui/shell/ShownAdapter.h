#pragma once

#include <QObject>
#include <QPointer>

class QWidget;

// A bar's own shown flag as the property "Visible". QWidget's "visible" is
// false whenever the window is hidden, so a program that lives in the tray
// would save every bar as hidden; this reports whether the bar itself is shown.
class ShownAdapter : public QObject
{
    Q_OBJECT
    Q_PROPERTY(bool Visible READ Visible WRITE SetVisible)

public:
    // Named `name` for the settings lookup; owned by the widget.
    ShownAdapter(QWidget* widget, const QString& name);

    bool Visible() const;
    void SetVisible(bool visible);

private:
    QPointer<QWidget> m_widget;
};
