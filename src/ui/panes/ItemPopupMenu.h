#pragma once

#include "model/ZVBObject.h"

#include <QMenu>

#include <array>

// The item pop-up menu: "&Open", "Send &Mail", "Send &Fax", "&Dial",
// "&Browse", "&Advance Date" and "&Launch", shown as the item asks, then the
// commands that act on the selection.
class ItemPopupMenu : public QMenu
{
    Q_OBJECT

public:
    explicit ItemPopupMenu(QWidget* parent = nullptr);

    // Shows the seven entries the item wants (none when there is no item).
    void Adjust(const TZVBObject* item);
    QAction* Entry(ListMenuEntry entry) const { return m_entries[static_cast<size_t>(entry)]; }
    QAction* RenameAction() const { return m_rename; }
    // Where later command groups go, below the item's own entries.
    QAction* CommandsSeparator() const { return m_separator; }

Q_SIGNALS:
    void EntryTriggered(ListMenuEntry entry);
    void RenameTriggered();

private:
    std::array<QAction*, kListMenuEntryCount> m_entries{};
    QAction* m_separator = nullptr;
    QAction* m_rename = nullptr;
};
