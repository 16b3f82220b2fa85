#include "ui/dialogs/TCategoryPopup.h"

#include "model/ZVBObject.h"
#include "ui/common/CategoryNames.h"

#include <QListWidget>
#include <QVBoxLayout>

TCategoryPopup::TCategoryPopup(TZVBObject& item, const QStringList& names, QWidget* parent)
    : QDialog(parent, Qt::Tool), m_item(item), m_list(new QListWidget(this))
{
    setWindowTitle(QStringLiteral("Select Categories"));
    setObjectName(QStringLiteral("CategoryPopup"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_list);
    const qsizetype count = std::min<qsizetype>(names.size(), CategoryNames::kCount);
    for (qsizetype i = 0; i < count; ++i) {
        auto* entry = new QListWidgetItem(names.at(i), m_list);
        entry->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable | Qt::ItemIsSelectable);
        entry->setCheckState(((item.Categories() >> i) & 1U) ? Qt::Checked : Qt::Unchecked);
    }
    if (m_list->count() > 0)
        m_list->setCurrentRow(0);
    resize(220, 260);
    // Closing in any way (Escape, the close box, Enter) takes the checks over.
    connect(this, &QDialog::finished, this, [this] { m_item.SetCategories(CheckedSet()); });
}

std::uint32_t TCategoryPopup::CheckedSet() const
{
    std::uint32_t set = 0;
    for (int i = 0; i < m_list->count() && i < CategoryNames::kCount; ++i) {
        if (m_list->item(i)->checkState() == Qt::Checked)
            set |= std::uint32_t{1} << i;
    }
    return set;
}

void TCategoryPopup::Pick(TZVBObject& item, const QPoint& globalTopLeft, QWidget* parent)
{
    TCategoryPopup popup(item, CategoryNames::Current(), parent);
    popup.move(globalTopLeft);
    popup.exec();
}
