#include "ui/shell/MainWindowSettings.h"

namespace MainWindowSettings {

const QList<IniEntry>& Entries()
{
    static const QList<IniEntry> entries = [] {
        struct Row
        {
            const char16_t* component;
            const char16_t* property;
            const char16_t* defaultValue;
            const char16_t* section;
            const char16_t* key;
        };
        static constexpr Row rows[] = {
            {u"LargeIcons", u"Checked", u"True", u"View", u"Icon"},
            {u"MainForm", u"Top", u"0", u"Window", u"Top"},
            {u"MainForm", u"Width", u"640", u"Window", u"Width"},
            {u"MainForm", u"Height", u"480", u"Window", u"Height"},
            {u"ToolbarItem", u"Checked", u"True", u"Toolbar", u"Main"},
            {u"NewItemBar", u"Checked", u"True", u"Toolbar", u"New"},
            {u"FindBarItem", u"Checked", u"True", u"Toolbar", u"Find"},
            {u"TipBarItem", u"Checked", u"True", u"Toolbar", u"Tip"},
            {u"SpeedBar", u"Visible", u"True", u"Toolbar", u"Main"},
            {u"NewBar", u"Visible", u"True", u"Toolbar", u"New"},
            {u"FindBar", u"Visible", u"True", u"Toolbar", u"Find"},
            {u"ViewTypeBtn1", u"Down", u"True", u"View", u"Icon"},
            {u"ViewTypeBtn2", u"Down", u"False", u"View", u"Small"},
            {u"ViewTypeBtn3", u"Down", u"False", u"View", u"List"},
            {u"ViewTypeBtn4", u"Down", u"False", u"View", u"Detail"},
            {u"SmallIcons", u"Checked", u"False", u"View", u"Small"},
            {u"List", u"Checked", u"False", u"View", u"List"},
            {u"Details", u"Checked", u"False", u"View", u"Detail"},
            {u"MainForm", u"Left", u"0", u"Window", u"Left"},
            {u"MainItems", u"ViewStyle", u"vsIcon", u"View", u"Style"},
            {u"TipBar1", u"Visible", u"True", u"Toolbar", u"Tip"},
            // After the window's size, which bounds it.
            {u"FolderPane", u"Width", u"220", u"Window", u"TreeWidth"},
        };
        QList<IniEntry> list;
        for (const Row& row : rows)
            list.append(IniEntry{QString::fromUtf16(row.component), QString::fromUtf16(row.property),
                                 QString::fromUtf16(row.defaultValue), QString::fromUtf16(row.section),
                                 QString::fromUtf16(row.key), false});
        return list;
    }();
    return entries;
}

} // namespace MainWindowSettings
