#include "ui/shell/CheckedAdapter.h"

#include <QVariant>

CheckedAdapter::CheckedAdapter(QObject* target, const QString& name)
    : QObject(target)
    , m_target(target)
{
    setObjectName(name);
}

bool CheckedAdapter::Checked() const
{
    return m_target && m_target->property("checked").toBool();
}

void CheckedAdapter::SetChecked(bool checked)
{
    if (m_target)
        m_target->setProperty("checked", checked);
}
