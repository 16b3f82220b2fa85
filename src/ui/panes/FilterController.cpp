#include "ui/panes/FilterController.h"

#include "ui/common/CommandIcons.h"

#include <QAction>
#include <QListWidget>
#include <QToolBar>

FilterController::FilterController(QToolBar& findBar, QWidget* parent) : QObject(parent)
{
    m_list = new QListWidget(parent);
    m_list->setObjectName(QStringLiteral("FilterListBox"));
    m_list->hide();
    connect(m_list, &QListWidget::itemChanged, this, &FilterController::RebuildMask);

    const auto makeButton = [&](const QString& name, const QString& text, const QString& tip) {
        QAction* action = findBar.addAction(CommandIcons::Get(QStringLiteral("view-filter")), text);
        action->setObjectName(name);
        action->setCheckable(true);
        action->setToolTip(QStringLiteral("Filter"));
        action->setStatusTip(tip);
        connect(action, &QAction::toggled, this, [this, action](bool down) { ButtonToggled(action, down); });
        return action;
    };
    findBar.addSeparator();
    m_any = makeButton(QStringLiteral("FilterBtn1"), QStringLiteral("Any"),
                       QStringLiteral("Show items matching ANY selected category"));
    m_all = makeButton(QStringLiteral("FilterBtn2"), QStringLiteral("All"),
                       QStringLiteral("Show items matching ALL selected categories"));
}

void FilterController::SetNames(const QStringList& names)
{
    const QSignalBlocker block(m_list);
    for (int i = 0; i < names.size(); ++i) {
        QListWidgetItem* entry = m_list->item(i);
        if (!entry) {
            entry = new QListWidgetItem(m_list);
            entry->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable | Qt::ItemIsSelectable);
            entry->setCheckState(Qt::Unchecked);
        }
        entry->setText(names[i]);
    }
}

QStringList FilterController::Names() const
{
    QStringList names;
    for (int i = 0; i < m_list->count(); ++i)
        names.append(m_list->item(i)->text());
    return names;
}

void FilterController::SetChecked(int category, bool checked)
{
    if (QListWidgetItem* entry = m_list->item(category - 1))
        entry->setCheckState(checked ? Qt::Checked : Qt::Unchecked);
}

void FilterController::ButtonToggled(QAction* button, bool down)
{
    // Grouped: at most one is down, and both may be up.
    QAction* other = button == m_any ? m_all : m_any;
    if (down && other->isChecked()) {
        const QSignalBlocker block(other);
        other->setChecked(false);
    }
    const bool wasOn = m_filter.IsOn();
    if (m_any->isChecked())
        m_filter.SetMode(CategoryFilter::Mode::Any);
    else if (m_all->isChecked())
        m_filter.SetMode(CategoryFilter::Mode::All);
    else
        m_filter.SetMode(CategoryFilter::Mode::Off);
    if (wasOn != m_filter.IsOn() || down)
        Q_EMIT FilterOnChanged(m_filter.IsOn());
    Q_EMIT Changed();
}

void FilterController::RebuildMask()
{
    std::uint32_t mask = 0;
    for (int i = 0; i < m_list->count() && i < 32; ++i) {
        if (m_list->item(i)->checkState() == Qt::Checked)
            mask |= 1U << i;
    }
    m_filter.SetMask(mask);
    Q_EMIT Changed();
}
