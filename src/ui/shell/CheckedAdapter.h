#pragma once

#include <QObject>
#include <QPointer>

// The checked state of a checkable action or button under both names the
// settings entries use: "Checked" (menu items) and "Down" (grouped toolbar
// buttons). The target is any object with a "checked" property.
class CheckedAdapter : public QObject
{
    Q_OBJECT
    Q_PROPERTY(bool Checked READ Checked WRITE SetChecked)
    Q_PROPERTY(bool Down READ Checked WRITE SetChecked)

public:
    // Named `name` for the settings lookup; owned by the target.
    CheckedAdapter(QObject* target, const QString& name);

    bool Checked() const;
    // Goes through the target's own setter, so its toggled signals fire.
    void SetChecked(bool checked);

private:
    QPointer<QObject> m_target;
};
