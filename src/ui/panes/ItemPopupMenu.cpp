#include "ui/panes/ItemPopupMenu.h"

ItemPopupMenu::ItemPopupMenu(QWidget* parent) : QMenu(parent)
{
    setObjectName(QStringLiteral("ListPopup"));
    static const struct { ListMenuEntry entry; const char16_t* caption; const char16_t* name; } kEntries[] = {
        {ListMenuEntry::Open, u"&Open", u"ListPaneOpen"},
        {ListMenuEntry::SendMail, u"Send &Mail", u"ListPaneMail"},
        {ListMenuEntry::SendFax, u"Send &Fax", u"ListPaneFax"},
        {ListMenuEntry::Dial, u"&Dial", u"ListPaneDial"},
        {ListMenuEntry::Browse, u"&Browse", u"ListPaneBrowse"},
        {ListMenuEntry::AdvanceDate, u"&Advance Date", u"ListPaneAdvance"},
        {ListMenuEntry::Launch, u"&Launch", u"ListPaneLaunch"},
    };
    for (const auto& e : kEntries) {
        QAction* action = addAction(QString::fromUtf16(e.caption));
        action->setObjectName(QString::fromUtf16(e.name));
        const ListMenuEntry entry = e.entry;
        connect(action, &QAction::triggered, this, [this, entry] { Q_EMIT EntryTriggered(entry); });
        m_entries[static_cast<size_t>(e.entry)] = action;
    }
    setDefaultAction(m_entries[0]);
    m_separator = addSeparator();
    // "&Rename" lives in the "&Edit" submenu only.
    m_rename = new QAction(QStringLiteral("&Rename"), this);
    m_rename->setObjectName(QStringLiteral("ListPaneRename"));
    connect(m_rename, &QAction::triggered, this, &ItemPopupMenu::RenameTriggered);
}

void ItemPopupMenu::Adjust(const TZVBObject* item)
{
    ListMenuMask mask;
    if (item)
        item->AdjustListMenu(mask);
    for (int i = 0; i < kListMenuEntryCount; ++i)
        m_entries[static_cast<size_t>(i)]->setVisible(mask.Shows(static_cast<ListMenuEntry>(i)));
}
