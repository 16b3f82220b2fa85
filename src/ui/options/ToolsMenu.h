#pragma once

#include "platform/ProcessStarter.h"

class QMenu;
class QWidget;
class TToolItem;
class TToolItems;

// The tool entries of the tray's "&Tools" submenu and of the main window's
// tools menu: one per tool in list order, each starting its program alone.
namespace ToolsMenu {

// Removes every entry after the first keepFirst ones and appends one entry
// per tool (its icon and description).
void Fill(QMenu& menu, TToolItems& tools, int keepFirst = 0);
// Fills the menu now and again whenever the list changes.
void Keep(QMenu& menu, TToolItems& tools, int keepFirst = 0);

// Tells the user that a tool did not start; nothing when it did.
void ReportLaunch(QWidget* parent, const TToolItem& tool, const LaunchResult& result);

} // namespace ToolsMenu
