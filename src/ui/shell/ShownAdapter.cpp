#include "ui/shell/ShownAdapter.h"

#include <QWidget>

ShownAdapter::ShownAdapter(QWidget* widget, const QString& name)
    : QObject(widget)
    , m_widget(widget)
{
    setObjectName(name);
}

bool ShownAdapter::Visible() const
{
    return m_widget && !m_widget->isHidden();
}

void ShownAdapter::SetVisible(bool visible)
{
    if (m_widget)
        m_widget->setVisible(visible);
}
